#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

CalendarDocument threeBirthdays() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Imported title");
    doc.HeaderLine1 = QStringLiteral("Imported 1");
    doc.Birthdays.append(birthday("01011990", QStringLiteral("I1")));
    doc.Birthdays.append(birthday("02021990", QStringLiteral("I2")));
    doc.Birthdays.append(birthday("03031990", QStringLiteral("I3")));
    doc.FloatingHolidays.append(floatingHoliday("09", "11", QStringLiteral("Labor Day")));
    return doc;
}

TEST(CalendarImport, AppendsAfterExistingEntriesAndFillsEmptyTablesFromIndexZero) {
    CalendarDocument doc = sampleCalendar(); // two birthdays, no floating holiday in "09"
    doc.FloatingHolidays.reset();
    ASSERT_EQ(importCalendar(formatCalendar(threeBirthdays()), doc).status, FileStatus::Success);
    ASSERT_EQ(doc.Birthdays.entryCount(), 5);
    EXPECT_EQ(doc.Birthdays[0].Name, QStringLiteral("Ann Smith"));
    EXPECT_EQ(doc.Birthdays[2].Name, QStringLiteral("I1"));
    EXPECT_EQ(doc.Birthdays[4].Name, QStringLiteral("I3"));
    EXPECT_EQ(doc.FloatingHolidays.upperBound(), 0);
    EXPECT_EQ(doc.FloatingHolidays[0].Name, QStringLiteral("Labor Day"));
    // Tables the file has nothing for keep their entries.
    EXPECT_TRUE(doc.OtherEvents == sampleCalendar().OtherEvents);
}

TEST(CalendarImport, KeepsTheOpenCalendarsTitleAndHeaderLines) {
    CalendarDocument doc = sampleCalendar();
    ASSERT_EQ(importCalendar(formatCalendar(threeBirthdays()), doc).status, FileStatus::Success);
    EXPECT_EQ(doc.CalendarTitle, sampleCalendar().CalendarTitle);
    EXPECT_EQ(doc.HeaderLine1, sampleCalendar().HeaderLine1);
    EXPECT_EQ(doc.HeaderLine2, sampleCalendar().HeaderLine2);
}

TEST(CalendarImport, FailedImportLeavesEveryTableExactlyAsItWas) {
    QByteArray broken = formatCalendar(threeBirthdays());
    broken.replace("[Other]\r\n", "[Other]\r\nshort\r\n");
    for (const CalendarDocument& start : {sampleCalendar(), CalendarDocument{}}) {
        CalendarDocument doc = start;
        const FileResult result = importCalendar(broken, doc);
        EXPECT_EQ(result.status, FileStatus::Failed);
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(doc.sameContent(start));
        // An empty table keeps no stray record from the failed import.
        if (start.Birthdays.isEmpty()) {
            EXPECT_EQ(doc.Birthdays.upperBound(), 0);
        }
    }
}

TEST(CalendarImport, NotAVersionTwoFileIsNotReadable) {
    CalendarDocument doc = sampleCalendar();
    EXPECT_EQ(importCalendar("01012027 Looks like a text list\r\n", doc).status,
              FileStatus::NotReadable);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
}

TEST(CalendarImport, ScrambledImportStopsAtTheStopLine) {
    const QByteArray key = "050";
    auto scrambled = [&](QByteArrayView line) { return scramble(line, key); };
    const QByteArray text = fileText(
        QList<QByteArray>{"Version 2.0", "G", key, "", "[Birthday]", "", "[Anniversary]", "",
                          "[Holiday]", "", "", "[Other]", scrambled("01052027 first"),
                          scrambled("X"), scrambled("01062027 later"), "", "[End of Data]"});
    CalendarDocument doc = sampleCalendar();
    ASSERT_EQ(importCalendar(text, doc).status, FileStatus::Stopped);
    ASSERT_EQ(doc.OtherEvents.upperBound(), 1);
    EXPECT_EQ(doc.OtherEvents[1].Name, QStringLiteral("first"));
}

