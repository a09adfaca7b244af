#include "shell/MainWindow.h"

#include "desktop/windows/DesktopSettings.h"
#include "desktop/windows/TrayIcon.h"
#include "desktop/windows/WeekWindow.h"
#include "settings/windows/OptionsDialog.h"

#include <QAction>

// The desktop calendar's commands of the main window: the week window, its settings and
// the options dialog that leads to them.

frmDispWeek* frmMain::weekWindow() const {
    return weekWindow_;
}

void frmMain::DisplayDesktopCalendar() {
    // The week window reads its file into the one calendar. It may do so only while this
    // window is closed into the tray, which leaves the calendar empty and unchanged: no
    // edit of the user's is ever replaced by the desktop calendar.
    if (isVisible() || app_.Document.Modified()) return;
    if (weekWindow_) {
        weekWindow_->raise();
        weekWindow_->activateWindow();
        return;
    }
    auto* week = new frmDispWeek(app_);
    weekWindow_ = week;
    connect(week, &frmDispWeek::documentHeld, this, [this](bool held) {
        mnuTrayDispSetup->setEnabled(!held);
        mnuTrayConfig->setEnabled(!held);
    });
    connect(week, &frmDispWeek::settingsRequested, this, [this] { showDesktopSettings(true); });
    if (!week->Form_Load()) delete week;
}

void frmMain::showDesktopSettings(bool fromWeekWindow) {
    frmDesktop desktop(app_, tray_, this);
    if (fromWeekWindow) desktop.lockTopBoxes();
    connect(&desktop, &frmDesktop::programEndRequested, this, &QWidget::close,
            Qt::QueuedConnection);
    desktop.exec();
}

void frmMain::showOptions() {
    frmOptions options(app_, this);
    connect(&options, &frmOptions::layoutRequested, this, [this] { showLayout(false); });
    connect(&options, &frmOptions::desktopRequested, this, [this] { showDesktopSettings(false); });
    options.exec();
}
