#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

// A file such as the generator writes: no header lines, the key on line 3, scrambled events.
QByteArray generatedFile(const QByteArray& key, const QList<QByteArray>& events) {
    QList<QByteArray> lines{"Version 2.0",
                            "Kestral Scheduler Data",
                            key,
                            "",
                            "[Birthday]",
                            "",
                            "[Anniversary]",
                            "",
                            "[Holiday]",
                            "",
                            "",
                            "[Other]"};
    for (const QByteArray& e : events)
        lines << scramble(e, key);
    lines << ""
          << "[End of Data]";
    return fileText(lines);
}

TEST(CalendarFormat, EmptyCalendarIsTheSixteenLinePrologueAndHeadings) {
    const QByteArray expected = "Version 2.0\r\n[Untitled]\r\nHeader1=\r\nHeader2=\r\n\r\n\r\n"
                                "[Birthday]\r\n\r\n[Anniversary]\r\n\r\n[Holiday]\r\n\r\n\r\n"
                                "[Other]\r\n\r\n[End of Data]\r\n";
    EXPECT_EQ(formatCalendar(CalendarDocument{}), expected);
}

TEST(CalendarFormat, EntryLinesHaveTheirFieldsAtFixedPositions) {
    const QByteArray text = formatCalendar(sampleCalendar());
    EXPECT_TRUE(text.contains("\r\n[Birthday]\r\n03071961 1 Ann Smith\r\n12251990 3   two  spaces "
                              "\r\n\r\n[Anniversary]\r\n06151985 2 Wedding\r\n\r\n"));
    EXPECT_TRUE(text.contains("[Holiday]\r\nF0704 Independence Day\r\nF1225 Christmas\r\n\r\n"
                              "4411 Thanksgiving\r\nL105 Memorial Day\r\n\r\n[Other]\r\n"
                              "01052027 Dentist\r\n\r\n[End of Data]\r\n"));
}

TEST(CalendarFormat, WrittenCalendarReadsBackUnchanged) {
    CalendarDocument written = sampleCalendar();
    written.OtherEvents.append(other("02292028", QStringLiteral("Ünïcödé – 日本語 😀")));
    CalendarDocument read;
    ASSERT_EQ(readCalendar(formatCalendar(written), read).status, FileStatus::Success);
    EXPECT_TRUE(read.sameContent(written));
}

TEST(CalendarFormat, LineBreaksInTextNeverSplitALine) {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("two\nlines");
    doc.OtherEvents.append(other("01012027", QStringLiteral("a\r\nb")));
    CalendarDocument read;
    ASSERT_EQ(readCalendar(formatCalendar(doc), read).status, FileStatus::Success);
    EXPECT_EQ(read.CalendarTitle, QStringLiteral("two lines"));
    EXPECT_EQ(read.OtherEvents[0].Name, QStringLiteral("a  b"));
}

TEST(CalendarFormat, ReadsLfOnlyLineEndsAndAByteOrderMark) {
    QByteArray text = formatCalendar(sampleCalendar());
    text.replace("\r\n", "\n");
    CalendarDocument read;
    ASSERT_EQ(readCalendar("\xEF\xBB\xBF" + text, read).status, FileStatus::Success);
    EXPECT_TRUE(read.sameContent(sampleCalendar()));
}

TEST(CalendarFormat, ReadsWindows1252WhenTheFileIsNotUtf8) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Other]\r\n", "[Other]\r\n01012027 Caf\xE9 \x80 5\r\n");
    CalendarDocument read;
    ASSERT_EQ(readCalendar(text, read).status, FileStatus::Success);
    EXPECT_EQ(read.OtherEvents[0].Name, QStringLiteral("Café € 5"));
}

