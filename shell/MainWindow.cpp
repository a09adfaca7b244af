#include "shell/MainWindow.h"

#include "desktop/AppIcon.h"
#include "desktop/windows/TrayIcon.h"
#include "desktop/windows/WeekWindow.h"
#include "document/DocumentCommands.h"
#include "document/windows/SetupWindow.h"
#include "drawing/windows/CalendarView.h"
#include "editors/windows/EditorLauncher.h"
#include "shell/Toolbar.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Keeps the setup window, the main window's working area, from being closed: nothing could
// bring it back, and the calendar stays open without it. The main window unloads it itself.
class RefuseClose : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Close) return QObject::eventFilter(watched, event);
        event->ignore();
        return true;
    }
};

// Keeps a toolbar command enabled exactly while the setup window's button it clicks is.
class FollowEnabled : public QObject {
  public:
    FollowEnabled(QAction* command, QWidget* button) : QObject(button), command_(command) {
        command->setEnabled(button->isEnabled());
        button->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange && command_)
            command_->setEnabled(static_cast<QWidget*>(watched)->isEnabled());
        return QObject::eventFilter(watched, event);
    }

  private:
    QPointer<QAction> command_;
};

} // namespace

frmMain::frmMain(AppState& app, bool trayAvailable, QWidget* parent)
    : QMainWindow(parent), app_(app), trayAvailable_(trayAvailable), recent_(app.store) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Daylark"));
    setWindowIcon(appIcon());
    buildFileMenu();
    buildAddMenu();
    buildViewAndHelpMenus();
    buildTrayMenu();
    buildCentralArea();
    buildToolCommands();
    followToolCommands();
    tray_ = new frmTray(mnuTray, this);
    connect(tray_, &frmTray::doubleClicked, this, &frmMain::trayDoubleClicked);
    app_.views = this;
    app_.Document.setModifiedObserver([this](bool modified) { mnuFileSave->setEnabled(modified); });
    resize(780, 560);
    statusBar()->setObjectName(QStringLiteral("sbrStatus"));
    restoreMainPlace();
}

frmMain::~frmMain() {
    delete weekWindow_; // gives the calendar back while this window is still whole
    app_.Document.setModifiedObserver({});
    if (app_.views == this) app_.views = nullptr;
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
        mnuTrayDispCal->setEnabled(true);
        app_.Tray.Display = QStringLiteral("True"); // for this run only, never stored
        tray_->load();
        if (isTrue(app_.Tray.DispStart)) DisplayDesktopCalendar();
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
        setupFrame_ =
            mdiArea_->addSubWindow(setup_, Qt::SubWindow | Qt::CustomizeWindowHint |
                                               Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint);
        setupFrame_->setWindowIcon(appIcon());
        setupFrame_->installEventFilter(new RefuseClose(setupFrame_));
        // The calendar named on the command line is read once; when the window comes back
        // from the tray it shows the calendar the program holds.
        setup_->Form_Load(commandLineRead_ ? frmSetup::CommandLineFile::Skip
                                           : frmSetup::CommandLineFile::Read);
        commandLineRead_ = true;
        new FollowEnabled(toolCommands_[int(ToolId::AddEntry)], setup_->cmdAdd);
        new FollowEnabled(toolCommands_[int(ToolId::ResortEntries)], setup_->cmdResort);
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
    storePlaces();
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
    mnuTrayDispCal->setEnabled(true);
    delete calendarFrame_;
    unloadSetup();
}

void frmMain::DisplaySetup() {
    // Coming back from the tray the calendar was emptied and has nothing unsaved; with the
    // main window on screen (even minimized) its changes stay unsaved until saved.
    const bool fromTray = !isVisible();
    mnuTrayDispCal->setEnabled(false);
    if (isMinimized()) showNormal();
    show();
    loadSetup();
    raise();
    activateWindow();
    if (fromTray) app_.Document.ClearModified();
}

void frmMain::trayDoubleClicked() {
    if (mnuTrayDispCal->isEnabled()) {
        mnuTrayDispCal->trigger();
        return;
    }
    DisplaySetup();
}

void frmMain::CloseFromTray() {
    if (weekWindow_) weekWindow_->close();
    app_.Tray.Display = QStringLiteral("0"); // in memory only: closing now ends the program
    close();
}

// The title bar names the open calendar, so that it can be told apart on the desktop.
void frmMain::updateCaption() {
    setWindowTitle(CalendarCaption(app_.Document));
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
