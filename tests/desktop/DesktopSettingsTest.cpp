#include "desktop/windows/DesktopSettings.h"
#include "desktop/Autostart.h"
#include "desktop/windows/TrayIcon.h"
#include "platform/widgets/UpDownBar.h"
#include "settings/LoadSettings.h"
#include "settings/Registry.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

struct DesktopSettings : ::testing::Test {
    TestApp t;
    AppState& app = t.app;
    QMenu menu;
    frmTray tray{&menu};
    QByteArray savedConfigHome = qgetenv("XDG_CONFIG_HOME");

    DesktopSettings() {
        // The start-up entry goes to the desktop's folder of autostart entries: a scratch one.
        qputenv("XDG_CONFIG_HOME", t.path(QStringLiteral("xdg")).toUtf8());
        app.Tray = LoadSettings(t.store).Tray;
    }
    ~DesktopSettings() override { qputenv("XDG_CONFIG_HOME", savedConfigHome); }

    QString stored(const char* name) const {
        return Registry::QueryText(t.store, Registry::kTrayKey, QLatin1String(name));
    }
    QString autostartFile() const {
        return t.path(QStringLiteral("xdg/autostart/daylark.desktop"));
    }
};

TEST_F(DesktopSettings, TheDesktopCalendarBoxExpandsAndCollapsesTheOptions) {
    for (const char* display : {"True", "False", "true"}) {
        SCOPED_TRACE(display);
        app.Tray.Display = display;
        frmDesktop d(app, &tray);
        const bool on = isTrue(app.Tray.Display);
        EXPECT_EQ(d.chkEnDesktop->isChecked(), on);
        EXPECT_EQ(d.expanded(), on);
        EXPECT_EQ(d.height(), on ? frmDesktop::expandedHeight() : frmDesktop::collapsedHeight());
        EXPECT_EQ(d.picOptions->isEnabled(), on);
        EXPECT_EQ(d.imgIcon->isVisibleTo(&d), on);
        EXPECT_EQ(d.picOptions->y() >= d.height(), !on); // collapsed, the options are cut off
    }

    app.Tray.Display = "True";
    frmDesktop d(app, &tray);
    d.chkLoadStart->setChecked(true);
    d.chkLoadStart_Click();
    d.chkDispStart->setChecked(true);
    d.chkEnDesktop->click(); // off: collapsed, and the start-up boxes unticked
    EXPECT_EQ(d.height(), frmDesktop::collapsedHeight());
    EXPECT_FALSE(d.chkLoadStart->isChecked());
    EXPECT_FALSE(d.chkDispStart->isChecked());
    EXPECT_FALSE(d.chkDispStart->isEnabled());
}

TEST_F(DesktopSettings, TheStartUpEntryIsWrittenAndRemovedAsAnAutostartFile) {
    frmDesktop first(app, &tray);
    EXPECT_EQ(first.autostartPath, autostartFile());
    EXPECT_FALSE(first.chkLoadStart->isChecked());
    EXPECT_FALSE(first.chkDispStart->isEnabled());
    first.programPath = "/opt/day lark/daylark";
    first.chkLoadStart->click();
    first.chkDispStart->click();
    first.cmdSave->click();
    QFile entry(autostartFile());
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(entry.readAll().contains("\nExec=\"/opt/day lark/daylark\" /tray\n"));
    entry.close();
    EXPECT_EQ(stored("DispStart"), "True");

    // With the entry present but the calendar off, the dialog opens collapsed and still
    // shows the entry.
    app.Tray.Display = "False";
    frmDesktop second(app, &tray);
    EXPECT_FALSE(second.expanded());
    EXPECT_TRUE(second.chkLoadStart->isChecked());
    EXPECT_TRUE(second.chkDispStart->isChecked());
    second.chkEnDesktop->click();
    second.chkLoadStart->click();
    second.cmdSave->click();
    EXPECT_FALSE(QFile::exists(autostartFile()));
    EXPECT_EQ(stored("DispStart"), "False");
    EXPECT_TRUE(t.dialogs.messages.empty());

    // A folder in the entry's place: the failure is told, the settings are saved all the same.
    QDir().mkpath(autostartFile());
    frmDesktop third(app, &tray);
    third.chkLoadStart->click();
    third.cmdSave->click();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.startsWith("Daylark cannot write the start-up entry"));
}

