#include "editors/ResortEntries.h"
#include "document/EntryText.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

// Appends a record of kind whose key is its date (floating holidays: month and rule, "05L1").
void add(CalendarDocument& doc, EntryKind kind, const QByteArray& key, const QString& name) {
    switch (kind) {
    case EntryKind::Birthday:
        doc.Birthdays.append(birthday(key.constData(), name));
        break;
    case EntryKind::Anniversary:
        doc.Anniversaries.append(anniversary(key.constData(), name));
        break;
    case EntryKind::Holiday:
        doc.FixedHolidays.append(fixedHoliday(key.constData(), name));
        break;
    case EntryKind::Other:
        doc.OtherEvents.append(other(key.constData(), name));
        break;
    case EntryKind::FloatingHoliday:
        doc.FloatingHolidays.append(
            floatingHoliday(key.left(2).constData(), key.mid(2).constData(), name));
        break;
    }
}

QStringList namesOf(const CalendarDocument& doc, EntryKind kind) {
    QStringList names;
    for (const QString& line : EntryListLines(doc, kind))
        names << line.section(" - ", 1);
    return names;
}

TEST(ResortEntries, PutsEachKindInOrder) {
    struct Case {
        const char* what;
        EntryKind kind;
        std::vector<std::pair<QByteArray, QString>> records;
        QStringList expected;
    };
    const QString cake = QString::fromUtf8("\xF0\x9F\x8E\x82"),
                  wideA = QString::fromUtf8("\xEF\xBC\xA1");
    const Case cases[] = {
        {"month, day, year",
         EntryKind::Birthday,
         {{"03051960", "A"}, {"01201990", "B"}, {"03051950", "C"}, {"12011880", "D"}},
         {"B", "C", "A", "D"}},
        {"digits, capitals, small letters",
         EntryKind::Other,
         {{"07041999", "adam"}, {"07041999", "Zoe"}, {"07041999", "4th"}},
         {"4th", "Zoe", "adam"}},
        {"a shorter name first",
         EntryKind::Anniversary,
         {{"06151985", "Anna"}, {"06151985", "Ann"}, {"01011985", "Zed"}},
         {"Zed", "Ann", "Anna"}},
        {"fixed holidays",
         EntryKind::Holiday,
         {{"1225", "Christmas"}, {"0704", "July"}, {"0101", "New Year"}, {"0704", "Fireworks"}},
         {"New Year", "Fireworks", "July", "Christmas"}},
        {"floating: weeks 1 to 4 before L, Sunday first",
         EntryKind::FloatingHoliday,
         {{"05L1", "last Mon"},
          {"0541", "4th Mon"},
          {"0540", "4th Sun"},
          {"0511", "1st Mon"},
          {"04L6", "April"}},
         {"April", "1st Mon", "4th Sun", "4th Mon", "last Mon"}},
        {"beyond the first plane by code",
         EntryKind::Birthday,
         {{"02021990", cake}, {"02021990", wideA}, {"02021990", "\u00c9mile"}},
         {"\u00c9mile", wideA, cake}},
    };
    for (const Case& c : cases) {
        CalendarDocument doc;
        for (const auto& [key, name] : c.records)
            add(doc, c.kind, key, name);
        ResortTables(doc, KindChoice::all());
        EXPECT_EQ(namesOf(doc, c.kind), c.expected) << c.what;
    }
}

// Enough records that an unstable sort would mix up the equal ones.
TEST(ResortEntries, EqualKeysKeepTheirOrderAndNothingIsLost) {
    CalendarDocument doc = sampleCalendar();
    QStringList lastMondays, firstMondays;
    for (int i = 0; i < 40; ++i) {
        const QString name = QString::number(100 - i); // names must not decide
        add(doc, EntryKind::FloatingHoliday, i % 2 ? "0911" : "09L1", name);
        (i % 2 ? firstMondays : lastMondays) << name;
    }
    const CalendarDocument before = doc;
    ResortTables(doc, {EntryKind::FloatingHoliday});
    EXPECT_EQ(namesOf(doc, EntryKind::FloatingHoliday), QStringList{"Memorial Day"} + firstMondays +
                                                            lastMondays +
                                                            QStringList{"Thanksgiving"});
    EXPECT_EQ(doc.Birthdays, before.Birthdays); // not chosen

    CalendarDocument empty;
    ResortTables(empty, KindChoice::all());
    EXPECT_TRUE(empty.sameContent(CalendarDocument{}));
    EXPECT_EQ(empty.Birthdays.upperBound(), 0);
}

TEST(ResortEntries, StatusCountsEachRecordSortedAndStoredBack) {
    CalendarDocument doc;
    for (const char* date : {"03051960", "01201990", "03051950"})
        add(doc, EntryKind::Birthday, date, "x");
    const char* sorting = "Resorting Birthdays...";
    const std::vector<ResortStep> three = {{sorting, 1, 6},
                                           {sorting, 2, 6},
                                           {sorting, 3, 6},
                                           {"Rewriting Birthdays...", 3, 6},
                                           {"Resorting Complete", 6, 6}};
    ResortTables(doc, {EntryKind::Birthday});
    EXPECT_EQ(ResortStatusSteps(doc, {EntryKind::Birthday}), three);
    EXPECT_DOUBLE_EQ(three[0].fraction(), 1.0 / 6);
    EXPECT_DOUBLE_EQ(three[3].fraction(), 0.5);

    const std::vector<ResortStep> none = ResortStatusSteps(doc, {});
    ASSERT_EQ(none.size(), 1u);
    EXPECT_STREQ(none[0].text, "Resorting Complete");
    EXPECT_DOUBLE_EQ(none[0].fraction(), 1.0);

    // Several tables: an empty one counts its blank record, other events use one text.
    doc.OtherEvents.append(other("01011990", "o1"));
    doc.OtherEvents.append(other("01011991", "o2"));
    const std::vector<ResortStep> several = {{sorting, 1, 12},
                                             {sorting, 2, 12},
                                             {sorting, 3, 12},
                                             {"Rewriting Birthdays...", 3, 12},
                                             {"Resorting Holidays...", 7, 12},
                                             {"Rewriting Holidays...", 7, 12},
                                             {"Resorting Other...", 9, 12},
                                             {"Resorting Other...", 10, 12},
                                             {"Resorting Other...", 10, 12},
                                             {"Resorting Complete", 12, 12}};
    EXPECT_EQ(ResortStatusSteps(doc, {EntryKind::Birthday, EntryKind::Holiday, EntryKind::Other}),
              several);
}

} // namespace
