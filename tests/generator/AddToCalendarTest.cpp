// Generated events added to an existing calendar file, read back with the calendar program's
// reader: every earlier entry, the title, the header lines and the file's own section stay.

#include "calendar_format/CalendarFileAddition.h"
#include "calendar_format/Scramble.h"
#include "document/CalendarFormat.h"
#include "generator/GeneratedFile.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace qvfsch;

namespace {

GeneratedEvents series(const QString& name) {
    return {{"01042027", name}, {"01112027", name}, {"01182027", name}};
}

std::vector<QByteArray> linesOf(const GeneratedEvents& events) {
    std::vector<QByteArray> lines;
    for (const GeneratedEvent& event : events)
        lines.push_back(EntryLine(event));
    return lines;
}

CalendarDocument read(QByteArrayView bytes) {
    CalendarDocument doc;
    EXPECT_EQ(readCalendar(bytes, doc).status, FileStatus::Success);
    return doc;
}

// A file without header lines whose key line is also the birthday heading, so that its
// entries are scrambled with the key "[Birthday]".
QByteArray keyedByItsHeading() {
    const QByteArray key = "[Birthday]";
    return fileText(QList<QByteArray>{"Version 2.0", "Odd", key, scramble("03071961 1 Ann", key),
                                      "", "[Anniversary]", "", "[Holiday]", "", "", "[Other]",
                                      scramble("01052027 Dentist", key), "", "[End of Data]"});
}

// The new file holds the old one with one run of lines put in, at the start of a line.
bool onlyInserted(const QByteArray& before, const QByteArray& after) {
    qsizetype at = 0;
    while (at < before.size() && before[at] == after[at])
        ++at;
    const qsizetype added = after.size() - before.size();
    return added > 0 && (at == 0 || after[at - 1] == '\n') &&
           after.sliced(at + added) == before.sliced(at);
}

} // namespace

TEST(AddToCalendar, KeepsEveryEntryAndLineAndAppendsTheEventsToTheOtherEvents) {
    const QByteArray daylarkFile =
        formatCalendar(sampleCalendar()) + "[Daylark section 1]\r\nrules=none\r\n";
    const struct {
        const char* what;
        QByteArray file;
        QString name;
        bool sameKey; // every old line stays byte for byte
    } cases[] = {
        {"the calendar program's file with its own section", daylarkFile, "Recycling", true},
        {"a hand-written file with LF line ends", readFile(DAYLARK_TEST_DATA "/handwritten.qvf"),
         QStringLiteral("Bäckerei"), true},
        {"a generated file", FormatGeneratedFile(series("Water"), KeyForChoice(7)), "Bins", true},
        {"a generated file whose key cannot carry the name",
         FormatGeneratedFile(series("Water"), KeyForChoice(3)), QStringLiteral("abcde\u0688"),
         false},
        {"a file keyed by its heading", keyedByItsHeading(), QStringLiteral("x\u00A1"), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        QRandomGenerator random(4);
        const GeneratedEvents events = series(c.name);
        const CalendarFileAddition added = AddOtherEvents(c.file, linesOf(events), random);
        ASSERT_EQ(added.result.status, FileStatus::Success) << added.result.error.toStdString();

        const CalendarDocument before = read(c.file);
        const CalendarDocument after = read(added.bytes);
        EXPECT_EQ(after.CalendarTitle, before.CalendarTitle);
        EXPECT_EQ(after.HeaderLine1, before.HeaderLine1);
        EXPECT_EQ(after.HeaderLine2, before.HeaderLine2);
        EXPECT_TRUE(after.Birthdays == before.Birthdays &&
                    after.Anniversaries == before.Anniversaries);
        EXPECT_TRUE(after.FixedHolidays == before.FixedHolidays &&
                    after.FloatingHolidays == before.FloatingHolidays);
        const int old = before.OtherEvents.entryCount();
        ASSERT_EQ(after.OtherEvents.entryCount(), old + 3);
        for (int i = 0; i < old; ++i)
            EXPECT_TRUE(after.OtherEvents[i] == before.OtherEvents[i]) << i;
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(after.OtherEvents[old + i].Name, c.name);
            EXPECT_EQ(after.OtherEvents[old + i].Date.text(), events[size_t(i)].Date);
        }
        const QByteArray rest = c.file.sliced(c.file.indexOf("[End of Data]"));
        EXPECT_TRUE(added.bytes.endsWith(rest));
        EXPECT_EQ(onlyInserted(c.file, added.bytes), c.sameKey);
    }
}

TEST(AddToCalendar, WhatIsNotAWholeCalendarIsRefusedWithItsReason) {
    const QByteArray good = formatCalendar(sampleCalendar());
    QByteArray shortLine = good;
    shortLine.replace("[Other]\r\n", "[Other]\r\n0105\r\n");
    const QByteArray key = "050";
    const QByteArray stopped = fileText(QList<QByteArray>{
        "Version 2.0", "G", key, "", "[Birthday]", "", "[Anniversary]", "", "[Holiday]", "", "",
        "[Other]", scramble("01052027 first", key), scramble("X", key), "", "[End of Data]"});
    const struct {
        QByteArray file;
        FileStatus status;
        const char* reason;
    } cases[] = {
        {"", FileStatus::NotReadable, "its first line is not \"Version 2.0\""},
        {"01012027 a text list\r\n", FileStatus::NotReadable, "not a calendar file"},
        {"Version 2.0\r\nTitle\r\n", FileStatus::Failed, "ends"},
        {good.left(good.indexOf("[Other]")), FileStatus::Failed, "[Other]"},
        {shortLine, FileStatus::Failed, "too short"},
        {stopped, FileStatus::Failed, "stop line"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file.left(40).toStdString());
        QRandomGenerator random(1);
        EXPECT_EQ(CheckCalendarFile(c.file).status, c.status);
        const CalendarFileAddition added = AddOtherEvents(c.file, {"01042027 Bins"}, random);
        EXPECT_EQ(added.result.status, c.status);
        EXPECT_TRUE(added.result.error.contains(QLatin1String(c.reason)))
            << added.result.error.toStdString();
        EXPECT_TRUE(added.bytes.isEmpty());
    }
    EXPECT_EQ(CheckCalendarFile(good).status, FileStatus::Success);
}
