#include "calendar_format/OwnSection.h"
#include "document/CalendarFormat.h"
#include "document/EntryText.h"
#include "document/OwnSectionEntries.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

HolidayRule ruleOf(const char* text) {
    return RuleFromText(QString::fromLatin1(text)).value();
}

// A calendar with classic entries of every kind between entries that only the file's own
// section can hold: a pack holiday, a three-day festival, Easter Monday, an observed holiday
// and a trip that spans days.
CalendarDocument mixedCalendar() {
    CalendarDocument doc = sampleCalendar();
    doc.FixedHolidays.insert(
        0, {"1003", QStringLiteral("Tag der Deutschen Einheit"), 1, QStringLiteral("DE-BY")});
    doc.FixedHolidays.append({"0710", QStringLiteral("Folk  festival"), 3});
    doc.FloatingHolidays.insert(1, {{}, {}, QStringLiteral("Easter Monday"), ruleOf("easter+1")});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Independence Day"), ruleOf("07-04/sun+1,sat-1"), {}});
    doc.FloatingHolidays.append(
        {"11", "44", QStringLiteral("Thanksgiving"), std::nullopt, QStringLiteral("US")});
    doc.OtherEvents.insert(0, {"07102027", QStringLiteral("Trip – Zoë"), "07202027"});
    doc.Photos.layout = PhotoLayout::Facing;
    doc.Photos.photos[kCoverPhoto] = {QStringLiteral("/photos/cover.jpg")};
    doc.Photos.photos[3] = {QStringLiteral("/photos/Zoë at the beach.jpg"), 0, 1000};
    return doc;
}

// The file up to and including its "[End of Data]" line.
QByteArray classicPart(const QByteArray& file) {
    const qsizetype end = file.indexOf("[End of Data]\r\n");
    return file.first(end + qsizetype(sizeof "[End of Data]\r\n") - 1);
}

} // namespace

// The classic part of a file with section entries is exactly the file the classic entries
// alone make, so that a reader of the classic format reads every classic entry; the whole
// file reads back to the same calendar, and writes the same bytes again.
TEST(OwnSection, ClassicPartIsTheClassicFileAndTheWholeFileReadsBack) {
    const CalendarDocument doc = mixedCalendar();
    const QByteArray file = formatCalendar(doc);
    ASSERT_TRUE(file.contains("\r\n[End of Data]\r\n[Daylark 1]\r\n"));

    CalendarDocument classicOnly = doc;
    auto dropSection = [](auto& table) {
        for (int i = table.entryCount() - 1; i >= 0; --i)
            if (InOwnSection(table[i])) table.remove(i);
    };
    classicOnly.forEachTable(dropSection);
    classicOnly.Photos = {};
    EXPECT_EQ(classicPart(file), formatCalendar(classicOnly));

    CalendarDocument cut;
    ASSERT_EQ(readCalendar(classicPart(file), cut).status, FileStatus::Success);
    EXPECT_TRUE(cut.sameContent(classicOnly));

    CalendarDocument back;
    ASSERT_EQ(readCalendar(file, back).status, FileStatus::Success);
    EXPECT_TRUE(back.sameContent(doc));
    EXPECT_EQ(formatCalendar(back), file);
}

// A calendar without section entries is written exactly as before: nothing after the
// "[End of Data]" line.
TEST(OwnSection, ClassicCalendarWritesNoSection) {
    EXPECT_TRUE(formatCalendar(sampleCalendar()).endsWith("\r\n[End of Data]\r\n"));
}

