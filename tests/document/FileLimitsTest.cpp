// The file layer under hostile input: things that are not files, files that are too large,
// a calendar too large to be saved, a read that stops early and a disk that fills up.

#include "calendar_format/WholeFile.h"
#include "calendar_format/WholeFileReader.h"
#include "document/CalendarFileSize.h"
#include "document/CalendarFormat.h"
#include "document/DocumentCommands.h"
#include "document/FileCommands.h"
#include "drawing/PrintJob.h"
#include "editors/TextExport.h"
#include "support/CalendarBuilder.h"
#include "support/FileBytes.h"
#include "support/FileSizeLimit.h"
#include "support/TestApp.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

class FileLimits : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    CalendarDocument& doc = t.app.Document;

    // Runs a file command that must return at once; a command that waits on a pipe is freed
    // by opening the pipe's other end, and fails the test.
    FileResult promptly(const std::function<FileResult()>& command, const QString& pipe) {
        auto running = std::async(std::launch::async, command);
        if (running.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
            ADD_FAILURE() << "the file command waits for a writer";
            const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) ::close(writer);
        }
        return running.get();
    }
};

// A socket file bound at path; closed (the file stays) when the test ends.
struct BoundSocket {
    int fd = -1;
    explicit BoundSocket(const QString& path) {
        fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(),
                    std::min<size_t>(size_t(name.size()), sizeof address.sun_path - 1));
        ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    ~BoundSocket() { ::close(fd); }
};

TEST_F(FileLimits, WhatIsNotARegularFileIsRefusedWithoutBeingRead) {
    const QString pipe = t.path("pipe.qvf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const BoundSocket socket(t.path("socket.qvf"));
    const struct {
        QString path;
        const char* reason;
    } cases[] = {
        {pipe, "It is a named pipe, not a file."},
        {QStringLiteral("/dev/zero"), "It is a device, not a file."},
        {QStringLiteral("/dev/null"), "It is a device, not a file."},
        {t.path("socket.qvf"), "It is a socket, not a file."},
        {t.dir.path(), "It is a folder, not a file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        t.dialogs.messages.clear();
        doc = sampleCalendar();
        EXPECT_TRUE(promptly([&] { return ReadCalendarFile(app, c.path); }, pipe).failed());
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].text, QStringLiteral("Daylark cannot open \n") + c.path +
                                                  "\n\n" + QLatin1String(c.reason));

        doc = sampleCalendar();
        EXPECT_TRUE(promptly([&] { return ImportCalendarFile(app, c.path); }, pipe).failed());
        EXPECT_TRUE(t.dialogs.messages.back().text.endsWith(QLatin1String(c.reason)));
        EXPECT_TRUE(doc.sameContent(sampleCalendar()));
    }
}

// Every save refuses a target that exists and is not a regular file, in the reader's words,
// and changes nothing: a pipe stays a pipe (and nothing waits on it), a folder a folder.
TEST_F(FileLimits, EverySaveRefusesWhatIsNotARegularFileAndLeavesItAsItIs) {
    const QString pipe = t.path("pipe.ics");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const BoundSocket socket(t.path("socket.ics"));
    ASSERT_TRUE(QDir(t.dir.path()).mkdir("folder.ics"));
    doc = sampleCalendar();
    // Each save's error text for the path (empty when it was saved).
    const std::pair<const char*, std::function<QString(const QString&)>> saves[] = {
        {"calendar", [&](const QString& path) { return WriteCalendarFile(app, path).error; }},
        {"text export",
         [&](const QString& path) { return ExportTextData(doc, KindChoice::all(), path).error; }},
        {"iCalendar export",
         [&](const QString& path) {
             t.dialogs.saveNext(path);
             return ExportICalendar(app) ? QString() : t.dialogs.messages.back().text;
         }},
        {"PDF", [&](const QString& path) { return PrintMonthsToPdf(app, path, {1}).error; }},
    };
    const std::pair<QString, const char*> targets[] = {
        {pipe, "It is a named pipe, not a file."},
        {t.path("socket.ics"), "It is a socket, not a file."},
        {t.path("folder.ics"), "It is a folder, not a file."},
    };
    for (const auto& [what, save] : saves) {
        for (const auto& [path, reason] : targets) {
            SCOPED_TRACE(std::string(what) + " to " + path.toStdString());
            struct stat before {};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &before), 0);
            const QString error = promptly(
                                      [&] {
                                          return FileResult{FileStatus::Failed, save(path)};
                                      },
                                      pipe)
                                      .error;
            EXPECT_TRUE(error.endsWith(QLatin1String(reason))) << error.toStdString();
            struct stat after {};
            ASSERT_EQ(::lstat(QFile::encodeName(path).constData(), &after), 0);
            EXPECT_EQ(after.st_mode, before.st_mode);
            EXPECT_EQ(after.st_ino, before.st_ino);
        }
    }
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"pipe.ics", "socket.ics"}));
}

