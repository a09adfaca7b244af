#include "document/windows/SetupWindow.h"
#include "document/CalendarFormat.h"
#include "platform/widgets/ClickableLabel.h"
#include "platform/widgets/UpDownBar.h"
#include "shell/StartUp.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SetupWindow : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    std::unique_ptr<frmSetup> w;

    void SetUp() override { StartUp(app); }
    frmSetup& load() {
        w = std::make_unique<frmSetup>(app);
        w->Form_Load();
        w->show();
        return *w;
    }
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(t.path(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }
    void select(std::initializer_list<int> rows) {
        w->lstEvents->clearSelection();
        for (int row : rows) {
            w->lstEvents->setCurrentRow(row, QItemSelectionModel::Select);
        }
    }
    bool highlighted(int kind) {
        return w->lblEvent[kind]->palette().color(QPalette::Window) ==
               w->palette().color(QPalette::Highlight);
    }
};

TEST_F(SetupWindow, LoadShowsTodaysYearAndTheBirthdays) {
    app.Document = sampleCalendar();
    load();
    EXPECT_EQ(app.DisplayYear, 2027);
    EXPECT_EQ(w->txtDispYr->text(), "2027");
    EXPECT_EQ(w->vsbDispYr->number(), 2027);
    EXPECT_EQ(app.ShownKind, EntryKind::Birthday);
    EXPECT_EQ(w->lstEvents->count(), 2);
    EXPECT_EQ(w->lstEvents->item(0)->text(), "March 7, 1961 - Ann Smith");
    EXPECT_EQ(w->txtHeader[0]->text(), "Family calendar"); // the whole calendar shows
    EXPECT_TRUE(highlighted(0));
    EXPECT_FALSE(highlighted(1));
    EXPECT_EQ(w->windowTitle(), "Daylark Setup");
    EXPECT_TRUE(w->cmdAdd->isEnabled());
    EXPECT_FALSE(w->cmdEdit->isEnabled());
    EXPECT_FALSE(w->cmdDelete->isEnabled());
}

TEST_F(SetupWindow, LoadReadsTheCalendarOnTheCommandLineQuotedOrNot) {
    const QString path = write("with space.qvf", formatCalendar(sampleCalendar()));
    for (const QString& commandLine : {u'"' + path + u'"', path}) {
        app.Document = CalendarDocument{};
        app.CommandLine = commandLine;
        load();
        EXPECT_EQ(app.Document.FileName, path);
        EXPECT_EQ(w->txtTitle->text(), "The Smiths 2027");
        EXPECT_EQ(app.Document.HeaderLine2, "Printed for Grandma");
        EXPECT_EQ(w->windowTitle(), path);
        EXPECT_FALSE(app.Document.Modified());
    }
}

TEST_F(SetupWindow, TraySwitchReadsNoFileAndAnUnreadableFileLeavesAnEmptyCalendar) {
    app.CommandLine = "/tray";
    load();
    EXPECT_TRUE(app.Document.FileName.isEmpty());
    EXPECT_TRUE(t.dialogs.messages.empty());

    app.CommandLine = t.path("missing.qvf");
    load();
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(w->txtTitle->text(), "[Untitled]");
    EXPECT_EQ(w->windowTitle(), "Daylark Setup");
}

TEST_F(SetupWindow, KindLabelsAndIconsSwitchTheList) {
    app.Document = sampleCalendar();
    load();
    QTest::mouseClick(w->lblEvent[2], Qt::LeftButton);
    EXPECT_EQ(app.ShownKind, EntryKind::FloatingHoliday);
    EXPECT_EQ(w->lstEvents->item(0)->text(), "Fourth Thursday of November - Thanksgiving");
    EXPECT_TRUE(highlighted(2));
    EXPECT_FALSE(highlighted(0));
    QTest::mouseClick(w->imgEvent[4], Qt::LeftButton);
    EXPECT_EQ(app.ShownKind, EntryKind::Other);
    EXPECT_EQ(w->lstEvents->count(), 1);
    QTest::mouseClick(w->lblEvent[3], Qt::LeftButton);
    EXPECT_EQ(w->lstEvents->item(0)->text(), "June 15, 1985 - Wedding");
}

TEST_F(SetupWindow, SelectionDecidesAddEditAndDelete) {
    app.Document = sampleCalendar();
    load();
    select({0});
    EXPECT_TRUE(w->cmdAdd->isEnabled() && w->cmdEdit->isEnabled() && w->cmdDelete->isEnabled());
    select({0, 1});
    EXPECT_FALSE(w->cmdAdd->isEnabled());
    EXPECT_FALSE(w->cmdEdit->isEnabled());
    EXPECT_TRUE(w->cmdDelete->isEnabled());
    w->lstEvents->setCurrentRow(1, QItemSelectionModel::Deselect);
    EXPECT_TRUE(w->cmdAdd->isEnabled() && w->cmdEdit->isEnabled());
}

