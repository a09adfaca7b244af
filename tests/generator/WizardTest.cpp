#include "generator/windows/SchedulerApp.h"
#include "generator/windows/SpinButton.h"
#include "generator/windows/frmQVFSched.h"
#include "generator/windows/frmStatus.h"
#include "platform/Clock.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <gtest/gtest.h>

using namespace qvfsch;

namespace {

// Today is Tuesday 5 January 2027 for every wizard below.
class Wizard : public testing::Test {
  protected:
    FixedClock clock{QDateTime(QDate(2027, 1, 5), QTime(9, 0))};
    ScriptedDialogs dialogs;
    std::unique_ptr<frmQVFSched> wizard = std::make_unique<frmQVFSched>(clock, dialogs);
    std::vector<GenerationResult> results;

    void SetUp() override {
        QObject::connect(wizard.get(), &frmQVFSched::finished,
                         [this](const GenerationResult& r) { results.push_back(r); });
        wizard->show();
    }

    template <class T> T* child(const QString& name) const {
        T* found = wizard->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    SpinButton* spinner(const char* name) const { return child<SpinButton>(name); }
    QString text(const char* name) const { return child<QLineEdit>(name)->text(); }
    QPushButton* next() const { return child<QPushButton>("cmdNext"); }
    QPushButton* back() const { return child<QPushButton>("cmdBack"); }
    QString heading() const { return child<QLabel>("lblTitle")->text(); }
    bool showing(const char* panel) const { return child<QWidget>(panel)->isVisible(); }

    // suffix "Start" or "End".
    void setDate(const QString& suffix, int year, int month, int day) {
        spinner(qPrintable("vsbYear" + suffix))->setValue(year);
        child<QComboBox>("cboMonth" + suffix)->setCurrentIndex(month - 1);
        spinner(qPrintable("vsbDate" + suffix))->setValue(day);
    }
    void toFrequencyPage() {
        setDate("End", 2027, 3, 3);
        next()->click();
        ASSERT_EQ(wizard->page(), frmQVFSched::Page::Frequency);
    }
    void chooseWeekly(std::initializer_list<int> days) {
        child<QRadioButton>("optDays(1)")->click();
        for (const int day : days)
            child<QCheckBox>(QStringLiteral("chkWeekly(%1)").arg(day))->click();
    }
    void toNamePage() {
        toFrequencyPage();
        next()->click();
        ASSERT_EQ(wizard->page(), frmQVFSched::Page::EventName);
    }
    // The user types text into a box and leaves it.
    void type(const char* box, const QString& text) {
        auto* edit = child<QLineEdit>(box);
        edit->setText(text);
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(edit, &out);
    }
    QStringList messageTitles() const {
        QStringList titles;
        for (const auto& m : dialogs.messages)
            titles << m.title;
        return titles;
    }
};

} // namespace

TEST_F(Wizard, StartsOnTheDateSpanPageWithBothDatesToday) {
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("QVF Scheduler"));
    EXPECT_EQ(heading(), QStringLiteral("Select a date span for the event"));
    EXPECT_TRUE(showing("picDateSpan"));
    EXPECT_FALSE(showing("picFreq"));
    EXPECT_FALSE(showing("picEventName"));
    EXPECT_FALSE(back()->isEnabled());
    EXPECT_EQ(back()->text(), QStringLiteral("< Back"));
    EXPECT_EQ(next()->text(), QStringLiteral("Next >"));
    for (const QString suffix : {"Start", "End"}) {
        auto* months = child<QComboBox>("cboMonth" + suffix);
        ASSERT_EQ(months->count(), 12);
        EXPECT_EQ(months->itemText(0), QStringLiteral("January"));
        EXPECT_EQ(months->itemText(11), QStringLiteral("December"));
        EXPECT_EQ(months->currentText(), QStringLiteral("January"));
        EXPECT_EQ(text(qPrintable("txtDate" + suffix)), QStringLiteral("5"));
        EXPECT_EQ(text(qPrintable("txtYear" + suffix)), QStringLiteral("2027"));
        EXPECT_EQ(spinner(qPrintable("vsbYear" + suffix))->minimum(), 1995);
        EXPECT_EQ(spinner(qPrintable("vsbYear" + suffix))->maximum(), 2099);
    }
    EXPECT_EQ(text("txtDaily"), QStringLiteral("1"));
    EXPECT_TRUE(child<QRadioButton>("optDays(0)")->isChecked());
}