// Blocks of a newer version and lines this version cannot read are kept line by line and
// written back unchanged after this version's records; reading says so.
TEST(OwnSection, UnknownVersionsAreKeptByteForByte) {
    const QByteArray newer = "[Daylark 7]\r\nphoto 0 07 sunset.jpg\r\n\r\nframe gold\r\n";
    const QByteArray file =
        formatCalendar(mixedCalendar()) + "holiday x 0101 1 - broken index\r\n" + newer;
    CalendarDocument doc;
    const FileResult result = readCalendar(file, doc);
    ASSERT_EQ(result.status, FileStatus::Success);
    EXPECT_TRUE(result.notice.contains(QStringLiteral("4 lines")));
    EXPECT_EQ(doc.FloatingHolidays.entryCount(), 5);

    const QByteArray again = formatCalendar(doc);
    EXPECT_TRUE(again.endsWith("holiday x 0101 1 - broken index\r\n" + newer));
    CalendarDocument back;
    ASSERT_EQ(readCalendar(again, back).status, FileStatus::Success);
    EXPECT_TRUE(back.sameContent(doc));

    // A section of a newer version alone, after a classic calendar, is written back alone.
    CalendarDocument classic;
    ASSERT_EQ(readCalendar(formatCalendar(sampleCalendar()) + newer, classic).status,
              FileStatus::Success);
    EXPECT_EQ(formatCalendar(classic), formatCalendar(sampleCalendar()) + newer);
}

// Lines that are not records in the fixed order are not read as entries.
TEST(OwnSection, MalformedRecordsAreNotEntries) {
    const char* lines[] = {
        "holiday 0 0710 0 - zero days",
        "holiday 0 0710 367 - too long",
        "holiday 0 071 3 - short date",
        "holiday 0 0710 3 -",
        "moving 0 easter+x - bad rule",
        "moving 0 5th-mon-13 - no such month",
        "other 0 07102027 0720202 short",
        "other -1 07102027 07202027 negative",
        "birthday 0 07102027 1 unknown kind",
        "other 0 07102027 07202027 ",
        "photo 13 500 500 a.jpg",
        "photo 1 1001 500 a.jpg",
        "photo 1 500 a.jpg",
        "photopages 0 ",
    };
    for (const char* line : lines) {
        const OwnSection s = ReadOwnSection(QByteArray("[Daylark 1]\r\n") + line + "\r\n");
        EXPECT_TRUE(s.records.empty()) << line;
        EXPECT_EQ(s.kept, QByteArrayList{line}) << line;
    }
}

// Importing a calendar with section entries keeps them, after the calendar's own entries
// and in the imported file's order.
TEST(OwnSection, ImportAppendsSectionEntriesInTheirOrder) {
    CalendarDocument doc = sampleCalendar();
    const int fixedBefore = doc.FixedHolidays.entryCount();
    ASSERT_EQ(importCalendar(formatCalendar(mixedCalendar()), doc).status, FileStatus::Success);
    const CalendarDocument mixed = mixedCalendar();
    ASSERT_EQ(doc.FixedHolidays.entryCount(), fixedBefore + mixed.FixedHolidays.entryCount());
    for (int i = 0; i < mixed.FixedHolidays.entryCount(); ++i)
        EXPECT_EQ(doc.FixedHolidays[fixedBefore + i], mixed.FixedHolidays[i]) << i;
    EXPECT_EQ(doc.OtherEvents[sampleCalendar().OtherEvents.entryCount()].Until.text(),
              QStringLiteral("07202027"));
    EXPECT_TRUE(doc.Photos == sampleCalendar().Photos); // the calendar keeps its own photos
}

