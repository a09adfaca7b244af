// The generator's command line takes file names as the file system holds them: a name that
// is not UTF-8 is refused, never saved under another name.

#include "support/RawCommandLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(BatchNames, AnOutputNameThatIsNotUtf8IsRefusedAndNothingIsWritten) {
    QTemporaryDir dir;
    const RawRun run = runWithRawArguments(QStringLiteral(QVFSCH_PATH), dir.path(),
                                           {"--from", "2024-01-01", "--to", "2024-12-31", "--every",
                                            "7", "--name", "Team", "--output", "lat\xE9in"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains(
        QStringLiteral("\"lat\\xe9in\" cannot be used. Its name is not UTF-8 text")))
        << run.err.toStdString();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // A UTF-8 name is saved under exactly that name.
    const RawRun utf8 =
        runWithRawArguments(QStringLiteral(QVFSCH_PATH), dir.path(),
                            {"--from", "2024-01-01", "--to", "2024-12-31", "--every", "7", "--name",
                             "Team", "--output", "caf\xC3\xA9"});
    EXPECT_EQ(utf8.status, 0) << utf8.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("café.qvf")}));
}

} // namespace
