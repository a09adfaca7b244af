#include "document/FileCommands.h"
#include "document/CalendarFormat.h"
#include "document/ICalendar.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

class FileCommands : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    CalendarDocument& doc = t.app.Document;
};

TEST_F(FileCommands, WriteThenReadGivesTheSameCalendarAndClearsModified) {
    doc = sampleCalendar();
    doc.FileName = t.path("family.qvf");
    doc.MarkModified();
    EXPECT_EQ(WriteCalendarFile(app, app.Document.FileName).status, FileStatus::Success);
    EXPECT_FALSE(doc.Modified());

    doc.resetToUntitled();
    doc.FileName = t.path("family.qvf");
    doc.MarkModified();
    EXPECT_EQ(ReadCalendarFile(app, app.Document.FileName).status, FileStatus::Success);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(t.views.reads, 1);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(FileCommands, WriteWhileTheMainWindowIsHiddenKeepsModified) {
    t.views.visible = false;
    doc.FileName = t.path("tray.qvf");
    doc.MarkModified();
    EXPECT_EQ(WriteCalendarFile(app, app.Document.FileName).status, FileStatus::Success);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(FileCommands, FailedWriteIsReportedAndLeavesThePreviousFile) {
    const QString folder = t.path("locked");
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/cal.qvf");
    writeFile(path, "previous content");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";

    doc = sampleCalendar();
    doc.FileName = path;
    doc.MarkModified();
    EXPECT_TRUE(WriteCalendarFile(app, app.Document.FileName).failed());
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(readFile(path), QByteArray("previous content"));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith(QStringLiteral("Daylark cannot save \n") +
                                                      path + "\n\n"));
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("File Error"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

TEST_F(FileCommands, WriteThatFailsHalfWayLeavesThePreviousFileWhole) {
    const QString path = t.path("big.qvf");
    const QByteArray previous = formatCalendar(sampleCalendar());
    writeFile(path, previous);
    for (int i = 0; i < 2000; ++i)
        doc.OtherEvents.append(other("01012027", QStringLiteral("event")));
    doc.FileName = path;
    doc.MarkModified();
    {
        FileSizeLimit limit(4096);
        EXPECT_TRUE(WriteCalendarFile(app, app.Document.FileName).failed());
    }
    EXPECT_EQ(readFile(path), previous);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), QStringList({"big.qvf"}));
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST_F(FileCommands, SmallWriteThatFailsIsStillReportedAndKeepsThePreviousFile) {
    const QString path = t.path("small.qvf");
    writeFile(path, "previous");
    doc = sampleCalendar();
    doc.FileName = path;
    doc.MarkModified();
    {
        FileSizeLimit limit(100);
        EXPECT_TRUE(WriteCalendarFile(app, app.Document.FileName).failed());
    }
    EXPECT_EQ(readFile(path), QByteArray("previous"));
    EXPECT_TRUE(doc.Modified());
}

TEST_F(FileCommands, WriteIntoAMissingFolderFailsWithoutCreatingAnything) {
    doc.FileName = t.path("no/such/folder/cal.qvf");
    doc.MarkModified();
    EXPECT_TRUE(WriteCalendarFile(app, app.Document.FileName).failed());
    EXPECT_TRUE(doc.Modified());
    EXPECT_FALSE(QFile::exists(doc.FileName));
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
}

TEST_F(FileCommands, UnreadableFileResetsToAnEmptyUntitledCalendar) {
    doc = sampleCalendar();
    doc.MarkModified();
    const QString missing = t.path("missing.qvf");
    doc.FileName = missing;
    EXPECT_TRUE(ReadCalendarFile(app, app.Document.FileName).failed());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const MessageRequest& m = t.dialogs.messages[0];
    EXPECT_EQ(m.text, QStringLiteral("Daylark cannot open \n") + missing +
                          QStringLiteral("\n\nNo such file or directory"));
    EXPECT_EQ(m.title, QStringLiteral("File Error"));
    EXPECT_EQ(m.icon, MessageIcon::Critical);
    EXPECT_EQ(doc.CalendarTitle, QStringLiteral("[Untitled]"));
    EXPECT_TRUE(doc.FileName.isEmpty());
    EXPECT_TRUE(doc.isKindEmpty(EntryKind::Birthday));
    // The header lines are not the reader's to reset.
    EXPECT_EQ(doc.HeaderLine1, sampleCalendar().HeaderLine1);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(t.views.reads, 1);
}

TEST_F(FileCommands, MalformedFileNamesWhereItWentWrong) {
    QByteArray text = formatCalendar(CalendarDocument{});
    text.replace("[Holiday]\r\n", "[Holiday]\r\nF07\r\n");
    writeFile(t.path("bad.qvf"), text);
    doc.FileName = t.path("bad.qvf");
    EXPECT_TRUE(ReadCalendarFile(app, app.Document.FileName).failed());
    EXPECT_TRUE(t.dialogs.messages.at(0).text.endsWith(
        QStringLiteral("Line 12 is too short for a fixed holiday entry.")));
}

TEST_F(FileCommands, OtherVersionIsNotReadableAndChangesNothing) {
    writeFile(t.path("old.qvf"), "Version 1.0\r\nOld\r\n");
    doc = sampleCalendar();
    doc.FileName = t.path("old.qvf");
    doc.MarkModified();
    EXPECT_TRUE(ReadCalendarFile(app, app.Document.FileName).failed());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              QStringLiteral("This file is not readable using this version of Daylark."));
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("Daylark"));
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_EQ(doc.FileName, t.path("old.qvf"));
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(t.views.reads, 0);
}

