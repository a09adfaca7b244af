#pragma once

#include "document/AppState.h"
#include "document/windows/SetupWindow.h"
#include "settings/RecentFiles.h"
#include "shell/ToolbarModel.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class HelpWindow;
class frmCalendar;
class frmDispWeek;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class frmSplash;
class frmTray;
class Toolbar;

// The main frame window: menus, the painted toolbar, the area that holds the setup window,
// and the tray menu. It is also the document's view for the file commands.
class frmMain : public QMainWindow, public DocumentViews {
    Q_OBJECT
  public:
    // trayAvailable: whether the desktop has a notification area to live in.
    frmMain(AppState& app, bool trayAvailable, QWidget* parent = nullptr);
    ~frmMain() override;

    // The window's load: the tray icon, then either the tray only ("/tray") or the setup
    // window and the main window on screen.
    void Form_Load();

    frmSetup* setup() const { return setup_; }
    frmTray* tray() const { return tray_; }
    Toolbar* toolbar() const { return toolbar_; }
    HelpWindow* helpWindow() const { return help_; }
    frmCalendar* calendarView() const;
    frmDispWeek* weekWindow() const;

    // The tray menu's commands.
    void DisplayDesktopCalendar();
    void DisplaySetup();
    void CloseFromTray();
    void trayDoubleClicked();

    // The toolbar's command of one button.
    void runTool(ToolId tool);

    // DocumentViews
    void refreshAfterRead() override;
    void refreshAfterImport() override;
    void refreshFileName() override;
    void redrawCalendarView() override;
    void calendarFileUsed(const QString& path) override;
    void showStatus(const QString& text) override;
    bool mainWindowVisible() const override { return isVisible(); }
    QWidget* mainWindow() const override { return const_cast<frmMain*>(this); }
    QWidget* setupWindow() const override;

    QAction *mnuFileNew, *mnuFileOpen, *mnuFileSave, *mnuFileSaveAs, *mnuFileImport,
        *mnuFileHolidays, *mnuFileExport, *mnuFileExportIcs, *mnuFilePgSetup, *mnuFilePrint,
        *mnuFileExit;
    QAction *mnuAddBirthday, *mnuAddHoliday, *mnuAddAnniv, *mnuAddOther;
    std::array<QAction*, RecentFiles::kLimit> mnuFileRecent{}; // the recent calendars
    QAction *mnuViewCal, *mnuViewOpt;
    QAction *mnuHelpCont, *mnuHelpAbout;
    QMenu* mnuTray;
    QAction *mnuTrayDispCal, *mnuTrayDispSetup, *mnuTrayConfig, *mnuTrayClose;

  signals:
    // The program is to end (the main window closed for good).
    void programEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                     const QKeySequence& shortcut = {});
    void buildFileMenu();
    void buildAddMenu();
    void buildViewAndHelpMenus();
    void buildTrayMenu();
    void buildCentralArea();
    void buildRecentItems(QMenu* file);
    void refreshRecentItems();
    void openRecent(int index);

    // The places of the main window and the calendar view, kept from one run to the next.
    void restoreMainPlace();
    void restoreCalendarViewPlace();
    void storeCalendarViewPlace();
    void storePlaces();

    void loadSetup();
    void updateCaption();
    void unloadSetup();
    bool QueryUnload();
    void showAbout();
    void showCalendarView();
    void showPrintWindow();
    void showLayout(bool paperOnly);
    void showResortWindow();
    void showExportWindow();
    void showHolidayPackWindow();
    void showHelp();
    void showOptions();
    void showDesktopSettings(bool fromWeekWindow);
    void buildToolCommands();
    void followToolCommands();

    AppState& app_;
    bool trayAvailable_;
    bool commandLineRead_ = false; // the setup window read the command line's calendar
    QMdiArea* mdiArea_ = nullptr;
    Toolbar* toolbar_ = nullptr;
    QPointer<frmSetup> setup_;
    QPointer<QMdiSubWindow> setupFrame_;
    QPointer<QMdiSubWindow> calendarFrame_;
    frmTray* tray_ = nullptr;
    QPointer<frmDispWeek> weekWindow_; // a window of its own, not a child of this one
    HelpWindow* help_ = nullptr;
    frmSplash* about_ = nullptr;
    std::array<QAction*, ToolbarModel::ToolCount> toolCommands_{}; // by ToolId
    RecentFiles recent_;
    QAction* recentSeparator_ = nullptr;
};
