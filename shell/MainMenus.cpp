#include "shell/MainWindow.h"

#include "document/DocumentCommands.h"
#include "document/windows/SetupWindow.h"
#include "editors/windows/EditorLauncher.h"
#include "platform/Dialogs.h"
#include "shell/Toolbar.h"

#include <QDir>
#include <QMenuBar>
#include <QPushButton>

// The main window's menus, the tray menu and the toolbar's command table.

QAction* frmMain::addItem(QMenu* menu, const char* name, const QString& caption,
                          const QKeySequence& shortcut) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

void frmMain::buildFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew =
        addItem(file, "mnuFileNew", tr("&New Calendar"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen =
        addItem(file, "mnuFileOpen", tr("&Open Calendar..."), QKeySequence(Qt::CTRL | Qt::Key_O));
    file->addSeparator();
    mnuFileSave =
        addItem(file, "mnuFileSave", tr("&Save Calendar"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = addItem(file, "mnuFileSaveAs", tr("Save Calendar &As..."),
                            QKeySequence(Qt::CTRL | Qt::Key_A));
    file->addSeparator();
    mnuFileImport = addItem(file, "mnuFileImport", tr("&Import QVF data..."),
                            QKeySequence(Qt::CTRL | Qt::Key_I));
    mnuFileHolidays = addItem(file, "mnuFileHolidays", tr("Add &Holidays..."));
    mnuFileExport = addItem(file, "mnuFileExport", tr("&Export QVF data..."),
                            QKeySequence(Qt::CTRL | Qt::Key_E));
    mnuFileExportIcs = addItem(file, "mnuFileExportIcs", tr("Export i&Calendar..."));
    file->addSeparator();
    mnuFilePgSetup = addItem(file, "mnuFilePgSetup", tr("Page S&etup..."));
    mnuFilePrint =
        addItem(file, "mnuFilePrint", tr("&Print Calendar..."), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    buildRecentItems(file);
    mnuFileExit =
        addItem(file, "mnuFileExit", tr("E&xit Daylark"), QKeySequence(Qt::CTRL | Qt::Key_X));

    connect(mnuFileNew, &QAction::triggered, this, [this] { NewCalendar(app_); });
    connect(mnuFileOpen, &QAction::triggered, this, [this] { OpenCalendar(app_); });
    connect(mnuFileSave, &QAction::triggered, this, [this] { SaveCalendar(app_); });
    connect(mnuFileSaveAs, &QAction::triggered, this, [this] { SaveCalendarAs(app_); });
    connect(mnuFileImport, &QAction::triggered, this, [this] { ImportCalendar(app_); });
    connect(mnuFileHolidays, &QAction::triggered, this, &frmMain::showHolidayPackWindow);
    connect(mnuFileExit, &QAction::triggered, this, &QWidget::close);
    connect(mnuFilePgSetup, &QAction::triggered, this, [this] { showLayout(true); });
    connect(mnuFilePrint, &QAction::triggered, this, &frmMain::showPrintWindow);
    connect(mnuFileExport, &QAction::triggered, this, &frmMain::showExportWindow);
    connect(mnuFileExportIcs, &QAction::triggered, this, [this] { ExportICalendar(app_); });
    mnuFileSave->setEnabled(app_.Document.Modified());
}

// The recent calendars, above Exit and set off by a separator of their own; hidden while
// there are none.
void frmMain::buildRecentItems(QMenu* file) {
    for (int i = 0; i < RecentFiles::kLimit; ++i) {
        QAction* item = file->addAction(QString());
        item->setObjectName(QStringLiteral("mnuFileRecent%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { openRecent(i); });
        mnuFileRecent[i] = item;
    }
    recentSeparator_ = file->addSeparator();
    refreshRecentItems();
}

void frmMain::refreshRecentItems() {
    const QStringList& paths = recent_.paths();
    for (int i = 0; i < RecentFiles::kLimit; ++i) {
        QAction* item = mnuFileRecent[i];
        item->setVisible(i < paths.size());
        if (i >= paths.size()) continue;
        item->setText(RecentMenuText(paths, i));
        item->setStatusTip(QDir::toNativeSeparators(paths[i]));
    }
    recentSeparator_->setVisible(!paths.isEmpty());
}

void frmMain::openRecent(int index) {
    if (index >= recent_.paths().size()) return;
    const QString path = recent_.paths().at(index); // the list may change while it opens
    OpenRecentCalendar(app_, recent_, path);
    refreshRecentItems();
}

void frmMain::calendarFileUsed(const QString& path) {
    recent_.add(path);
    refreshRecentItems();
}

void frmMain::buildAddMenu() {
    QMenu* add = menuBar()->addMenu(tr("&Add"));
    add->setObjectName(QStringLiteral("mnuAdd"));
    mnuAddBirthday =
        addItem(add, "mnuAddBirthday", tr("&Birthday..."), QKeySequence(Qt::CTRL | Qt::Key_F1));
    mnuAddHoliday =
        addItem(add, "mnuAddHoliday", tr("&Holiday..."), QKeySequence(Qt::CTRL | Qt::Key_F2));
    mnuAddAnniv =
        addItem(add, "mnuAddAnniv", tr("&Anniversary..."), QKeySequence(Qt::CTRL | Qt::Key_F3));
    mnuAddOther = addItem(add, "mnuAddOther", tr("&Other..."), QKeySequence(Qt::CTRL | Qt::Key_F4));
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
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    mnuViewCal = addItem(view, "mnuViewCal", tr("&Calendar"), QKeySequence(Qt::CTRL | Qt::Key_V));
    view->addSeparator();
    mnuViewOpt = addItem(view, "mnuViewOpt", tr("&Options..."));
    connect(mnuViewCal, &QAction::triggered, this, &frmMain::showCalendarView);
    connect(mnuViewOpt, &QAction::triggered, this, &frmMain::showOptions);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpCont = addItem(help, "mnuHelpCont", tr("&Contents"), QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuHelpAbout = addItem(help, "mnuHelpAbout", tr("&About Daylark..."));
    connect(mnuHelpCont, &QAction::triggered, this, &frmMain::showHelp);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::showAbout);
}

void frmMain::buildTrayMenu() {
    mnuTray = new QMenu(tr("Tray"), this);
    mnuTray->setObjectName(QStringLiteral("mnuTray"));
    mnuTrayDispCal = addItem(mnuTray, "mnuTrayDispCal", tr("Display Desktop Calendar"));
    mnuTrayDispSetup = addItem(mnuTray, "mnuTrayDispSetup", tr("Display Daylark Setup"));
    mnuTray->addSeparator();
    mnuTrayConfig = addItem(mnuTray, "mnuTrayConfig", tr("Configure"));
    mnuTray->addSeparator();
    mnuTrayClose = addItem(mnuTray, "mnuTrayClose", tr("Close"));
    // Enabled only while the main window is closed into the tray.
    mnuTrayDispCal->setEnabled(false);
    connect(mnuTrayDispCal, &QAction::triggered, this, &frmMain::DisplayDesktopCalendar);
    connect(mnuTrayDispSetup, &QAction::triggered, this, &frmMain::DisplaySetup);
    connect(mnuTrayConfig, &QAction::triggered, this, [this] { showDesktopSettings(false); });
    connect(mnuTrayClose, &QAction::triggered, this, &frmMain::CloseFromTray);
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
                              const QString& why) {
        return [this, button, run, why] {
            if (setup_ && (setup_->*button)->isEnabled())
                (setup_->*run)();
            else
                showMessage(app_.dialogs, why, QStringLiteral("Daylark"));
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
                                          tr("No entry is currently selected."))),
        command("toolEdit", onSelection(&frmSetup::cmdEdit, &frmSetup::EditCommand,
                                        tr("Select one entry to be edited."))),
        command("toolResort",
                [this] {
                    if (setup_ && setup_->cmdResort->isEnabled()) showResortWindow();
                }),
    };
}

// A button looks and acts like its command: disabled while the command is not available.
void frmMain::followToolCommands() {
    for (std::size_t tool = 0; tool < toolCommands_.size(); ++tool) {
        QAction* action = toolCommands_[tool];
        const int index = static_cast<int>(tool);
        toolbar_->setToolEnabled(index, action->isEnabled());
        connect(action, &QAction::changed, toolbar_,
                [this, action, index] { toolbar_->setToolEnabled(index, action->isEnabled()); });
    }
}

void frmMain::runTool(ToolId tool) {
    toolCommands_.at(static_cast<std::size_t>(tool))->trigger();
}