TEST_F(SetupWindow, DeleteRemovesTheSelectedLinesAfterConfirmation) {
    for (const char* n : {"e0", "e1", "e2", "e3", "e4"})
        app.Document.OtherEvents.append(other("01012027", QLatin1String(n)));
    load();
    QTest::mouseClick(w->lblEvent[4], Qt::LeftButton);
    select({1, 3});
    t.dialogs.answerNext(Answer::No);
    w->cmdDelete->click();
    EXPECT_EQ(w->lstEvents->count(), 5);
    EXPECT_FALSE(app.Document.Modified());

    t.dialogs.answerNext(Answer::Yes);
    w->cmdDelete->click();
    ASSERT_EQ(w->lstEvents->count(), 3);
    EXPECT_EQ(w->lstEvents->item(1)->text(), "January 1, 2027 - e2");
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_EQ(t.views.redraws, 1);
    EXPECT_FALSE(w->cmdDelete->isEnabled());

    app.Options.ConfirmDelete = "False";
    select({0, 1, 2});
    w->cmdDelete->click();
    EXPECT_EQ(w->lstEvents->count(), 0);
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
}

TEST_F(SetupWindow, EditSetsTheIndexAndAsksForTheEditor) {
    app.Document = sampleCalendar();
    load();
    QSignalSpy spy(w.get(), &frmSetup::editRequested);
    select({1});
    w->cmdEdit->click();
    EXPECT_EQ(app.EditIndex, 1);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).value<EntryKind>(), EntryKind::Birthday);
}

TEST_F(SetupWindow, EditTakesTheSelectedLineNotTheOneWithTheFocus) {
    for (const char* n : {"e0", "e1", "e2", "e3"})
        app.Document.OtherEvents.append(other("01012027", QLatin1String(n)));
    load();
    QTest::mouseClick(w->lblEvent[4], Qt::LeftButton);
    QSignalSpy spy(w.get(), &frmSetup::editRequested);
    auto click = [this](int row, Qt::KeyboardModifiers keys) {
        const QRect line = w->lstEvents->visualItemRect(w->lstEvents->item(row));
        QTest::mouseClick(w->lstEvents->viewport(), Qt::LeftButton, keys, line.center());
    };
    click(1, Qt::NoModifier);
    click(3, Qt::ControlModifier);
    click(3, Qt::ControlModifier); // e3 has the focus again, but is no longer selected
    ASSERT_EQ(w->lstEvents->currentRow(), 3);
    ASSERT_TRUE(w->cmdEdit->isEnabled());
    w->cmdEdit->click();
    EXPECT_EQ(app.EditIndex, 1);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(SetupWindow, TypingInTheTitleAndHeadersChangesTheCalendar) {
    load();
    w->txtTitle->selectAll();
    QTest::keyClick(w->txtTitle, Qt::Key_Backspace);
    EXPECT_EQ(w->txtTitle->text(), "[Untitled]");
    EXPECT_TRUE(app.Document.Modified());
    w->txtTitle->clear();
    QTest::keyClicks(w->txtTitle, "Ours");
    EXPECT_EQ(app.Document.CalendarTitle, "Ours");
    QTest::keyClicks(w->txtHeader[1], "second");
    EXPECT_EQ(app.Document.HeaderLine2, "second");
    EXPECT_TRUE(app.Document.HeaderLine1.isEmpty());
}

TEST_F(SetupWindow, DisplayYearIsCheckedWhenTheBoxLosesTheFocus) {
    load();
    QSignalSpy redraws(w.get(), &frmSetup::displayYearChanged);
    struct Case {
        const char* typed;
        int year;
        bool message;
    };
    for (const Case& c :
         {Case{"1995", 1995, false}, Case{"2099", 2099, false}, Case{"1980", 1980, false},
          Case{"1979", 2027, true}, Case{"2100", 2027, true}, Case{"7x", 2027, true},
          Case{"ab", 2027, true}, Case{"", 2027, true}}) {
        t.dialogs.messages.clear();
        w->txtDispYr->setText(QLatin1String(c.typed));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w->txtDispYr, &out);
        EXPECT_EQ(app.DisplayYear, c.year) << c.typed;
        EXPECT_EQ(w->txtDispYr->text(), QString::number(c.year)) << c.typed;
        ASSERT_EQ(t.dialogs.messages.size(), c.message ? 1u : 0u) << c.typed;
        if (c.message) {
            EXPECT_EQ(t.dialogs.messages[0].text,
                      "Invalid year. Please enter a value between 1980 and 2099.");
        }
    }
    EXPECT_GT(redraws.count(), 0);
}

TEST_F(SetupWindow, TheYearBarsUpArrowRaisesTheYear) {
    load();
    w->vsbDispYr->triggerAction(QAbstractSlider::SliderSingleStepSub); // the up arrow
    EXPECT_EQ(app.DisplayYear, 2028);
    EXPECT_EQ(w->txtDispYr->text(), "2028");
    w->vsbDispYr->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w->vsbDispYr->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(app.DisplayYear, 2026);
    w->vsbDispYr->setNumber(2099);
    w->vsbDispYr->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(app.DisplayYear, 2099);
}

} // namespace