// A photo in the calendar's folder is kept relative to it, so that the folder moves with
// its photos; one elsewhere keeps its whole path, so that a calendar copied on its own
// still finds it.
TEST(OwnSection, PhotoPathsAreRelativeInsideTheCalendarsFolder) {
    struct Case {
        const char* photo;
        const char* stored;
        const char* afterMove; // read back as the calendar in /moved
    };
    const Case cases[] = {
        {"/home/ann/calendar/beach.jpg", "beach.jpg", "/moved/beach.jpg"},
        {"/home/ann/calendar/2027/Zoë 1.jpg", "2027/Zoë 1.jpg", "/moved/2027/Zoë 1.jpg"},
        {"/home/ann/Pictures/dog.png", "/home/ann/Pictures/dog.png", "/home/ann/Pictures/dog.png"},
        {"/home/ann/calendar2/x.jpg", "/home/ann/calendar2/x.jpg", "/home/ann/calendar2/x.jpg"},
    };
    for (const Case& c : cases) {
        CalendarDocument doc;
        doc.FileName = QStringLiteral("/home/ann/calendar/family.qvf");
        doc.Photos.photos[5] = {QString::fromUtf8(c.photo), 250, 750};
        const QByteArray file = formatCalendar(doc);
        EXPECT_TRUE(file.contains(QByteArray("\r\nphoto 5 250 750 ") + c.stored + "\r\n"))
            << c.photo;
        CalendarDocument moved;
        moved.FileName = QStringLiteral("/moved/family.qvf");
        ASSERT_EQ(readCalendar(file, moved).status, FileStatus::Success);
        EXPECT_EQ(moved.Photos.photos[5].path, QString::fromUtf8(c.afterMove));
        EXPECT_EQ(moved.Photos.photos[5].focusY, 750);
    }
}

// A pack's rule that the classic fields can hold reads back into them.
TEST(OwnSection, ClassicRulesOfPacksReadBackAsClassicFields) {
    CalendarDocument doc;
    ASSERT_EQ(readCalendar(formatCalendar(CalendarDocument{}) +
                               "[Daylark 1]\r\nmoving 0 last-mon-05 US Memorial Day\r\n",
                           doc)
                  .status,
              FileStatus::Success);
    ASSERT_EQ(doc.FloatingHolidays.entryCount(), 1);
    EXPECT_EQ(doc.FloatingHolidays[0].Month.text(), QStringLiteral("05"));
    EXPECT_EQ(doc.FloatingHolidays[0].Rule.text(), QStringLiteral("L1"));
    EXPECT_FALSE(doc.FloatingHolidays[0].Moving.has_value());
    EXPECT_EQ(doc.FloatingHolidays[0].Pack, QStringLiteral("US"));
}

// The list names a moving rule by its parts: base, offset, observance and years; qvftool's
// show puts the name first. Ranges name both ends.
TEST(OwnSection, ListLinesNameRulesAndRanges) {
    struct Case {
        const char* rule;
        const char* text;
    };
    const Case cases[] = {
        {"easter+1", "Easter + 1"},
        {"orthodox-2", "Orthodox Easter - 2"},
        {"onafter-mon-05-24", "Monday on or after May 24"},
        {"4th-thu-11+1", "Fourth Thursday of November + 1"},
        {"07-04/sun+1,sat-1", "July 4, on Monday when on a Sunday, on Friday when on a Saturday"},
        {"05-08@1995-", "May 8, from 1995"},
        {"06-16@1978-2019", "June 16, 1978 to 2019"},
        {"10-31@2017-2017", "October 31, only in 2017"},
    };
    for (const Case& c : cases) {
        CalendarDocument doc;
        doc.FloatingHolidays.append({{}, {}, QStringLiteral("H"), ruleOf(c.rule)});
        EXPECT_EQ(EntryListLines(doc, EntryKind::FloatingHoliday),
                  QStringList{QLatin1String(c.text) + QLatin1String(" - H")});
        QStringList shown;
        ForEachEntryListLine(
            doc, EntryKind::FloatingHoliday, [&](const QString& line) { shown << line; },
            ListStyle::NameFirst);
        EXPECT_EQ(shown, QStringList{QLatin1String("H (") + QLatin1String(c.text) + u')'});
    }
    CalendarDocument doc = mixedCalendar();
    EXPECT_EQ(EntryListLines(doc, EntryKind::Other).first(),
              QStringLiteral("July 10, 2027 to July 20, 2027 - Trip – Zoë"));
    EXPECT_TRUE(EntryListLines(doc, EntryKind::Holiday)
                    .contains(QStringLiteral("July 10 for 3 days - Folk  festival")));
}
