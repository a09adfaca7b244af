#include "shell/MainWindow.h"

#include "desktop/AppIcon.h"
#include "document/windows/SetupWindow.h"
#include "drawing/windows/CalendarView.h"
#include "drawing/windows/PrintWindow.h"
#include "editors/windows/ExportWindow.h"
#include "editors/windows/HolidayPackWindow.h"
#include "editors/windows/ResortWindow.h"
#include "platform/widgets/UpDownBar.h"
#include "settings/windows/LayoutDialog.h"
#include "shell/HelpWindow.h"
#include "shell/SplashWindow.h"

#include <QMdiArea>
#include <QMdiSubWindow>

// The windows the main window opens: calendar view, layout, print, resort, holiday packs,
// export, about and help.

frmCalendar* frmMain::calendarView() const {
    return calendarFrame_ ? static_cast<frmCalendar*>(calendarFrame_->widget()) : nullptr;
}

void frmMain::redrawCalendarView() {
    if (frmCalendar* view = calendarView(); view && app_.CalendarViewOpen)
        view->RedrawCalendarView();
}

void frmMain::showCalendarView() {
    if (!calendarFrame_) {
        auto* view = new frmCalendar(app_);
        calendarFrame_ = mdiArea_->addSubWindow(view);
        calendarFrame_->setWindowIcon(appIcon());
        calendarFrame_->setAttribute(Qt::WA_DeleteOnClose);
        connect(view, &frmCalendar::unloaded, this, &frmMain::storeCalendarViewPlace);
        connect(view, &frmCalendar::displayYearRequested, this, [this](int year) {
            if (setup_) setup_->vsbDispYr->setNumber(year);
        });
        view->Form_Load();
        calendarFrame_->adjustSize();
        restoreCalendarViewPlace();
    }
    calendarFrame_->show();
    mdiArea_->setActiveSubWindow(calendarFrame_);
}

void frmMain::showLayout(bool paperOnly) {
    frmLayout layout(app_, paperOnly ? LayoutForm::PaperOnly : LayoutForm::AllPages, this);
    layout.exec();
}

void frmMain::showPrintWindow() {
    frmPrint print(app_, this);
    connect(&print, &frmPrint::layoutRequested, this, [this] { showLayout(false); });
    connect(&print, &frmPrint::printed, this, &frmMain::showStatus);
    // A year chosen for printing is the display year, in the setup window and the view too.
    connect(&print, &frmPrint::displayYearRequested, this, [this](int year) {
        if (setup_) setup_->vsbDispYr->setNumber(year);
    });
    print.Form_Load();
    print.exec();
}

void frmMain::showResortWindow() {
    frmResort resort(app_, this);
    connect(&resort, &frmResort::entriesResorted, this, [this] {
        if (setup_) setup_->RefreshEntryList(app_.ShownKind);
    });
    resort.exec();
}

// Holidays added or removed show in the entry list at once.
void frmMain::showHolidayPackWindow() {
    frmHolidayPacks packs(app_, LoadHolidayPacks(), this);
    connect(&packs, &frmHolidayPacks::entriesChanged, this, [this] {
        if (setup_) setup_->RefreshEntryList(app_.ShownKind);
    });
    packs.exec();
}

void frmMain::showExportWindow() {
    frmExport exportWindow(app_, this);
    exportWindow.exec();
}

void frmMain::showAbout() {
    app_.SplashAsAbout = true;
    if (!about_) {
        about_ = new frmSplash(app_, this);
        about_->setWindowModality(Qt::ApplicationModal);
    }
    about_->Form_Load();
}

void frmMain::showHelp() {
    if (!help_) help_ = new HelpWindow(this);
    help_->showContents();
}
