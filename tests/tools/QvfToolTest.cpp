#include "document/CalendarFormat.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString data(const char* name) {
    return QStringLiteral(DAYLARK_TEST_DATA "/") + QLatin1String(name);
}

TEST(QvfTool, ShowsAHandWrittenCalendarAsTheListDoes) {
    const ToolRun run = qvftool({"show", data("handwritten.qvf")});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QString::fromUtf8(readFile(data("handwritten.show.txt"))));
}

TEST(QvfTool, ResaveWritesTheProgramsOwnFormatWhichReadsBackTheSame) {
    QTemporaryDir dir;
    const QString out = dir.filePath("resaved.qvf");
    ASSERT_EQ(qvftool({"resave", data("handwritten.qvf"), out}).status, 0);
    const QByteArray written = readFile(out);
    EXPECT_TRUE(written.startsWith("Version 2.0\r\nOur Family 2027\r\nHeader1="));
    EXPECT_TRUE(written.endsWith("\r\n[End of Data]\r\n"));
    // The program's own file shows exactly as the hand-written one did.
    EXPECT_EQ(qvftool({"show", out}).out, qvftool({"show", data("handwritten.qvf")}).out);
}

// A calendar written to another folder still finds its photos: a photo beside the calendar
// it came from is kept by its whole path, one beside the new file relative to it.
TEST(QvfTool, ResaveIntoAnotherFolderKeepsThePhotosFound) {
    QTemporaryDir dir;
    QByteArray file = readFile(data("handwritten.qvf"));
    file += "[Daylark 1]\r\nphotopages 0 above\r\nphoto 1 500 500 pics/jan.jpg\r\n"
            "photo 2 500 500 " +
            QFile::encodeName(dir.filePath("b/feb.jpg")) + "\r\n";
    ASSERT_TRUE(QDir().mkpath(dir.filePath("a")) && QDir().mkpath(dir.filePath("b")));
    writeFile(dir.filePath("a/cal.qvf"), file);
    ASSERT_EQ(qvftool({"resave", dir.filePath("a/cal.qvf"), dir.filePath("b/cal.qvf")}).status, 0);
    const QByteArray resaved = readFile(dir.filePath("b/cal.qvf"));
    EXPECT_TRUE(resaved.contains("\r\nphoto 1 500 500 " +
                                 QFile::encodeName(dir.filePath("a/pics/jan.jpg")) + "\r\n"));
    EXPECT_TRUE(resaved.contains("\r\nphoto 2 500 500 feb.jpg\r\n"));
}

TEST(QvfTool, OldWindows1252FilesReadAndAreResavedAsUtf8) {
    QTemporaryDir dir;
    const QString out = dir.filePath("utf8.qvf");
    ASSERT_EQ(qvftool({"resave", data("legacy-cp1252.qvf"), out}).status, 0);
    EXPECT_TRUE(readFile(out).contains("Header1=Gr\xC3\xBC\xC3\x9F"
                                       "e\r\n"));
    const ToolRun run = qvftool({"show", out});
    EXPECT_TRUE(run.out.contains(QStringLiteral("February 14, 1950 - Jörg")))
        << run.out.toStdString();
}

TEST(QvfTool, ImportMergesCalendarsAndTextListsKeepingTheBaseTitle) {
    QTemporaryDir dir;
    const QString merged = dir.filePath("merged.qvf");
    ASSERT_EQ(
        qvftool({"import", data("handwritten.qvf"), data("legacy-cp1252.qvf"), merged}).status, 0);
    ToolRun run = qvftool({"show", merged});
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("Title: Our Family 2027\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Birthdays (4)\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("Mia  (the twins)\nFebruary 14, 1950 - Jörg\n")));

    const QString withList = dir.filePath("list.qvf");
    ASSERT_EQ(qvftool({"import", merged, data("legacy-list.txt"), withList}).status, 0);
    run = qvftool({"show", withList});
    EXPECT_TRUE(run.out.contains(QStringLiteral("Other (4)\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("June 1, 2027 - Café opening\n")));
}

TEST(QvfTool, FailuresPrintTheReadersMessageAndExitWithOne) {
    QTemporaryDir dir;
    ToolRun run = qvftool({"show", dir.filePath("missing.qvf")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QStringLiteral("Daylark cannot open")));

    run = qvftool({"show", data("legacy-list.txt")});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("This file is not readable using this version of Daylark.")));

    const QString broken = dir.filePath("broken.qvf");
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(readFile(data("handwritten.qvf")).replace("F1225 Christmas Day", "F12"));
    file.close();
    const QString out = dir.filePath("never.qvf");
    run = qvftool({"import", data("handwritten.qvf"), broken, out});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("Daylark cannot import")));
    EXPECT_FALSE(QFile::exists(out));

    EXPECT_EQ(qvftool({"frobnicate"}).status, 2);
}