TEST_F(FileLimits, AtMostTheLimitIsReadWhateverTheFileSaysItsSizeIs) {
    writeFile(t.path("full.qvf"), QByteArray(100, 'a'));
    writeFile(t.path("over.qvf"), QByteArray(101, 'a'));
    QString error;
    const auto full = ReadWholeFile(t.path("full.qvf"), 100, &error);
    ASSERT_TRUE(full.has_value()) << error.toStdString();
    EXPECT_EQ(full->size(), 100);
    EXPECT_FALSE(ReadWholeFile(t.path("over.qvf"), 100, &error).has_value());
    EXPECT_EQ(error, QStringLiteral("The file is too large to be a calendar."));
    // A regular file that gives its size as 0 but holds more: the limit holds while reading.
    error.clear();
    EXPECT_FALSE(ReadWholeFile(QStringLiteral("/proc/self/status"), 10, &error).has_value());
    EXPECT_EQ(error, QStringLiteral("The file is too large to be a calendar."));
}

// One text of `chars` characters that each take three bytes in the file, shared by every
// entry that holds it, so that a calendar of hundreds of megabytes as a file costs little
// memory here.
QString wideName(qsizetype chars) {
    return QString(chars, QChar(0x65E5));
}

TEST(CalendarFileSize, IsTheSizeOfTheFileTheWriterMakes) {
    CalendarDocument wide = sampleCalendar();
    wide.CalendarTitle = QStringLiteral("Ünïcödé – 日本語 😀");
    wide.HeaderLine1 = QStringLiteral("line\r\nbreak");
    wide.Birthdays.append(birthday("01011990", QStringLiteral("emoji 🎂 and ß")));
    QString lone = QStringLiteral("lone ");
    lone += QChar(0xD800);
    lone += QChar(0xDC00); // a pair after a lone high surrogate
    lone += QChar(0xDC01);
    wide.OtherEvents.append(other("01012027", lone));
    wide.FloatingHolidays.append(floatingHoliday("01", "L0", QStringLiteral("Ende")));
    for (const CalendarDocument& d : {CalendarDocument{}, sampleCalendar(), wide})
        EXPECT_EQ(CalendarFileSize(d), formatCalendar(d).size());
}

TEST_F(FileLimits, ASaveThatTheReaderWouldRefuseIsRefusedAndThePreviousFileStays) {
    const QString path = t.path("big.qvf");
    writeFile(path, "previous");
    const QString name = wideName(30'000'000); // 90 MB in the file
    for (int i = 0; i < 3; ++i)
        doc.OtherEvents.append(other("01012027", name));
    doc.MarkModified();
    EXPECT_TRUE(WriteCalendarFile(app, path).failed());
    EXPECT_EQ(readFile(path), QByteArray("previous"));
    EXPECT_TRUE(doc.Modified());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              QStringLiteral("Daylark cannot save \n") + path +
                  "\n\nThe calendar would be larger than 256 MB as a file, too large to be "
                  "opened again.");
    EXPECT_EQ(QDir(t.dir.path()).entryList(QDir::Files), QStringList({"big.qvf"}));
}

TEST_F(FileLimits, AnImportThatWouldMakeTheCalendarTooLargeIsRefusedAndUndone) {
    const QString name = wideName(10'000'000); // 30 MB in the file
    for (int i = 0; i < 8; ++i)
        doc.OtherEvents.append(other("01012027", name));
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann")));
    // Fill the calendar up to a few bytes below the limit.
    const qint64 room = kLargestCalendarFile - 5 - CalendarFileSize(doc) - 11;
    doc.OtherEvents.append(
        other("01012027", wideName(room / 3) + QString(room % 3, QLatin1Char('a'))));
    ASSERT_EQ(CalendarFileSize(doc), kLargestCalendarFile - 5);
    doc.ClearModified();

    CalendarDocument more;
    more.Birthdays.append(birthday("04041970", QStringLiteral("Bob")));
    more.OtherEvents.append(other("07042027", QStringLiteral("Picnic")));
    writeFile(t.path("more.qvf"), formatCalendar(more));
    writeFile(t.path("more.txt"), "07042027 Picnic\r\n");
    for (const char* added : {"more.qvf", "more.txt"}) {
        SCOPED_TRACE(added);
        EXPECT_TRUE(ImportCalendarFile(app, t.path(added)).failed());
        EXPECT_EQ(doc.Birthdays.entryCount(), 1);
        EXPECT_EQ(doc.Birthdays.upperBound(), 0);
        EXPECT_EQ(doc.OtherEvents.upperBound(), 8);
        EXPECT_TRUE(doc.Anniversaries.isEmpty());
        EXPECT_FALSE(doc.Modified());
        EXPECT_TRUE(t.dialogs.messages.back().text.startsWith("Daylark cannot import \n"));
    }
}

