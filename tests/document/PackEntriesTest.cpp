#include "document/PackEntries.h"
#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

// A small pack: a plain date, a classic floating rule, an Easter rule, an observed date and
// a date with years.
HolidayPack testPack(const char* extra = "") {
    const PackReading reading =
        ReadHolidayPack(QByteArray("country XA de Testland | Testland\n"
                                   "region XA-1 One | Eins\n"
                                   "region XA-2 Two | Zwei\n"
                                   "holiday 05-01 * Labour Day | Tag der Arbeit\n"
                                   "holiday last-mon-05 XA-1 Spring Day | Frühlingstag\n"
                                   "holiday easter+1 XA-1 Easter Monday | Ostermontag\n"
                                   "holiday 12-26/sun+1 XA-1 Boxing Day | Stephanstag\n"
                                   "holiday 03-08@2019- XA-2 Women's Day | Frauentag\n") +
                            extra,
                        QStringLiteral("xa.txt"));
    EXPECT_TRUE(reading.errors.isEmpty()) << reading.errors.join(u'\n').toStdString();
    return reading.pack;
}

// The calendar's holidays as "MMDD name pack" and "MMRR|rule name pack" lines.
QStringList holidaysOf(const CalendarDocument& doc) {
    QStringList out;
    for (const FixedHolidayEntry& e : doc.FixedHolidays)
        out << e.Date.text() + u' ' + e.Name + u' ' + e.Pack;
    for (const FloatingHolidayEntry& e : doc.FloatingHolidays)
        out << (e.Moving ? RuleToText(*e.Moving) : e.Month.text() + e.Rule.text()) + u' ' + e.Name +
                   u' ' + e.Pack;
    return out;
}

enum class Step { Add, Update, Remove };

struct PackCase {
    const char* name;
    std::vector<Step> steps;
    const char* packExtra; // lines the pack gains before the last step
    QStringList expected;
    bool modified;
};

TEST(PackEntries, AddUpdateAndRemoveTouchOnlyThePacksOwnEntries) {
    const QStringList all = {"1225 Christmas ",           "0501 Tag der Arbeit ",
                             "0501 Tag der Arbeit XA-1",  "05L1 Frühlingstag XA-1",
                             "easter+1 Ostermontag XA-1", "12-26/sun+1 Stephanstag XA-1"};
    const PackCase cases[] = {
        {"add", {Step::Add}, "", all, true},
        {"add twice", {Step::Add, Step::Add}, "", all, false},
        {"update unchanged", {Step::Add, Step::Update}, "", all, false},
        {"update with a new holiday",
         {Step::Add, Step::Update},
         "holiday 11-01 XA-1 All Saints | Allerheiligen\n",
         {"1225 Christmas ", "0501 Tag der Arbeit ", "0501 Tag der Arbeit XA-1",
          "1101 Allerheiligen XA-1", "05L1 Frühlingstag XA-1", "easter+1 Ostermontag XA-1",
          "12-26/sun+1 Stephanstag XA-1"},
         true},
        // The user's own holiday of the same name and date stays.
        {"remove",
         {Step::Add, Step::Remove},
         "",
         {"1225 Christmas ", "0501 Tag der Arbeit "},
         true},
        {"remove what is not there",
         {Step::Remove},
         "",
         {"1225 Christmas ", "0501 Tag der Arbeit "},
         false},
    };
    for (const PackCase& c : cases) {
        CalendarDocument doc;
        doc.FixedHolidays.append(fixedHoliday("1225", QStringLiteral("Christmas")));
        doc.FixedHolidays.append(fixedHoliday("0501", QStringLiteral("Tag der Arbeit")));
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const bool last = i + 1 == c.steps.size();
            const HolidayPack pack = testPack(last ? c.packExtra : "");
            const PackRegion& region = *pack.region(QStringLiteral("XA-1"));
            doc.ClearModified();
            if (c.steps[i] == Step::Add) AddHolidayPack(doc, pack, region);
            if (c.steps[i] == Step::Update) UpdateHolidayPack(doc, pack, region);
            if (c.steps[i] == Step::Remove) RemoveHolidayPack(doc, region.code);
        }
        EXPECT_EQ(holidaysOf(doc), c.expected) << c.name;
        EXPECT_EQ(doc.Modified(), c.modified) << c.name;
    }
}

TEST(PackEntries, YearsStayWithTheRuleAndTwoRegionsKeepTheirOwnEntries) {
    CalendarDocument doc;
    const HolidayPack pack = testPack();
    AddHolidayPack(doc, pack, *pack.region(QStringLiteral("XA-1")));
    AddHolidayPack(doc, pack, *pack.region(QStringLiteral("XA-2")));
    EXPECT_TRUE(holidaysOf(doc).contains(QStringLiteral("03-08@2019- Frauentag XA-2")));
    EXPECT_TRUE(holidaysOf(doc).contains(QStringLiteral("0501 Tag der Arbeit XA-2")));
    RemoveHolidayPack(doc, QStringLiteral("XA-1"));
    EXPECT_EQ(holidaysOf(doc),
              QStringList({"0501 Tag der Arbeit XA-2", "03-08@2019- Frauentag XA-2"}));
    EXPECT_FALSE(HasHolidayPack(doc, QStringLiteral("XA-1")));
    EXPECT_TRUE(HasHolidayPack(doc, QStringLiteral("XA-2")));
}

TEST(PackEntries, SavedAndReopenedCalendarKeepsThePackMarks) {
    CalendarDocument doc = sampleCalendar();
    const HolidayPack pack = testPack();
    AddHolidayPack(doc, pack, *pack.region(QStringLiteral("XA-1")));
    CalendarDocument back;
    ASSERT_EQ(readCalendar(formatCalendar(doc), back).status, FileStatus::Success);
    EXPECT_EQ(holidaysOf(back), holidaysOf(doc));
    // Removing the pack from the reopened calendar leaves exactly the calendar's own.
    RemoveHolidayPack(back, QStringLiteral("XA-1"));
    EXPECT_EQ(holidaysOf(back), holidaysOf(sampleCalendar()));
}

} // namespace