TEST(TextListImport, EveryDatedLineIsAnOtherEvent) {
    CalendarDocument doc = sampleCalendar();
    const QByteArray list = "02142027 Valentine's Day\r\n03172027 St. Patrick  \n\r\nignored 1\r\n";
    ASSERT_EQ(importTextList(list, doc).status, FileStatus::Success);
    ASSERT_EQ(doc.OtherEvents.entryCount(), 3);
    EXPECT_EQ(doc.OtherEvents[1].Date.text(), QStringLiteral("02142027"));
    EXPECT_EQ(doc.OtherEvents[2].Name, QStringLiteral("St. Patrick  "));
    EXPECT_TRUE(doc.Birthdays == sampleCalendar().Birthdays);

    CalendarDocument empty;
    ASSERT_EQ(importTextList("12312027 Last day", empty).status, FileStatus::Success);
    EXPECT_EQ(empty.OtherEvents.upperBound(), 0);
}

TEST(TextListImport, BadListsFailWithoutChangingTheEvents) {
    for (const QByteArray& list :
         {QByteArray(), QByteArray("\r\n \r\n\t\r\n"), QByteArray("0101 sh\r\nhello world\r\n"),
          QByteArray("02302027 The thirtieth of February\r\n")}) {
        CalendarDocument doc = sampleCalendar();
        const TextListImportResult result = importTextList(list, doc);
        EXPECT_EQ(result.status, FileStatus::Failed) << list.constData();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    }
}

// Every line is read: blank lines are passed over, and a line that is not a dated event
// with a day that exists is left out and named by its number; the others are imported.
TEST(TextListImport, ReadsEveryLineAndNamesTheLinesThatAreNotEvents) {
    const struct {
        QByteArray list;
        QStringList imported;
        QStringList leftOut;
    } cases[] = {
        {"02142027 A\r\n03172027 B\r\n\r\n04012027 C\r\n05012027 D\r\n", {"A", "B", "C", "D"}, {}},
        {"\r\n01012027 after an empty first line\r\n", {"after an empty first line"}, {}},
        {"01012027 fine\r\n0101 sh\r\n", {"fine"}, {"Line 2: \"0101 sh\""}},
        {"02292027 not a leap year\n02292028 leap day\n13012027 month 13\n00102027 month 0\n"
         "0101202x typo\n01012027\n01012027    \n01012027-dash\n   \n01012027\tTabbed\n",
         {"leap day", "Tabbed"},
         {"Line 1: \"02292027 not a leap year\"", "Line 3: \"13012027 month 13\"",
          "Line 4: \"00102027 month 0\"", "Line 5: \"0101202x typo\"", "Line 6: \"01012027\"",
          "Line 7: \"01012027    \"", "Line 8: \"01012027-dash\""}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list.toStdString());
        CalendarDocument doc = sampleCalendar();
        const TextListImportResult result = importTextList(c.list, doc);
        ASSERT_EQ(result.status, FileStatus::Success);
        EXPECT_EQ(result.added, c.imported.size());
        EXPECT_EQ(result.notImported, c.leftOut);
        ASSERT_EQ(doc.OtherEvents.entryCount(), 1 + c.imported.size());
        for (qsizetype i = 0; i < c.imported.size(); ++i)
            EXPECT_EQ(doc.OtherEvents[int(i) + 1].Name, c.imported[i]);
        EXPECT_EQ(TextListImportMessage(result).isEmpty(), c.leftOut.isEmpty());
    }
}

TEST(TextListImport, TheMessageCountsTheEventsAndListsTwentyLinesLeftOut) {
    QByteArray list = "01012027 New Year\r\n";
    for (int i = 0; i < 25; ++i)
        list += "not an event\r\n";
    CalendarDocument doc;
    const QString message = TextListImportMessage(importTextList(list, doc));
    EXPECT_TRUE(message.startsWith("1 event was imported.\n\n")) << message.toStdString();
    EXPECT_TRUE(message.contains("\nLine 21: \"not an event\"\n... and 5 more."))
        << message.toStdString();
    EXPECT_FALSE(message.contains("Line 22"));
}

} // namespace
