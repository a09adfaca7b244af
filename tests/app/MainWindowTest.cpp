#include "shell/MainWindow.h"
#include "MainWindowFixture.h"
#include "desktop/windows/TrayIcon.h"
#include "document/CalendarFormat.h"
#include "drawing/windows/CalendarView.h"
#include "platform/widgets/UpDownBar.h"
#include "shell/HelpWindow.h"
#include "shell/StartUp.h"
#include "shell/Toolbar.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class MainWindow : public MainWindowFixture {
  protected:
    void unsavedCalendar() {
        app.Document = sampleCalendar();
        w->refreshAfterRead();
        app.Document.MarkModified();
    }
    QStringList messages() const { return t.dialogs.messageTexts(); }
};

TEST_F(MainWindow, MenusCarryTheirCaptionsAndShortcuts) {
    load();
    struct Item {
        const char* name;
        const char* caption;
        const char* shortcut;
    };
    const Item items[] = {{"mnuFileNew", "&New Calendar", "Ctrl+N"},
                          {"mnuFileOpen", "&Open Calendar...", "Ctrl+O"},
                          {"mnuFileSave", "&Save Calendar", "Ctrl+S"},
                          {"mnuFileSaveAs", "Save Calendar &As...", "Ctrl+A"},
                          {"mnuFileImport", "&Import QVF data...", "Ctrl+I"},
                          {"mnuFileExport", "&Export QVF data...", "Ctrl+E"},
                          {"mnuFilePgSetup", "Page S&etup...", ""},
                          {"mnuFilePrint", "&Print Calendar...", "Ctrl+P"},
                          {"mnuFileExit", "E&xit Daylark", "Ctrl+X"},
                          {"mnuAddBirthday", "&Birthday...", "Ctrl+F1"},
                          {"mnuAddHoliday", "&Holiday...", "Ctrl+F2"},
                          {"mnuAddAnniv", "&Anniversary...", "Ctrl+F3"},
                          {"mnuAddOther", "&Other...", "Ctrl+F4"},
                          {"mnuViewCal", "&Calendar", "Ctrl+V"},
                          {"mnuViewOpt", "&Options...", ""},
                          {"mnuHelpCont", "&Contents", "F1"},
                          {"mnuHelpAbout", "&About Daylark...", ""},
                          {"mnuTrayDispCal", "Display Desktop Calendar", ""},
                          {"mnuTrayDispSetup", "Display Daylark Setup", ""},
                          {"mnuTrayConfig", "Configure", ""},
                          {"mnuTrayClose", "Close", ""}};
    for (const Item& item : items) {
        auto* action = w->findChild<QAction*>(QLatin1String(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_EQ(action->text(), QLatin1String(item.caption)) << item.name;
        EXPECT_EQ(action->shortcut().toString(), QLatin1String(item.shortcut)) << item.name;
    }
}

TEST_F(MainWindow, LoadShowsTheWindowWithTheSetupWindowAndSaveOff) {
    load();
    EXPECT_TRUE(w->isVisible());
    ASSERT_NE(w->setup(), nullptr);
    EXPECT_TRUE(w->setup()->isVisible());
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
    EXPECT_FALSE(w->mnuTrayDispCal->isEnabled());
    EXPECT_TRUE(w->tray()->isLoaded());
    EXPECT_EQ(w->windowTitle(), "Daylark - [Untitled]");
}

TEST_F(MainWindow, SaveIsEnabledExactlyWhileTheCalendarIsModified) {
    load();
    w->setup()->txtHeader[0]->setText("typed");
    emit w->setup()->txtHeader[0]->textEdited("typed");
    EXPECT_TRUE(w->mnuFileSave->isEnabled());
    app.Document.FileName = t.path("saved.qvf");
    w->mnuFileSave->trigger();
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
    EXPECT_TRUE(QFile::exists(t.path("saved.qvf")));
}

TEST_F(MainWindow, FileMenuItemsRunTheirCommands) {
    load();
    w->mnuFileOpen->trigger();
    EXPECT_EQ(t.dialogs.openRequests.size(), 1u);
    w->mnuFileImport->trigger();
    EXPECT_EQ(t.dialogs.openRequests.at(1).title, "Import qvf Data");
    w->mnuFileSaveAs->trigger();
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
    EXPECT_EQ(t.dialogs.saveRequests[0].owner, w->setup());

    unsavedCalendar();
    t.dialogs.answerNext(Answer::No);
    w->mnuFileNew->trigger();
    EXPECT_EQ(w->setup()->txtTitle->text(), "[Untitled]");
    EXPECT_EQ(w->setup()->lstEvents->count(), 0);
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
}

TEST_F(MainWindow, OpeningAFileFillsTheSetupWindowAndTheCaption) {
    load();
    QFile file(t.path("family.qvf"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(formatCalendar(sampleCalendar()));
    file.close();
    t.dialogs.openNext(file.fileName());
    w->mnuFileOpen->trigger();
    EXPECT_EQ(w->setup()->txtTitle->text(), "The Smiths 2027");
    EXPECT_EQ(w->setup()->txtHeader[0]->text(), "Family calendar");
    EXPECT_EQ(w->setup()->txtHeader[1]->text(), "Printed for Grandma");
    EXPECT_EQ(w->setup()->windowTitle(), file.fileName());
    EXPECT_EQ(w->setup()->lstEvents->count(), 2);
    EXPECT_EQ(w->windowTitle(), "Daylark - The Smiths 2027");
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
}

TEST_F(MainWindow, ACommandLineCalendarThatCannotBeReadIsNeverSavedOver) {
    const QString notReadable = t.path("notes.qvf");
    QFile file(notReadable);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Version 1.0\r\nOld notes\r\n");
    file.close();
    QDir(t.dir.path()).mkdir("folder.qvf");
    for (const QString& path : {notReadable, t.path("folder.qvf")}) {
        t.dialogs.saveRequests.clear();
        app.CommandLine = u'"' + path + u'"';
        load();
        EXPECT_TRUE(app.Document.FileName.isEmpty()) << path.toStdString();
        EXPECT_EQ(w->setup()->windowTitle(), "Daylark Setup");
        QTest::keyClicks(w->setup()->txtHeader[0], "hello");
        w->mnuFileSave->trigger(); // asks for a name; the dialog is cancelled
        EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
        EXPECT_TRUE(app.Document.Modified());
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "Version 1.0\r\nOld notes\r\n");
}

TEST_F(MainWindow, BringingTheSetupBackWhileTheWindowIsShownKeepsUnsavedChanges) {
    load();
    QTest::keyClicks(w->setup()->txtHeader[0], "typed");
    w->mnuTrayDispSetup->trigger();
    EXPECT_TRUE(w->mnuFileSave->isEnabled());
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(w->mnuFileSave->isEnabled());
    t.dialogs.answerNext(Answer::Cancel);
    w->mnuFileExit->trigger();
    EXPECT_EQ(messages().size(), 1); // the unsaved-changes question
    EXPECT_TRUE(w->isVisible());
}

// The setup window is the main window's working area: it cannot be closed, and bringing it
// back never reads the command line's calendar again.
TEST_F(MainWindow, TheSetupWindowStaysOpenAndTheCommandLineIsReadOnce) {
    const QString path = t.path("family.qvf");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(formatCalendar(sampleCalendar()));
    file.close();
    app.CommandLine = path;
    load();
    frmSetup* setup = w->setup();
    EXPECT_FALSE(setup->parentWidget()->close());
    QCoreApplication::processEvents();
    ASSERT_EQ(w->setup(), setup);
    EXPECT_TRUE(setup->isVisible());

    setup->txtHeader[0]->selectAll();
    QTest::keyClicks(setup->txtHeader[0], "hello");
    w->DisplaySetup();
    EXPECT_EQ(w->setup()->txtHeader[0]->text(), "hello");
    EXPECT_EQ(app.Document.HeaderLine1, "hello");

    t.dialogs.answerNext(Answer::No);
    w->close(); // into the tray, the changes let go
    w->DisplaySetup();
    EXPECT_TRUE(app.Document.FileName.isEmpty());
    EXPECT_EQ(w->setup()->txtTitle->text(), "[Untitled]");
    EXPECT_TRUE(w->setup()->txtHeader[0]->text().isEmpty());
}

TEST_F(MainWindow, AFailedSaveAsLeavesTheCalendarOnItsOwnFile) {
    load();
    const QString own = t.path("family.qvf");
    QFile file(own);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(formatCalendar(sampleCalendar()));
    file.close();
    t.dialogs.openNext(own);
    w->mnuFileOpen->trigger();

    t.dialogs.saveNext(t.path("no such folder/copy"));
    w->mnuFileSaveAs->trigger();
    ASSERT_EQ(t.dialogs.messages.size(), 1u); // the write failed and said so
    EXPECT_EQ(app.Document.FileName, own);
    EXPECT_EQ(w->setup()->windowTitle(), own);

    QTest::keyClicks(w->setup()->txtHeader[0], "!");
    w->mnuFileSave->trigger();
    EXPECT_TRUE(t.dialogs.saveRequests.size() == 1u && !app.Document.Modified());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Family calendar!"));
}

TEST_F(MainWindow, ToolbarButtonsRunTheirCommands) {
    load();
    w->runTool(ToolId::DeleteEntry);
    w->runTool(ToolId::EditEntry);
    EXPECT_EQ(messages(),
              QStringList({"No entry is currently selected.", "Select one entry to be edited."}));
    w->runTool(ToolId::SaveCalendar); // nothing unsaved: Save As
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);

    unsavedCalendar();
    for (int row : {0, 1})
        w->setup()->lstEvents->setCurrentRow(row, QItemSelectionModel::Select);
    w->runTool(ToolId::EditEntry);
    EXPECT_EQ(messages().last(), "Select one entry to be edited.");
    app.Options.ConfirmDelete = "False";
    w->runTool(ToolId::DeleteEntry);
    EXPECT_EQ(w->setup()->lstEvents->count(), 0);

    app.Document.FileName = t.path("tool.qvf");
    w->runTool(ToolId::SaveCalendar); // unsaved with a file: Save
    EXPECT_TRUE(QFile::exists(t.path("tool.qvf")));
    w->runTool(ToolId::OpenCalendar);
    EXPECT_EQ(t.dialogs.openRequests.size(), 1u);
}

// A toolbar button never does nothing silently: while its command is not available it
// looks disabled, like the menu item or the setup window's button it stands for.
TEST_F(MainWindow, ToolbarButtonsAreDisabledWhileTheirCommandIs) {
    load();
    app.Document = sampleCalendar();
    w->refreshAfterRead();
    const Toolbar& bar = *w->toolbar();
    const int options = int(ToolId::Options), add = int(ToolId::AddEntry);
    for (const bool available : {false, true}) {
        w->mnuViewOpt->setEnabled(available);
        EXPECT_EQ(bar.toolEnabled(options), available);
    }
    EXPECT_TRUE(bar.toolEnabled(add));
    for (int row : {0, 1})
        w->setup()->lstEvents->setCurrentRow(row, QItemSelectionModel::Select);
    EXPECT_FALSE(bar.toolEnabled(add)); // Add needs one line at most, as the setup window's
    w->setup()->lstEvents->clearSelection();
    EXPECT_TRUE(bar.toolEnabled(add));
    EXPECT_TRUE(bar.toolEnabled(int(ToolId::ResortEntries)));
}

TEST_F(MainWindow, TextBoxesKeepTheirEditingKeys) {
    load();
    QApplication::setActiveWindow(w.get());
    QLineEdit* title = w->setup()->txtTitle;
    title->setFocus();
    title->deselect();
    QTest::keyClick(title, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(title->selectedText(), "[Untitled]");
    EXPECT_TRUE(t.dialogs.saveRequests.empty());

    // Outside a text box the same keys are the menu's.
    QListWidget* list = w->setup()->lstEvents;
    list->setFocus();
    QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.saveRequests.size(), 1u);
    QTest::keyClick(list, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(t.dialogs.openRequests.size(), 1u);
}

TEST_F(MainWindow, ClosingWithUnsavedChangesAsksAndCancelKeepsEverything) {
    load();
    unsavedCalendar();
    t.dialogs.answerNext(Answer::Cancel);
    w->close();
    EXPECT_TRUE(w->isVisible());
    EXPECT_TRUE(app.Document.sameContent(sampleCalendar()));
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(MainWindow, ClosingWithTheTrayShownKeepsTheProgramInTheTray) {
    load();
    unsavedCalendar();
    t.dialogs.answerNext(Answer::No);
    w->close();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(w->tray()->isLoaded());
    QCoreApplication::processEvents();
    EXPECT_EQ(w->setup(), nullptr);
    EXPECT_TRUE(app.Document.sameContent(CalendarDocument{}));
    EXPECT_FALSE(app.Document.Modified());

    w->DisplaySetup();
    EXPECT_TRUE(w->isVisible());
    ASSERT_NE(w->setup(), nullptr);
    EXPECT_EQ(w->setup()->txtTitle->text(), "[Untitled]");
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
}

TEST_F(MainWindow, ClosingEndsTheProgramWithoutTheTraySettingOrWithoutATray) {
    app.Tray.Display = "False";
    load();
    EXPECT_FALSE(w->tray()->isLoaded());
    w->close();
    EXPECT_EQ(ended->count(), 1);

    app.Tray.Display = "True";
    load(false);
    w->close();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(w->tray()->isLoaded());
}

TEST_F(MainWindow, StartingIntoTheTrayNeedsATray) {
    app.CommandLine = "/tray";
    app.Tray.Display = "False";
    load();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->setup(), nullptr);
    EXPECT_TRUE(w->tray()->isLoaded());
    EXPECT_EQ(app.Tray.Display, "True");

    app.Tray.Display = "False";
    load(false);
    EXPECT_TRUE(w->isVisible());
    EXPECT_NE(w->setup(), nullptr);
}

TEST_F(MainWindow, TrayCloseEndsTheProgramWithoutStoringTheSetting) {
    app.CommandLine = "/tray";
    load();
    w->mnuTrayClose->trigger();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_EQ(app.Tray.Display, "0");
    EXPECT_EQ(t.store.value(QStringLiteral("Software\\Daylark\\Tray"), QStringLiteral("Display"))
                  .toString(),
              "True");
}

TEST_F(MainWindow, TrayDoubleClickBringsTheSetupBack) {
    load(); // in tray mode a double-click opens the desktop calendar instead
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(w->isVisible());
    EXPECT_NE(w->setup(), nullptr);
    EXPECT_FALSE(w->mnuFileSave->isEnabled());
}

TEST_F(MainWindow, EitherMouseButtonOnTheTrayIconOpensTheMenu) {
    load();
    QSignalSpy shown(w->tray(), &frmTray::menuShown);
    w->tray()->handleActivation(QSystemTrayIcon::Context);
    EXPECT_EQ(shown.count(), 1);
    w->mnuTray->hide();
    w->tray()->handleActivation(QSystemTrayIcon::Trigger);
    EXPECT_TRUE(shown.wait(2000));
    w->mnuTray->hide();
    // The first click of a double-click does not open the menu.
    w->tray()->handleActivation(QSystemTrayIcon::Trigger);
    w->tray()->handleActivation(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(shown.wait(QApplication::doubleClickInterval() + 200));
}

TEST_F(MainWindow, HelpOpensInAWindowOwnedByTheMainWindow) {
    load();
    w->mnuHelpCont->trigger();
    ASSERT_NE(w->helpWindow(), nullptr);
    EXPECT_TRUE(w->helpWindow()->isVisible());
    EXPECT_EQ(w->helpWindow()->parentWidget(), w.get());
}

} // namespace

namespace {

TEST_F(MainWindow, TheCalendarViewFollowsTheSetupWindowAndClosesIntoTheTray) {
    load();
    EXPECT_TRUE(w->mnuFilePrint->isEnabled());
    EXPECT_TRUE(w->mnuFilePgSetup->isEnabled());
    w->mnuViewCal->trigger();
    frmCalendar* view = w->calendarView();
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(app.CalendarViewOpen);
    w->mnuViewCal->trigger(); // a second time: the same view
    EXPECT_EQ(w->calendarView(), view);

    w->setup()->vsbDispYr->setNumber(2031);
    EXPECT_EQ(view->lblYear->text(), "2031");
    w->setup()->txtTitle->setText("Ours");
    emit w->setup()->txtTitle->textEdited("Ours");
    EXPECT_EQ(view->windowTitle(), "Daylark - Ours");

    t.dialogs.answerNext(Answer::No);
    w->close(); // into the tray: child windows are unloaded
    EXPECT_FALSE(app.CalendarViewOpen);
    EXPECT_EQ(w->calendarView(), nullptr);
}

} // namespace