TEST_F(FileLimits, AReadThatAStopLineEndsLeavesNothingOfThePreviousCalendar) {
    doc = sampleCalendar();
    for (const char* name : {"old 1", "old 2", "old 3"})
        doc.OtherEvents.append(other("01012027", QLatin1String(name)));
    doc.MarkModified();
    const QByteArray key = "048048048048049";
    writeFile(t.path("stopped.qvf"),
              fileText(QList<QByteArray>{
                  "Version 2.0", "Stopped", key, "", "[Birthday]", scramble("03071961 1 Ann", key),
                  scramble("X", key), "", "[Anniversary]", "", "[Holiday]", "", "", "[Other]",
                  scramble("01012027 never read", key), "", "[End of Data]"}));
    EXPECT_EQ(ReadCalendarFile(app, t.path("stopped.qvf")).status, FileStatus::Stopped);
    EXPECT_EQ(doc.CalendarTitle, QStringLiteral("Stopped"));
    EXPECT_EQ(doc.Birthdays.entryCount(), 1);
    for (const EntryKind kind :
         {EntryKind::Holiday, EntryKind::FloatingHoliday, EntryKind::Anniversary, EntryKind::Other})
        EXPECT_TRUE(doc.isKindEmpty(kind)) << int(kind);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(t.views.reads, 1);

    // An edit and a save write what the windows show, nothing of the previous calendar.
    doc.MarkModified();
    ASSERT_FALSE(WriteCalendarFile(app, t.path("stopped.qvf")).failed());
    const QByteArray saved = readFile(t.path("stopped.qvf"));
    EXPECT_FALSE(saved.contains("old 1") || saved.contains("Dentist") || saved.contains("Wedding"));
    EXPECT_TRUE(saved.contains("03071961 1 Ann\r\n"));
}

// A device that takes at most `chunk` bytes a call and fails once `capacity` bytes are in,
// as a disk that fills up does.
class FillingDevice : public QIODevice {
  public:
    FillingDevice(qint64 chunk, qint64 capacity) : chunk_(chunk), capacity_(capacity) {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    QByteArray written;

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        const qint64 room = capacity_ - written.size();
        if (room <= 0) {
            setErrorString(QStringLiteral("No space left on device"));
            return -1;
        }
        const qint64 n = std::min({size, chunk_, room});
        written.append(data, n);
        return n;
    }

  private:
    qint64 chunk_, capacity_;
};

TEST(WholeFile, PartialWritesGoOnUntilAllIsWrittenOrTheDeviceNamesItsError) {
    const QByteArray bytes = formatCalendar(sampleCalendar());
    FillingDevice roomy(100, 1 << 20);
    EXPECT_FALSE(WriteAll(roomy, bytes).failed());
    EXPECT_EQ(roomy.written, bytes);

    FillingDevice full(100, 250);
    const FileResult result = WriteAll(full, bytes);
    EXPECT_TRUE(result.failed());
    EXPECT_EQ(result.error, QStringLiteral("No space left on device"));
    EXPECT_EQ(full.written, bytes.first(250));
}

TEST_F(FileLimits, AFullDiskIsReportedWithTheSystemsWordsAndThePreviousFileStays) {
    const QString folder = t.path("small");
    const TinyDisk disk(folder, "64k");
    if (!disk.mounted()) GTEST_SKIP() << "a small tmpfs cannot be mounted here (needs root)";
    const QString path = folder + QStringLiteral("/cal.qvf");
    writeFile(path, "previous");
    for (int i = 0; i < 4000; ++i)
        doc.OtherEvents.append(other("01012027", QStringLiteral("an event with a long name")));
    doc.MarkModified();
    EXPECT_TRUE(WriteCalendarFile(app, path).failed());
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.endsWith(QStringLiteral("No space left on device")))
        << t.dialogs.messages[0].text.toStdString();
    EXPECT_EQ(readFile(path), QByteArray("previous"));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"cal.qvf"}));
    EXPECT_TRUE(doc.Modified());
}

} // namespace