// One hand-edited line in Windows-1252 in a UTF-8 file changes how that line reads, never how
// the others do, and the next save writes every name in UTF-8.
TEST(CalendarFormat, EachLineIsReadInItsOwnEncoding) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Untitled]", "Familie M\xC3\xBCller");
    text.replace("Header1=", "Header1=Gr\xFC\xDF"
                             "e");
    text.replace("[Birthday]\r\n", "[Birthday]\r\n03071961 1 Anna M\xC3\xBCller\r\n"
                                   "04021990 2 Ren\xE9\r\n");
    text.replace("[Other]\r\n", "[Other]\r\n01012027 Caf\xC3\xA9 \xE2\x82\xAC 5\r\n");
    CalendarDocument read;
    ASSERT_EQ(readCalendar(text, read).status, FileStatus::Success);
    EXPECT_EQ(read.CalendarTitle, QStringLiteral("Familie Müller"));
    EXPECT_EQ(read.HeaderLine1, QStringLiteral("Grüße"));
    EXPECT_EQ(read.Birthdays[0].Name, QStringLiteral("Anna Müller"));
    EXPECT_EQ(read.Birthdays[1].Name, QStringLiteral("René"));
    EXPECT_EQ(read.OtherEvents[0].Name, QStringLiteral("Café € 5"));
    CalendarDocument again;
    ASSERT_EQ(readCalendar(formatCalendar(read), again).status, FileStatus::Success);
    EXPECT_TRUE(again.sameContent(read));

    CalendarDocument list;
    ASSERT_EQ(importTextList("01012027 Caf\xC3\xA9\r\n01022027 Ren\xE9\r\n", list).status,
              FileStatus::Success);
    EXPECT_EQ(list.OtherEvents[0].Name, QStringLiteral("Café"));
    EXPECT_EQ(list.OtherEvents[1].Name, QStringLiteral("René"));
}

TEST(CalendarFormat, AFieldThatSplitsACharacterKeepsTheFileUtf8AndSavesStably) {
    // A hand-written line without its date: the fixed field ends inside "ñ", so the name
    // starts with the rest of that character. The title must still read as UTF-8.
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Untitled]", "Zoë Müller");
    text.replace("[Other]\r\n", "[Other]\r\nCumpleaños de Ana\r\n");
    CalendarDocument read;
    ASSERT_EQ(readCalendar(text, read).status, FileStatus::Success);
    EXPECT_EQ(read.CalendarTitle, QStringLiteral("Zoë Müller"));
    EXPECT_EQ(read.OtherEvents[0].Date.text(), QStringLiteral("Cumplea?"));
    const QByteArray once = formatCalendar(read);
    CalendarDocument again;
    ASSERT_EQ(readCalendar(once, again).status, FileStatus::Success);
    EXPECT_TRUE(again.sameContent(read));
    EXPECT_EQ(formatCalendar(again), once);
}

TEST(CalendarFormat, ShortFixedFieldsArePaddedAndNamesKeepTheirSpaces) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Other]\r\n", "[Other]\r\n0105     x\r\n01052027  lead and trail  \r\n");
    CalendarDocument read;
    ASSERT_EQ(readCalendar(text, read).status, FileStatus::Success);
    EXPECT_EQ(read.OtherEvents[0].Date.text(), QStringLiteral("0105    "));
    EXPECT_EQ(read.OtherEvents[1].Name, QStringLiteral(" lead and trail  "));
}

TEST(CalendarFormat, WithoutHeaderLinesLineThreeIsTheKeyAndOldHeadersStay) {
    CalendarDocument doc;
    doc.HeaderLine1 = QStringLiteral("kept 1");
    doc.HeaderLine2 = QStringLiteral("kept 2");
    const QByteArray key = "048049050051052";
    ASSERT_EQ(readCalendar(generatedFile(key, {"01052027 Water the plants", "01082027 Again"}), doc)
                  .status,
              FileStatus::Success);
    EXPECT_EQ(doc.CalendarTitle, QStringLiteral("Kestral Scheduler Data"));
    EXPECT_EQ(doc.HeaderLine1, QStringLiteral("kept 1"));
    EXPECT_EQ(doc.HeaderLine2, QStringLiteral("kept 2"));
    ASSERT_EQ(doc.OtherEvents.entryCount(), 2);
    EXPECT_EQ(doc.OtherEvents[0].Date.text(), QStringLiteral("01052027"));
    EXPECT_EQ(doc.OtherEvents[0].Name, QStringLiteral("Water the plants"));
    EXPECT_EQ(doc.OtherEvents[1].Name, QStringLiteral("Again"));
}

