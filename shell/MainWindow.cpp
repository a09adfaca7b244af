#include "shell/MainWindow.h"

#include "desktop/AppIcon.h"
#include "desktop/TrayIcon.h"
#include "document/FileMenu.h"
#include "document/SetupWindow.h"
#include "drawing/CalendarView.h"
#include "drawing/PrintWindow.h"
#include "editors/EditorLauncher.h"
#include "editors/ExportWindow.h"
#include "editors/ResortWindow.h"
#include "platform/Dialogs.h"
#include "settings/LayoutDialog.h"
#include "shell/HelpWindow.h"
#include "shell/SplashWindow.h"
#include "shell/Toolbar.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

frmMain::frmMain(AppState& app, bool trayAvailable, QWidget* parent)
    : QMainWindow(parent), app_(app), trayAvailable_(trayAvailable) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Daylark"));
    setWindowIcon(appIcon());
    buildFileMenu();
    buildAddMenu();
    buildViewAndHelpMenus();
    buildTrayMenu();
    buildCentralArea();
    buildToolCommands();
    tray_ = new frmTray(mnuTray, this);
    connect(tray_, &frmTray::doubleClicked, this, &frmMain::trayDoubleClicked);
    app_.views = this;
    app_.Document.setModifiedObserver([this](bool modified) { mnuFileSave->setEnabled(modified); });
    resize(780, 560);
}

frmMain::~frmMain() {
    app_.Document.setModifiedObserver({});
    if (app_.views == this) app_.views = nullptr;
}

