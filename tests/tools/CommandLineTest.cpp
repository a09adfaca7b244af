// What reaches qvftool's command line and what it prints: file names of any bytes, and
// calendar texts holding control characters.

#include "document/CalendarFormat.h"
#include "platform/CommandLineNames.h"
#include "support/CalendarBuilder.h"
#include "support/RawCommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

RawRun rawQvftool(const QString& folder, const QList<QByteArray>& arguments) {
    return runWithRawArguments(QStringLiteral(QVFTOOL_PATH), folder, arguments);
}

// Creates a file whose name is given as bytes.
bool createFile(const QByteArray& path, const QByteArray& content) {
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (fd < 0) return false;
    const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
    ::close(fd);
    return written;
}

TEST(CommandLine, ArgumentsThatAreNotUtf8AreRefusedAndShownEscaped) {
    const char* argv[] = {"qvftool", "show", "caf\xC3\xA9.qvf", "lat\xE9in.qvf", "\xFF\x1B[2J"};
    const DecodedArguments decoded = DecodeArguments(5, argv);
    EXPECT_EQ(decoded.arguments, QStringList({"show", QStringLiteral("café.qvf")}));
    EXPECT_EQ(decoded.refused, QStringList({"lat\\xe9in.qvf", "\\xff\\x1b[2J"}));
}

TEST(CommandLine, AFileNameThatIsNotUtf8IsRefusedNeverTakenForAnotherFile) {
    QTemporaryDir dir;
    const QByteArray latin = "lat\xE9in.qvf";
    ASSERT_TRUE(
        createFile(QFile::encodeName(dir.path()) + '/' + latin, formatCalendar(sampleCalendar())));
    ASSERT_TRUE(
        createFile(QFile::encodeName(dir.filePath("good.qvf")), formatCalendar(sampleCalendar())));
    const QStringList before = QDir(dir.path()).entryList(QDir::Files);

    RawRun run = rawQvftool(dir.path(), {"show", latin});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("\"lat\\xe9in.qvf\" cannot be used. Its name is not UTF-8 text")))
        << run.err.toStdString();

    run = rawQvftool(dir.path(), {"resave", "good.qvf", "n\xE9w.qvf"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), before);
}

TEST(CommandLine, ShowWritesControlCharactersVisiblyAndWhole) {
    QTemporaryDir dir;
    CalendarDocument doc;
    doc.CalendarTitle = QString::fromLatin1("Fam\0ily", 7);
    doc.HeaderLine1 = QStringLiteral("\x1b]0;owned\x07");
    doc.OtherEvents.append(other("01012027", QStringLiteral("\x1b[31mred\x1b[0m\ttab \u009b")));
    ASSERT_TRUE(createFile(QFile::encodeName(dir.filePath("c.qvf")), formatCalendar(doc)));
    const RawRun run = rawQvftool(dir.path(), {"show", "c.qvf"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("Title: Fam\\x00ily\nHeader1: \\x1b]0;owned\\x07\n"))
        << run.out.toStdString();
    EXPECT_TRUE(run.out.contains("- \\x1b[31mred\\x1b[0m\\x09tab \\x9b\n"))
        << run.out.toStdString();
    for (const char byte : run.out)
        EXPECT_TRUE(byte == '\n' || static_cast<unsigned char>(byte) >= 0x20) << int(byte);
}

} // namespace