TEST(CalendarFormat, UnscrambleSubtractsTheKeyStartingAtItsSecondCharacter) {
    EXPECT_EQ(Unscramble("abc", ""), QByteArray("abc"));
    // Key "\x01\x02": line position 1 pairs with key position 2, position 2 with key 1.
    EXPECT_EQ(Unscramble("\x03\x03\x03", "\x01\x02"), QByteArray("\x01\x02\x01"));
    // Differences wrap around below zero.
    EXPECT_EQ(Unscramble(QByteArray("\x00", 1), "\x05\x05"), QByteArray("\xFB"));
    const QByteArray key = "048057052049053";
    const QByteArray line = "12252027 Christmas \xC3\xA9";
    EXPECT_EQ(Unscramble(scramble(line, key), key), line);
}

TEST(CalendarFormat, KeyLineThatIsTheBirthdayHeadingIsAlsoFoundAsTheHeading) {
    const QByteArray key = "[Birthday]";
    const QByteArray text = fileText(QList<QByteArray>{
        "Version 2.0", "T", key, scramble("03071961 1 Ann", key), "", "[Anniversary]", "",
        "[Holiday]", "", "", "[Other]", "", "[End of Data]"});
    CalendarDocument doc;
    ASSERT_EQ(readCalendar(text, doc).status, FileStatus::Success);
    ASSERT_EQ(doc.Birthdays.entryCount(), 1);
    EXPECT_EQ(doc.Birthdays[0].Name, QStringLiteral("Ann"));
}

TEST(CalendarFormat, StopLineEndsTheReadKeepingWhatCameBefore) {
    CalendarDocument doc = sampleCalendar();
    const QByteArray key = "048048048048049";
    const QByteArray text = fileText(QList<QByteArray>{
        "Version 2.0", "Stopped", key, "", "[Birthday]", scramble("03071961 1 Ann", key),
        scramble("X", key), scramble("04041970 1 never read", key), "", "[Anniversary]", "",
        "[Holiday]", "", "", "[Other]", "", "[End of Data]"});
    ASSERT_EQ(readCalendar(text, doc).status, FileStatus::Stopped);
    EXPECT_EQ(doc.CalendarTitle, QStringLiteral("Stopped"));
    // The table being read holds what came before the stop line and no blank record after it.
    EXPECT_EQ(doc.Birthdays.upperBound(), 0);
    EXPECT_EQ(doc.Birthdays[0].Name, QStringLiteral("Ann"));
    // Tables after the stop were never reached: they are empty, not the previous calendar's.
    EXPECT_TRUE(doc.Anniversaries.isEmpty());
    EXPECT_TRUE(doc.FixedHolidays.isEmpty());
    EXPECT_TRUE(doc.FloatingHolidays.isEmpty());
    EXPECT_TRUE(doc.OtherEvents.isEmpty());
    // A plain file has no stop line: "X" is too short to be an entry there.
    QByteArray plain = formatCalendar(CalendarDocument{});
    plain.replace("[Other]\r\n", "[Other]\r\nX\r\n");
    EXPECT_EQ(readCalendar(plain, doc).status, FileStatus::Failed);
}

TEST(CalendarFormat, EntryLinesWithAnEmptyNameAreNotEntries) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Birthday]\r\n", "[Birthday]\r\n03071961 1 \r\n04041970 1 Bob\r\n");
    CalendarDocument doc;
    ASSERT_EQ(readCalendar(text, doc).status, FileStatus::Success);
    ASSERT_EQ(doc.Birthdays.entryCount(), 1);
    EXPECT_EQ(doc.Birthdays[0].Name, QStringLiteral("Bob"));
}

TEST(CalendarFormat, ManyMoreEntriesThanSixteenBitsReadBack) {
    CalendarDocument doc;
    for (int i = 0; i < 40000; ++i)
        doc.OtherEvents.append(other("01012027", QString::number(i)));
    CalendarDocument read;
    ASSERT_EQ(readCalendar(formatCalendar(doc), read).status, FileStatus::Success);
    EXPECT_EQ(read.OtherEvents.entryCount(), 40000);
    EXPECT_EQ(read.OtherEvents[39999].Name, QStringLiteral("39999"));
}