TEST(WizardStart, TodayOutsideTheYearsStartsAtTheNearestYearOffered) {
    ScriptedDialogs dialogs;
    FixedClock late(QDateTime(QDate(2150, 6, 15), QTime(9, 0)));
    frmQVFSched lateWizard(late, dialogs);
    EXPECT_EQ(lateWizard.request().start.year, 2099);
    FixedClock leapDay(QDateTime(QDate(2028, 2, 29), QTime(9, 0)));
    frmQVFSched leapWizard(leapDay, dialogs);
    EXPECT_EQ(leapWizard.request().end.day, 29);
    EXPECT_EQ(leapWizard.findChild<QLineEdit*>("txtDateEnd")->text(), QStringLiteral("29"));
}

TEST_F(Wizard, SpinnersRaiseWithTheUpArrowAndShowTheirValue) {
    auto* day = spinner("vsbDateStart");
    QTest::mouseClick(day->findChild<QWidget*>("up"), Qt::LeftButton);
    EXPECT_EQ(day->value(), 6);
    EXPECT_EQ(text("txtDateStart"), QStringLiteral("6"));
    QTest::mouseClick(day->findChild<QWidget*>("down"), Qt::LeftButton);
    QTest::mouseClick(day->findChild<QWidget*>("down"), Qt::LeftButton);
    EXPECT_EQ(text("txtDateStart"), QStringLiteral("4"));
    spinner("vsbDaily")->setValue(40);
    EXPECT_EQ(text("txtDaily"), QStringLiteral("31"));
}

TEST_F(Wizard, TheDayFollowsTheLengthOfTheMonth) {
    setDate("Start", 1996, 2, 29);
    EXPECT_EQ(spinner("vsbDateStart")->maximum(), 29);
    EXPECT_EQ(text("txtDateStart"), QStringLiteral("29"));
    spinner("vsbYearStart")->setValue(1997);
    EXPECT_EQ(spinner("vsbDateStart")->maximum(), 28);
    EXPECT_EQ(text("txtDateStart"), QStringLiteral("28"));
    EXPECT_EQ(text("txtYearStart"), QStringLiteral("1997"));
    spinner("vsbYearStart")->setValue(2000);
    EXPECT_EQ(spinner("vsbDateStart")->maximum(), 29);
    // The end date is a group of its own.
    setDate("End", 2027, 3, 31);
    child<QComboBox>("cboMonthEnd")->setCurrentIndex(3); // April
    EXPECT_EQ(text("txtDateEnd"), QStringLiteral("30"));
    EXPECT_EQ(spinner("vsbDateStart")->maximum(), 29);
}

TEST_F(Wizard, TypedDaysAndYearsAreTakenWhenTheBoxIsLeft) {
    for (const char* box : {"txtDateEnd", "txtYearEnd", "txtDaily"}) {
        EXPECT_FALSE(child<QLineEdit>(box)->isReadOnly()) << box;
        EXPECT_NE(child<QLineEdit>(box)->focusPolicy(), Qt::NoFocus) << box;
    }
    child<QComboBox>("cboMonthEnd")->setCurrentIndex(2); // March
    type("txtDateEnd", "31");
    EXPECT_EQ(spinner("vsbDateEnd")->value(), 31);
    type("txtYearEnd", " 2030");
    EXPECT_EQ(spinner("vsbYearEnd")->value(), 2030);
    EXPECT_EQ(text("txtYearEnd"), "2030");
    // The typed year sets February's length before a typed 29 is checked against it.
    child<QComboBox>("cboMonthStart")->setCurrentIndex(1);
    type("txtYearStart", "2028");
    type("txtDateStart", "29");
    EXPECT_EQ(wizard->request().start.spanDate(), 20280229);
}

