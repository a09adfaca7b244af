#include "MainWindowFixture.h"
#include "document/CalendarFormat.h"
#include "drawing/windows/CalendarView.h"
#include "platform/widgets/UpDownBar.h"
#include "settings/WindowPlaces.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

// The main window's habits from other desktop programs: recent calendars in the File menu,
// windows that come back where they were, one-line reports in the status bar, double-click
// to edit and month steps in the calendar view. Today is 15 March 2027.

namespace {

class DesktopHabits : public MainWindowFixture {
  protected:
    void SetUp() override {
        MainWindowFixture::SetUp();
        app.Tray.Display = "False"; // closing ends the program, as at exit
    }
    // A new run of the program on the same stored preferences.
    frmMain& restart() {
        w.reset();
        app.Document = CalendarDocument{};
        return load();
    }
    QString calendar(const QString& name, const CalendarDocument& doc = sampleCalendar()) {
        QFile file(t.path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(formatCalendar(doc));
        return file.fileName();
    }
    void open(const QString& path) {
        t.dialogs.openNext(path);
        w->mnuFileOpen->trigger();
    }
    QStringList recentItems() const {
        QStringList shown;
        for (QAction* item : w->mnuFileRecent)
            if (item->isVisible()) shown << item->text();
        return shown;
    }
};

TEST_F(DesktopHabits, TheFileMenuListsTheLastFourCalendarsOpenedOrSavedNewestFirst) {
    load();
    EXPECT_TRUE(recentItems().isEmpty());
    for (const char* name : {"a.qvf", "b.qvf", "c.qvf", "d.qvf"})
        open(calendar(QLatin1String(name)));
    t.dialogs.saveNext(t.path("e"));
    w->mnuFileSaveAs->trigger();
    open(t.path("b.qvf"));
    const QStringList expected = {"&1 b.qvf", "&2 e.qvf", "&3 d.qvf", "&4 c.qvf"};
    EXPECT_EQ(recentItems(), expected);
    EXPECT_EQ(w->mnuFileRecent[1]->statusTip(), t.path("e.qvf"));
    restart();
    EXPECT_EQ(recentItems(), expected);
}

TEST_F(DesktopHabits, ARecentCalendarOpensAfterTheUnsavedChangesQuestion) {
    load();
    open(calendar("family.qvf"));
    open(calendar("other.qvf", CalendarDocument{}));
    app.Document.MarkModified();
    t.dialogs.answerNext(Answer::No);
    w->mnuFileRecent[1]->trigger();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(w->setup()->txtTitle->text(), "The Smiths 2027");
    EXPECT_EQ(w->setup()->lstEvents->count(), 2);
    EXPECT_EQ(recentItems(), QStringList({"&1 family.qvf", "&2 other.qvf"}));
}

TEST_F(DesktopHabits, ARecentCalendarThatNoLongerExistsIsDroppedWithAMessage) {
    load();
    const QString gone = calendar("gone.qvf");
    open(gone);
    open(calendar("kept.qvf"));
    QFile::remove(gone);
    w->mnuFileRecent[1]->trigger();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains("no longer exists"));
    EXPECT_EQ(recentItems(), QStringList{"&1 kept.qvf"});
    restart();
    EXPECT_EQ(recentItems(), QStringList{"&1 kept.qvf"});
}

TEST_F(DesktopHabits, TheMainWindowComesBackWithItsPlaceSizeAndMaximisedState) {
    load();
    w->setGeometry(QRect(60, 50, 640, 480));
    const QRect placed = w->geometry();
    w->close();
    EXPECT_EQ(restart().geometry(), placed);
    w->showMaximized();
    w->close();
    EXPECT_TRUE(restart().windowState() & Qt::WindowMaximized);
}

// Its default place would pin every later start to the screen's corner.
TEST_F(DesktopHabits, ARunThatStaysInTheTrayStoresNoPlaceForTheWindowItNeverShowed) {
    app.CommandLine = "/tray";
    load().CloseFromTray();
    EXPECT_FALSE(t.store.value("Software\\Daylark\\Options", "MainWindowPlace").isValid());
}

TEST_F(DesktopHabits, AStoredPlaceOffEveryScreenOrUnreadableIsIgnored) {
    QWidget elsewhere;
    elsewhere.setGeometry(QRect(9000, 7000, 500, 300));
    const QSize firstSize = load().size();
    for (const QByteArray& stored : {elsewhere.saveGeometry(), QByteArray("not a place")}) {
        StoreWindowPlace(t.store, "MainWindow", stored);
        restart();
        EXPECT_EQ(w->size(), firstSize);
        EXPECT_LT(w->x(), 1000);
    }
}

TEST_F(DesktopHabits, TheCalendarViewComesBackWhereItWas) {
    load();
    w->mnuViewCal->trigger();
    QMdiSubWindow* frame = qobject_cast<QMdiSubWindow*>(w->calendarView()->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->move(40, 30);
    const QRect placed = frame->geometry();
    frame->close();
    QCoreApplication::processEvents();
    w->mnuViewCal->trigger();
    frame = qobject_cast<QMdiSubWindow*>(w->calendarView()->parentWidget());
    EXPECT_EQ(frame->geometry(), placed);
    // Left open at exit, it is stored then.
    frame->move(20, 10);
    w->close();
    restart().mnuViewCal->trigger();
    EXPECT_EQ(w->calendarView()->parentWidget()->pos(), QPoint(20, 10));
}

TEST_F(DesktopHabits, AnImportSaysInTheStatusBarHowManyEntriesItAdded) {
    load();
    EXPECT_EQ(w->statusBar()->objectName(), "sbrStatus");
    t.dialogs.openNext(calendar("plants.qvf"));
    w->mnuFileImport->trigger();
    EXPECT_EQ(w->statusBar()->currentMessage(), "8 entries added from plants.qvf");
    EXPECT_TRUE(t.dialogs.messages.empty());
}

// The setup window alone: the editor that Edit opens would wait for the user.
TEST_F(DesktopHabits, DoubleClickingAnEntryEditsItAsEditWould) {
    app.Document = sampleCalendar();
    frmSetup window(app);
    window.Form_Load();
    window.show();
    frmSetup* setup = &window;
    QSignalSpy edits(setup, &frmSetup::editRequested);
    QListWidget* list = setup->lstEvents;
    const QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    ASSERT_EQ(edits.count(), 1);
    EXPECT_EQ(app.EditIndex, 1);
    // With two lines selected Edit is off, and so is the double-click.
    list->selectAll();
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_EQ(edits.count(), 1);
}

TEST_F(DesktopHabits, TheCalendarViewStepsMonthsAcrossYearEndsWithTheSetupWindowsYear) {
    load();
    w->mnuViewCal->trigger();
    frmCalendar* view = w->calendarView();
    view->cboMonth->setCurrentIndex(11);
    view->cmdNextMonth->click();
    EXPECT_EQ(view->cboMonth->currentText(), "January");
    EXPECT_EQ(app.DisplayYear, 2028);
    EXPECT_EQ(view->lblYear->text(), "2028");
    EXPECT_EQ(w->setup()->txtDispYr->text(), "2028");
    EXPECT_EQ(w->setup()->vsbDispYr->number(), 2028);

    QApplication::setActiveWindow(w.get());
    view->cboMonth->setFocus();
    QTest::keyClick(view->cboMonth, Qt::Key_PageUp);
    EXPECT_EQ(view->cboMonth->currentText(), "December");
    EXPECT_EQ(w->setup()->txtDispYr->text(), "2027");
    QTest::keyClick(view->cboMonth, Qt::Key_PageDown);
    EXPECT_EQ(view->cboMonth->currentText(), "January");

    w->setup()->vsbDispYr->setNumber(1980);
    EXPECT_FALSE(view->cmdPrevMonth->isEnabled());
    view->cmdPrevMonth->click();
    EXPECT_EQ(app.DisplayYear, 1980);
    view->cmdToday->click();
    EXPECT_EQ(view->cboMonth->currentText(), "March");
    EXPECT_EQ(w->setup()->txtDispYr->text(), "2027");
    EXPECT_TRUE(view->cmdPrevMonth->isEnabled());
}

} // namespace
