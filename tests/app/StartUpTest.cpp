#include "shell/StartUp.h"
#include "desktop/AppIcon.h"
#include "desktop/FileAssociation.h"
#include "platform/CommandLineNames.h"
#include "shell/SplashWindow.h"
#include "support/TestApp.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

int ticksUntilClosed(bool tray) {
    SplashClock clock(tray);
    for (int tick = 1; tick < 100; ++tick)
        if (clock.tick()) return tick;
    return -1;
}

TEST(Splash, ShowsForTwoSecondsOrUnderHalfASecondIntoTheTray) {
    EXPECT_EQ(ticksUntilClosed(false), 20);
    EXPECT_EQ(ticksUntilClosed(true), 4);
}

TEST(Splash, AsTheAboutBoxItWaitsForAClick) {
    TestApp t;
    t.app.SplashAsAbout = true;
    for (int shown = 0; shown < 2; ++shown) {
        frmSplash splash(t.app);
        splash.Form_Load();
        EXPECT_TRUE(splash.lblHelp->isVisible());
        EXPECT_EQ(splash.lblHelp->text(), "Click to close this window");
        EXPECT_FALSE(splash.Timer1->isActive());
    }
    frmSplash first(t.app);
    t.app.SplashAsAbout = false;
    first.Form_Load();
    EXPECT_FALSE(first.lblHelp->isVisible());
    EXPECT_TRUE(first.Timer1->isActive());
    EXPECT_EQ(first.Timer1->interval(), 100);
}

TEST(Splash, IsOffTheScreenBeforeTheStartGoesOn) {
    TestApp t;
    frmSplash splash(t.app);
    std::vector<bool> visibleWhenClosed;
    QObject::connect(&splash, &frmSplash::closed,
                     [&] { visibleWhenClosed.push_back(splash.isVisible()); });
    splash.Form_Load();
    splash.close(); // as the timer closes it
    splash.Form_Load();
    QTest::mouseClick(&splash, Qt::LeftButton);
    EXPECT_EQ(visibleWhenClosed, std::vector<bool>({false, false}));
}

TEST(StartUp, GivesAnEmptyUntitledCalendarAndTheStoredSettings) {
    TestApp t;
    t.app.Document.CalendarTitle = "leftover";
    t.app.Document.OtherEvents.append({QStringLiteral("01012027"), QStringLiteral("x")});
    StartUp(t.app);
    EXPECT_EQ(t.app.Document.CalendarTitle, "[Untitled]");
    EXPECT_TRUE(t.app.Document.isKindEmpty(EntryKind::Other));
    EXPECT_EQ(t.app.Options.AfterAdd, "Remain");
    EXPECT_EQ(t.app.Tray.Display, "True");
    EXPECT_TRUE(t.store.keyExists(QStringLiteral("Software\\Daylark\\Tray")));
}

// A file named on the command line whose name is not UTF-8 has no faithful text: nothing is
// opened in its place, and the user is told why once the program has started.
TEST(StartUp, ACommandLineFileNameThatIsNotUtf8OpensNothingAndSaysWhy) {
    TestApp t;
    const QByteArray path = QFile::encodeName(t.dir.path()) + "/lat\xE9in.qvf";
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const char* argv[] = {"daylark", path.constData()};
    const DecodedArguments arguments = DecodeArguments(2, argv);
    EXPECT_TRUE(CommandLineText(arguments).isEmpty());
    ReportRefusedArguments(t.app, arguments.refused);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("File Error"));
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith(QStringLiteral("Daylark cannot open \n") +
                                                      t.dir.path() + "/lat\\xe9in.qvf\n\n"))
        << t.dialogs.messages[0].text.toStdString();

    const char* spaced[] = {"daylark", "/tmp/My", "files.qvf"};
    EXPECT_EQ(CommandLineText(DecodeArguments(3, spaced)), QStringLiteral("/tmp/My files.qvf"));
}

TEST(FileAssociation, WritesTheMimeTypeDesktopEntryAndIconsOnceUntilSomethingChanges) {
    QTemporaryDir dir;
    const FileAssociation association{dir.path(), QStringLiteral("/opt/My Apps/day\"lark"),
                                      appIconImage(64)};
    EXPECT_TRUE(WriteFileAssociation(association));
    EXPECT_FALSE(WriteFileAssociation(association));

    QFile desktop(dir.filePath("applications/daylark.desktop"));
    ASSERT_TRUE(desktop.open(QIODevice::ReadOnly));
    const QString entry = QString::fromUtf8(desktop.readAll());
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/My Apps/day\\\"lark\" %f\n"));
    EXPECT_TRUE(entry.contains("\nMimeType=application/x-vemora-calendar;\n"));
    QFile mime(dir.filePath("mime/packages/daylark.xml"));
    ASSERT_TRUE(mime.open(QIODevice::ReadOnly));
    const QByteArray xml = mime.readAll();
    EXPECT_TRUE(xml.contains("<glob pattern=\"*.qvf\"/>"));
    EXPECT_TRUE(xml.contains("<comment>Vemora File</comment>"));
    EXPECT_TRUE(QFile::exists(dir.filePath("icons/hicolor/64x64/apps/daylark.png")));

    EXPECT_TRUE(
        WriteFileAssociation({dir.path(), QStringLiteral("/usr/bin/daylark"), appIconImage(64)}));
}

TEST(FileAssociation, ExecEscapesWhatTheDesktopEntryFormatReserves) {
    EXPECT_EQ(DesktopExec("/usr/bin/daylark"), "\"/usr/bin/daylark\" %f");
    EXPECT_EQ(DesktopExec("/a $b/`c`\\d"), "\"/a \\$b/\\`c\\`\\\\d\" %f");
}

} // namespace