TEST_F(Wizard, ATypedValueTheSpinnerCannotHoldKeepsTheSpinnersValue) {
    struct Case {
        const char* box;
        const char* spinner;
        const char* typed;
    };
    // Today is 5 January 2027; the step is 1.
    const Case cases[] = {
        {"txtDateStart", "vsbDateStart", "32"},   {"txtDateStart", "vsbDateStart", "0"},
        {"txtDateStart", "vsbDateStart", "abc"},  {"txtYearStart", "vsbYearStart", "1994"},
        {"txtYearStart", "vsbYearStart", "2100"}, {"txtDaily", "vsbDaily", "32"}};
    for (const Case& c : cases) {
        const int before = spinner(c.spinner)->value();
        type(c.box, QLatin1String(c.typed));
        EXPECT_EQ(spinner(c.spinner)->value(), before) << c.typed;
        EXPECT_EQ(text(c.box), QString::number(before)) << c.typed;
    }
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Wizard, EnterTakesWhatIsTypedInTheBoxItIsPressedIn) {
    child<QLineEdit>("txtDateEnd")->setText("20"); // not left: Enter comes first
    QTest::keyClick(wizard.get(), Qt::Key_Return);
    EXPECT_EQ(wizard->page(), frmQVFSched::Page::Frequency);
    EXPECT_EQ(wizard->request().end.spanDate(), 20270120);
}

TEST_F(Wizard, TheWizardAndTheStatusWindowCarryTheSchedulersIcon) {
    EXPECT_FALSE(wizard->windowIcon().isNull());
    QRandomGenerator random(1);
    frmStatus status(dialogs, random);
    EXPECT_FALSE(status.windowIcon().isNull());
}

TEST_F(Wizard, TheEndMustBeAtLeastOneDayAfterTheStart) {
    next()->click(); // both today
    setDate("End", 2026, 12, 31);
    next()->click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Invalid span of dates.\nEnding date must be at least one day later "
                             "than starting date."));
    EXPECT_EQ(messageTitles(), QStringList({"Kestral scheduler", "Kestral scheduler"}));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(wizard->page(), frmQVFSched::Page::DateSpan);
    EXPECT_FALSE(back()->isEnabled());

    setDate("End", 2027, 1, 6);
    next()->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(showing("picFreq"));
    EXPECT_FALSE(showing("picDateSpan"));
    EXPECT_EQ(heading(), QStringLiteral("Schedule the frequency of the event"));
    EXPECT_TRUE(back()->isEnabled());
}

TEST_F(Wizard, ChoosingTheRepetitionSwapsPanelsAndResetsThem) {
    toFrequencyPage();
    EXPECT_TRUE(showing("picDaily"));
    EXPECT_FALSE(showing("picWeekly"));
    spinner("vsbDaily")->setValue(7);
    EXPECT_EQ(wizard->request().frequencySpec, QStringLiteral("D07"));
    chooseWeekly({1, 5});
    EXPECT_FALSE(showing("picDaily"));
    EXPECT_TRUE(showing("picWeekly"));
    EXPECT_EQ(wizard->request().frequencySpec, QStringLiteral("W0100010"));
    child<QRadioButton>("optDays(0)")->click();
    EXPECT_EQ(text("txtDaily"), QStringLiteral("1"));
    EXPECT_EQ(wizard->request().frequencySpec, QStringLiteral("D01"));
    chooseWeekly({});
    EXPECT_EQ(wizard->request().frequencySpec, QStringLiteral("W0000000"));
}

TEST_F(Wizard, WeeklyWithoutAWeekdayStaysOnPageTwo) {
    toFrequencyPage();
    chooseWeekly({});
    next()->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Please select days of the week for the event to occur on."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Kestral Scheduler"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(wizard->page(), frmQVFSched::Page::Frequency);
}

TEST_F(Wizard, FinishIsEnabledOnlyWithANameAndBackRestoresNext) {
    toNamePage();
    EXPECT_EQ(heading(), QStringLiteral("Enter the event's display name"));
    EXPECT_EQ(next()->text(), QStringLiteral("Finish"));
    EXPECT_FALSE(next()->isEnabled());
    auto* name = child<QLineEdit>("txtEventName");
    QTest::keyClicks(name, "Gym");
    EXPECT_TRUE(next()->isEnabled());
    name->clear();
    EXPECT_FALSE(next()->isEnabled());

    back()->click();
    EXPECT_EQ(wizard->page(), frmQVFSched::Page::Frequency);
    EXPECT_EQ(next()->text(), QStringLiteral("Next >"));
    EXPECT_TRUE(next()->isEnabled());
    EXPECT_TRUE(back()->isEnabled());
    next()->click();
    EXPECT_FALSE(next()->isEnabled());
    back()->click();
    back()->click();
    EXPECT_EQ(wizard->page(), frmQVFSched::Page::DateSpan);
    EXPECT_EQ(heading(), QStringLiteral("Select a date span for the event"));
    EXPECT_FALSE(back()->isEnabled());
    EXPECT_EQ(text("txtDateEnd"), QStringLiteral("3")); // values stay while moving back
    EXPECT_TRUE(results.empty());
}