// The commands for scripts write what the windows show: the export's text, the resorted
// calendar, the week window's list and an iCalendar file; a wrong option is a usage error.
TEST(QvfTool, ScriptCommandsWriteWhatTheWindowsWriteAndRefuseWrongOptions) {
    QTemporaryDir dir;
    const QString calendar = data("handwritten.qvf");
    const QString text = dir.filePath("other.txt");
    ToolRun run = qvftool({"export", calendar, "--kinds", "other", "--output", text});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(readFile(text), "Other data\r\n\r\nMay 1, 2027\tGarden fair\r\n"
                              "December 31, 2027\tFireworks on the hill\r\n\r\n\r\n");

    const QString sorted = dir.filePath("sorted.qvf");
    EXPECT_EQ(qvftool({"resort", calendar, sorted, "--kinds", "floating"}).status, 0);
    run = qvftool({"show", sorted});
    EXPECT_LT(run.out.indexOf("Second Sunday in January"), run.out.indexOf("Last Monday of May"));

    run = qvftool({"upcoming", calendar, "--today", "2027-02-20", "--months", "1"});
    EXPECT_EQ(run.out, "2027/03/07 (Birthday) - Ann Smith\n");

    const QString ics = dir.filePath("family.ics");
    EXPECT_EQ(qvftool({"ics", calendar, "--output", ics}).status, 0);
    EXPECT_TRUE(readFile(ics).startsWith("BEGIN:VCALENDAR\r\n"));

    EXPECT_EQ(qvftool({"--help"}).status, 0);
    run = qvftool({"upcoming", "--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("--today")) << run.out.toStdString();
    for (const QStringList& wrong :
         {QStringList{"export", calendar, "--kinds", "birthday", "--output", text},
          QStringList{"upcoming", calendar, "--months", "13"},
          QStringList{"upcoming", calendar, "--today", "2027-02-30"},
          QStringList{"resort", calendar}, QStringList{"ics", calendar}}) {
        run = qvftool(wrong);
        EXPECT_EQ(run.status, 2) << wrong.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains("usage: qvftool " + wrong[0]));
    }
}

// Output that was lost is never reported as done: every command that writes to standard
// output fails with the system's reason when that output cannot be written.
TEST(QvfTool, OutputThatCannotBeWrittenFailsWithTheReason) {
    if (!QFile::exists(QStringLiteral("/dev/full"))) GTEST_SKIP() << "no /dev/full here";
    const QString calendar = data("handwritten.qvf");
    for (const QStringList& args :
         {QStringList{"show", calendar}, QStringList{"upcoming", calendar, "--today", "2027-02-20"},
          QStringList{"print", "--help"}, QStringList{"--help"}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QProcess process;
        process.setStandardOutputFile(QStringLiteral("/dev/full"));
        process.start(QStringLiteral(QVFTOOL_PATH), args);
        ASSERT_TRUE(process.waitForFinished(30000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 1);
        EXPECT_TRUE(process.readAllStandardError().contains(
            "qvftool: cannot write to standard output: No space left on device"));
    }
}

// A named pipe given as the output stays a named pipe, and nothing waits on it.
TEST(QvfTool, ANamedPipeAsTheOutputIsRefusedAndStaysAPipe) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe1");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString calendar = data("handwritten.qvf");
    for (const QStringList& args :
         {QStringList{"export", calendar, "--output", pipe},
          QStringList{"ics", calendar, "--output", pipe}, QStringList{"resave", calendar, pipe},
          QStringList{"print", calendar, "--year", "2027", "--months", "1", "--output", pipe}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const ToolRun run = qvftool(args);
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains("It is a named pipe, not a file.")) << run.err.toStdString();
        EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(pipe).constData(), &info), 0);
        EXPECT_TRUE(S_ISFIFO(info.st_mode));
    }
}