TEST_F(DesktopSettings, AChosenFileIsKeptInMemoryAndStoredOnlyBySave) {
    app.Tray.FileName = "/old.qvf";
    frmDesktop d(app, &tray);
    EXPECT_EQ(d.txtTrayFile->text(), "/old.qvf");
    t.dialogs.openNext(std::nullopt); // cancelled: nothing changes
    d.cmdTrayFile->click();
    EXPECT_EQ(app.Tray.FileName, "/old.qvf");
    t.dialogs.openNext(QStringLiteral("/home/me/family.qvf"));
    d.cmdTrayFile->click();
    EXPECT_EQ(t.dialogs.openRequests.at(1).title, "Select Vemora File");
    EXPECT_EQ(app.Tray.FileName, "/home/me/family.qvf");
    EXPECT_EQ(d.txtTrayFile->text(), "/home/me/family.qvf");
    EXPECT_EQ(stored("FileName"), "");

    d.reject(); // closed without Save: the choice stays for this run, unstored
    EXPECT_EQ(app.Tray.FileName, "/home/me/family.qvf");
    EXPECT_EQ(stored("FileName"), "");
    frmDesktop again(app, &tray);
    again.cmdSave->click();
    EXPECT_EQ(stored("FileName"), "/home/me/family.qvf");
}

TEST_F(DesktopSettings, SaveStoresTheWeeksAndMonthsShown) {
    app.Tray.NumWeeks = "3";
    app.Tray.ListMonths = "5";
    frmDesktop d(app, &tray);
    EXPECT_EQ(d.cboDispWeeks->currentIndex(), 2);
    EXPECT_EQ(d.txtTrayList->text(), "5");
    struct Typed {
        const char* text;
        int months; // what the spinner holds afterwards
    };
    for (const Typed typed :
         {Typed{"20", 5}, Typed{"ab", 5}, Typed{"0", 5}, Typed{"12", 12}, Typed{" 7", 7}}) {
        SCOPED_TRACE(typed.text);
        d.txtTrayList->setText(typed.text);
        d.txtTrayList_LostFocus();
        EXPECT_EQ(d.vsbTrayList->number(), typed.months);
        EXPECT_EQ(d.txtTrayList->text(), QString::number(typed.months));
    }
    d.vsbTrayList->setNumber(9);
    EXPECT_EQ(d.txtTrayList->text(), "9");
    d.cboDispWeeks->setCurrentIndex(3);
    d.cmdSave->click();
    EXPECT_EQ(stored("NumWeeks"), "4");
    EXPECT_EQ(stored("ListMonths"), "9");
    EXPECT_EQ(app.Tray.NumWeeks, "4");
}

TEST_F(DesktopSettings, SavePutsTheIconUpOrTakesItDownAndEndsATrayOnlyProgram) {
    struct Case {
        const char* display; // before the dialog
        bool tick;           // the box when saved
        bool mainVisible;
        bool iconAfter;
        bool ends;
    };
    const Case cases[] = {
        {"True", false, false, false, true},  {"True", false, true, false, false},
        {"False", true, true, true, false},   {"True", true, false, true, false},
        {"False", false, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.display) + (c.tick ? " ticked" : " unticked"));
        app.Tray.Display = c.display;
        isTrue(app.Tray.Display) ? tray.load() : tray.unload();
        t.views.visible = c.mainVisible;
        frmDesktop d(app, &tray);
        QSignalSpy ends(&d, &frmDesktop::programEndRequested);
        if (d.chkEnDesktop->isChecked() != c.tick) d.chkEnDesktop->click();
        d.cmdSave->click();
        EXPECT_EQ(tray.isLoaded(), c.iconAfter);
        EXPECT_EQ(ends.count(), c.ends ? 1 : 0);
        EXPECT_EQ(app.Tray.Display, c.tick ? "True" : "False");
        EXPECT_EQ(stored("Display"), app.Tray.Display);
    }
}

TEST_F(DesktopSettings, TheClockShowsTheTimeEverySecond) {
    t.clock.set(QDateTime(QDate(2027, 3, 15), QTime(21, 5, 59)));
    frmDesktop d(app, &tray);
    EXPECT_EQ(d.lblTime->text(), "09:05 PM");
    EXPECT_TRUE(d.tmrClock->isActive());
    EXPECT_EQ(d.tmrClock->interval(), 1000);
    t.clock.set(QDateTime(QDate(2027, 3, 15), QTime(9, 6)));
    QSignalSpy ticked(d.tmrClock, &QTimer::timeout);
    ASSERT_TRUE(ticked.wait(2000));
    EXPECT_EQ(d.lblTime->text(), "09:06 AM");
}

} // namespace