TEST_F(Wizard, FinishHandsOnTheEntriesAndTheSummary) {
    toFrequencyPage();
    spinner("vsbDaily")->setValue(3);
    next()->click();
    QTest::keyClicks(child<QLineEdit>("txtEventName"), "Water the plants");
    QTest::keyClick(child<QLineEdit>("txtEventName"), Qt::Key_Return); // Enter presses Finish
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].events.size(), 20u);
    EXPECT_EQ(results[0].events.front().Date, QStringLiteral("01052027"));
    EXPECT_EQ(results[0].events.back().Date, QStringLiteral("03032027"));
    EXPECT_EQ(results[0].name, QStringLiteral("Water the plants"));
    EXPECT_EQ(results[0].summary,
              QStringLiteral("Events occur between January 5, 2027 and March 3, 2027 every 3 "
                             "day(s)."));
    EXPECT_TRUE(dialogs.messages.empty());
}

// Text pasted into the name box may carry line breaks, tabs or escapes: they arrive as spaces,
// so the name can be saved and shows on one line.
TEST_F(Wizard, ControlCharactersInAPastedNameBecomeSpaces) {
    toNamePage();
    auto* name = child<QLineEdit>("txtEventName");
    QGuiApplication::clipboard()->setText(QStringLiteral("Team\nmeeting\tweekly\x1b\u2028"));
    name->paste();
    EXPECT_EQ(name->text(), QStringLiteral("Team meeting weekly  "));
    name->insert(QStringLiteral("\r\nاجتماع"));
    EXPECT_EQ(name->text(), QStringLiteral("Team meeting weekly    اجتماع"));
    QTest::keyClick(name, Qt::Key_Return);
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0].name, QStringLiteral("Team meeting weekly    اجتماع"));
}

TEST_F(Wizard, NoMatchingWeekdaySaysSoAndCloses) {
    setDate("End", 2027, 1, 9); // Tuesday to Saturday: no Sunday
    next()->click();
    chooseWeekly({0});
    next()->click();
    QTest::keyClicks(child<QLineEdit>("txtEventName"), "Church");
    next()->click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("No data created."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Kestral Scheduler"));
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_TRUE(results.empty());
}

TEST(SchedulerApp, FinishReplacesTheWizardWithTheStatusWindow) {
    FixedClock clock(QDateTime(QDate(2027, 1, 5), QTime(9, 0)));
    ScriptedDialogs dialogs;
    QRandomGenerator random(3);
    SchedulerApp app(clock, dialogs, random);
    app.start();
    frmQVFSched* wizard = app.wizard();
    ASSERT_TRUE(wizard->isVisible());
    wizard->findChild<SpinButton*>("vsbDateEnd")->setValue(12); // Tuesday 5 to Tuesday 12 January
    wizard->findChild<QPushButton*>("cmdNext")->click();
    wizard->findChild<QRadioButton*>("optDays(1)")->click();
    wizard->findChild<QCheckBox*>("chkWeekly(1)")->click(); // Monday
    wizard->findChild<QCheckBox*>("chkWeekly(3)")->click(); // Wednesday
    wizard->findChild<QPushButton*>("cmdNext")->click();
    QTest::keyClicks(wizard->findChild<QLineEdit*>("txtEventName"), "Swim");
    wizard->findChild<QPushButton*>("cmdNext")->click();

    ASSERT_NE(app.status(), nullptr);
    EXPECT_TRUE(app.status()->isVisible());
    EXPECT_FALSE(wizard->isVisible());
    EXPECT_EQ(app.status()->findChild<QLineEdit*>("txtEventName")->text(), QStringLiteral("Swim"));
    EXPECT_EQ(app.status()->findChild<QLineEdit*>("txtEntries")->text(), QStringLiteral("2"));
    EXPECT_EQ(app.status()->findChild<QLabel*>("lblStatus")->text(),
              QStringLiteral("Events occur between January 5, 2027 and January 12, 2027 every "
                             "Monday, Wednesday of every week."));
}