// Malformed files: each gives its result and leaves the document exactly as it was.
struct Malformed {
    const char* what;
    QByteArray text;
    FileStatus status;
    const char* errorPart;
};

void PrintTo(const Malformed& m, std::ostream* os) {
    *os << m.what;
}

class MalformedFile : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedFile, IsRefusedWithoutChangingTheDocument) {
    CalendarDocument doc = sampleCalendar();
    const FileResult result = readCalendar(GetParam().text, doc);
    EXPECT_EQ(result.status, GetParam().status);
    EXPECT_TRUE(result.error.contains(QLatin1String(GetParam().errorPart)))
        << result.error.toStdString();
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
}

QByteArray withLine(const char* heading, const char* line) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace(QByteArray(heading) + "\r\n", QByteArray(heading) + "\r\n" + line + "\r\n");
    return text;
}

QByteArray without(const char* part) {
    QByteArray text = formatCalendar(sampleCalendar());
    text.replace(part, "");
    return text;
}

INSTANTIATE_TEST_SUITE_P(
    CalendarFormat, MalformedFile,
    ::testing::Values(
        Malformed{"wrong version", "Version 1.0\r\nT\r\n", FileStatus::NotReadable, ""},
        Malformed{"lower case", "version 2.0\r\n", FileStatus::NotReadable, ""},
        Malformed{"empty file", "", FileStatus::Failed, "ends unexpectedly"},
        Malformed{"only the version", "Version 2.0\r\n", FileStatus::Failed, "after line 1"},
        Malformed{"binary junk", QByteArray("\x00\xFF\xFE\r\n\n\x01", 7), FileStatus::NotReadable,
                  ""},
        Malformed{"no birthday heading", without("[Birthday]\r\n"), FileStatus::Failed,
                  "\"[Birthday]\""},
        Malformed{"no other heading", without("[Other]\r\n"), FileStatus::Failed, "\"[Other]\""},
        Malformed{"no end of the other section", without("\r\n[End of Data]\r\n"),
                  FileStatus::Failed, "ends unexpectedly"},
        Malformed{"short birthday", withLine("[Birthday]", "03071961 1"), FileStatus::Failed,
                  "Line 8 is too short for a birthday"},
        Malformed{"short anniversary", withLine("[Anniversary]", "0615"), FileStatus::Failed,
                  "anniversary"},
        Malformed{"short fixed holiday", withLine("[Holiday]", "F070"), FileStatus::Failed,
                  "fixed holiday"},
        Malformed{"short other event", withLine("[Other]", "0105202"), FileStatus::Failed,
                  "other event"}),
    [](const auto& info) {
        QString name = QString::fromLatin1(info.param.what);
        name.replace(u' ', u'_');
        return name.toStdString();
    });

TEST(CalendarFormat, EveryTruncationOfAFileIsReadOrRefusedCleanly) {
    const QByteArray text = formatCalendar(sampleCalendar());
    for (qsizetype cut = 0; cut < text.size(); ++cut) {
        CalendarDocument doc;
        doc.Birthdays.append(birthday("01011990", QStringLiteral("before")));
        const CalendarDocument before = doc;
        const FileResult result = readCalendar(QByteArrayView(text).first(cut), doc);
        if (result.status == FileStatus::Success) {
            // Only a cut inside the last, unread line leaves a complete file.
            EXPECT_GE(cut, text.indexOf("[End of Data]") - 1) << cut;
            EXPECT_TRUE(doc.sameContent(sampleCalendar()));
        } else {
            EXPECT_TRUE(doc.sameContent(before)) << cut;
        }
    }
}

TEST(CalendarFormat, AHugeSingleLineIsRefused) {
    const QByteArray text(50 * 1024 * 1024, 'a');
    CalendarDocument doc;
    EXPECT_EQ(readCalendar(text, doc).status, FileStatus::NotReadable);
}

TEST(CalendarFormat, WriteToAFailingDeviceReportsTheDevicesError) {
    QBuffer closed; // never opened: every write fails
    const FileResult result = writeCalendar(closed, sampleCalendar());
    EXPECT_TRUE(result.failed());
    EXPECT_FALSE(result.error.isEmpty());
}

} // namespace