// A text list is read to its end; the lines that are not events are named, by number, in
// the import's message, and the others are imported.
TEST(QvfTool, ImportOfATextListNamesTheLinesItLeftOut) {
    QTemporaryDir dir;
    const QString list = dir.filePath("events.txt");
    writeFile(list, "02142027 Valentine's Day\r\n03172027 St. Patrick\r\n\r\n"
                    "garden party in May\r\n02302027 Not a day\r\n12312027 Fireworks\r\n");
    const QString merged = dir.filePath("merged.qvf");
    const ToolRun run = qvftool({"import", data("handwritten.qvf"), list, merged});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("3 events were imported.")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Line 4: \"garden party in May\"\nLine 5: \"02302027 Not a day\""))
        << run.err.toStdString();
    const ToolRun show = qvftool({"show", merged});
    EXPECT_TRUE(show.out.contains("Other (5)\n")) << show.out.toStdString();
    EXPECT_TRUE(show.out.contains("December 31, 2027 - Fireworks\n"));
}

// What an iCalendar import could not place on its day is named on standard error, every item
// of a long list; standard output says how many entries were added.
TEST(QvfTool, ICalendarImportNamesWhatItCouldNotPlaceAndCountsWhatItAdded) {
    QTemporaryDir dir;
    const QString base = dir.filePath("base.qvf");
    writeFile(base, formatCalendar(CalendarDocument()));
    const QString trip = dir.filePath("trip.ics");
    writeFile(trip, "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\nBEGIN:VEVENT\r\n"
                    "UID:1\r\nSUMMARY:Ski trip\r\nDTSTART;TZID=Europe/Berlin:20270301T173000\r\n"
                    "DTEND;TZID=Europe/Berlin:20270303T180000\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const QString many = data("ics/many-items.ics");
    struct Case {
        QString file;
        const char* zone;
        const char* out;
        QStringList listed; // lines standard error holds
        const char* shown;  // a line of the merged calendar
    };
    const Case cases[] = {
        {trip,
         nullptr,
         "1 entry added from trip.ics\n",
         {"\"Ski trip\" (March 1, 2027) lasts until March 3, 2027 and was added on its first "
          "day only."},
         "March 1, 2027 - Ski trip"},
        {data("ics/custom-zones.ics"),
         "UTC",
         "6 entries added from custom-zones.ics\n",
         {},
         "August 28, 2014 - Kava ceremony in Suva"},
        {data("ics/far-dates.ics"),
         "Asia/Tokyo",
         "1 entry added from far-dates.ics\n",
         {"\"End of time party\" (January 1, 10000) is after 2099, the latest year this "
          "calendar holds."},
         "December 31, 2099 - Last day of the century"},
        {many, nullptr, "3 entries added from many-items.ics\n",
         QString::fromUtf8(readFile(data("ics/many-items.notimported.txt")))
             .split(u'\n', Qt::SkipEmptyParts),
         "December 18, 2027 - Christmas party"},
        {data("ics/several-calendars.ics"),
         nullptr,
         "3 entries added from several-calendars.ics\n",
         {"Line 10 (END:VEVENT) ends nothing that began before it; it was skipped."},
         "February 10, 2027 - Book club"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        const QString merged = dir.filePath("merged.qvf");
        const ToolRun run = qvftool({"import", base, c.file, merged}, c.zone);
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, QLatin1String(c.out));
        for (const QString& line : c.listed)
            EXPECT_TRUE(run.err.contains(line + u'\n')) << line.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String("icalparser"))) << run.err.toStdString();
        EXPECT_FALSE(run.err.contains(QLatin1String("... and"))) << run.err.toStdString();
        EXPECT_TRUE(qvftool({"show", merged}).out.contains(QLatin1String(c.shown) + u'\n'));
    }
    // Nothing new is still a count.
    EXPECT_EQ(qvftool({"import", base, base, dir.filePath("same.qvf")}).out,
              QStringLiteral("0 entries added from base.qvf\n"));
}

} // namespace
