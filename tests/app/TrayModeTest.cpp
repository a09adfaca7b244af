#include "MainWindowFixture.h"
#include "desktop/windows/DesktopSettings.h"
#include "desktop/windows/TrayIcon.h"
#include "desktop/windows/WeekWindow.h"
#include "document/CalendarFormat.h"
#include "settings/windows/LayoutDialog.h"
#include "settings/windows/OptionsDialog.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs act on the modal dialog of type D that comes up next, from inside its own loop.
template <class D> void onNextDialog(std::function<void(D&)> act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr) << "no " << D::staticMetaObject.className();
        act(*dialog);
    });
}

class TrayMode : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        QFile file(t.path("desktop.qvf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(formatCalendar(sampleCalendar()));
        app.Tray.FileName = file.fileName();
    }
    frmMain& load(const char* commandLine, const char* dispStart = "False") {
        app.CommandLine = commandLine;
        app.Tray.DispStart = dispStart;
        return MainWindowFixture::load();
    }
    bool weekShown() const { return w->weekWindow() && w->weekWindow()->isVisible(); }
    // Whether the tray's commands that reach the calendar or the settings are offered.
    bool mainCommandsEnabled() const {
        return w->mnuTrayDispSetup->isEnabled() && w->mnuTrayConfig->isEnabled();
    }
};

TEST_F(TrayMode, StartingIntoTheTrayShowsTheWeekWindowOnlyWhenAskedTo) {
    load("/tray");
    EXPECT_FALSE(weekShown());
    EXPECT_TRUE(w->mnuTrayDispCal->isEnabled());

    load("/tray", "True");
    ASSERT_TRUE(weekShown());
    EXPECT_EQ(w->weekWindow()->windowTitle(), "Daylark - The Smiths 2027");
    EXPECT_TRUE(w->mnuTrayDispCal->isEnabled());
    EXPECT_FALSE(mainCommandsEnabled());

    // Asked again while it is open (a double-click): the same window, nothing read again.
    frmDispWeek* week = w->weekWindow();
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(w->weekWindow(), week);

    week->close();
    QCoreApplication::processEvents();
    EXPECT_EQ(w->weekWindow(), nullptr);
    EXPECT_TRUE(mainCommandsEnabled());
    EXPECT_TRUE(app.Document.sameContent(CalendarDocument{}));
    EXPECT_TRUE(app.Document.FileName.isEmpty());

    w->mnuTrayDispCal->trigger();
    ASSERT_TRUE(weekShown());
    w->mnuTrayClose->trigger(); // closes the week window first, then ends the program
    EXPECT_FALSE(app.DesktopWeekShown);
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(TrayMode, NoTrayCommandReplacesTheMainWindowsUnsavedCalendar) {
    load("", "True");
    app.Document = sampleCalendar();
    app.Document.HeaderLine1 = "typed, not saved";
    app.Document.MarkModified();
    const CalendarDocument edited = app.Document;

    EXPECT_FALSE(w->mnuTrayDispCal->isEnabled());
    w->mnuTrayDispCal->trigger();
    w->DisplayDesktopCalendar();
    EXPECT_TRUE(app.Document.Modified());
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick); // brings up the setup window
    EXPECT_EQ(w->weekWindow(), nullptr);
    EXPECT_TRUE(app.Document.sameContent(edited));
    EXPECT_TRUE(t.dialogs.messages.empty());

    // Closed into the tray (changes discarded by the user), the desktop calendar is offered.
    t.dialogs.answerNext(Answer::No);
    w->close();
    EXPECT_TRUE(w->mnuTrayDispCal->isEnabled());
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(weekShown());
}

TEST_F(TrayMode, WithoutAFileTheWeekWindowLeadsToTheSettingsAndStaysClosed) {
    app.Tray.FileName.clear();
    load("/tray");
    bool locked = false;
    onNextDialog<frmDesktop>([&](frmDesktop& d) {
        locked = !d.chkEnDesktop->isEnabled() && !d.chkLoadStart->isEnabled();
        d.reject();
    });
    t.dialogs.answerNext(Answer::Ok);
    w->mnuTrayDispCal->trigger();
    EXPECT_TRUE(locked);
    EXPECT_EQ(w->weekWindow(), nullptr);
    EXPECT_FALSE(app.DesktopWeekShown);
    EXPECT_TRUE(mainCommandsEnabled());
}

TEST_F(TrayMode, TurningTheDesktopCalendarOffFromTheTrayEndsTheProgram) {
    load("/tray");
    onNextDialog<frmDesktop>([](frmDesktop& d) {
        d.chkEnDesktop->click();
        d.cmdSave->click();
    });
    w->mnuTrayConfig->trigger();
    QCoreApplication::processEvents();
    EXPECT_EQ(app.Tray.Display, "False");
    EXPECT_FALSE(w->tray()->isLoaded());
    EXPECT_EQ(ended->count(), 1);
}

TEST_F(TrayMode, OptionsFromTheMenuAndTheToolbarLeadToLayoutAndDesktopSettings) {
    load("");
    QStringList opened;
    auto record = [&opened](QDialog& d) {
        opened << d.objectName();
        d.reject();
    };
    onNextDialog<frmOptions>([&](frmOptions& options) {
        opened << options.objectName();
        onNextDialog<frmLayout>(record);
        options.cmdLayout->click();
        onNextDialog<frmDesktop>(record);
        options.cmdDesktop->click();
        options.cmdOK->click();
    });
    EXPECT_TRUE(w->mnuViewOpt->isEnabled());
    w->runTool(ToolId::Options);
    EXPECT_EQ(opened, QStringList({"frmOptions", "frmLayout", "frmDesktop"}));
    EXPECT_EQ(ended->count(), 0);
}

} // namespace