QAction* frmMain::addItem(QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void frmMain::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = addItem(file, "mnuFileNew", QStringLiteral("&New Calendar"),
                         QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = addItem(file, "mnuFileOpen", QStringLiteral("&Open Calendar..."),
                          QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnuFileSave = addItem(file, "mnuFileSave", QStringLiteral("&Save Calendar"),
                          QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = addItem(file, "mnuFileSaveAs", QStringLiteral("Save Calendar &As..."),
                            QKeySequence(Qt::CTRL | Qt::Key_A));
    file->addSeparator();
    mnuFileImport = addItem(file, "mnuFileImport", QStringLiteral("&Import QVF data..."),
                            QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuFileExport = addItem(file, "mnuFileExport", QStringLiteral("&Export QVF data..."),
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFileExportIcs = addItem(file, "mnuFileExportIcs", QStringLiteral("Export i&Calendar..."));
    file->addSeparator();
    mnuFilePgSetup = addItem(file, "mnuFilePgSetup", QStringLiteral("Page S&etup..."));
    mnuFilePrint = addItem(file, "mnuFilePrint", QStringLiteral("&Print Calendar..."),
                           QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    mnuFileExit = addItem(file, "mnuFileExit", QStringLiteral("E&xit Daylark"),
                          QKeySequence(Qt::CTRL | Qt::Key_X));

    connect(mnuFileNew, &QAction::triggered, this, [this] { NewCalendar(app_); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { OpenCalendar(app_); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { SaveCalendar(app_); });
    connect(mnuFileSaveAs, &QAction::triggered, this, [this] { SaveCalendarAs(app_); });
    connect(mnuFileImport, &QAction::triggered, this, [this] { ImportCalendar(app_); });
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuFilePgSetup, &QAction::triggered, this, [this] { showLayout(true); });
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::showPrintWindow);
    connect(mnuFileExport, &QAction::triggered, this, &frmMain::showExportWindow);
    connect(mnuFileExportIcs, &QAction::triggered, this, [this] { ExportICalendar(app_); });
    mnuFileSave->setEnabled(app_.Document.Modified());
}

void frmMain::buildAddMenu() {
    QMenu* add = menuBar()->addMenu(QStringLiteral("&Add"));
    add->setObjectName(QStringLiteral("mnuAdd"));
    mnuAddBirthday = addItem(add, "mnuAddBirthday", QStringLiteral("&Birthday..."),
                             QKeySequence(Qt::CTRL | Qt::Key_F1));
    mnuAddHoliday = addItem(add, "mnuAddHoliday", QStringLiteral("&Holiday..."),
                            QKeySequence(Qt::CTRL | Qt::Key_F2));
    mnuAddAnniv = addItem(add, "mnuAddAnniv", QStringLiteral("&Anniversary..."),
                          QKeySequence(Qt::CTRL | Qt::Key_F3));
    mnuAddOther = addItem(add, "mnuAddOther", QStringLiteral("&Other..."),
                          QKeySequence(Qt::CTRL | Qt::Key_F4));
    const std::pair<QAction*, EntryKind> editors[] = {{mnuAddBirthday, EntryKind::Birthday},
                                                      {mnuAddHoliday, EntryKind::Holiday},
                                                      {mnuAddAnniv, EntryKind::Anniversary},
                                                      {mnuAddOther, EntryKind::Other}};
    for (const auto& [action, kind] : editors) {
        connect(action, &QAction::triggered, this, [this, kind = kind] {
            OpenAddEditor(app_, kind, AddOrigin::AddMenu, setup_, this);
        });
    }
}

void frmMain::buildViewAndHelpMenus() {
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuViewCal = addItem(view, "mnuViewCal", QStringLiteral("&Calendar"),
                         QKeySequence(Qt::CTRL | Qt::Key_V));
    view->addSeparator();
    mnuViewOpt = addItem(view, "mnuViewOpt", QStringLiteral("&Options..."));
    connect(mnuViewCal, &QAction::triggered, this, &frmMain::showCalendarView);
    mnuViewOpt->setEnabled(false); // the options dialog comes with the desktop calendar

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpCont =
        addItem(help, "mnuHelpCont", QStringLiteral("&Contents"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuHelpAbout = addItem(help, "mnuHelpAbout", QStringLiteral("&About Daylark..."));
    connect(mnuHelpCont, &QAction::triggered, this, &frmMain::showHelp);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::showAbout);
}

void frmMain::buildTrayMenu() {
    mnuTray = new QMenu(QStringLiteral("Tray"), this);
    mnuTray->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayDispCal = addItem(mnuTray, "mnuTrayDispCal", QStringLiteral("Display Desktop Calendar"));
    mnuTrayDispSetup =
        addItem(mnuTray, "mnuTrayDispSetup", QStringLiteral("Display Daylark Setup"));
    mnuTray->addSeparator();
    mnuTrayConfig = addItem(mnuTray, "mnuTrayConfig", QStringLiteral("Configure"));
    mnuTray->addSeparator();
    mnuTrayClose = addItem(mnuTray, "mnuTrayClose", QStringLiteral("Close"));
    // The desktop week window and its settings come with the desktop calendar.
    mnuTrayDispCal->setEnabled(false);
    mnuTrayConfig->setEnabled(false);
    connect(mnuTrayDispSetup, &QAction::triggered, this, &frmMain::DisplaySetup);
    connect(mnuTrayClose, &QAction::triggered, this, &frmMain::CloseFromTray);
}

void frmMain::buildCentralArea() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    toolbar_ = new Toolbar(central);
    connect(toolbar_, &Toolbar::toolCommand, this,
            [this](int tool) { runTool(static_cast<ToolId>(tool)); });
    mdiArea_ = new QMdiArea(central);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    column->addWidget(toolbar_);
    column->addWidget(mdiArea_, 1);
    setCentralWidget(central);
}

void frmMain::Form_Load() {
    app_.Document.ClearModified();
    mnuFileSave->setEnabled(false);
    if (isTrue(app_.Tray.Display) && trayAvailable_) tray_->load();
    // Starting into the tray needs a tray to live in; without one the window opens.
    if (app_.CommandLine == QLatin1String("/tray") && trayAvailable_) {
        hide();
        app_.Tray.Display = QStringLiteral("True"); // for this run only, never stored
        tray_->load();
        return;
    }
    loadSetup();
    show();
    mnuTrayDispCal->setEnabled(false);
}

void frmMain::loadSetup() {
    if (!setup_) {
        setup_ = new frmSetup(app_);
        connect(setup_, &frmSetup::titleEdited, this, [this] {
            updateCaption();
            if (frmCalendar* view = calendarView()) view->ShowCaption();
        });
        connect(setup_, &frmSetup::displayYearChanged, this, [this] {
            if (frmCalendar* view = calendarView()) view->ShowDisplayYear();
        });
        connect(setup_, &frmSetup::addRequested, this, [this](EntryKind kind) {
            OpenAddEditor(app_, kind, AddOrigin::EntryList, setup_, this);
        });
        connect(setup_, &frmSetup::editRequested, this,
                [this](EntryKind kind) { EditSelectedEntry(app_, kind, setup_, this); });
        connect(setup_, &frmSetup::resortRequested, this, &frmMain::showResortWindow);
        setupFrame_ = mdiArea_->addSubWindow(setup_);
        setupFrame_->setWindowIcon(appIcon());
        setupFrame_->setAttribute(Qt::WA_DeleteOnClose);
        setup_->Form_Load();
        setupFrame_->adjustSize();
        setupFrame_->move(0, 0);
        updateCaption();
    }
    setupFrame_->show();
    mdiArea_->setActiveSubWindow(setupFrame_);
}

void frmMain::unloadSetup() {
    delete setupFrame_; // also deletes the setup window inside it
}

QWidget* frmMain::setupWindow() const {
    return setup_ ? static_cast<QWidget*>(setup_) : const_cast<frmMain*>(this);
}

bool frmMain::QueryUnload() {
    return ConfirmDiscardOrSave(app_);
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (!QueryUnload()) {
        event->ignore();
        return;
    }
    hide();
    // The header lines go too, so that the next calendar never saves text it did not show.
    app_.Document.resetToUntitled();
    app_.Document.ClearModified();
    if (!isTrue(app_.Tray.Display) || !trayAvailable_) {
        tray_->unload();
        event->accept();
        emit programEnded();
        return;
    }
    // Living on in the tray: the main window stays loaded but hidden, its child windows
    // unloaded.
    event->ignore();
    delete calendarFrame_;
    unloadSetup();
}

void frmMain::DisplaySetup() {
    mnuTrayDispCal->setEnabled(false);
    if (isMinimized()) showNormal();
    show();
    loadSetup();
    raise();
    activateWindow();
    app_.Document.ClearModified();
}

void frmMain::trayDoubleClicked() {
    if (mnuTrayDispCal->isEnabled()) {
        mnuTrayDispCal->trigger();
        return;
    }
    DisplaySetup();
}

void frmMain::CloseFromTray() {
    app_.Tray.Display = QStringLiteral("0"); // in memory only: closing now ends the program
    close();
}

void frmMain::buildToolCommands() {
    // The toolbar's buttons run these, by ToolId; most are the menu's own items.
    auto command = [this](const char* name, auto run) {
        auto* action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, run);
        return action;
    };
    // Delete and Edit need a suitable selection in the list; without one they say why.
    auto onSelection = [this](QPushButton* frmSetup::*button, void (frmSetup::*run)(),
                              const char* why) {
        return [this, button, run, why] {
            if (setup_ && (setup_->*button)->isEnabled())
                (setup_->*run)();
            else
                showMessage(app_.dialogs, QLatin1String(why), QStringLiteral("Daylark"));
        };
    };
    toolCommands_ = {
        mnuFileNew,
        mnuFileOpen,
        command("toolSave",
                [this] { app_.Document.Modified() ? SaveCalendar(app_) : SaveCalendarAs(app_); }),
        mnuFilePrint,
        mnuViewOpt,
        mnuViewCal,
        command("toolAdd",
                [this] {
                    if (setup_ && setup_->cmdAdd->isEnabled())
                        OpenAddEditor(app_, app_.ShownKind, AddOrigin::EntryList, setup_, this);
                }),
        command("toolDelete", onSelection(&frmSetup::cmdDelete, &frmSetup::DeleteCommand,
                                          "No entry is currently selected.")),
        command("toolEdit", onSelection(&frmSetup::cmdEdit, &frmSetup::EditCommand,
                                        "Select one entry to be edited.")),
        command("toolResort",
                [this] {
                    if (setup_ && setup_->cmdResort->isEnabled()) showResortWindow();
                }),
    };
}

void frmMain::runTool(ToolId tool) {
    toolCommands_.at(static_cast<std::size_t>(tool))->trigger();
}

// The title bar names the open calendar, so that it can be told apart on the desktop.
void frmMain::updateCaption() {
    setWindowTitle(QStringLiteral("Daylark - ") + app_.Document.CalendarTitle);
}

void frmMain::refreshAfterRead() {
    if (setup_) setup_->showDocument();
    updateCaption();
    redrawCalendarView();
}

void frmMain::refreshAfterImport() {
    if (setup_) setup_->RefreshEntryList(app_.ShownKind);
    redrawCalendarView();
}

void frmMain::refreshFileName() {
    if (!setup_) return;
    setup_->refreshCaption();
    setup_->txtTitle->setText(app_.Document.CalendarTitle);
    updateCaption();
}

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
        view->Form_Load();
        calendarFrame_->adjustSize();
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
