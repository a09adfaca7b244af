// The installed desktop files and the per-user file association the program writes at every
// start describe the same thing: the same MIME type, names, icons and keys. Were they to
// drift, a user would see two entries or two kinds of calendar file.

#include "desktop/AppIcon.h"
#include "desktop/FileAssociation.h"
#include "support/FileBytes.h"

#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray packaged(const char* name) {
    return readFile(QStringLiteral(DAYLARK_PACKAGING_DIR "/") + QLatin1String(name));
}

// The keys of a desktop entry's one group.
QMap<QString, QString> desktopKeys(const QByteArray& entry) {
    QMap<QString, QString> keys;
    for (const QByteArray& line : entry.split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            keys.insert(QString::fromUtf8(line.first(equals)),
                        QString::fromUtf8(line.sliced(equals + 1)));
    }
    return keys;
}

TEST(PackagedFiles, AgreeWithThePerUserFileAssociation) {
    QTemporaryDir dataHome;
    ASSERT_TRUE(WriteFileAssociation(
        {dataHome.path(), QStringLiteral("/usr/bin/daylark"), appIconImage(64)}));

    EXPECT_EQ(packaged("daylark.xml"), readFile(dataHome.filePath("mime/packages/daylark.xml")));

    auto installed = desktopKeys(packaged("daylark.desktop"));
    auto perUser = desktopKeys(readFile(dataHome.filePath("applications/daylark.desktop")));
    ASSERT_FALSE(installed.isEmpty());
    // The installed entry finds the program on the PATH; the per-user one names its path.
    EXPECT_EQ(installed.take(QStringLiteral("Exec")), QStringLiteral("daylark %f"));
    EXPECT_EQ(perUser.take(QStringLiteral("Exec")),
              DesktopExec(QStringLiteral("/usr/bin/daylark")));
    EXPECT_EQ(installed, perUser);
}

} // namespace