TEST_F(FileCommands, FolderGivenAsTheFileIsReportedNotRead) {
    doc.FileName = t.dir.path();
    EXPECT_TRUE(ReadCalendarFile(app, app.Document.FileName).failed());
    EXPECT_TRUE(
        t.dialogs.messages.at(0).text.endsWith(QStringLiteral("It is a folder, not a file.")));
}

TEST_F(FileCommands, DesktopWeekWindowReadsWithoutTouchingTheSetupWindow) {
    writeFile(t.path("desk.qvf"), formatCalendar(sampleCalendar()));
    app.DesktopWeekShown = true;
    doc.FileName = t.path("desk.qvf");
    doc.MarkModified();
    EXPECT_EQ(ReadCalendarFile(app, app.Document.FileName).status, FileStatus::Success);
    EXPECT_EQ(t.views.reads, 0);
    EXPECT_TRUE(doc.Modified());
}

TEST_F(FileCommands, ImportMergesMarksModifiedAndRefreshesTheList) {
    writeFile(t.path("more.qvf"), formatCalendar(sampleCalendar()));
    doc = sampleCalendar();
    EXPECT_EQ(ImportCalendarFile(app, t.path("more.qvf")).status, FileStatus::Success);
    EXPECT_EQ(doc.Birthdays.entryCount(), 4);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(t.views.imports, 1);
    EXPECT_EQ(t.views.reads, 0);
}

TEST_F(FileCommands, ImportOfATextListGoesByTheLowerCaseEnding) {
    writeFile(t.path("events.txt"), "07042027 Picnic\r\n");
    writeFile(t.path("EVENTS.TXT"), "07042027 Picnic\r\n");
    EXPECT_EQ(ImportCalendarFile(app, t.path("events.txt")).status, FileStatus::Success);
    EXPECT_EQ(doc.OtherEvents.entryCount(), 1);

    EXPECT_TRUE(ImportCalendarFile(app, t.path("EVENTS.TXT")).failed());
    EXPECT_EQ(t.dialogs.messages.at(0).text,
              QStringLiteral("This file is not readable using this version of Daylark."));
    EXPECT_EQ(doc.OtherEvents.entryCount(), 1);
}

TEST_F(FileCommands, FailedImportIsReportedAndKeepsTheCalendarAndItsModifiedState) {
    writeFile(t.path("short.txt"), "0704 Picnic\r\n0704\r\n");
    doc = sampleCalendar();
    doc.MarkModified();
    EXPECT_TRUE(ImportCalendarFile(app, t.path("short.txt")).failed());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              QStringLiteral("Daylark cannot import \n") + t.path("short.txt") +
                  QStringLiteral("\n\nNo line of the file is an event (a date as MMDDYYYY, a "
                                 "space and the name):\nLine 1: \"0704 Picnic\"\nLine 2: "
                                 "\"0704\""));
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("File Error"));
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_TRUE(doc.Modified());
}

// The lines of a text list that are not events are named in one message after the import;
// the others are imported.
TEST_F(FileCommands, ATextListImportNamesTheLinesItLeftOutInOneMessage) {
    writeFile(t.path("list.txt"), "07042027 Picnic\r\n\r\n0704\r\n07052027 Fair\r\n");
    doc = sampleCalendar();
    EXPECT_EQ(ImportCalendarFile(app, t.path("list.txt")).status, FileStatus::Success);
    EXPECT_EQ(doc.OtherEvents.entryCount(), 3);
    EXPECT_TRUE(doc.Modified());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              QStringLiteral("2 events were imported.\n\nThese lines are not events (a date as "
                             "MMDDYYYY, a space and the name) and were not imported:\nLine 3: "
                             "\"0704\""));
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Information);
}

} // namespace

namespace {

// An iCalendar file imports through File > Import: the calendar's own export adds nothing
// and leaves it unmodified; what has no place here is listed in one message.
TEST_F(FileCommands, AnICalendarImportOfTheOwnExportChangesNothingAndListsWhatItLeftOut) {
    doc = sampleCalendar();
    doc.ClearModified();
    writeFile(t.path("own.ics"), formatICalendar(doc, QDateTime(QDate(2027, 1, 1), QTime())));
    EXPECT_EQ(ImportCalendarFile(app, t.path("own.ics")).status, FileStatus::Success);
    EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(t.dialogs.messages.empty());

    writeFile(t.path("todo.ics"), "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\n"
                                  "BEGIN:VTODO\r\nUID:1\r\nSUMMARY:Buy a present\r\nEND:VTODO\r\n"
                                  "END:VCALENDAR\r\n");
    EXPECT_EQ(ImportCalendarFile(app, t.path("todo.ics")).status, FileStatus::Success);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains("Buy a present"));
    EXPECT_FALSE(doc.Modified());
}

} // namespace

namespace {

// A long list of what an iCalendar import left out shows its first lines; the message's
// details hold every line.
TEST_F(FileCommands, ALongListOfWhatAnICalendarImportLeftOutComesWholeInTheDetails) {
    const QString many = QStringLiteral(DAYLARK_TEST_DATA "/ics/many-items.ics");
    EXPECT_EQ(ImportCalendarFile(app, many).status, FileStatus::Success);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const MessageRequest& message = t.dialogs.messages[0];
    EXPECT_TRUE(message.text.endsWith(QLatin1String("\n... and 120 more.")));
    const QStringList lines =
        QString::fromUtf8(
            readFile(QStringLiteral(DAYLARK_TEST_DATA "/ics/many-items.notimported.txt")))
            .split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 140);
    EXPECT_TRUE(message.detailedText.startsWith(QLatin1String("3 entries were imported.\n")));
    EXPECT_TRUE(message.detailedText.endsWith(lines.join(u'\n')));
}

} // namespace
