#include "editors/windows/HolidayEditor.h"
#include "EditorFixture.h"

#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <cstdlib>

namespace {

using HolidayEditor = EditorTest;

TEST_F(HolidayEditor, OpensOnAFixedFirstOfJanuaryWithoutAYear) {
    auto w = adding<frmHoliday>(EntryKind::Holiday);
    EXPECT_EQ(w->windowTitle(), "Add Holiday");
    EXPECT_EQ(w->txtDate->text(), "1");
    EXPECT_TRUE(w->optDate[0]->isChecked());
    EXPECT_TRUE(w->optDate[1]->isEnabled());
    EXPECT_TRUE(w->txtDate->isEnabled());
    EXPECT_FALSE(w->cboWeek->isEnabled());
    EXPECT_FALSE(w->cboDay->isEnabled());
    EXPECT_FALSE(w->vsbYear->isVisible());
    EXPECT_EQ(w->findChild<QLineEdit*>("txtYear"), nullptr);
}

TEST_F(HolidayEditor, FebruaryAlwaysHasTwentyEightDays) {
    auto w = adding<frmHoliday>(EntryKind::Holiday);
    w->vsbDate->setNumber(30);
    w->cboMonth->setCurrentIndex(1);
    EXPECT_EQ(w->txtDate->text(), "28");
    EXPECT_EQ(w->vsbDate->highest(), 28);
    type(w->txtDate, "29");
    EXPECT_EQ(w->txtDate->text(), "1");
}

TEST_F(HolidayEditor, SwitchingBetweenFixedAndFloatingKeepsTheValues) {
    auto w = adding<frmHoliday>(EntryKind::Holiday);
    w->vsbDate->setNumber(17);
    w->optDate[1]->click();
    EXPECT_FALSE(w->txtDate->isEnabled());
    EXPECT_FALSE(w->vsbDate->isEnabled());
    EXPECT_TRUE(w->cboWeek->isEnabled() && w->cboDay->isEnabled());
    w->cboWeek->setCurrentIndex(2);
    w->optDate[0]->click();
    EXPECT_EQ(w->txtDate->text(), "17");
    EXPECT_EQ(w->cboWeek->currentIndex(), 2);
    EXPECT_TRUE(w->txtDate->isEnabled());
}

TEST_F(HolidayEditor, FloatingRulesAreStoredAsWeekAndWeekdayCharacters) {
    listing(EntryKind::FloatingHoliday);
    struct Case {
        int month, week, day;
        const char* monthField;
        const char* rule;
        const char* line;
    };
    const Case cases[] = {{11, 3, 4, "11", "44", "Fourth Thursday of November - N"},
                          {5, 4, 6, "05", "L6", "Last Saturday of May - N"},
                          {1, 0, 0, "01", "10", "First Sunday of January - N"}};
    for (const Case& c : cases) {
        auto w = adding<frmHoliday>(EntryKind::FloatingHoliday, AddOrigin::EntryList);
        EXPECT_FALSE(w->optDate[0]->isEnabled());
        EXPECT_TRUE(w->optDate[1]->isChecked());
        w->txtName->setText("N");
        w->cboMonth->setCurrentIndex(c.month - 1);
        w->cboWeek->setCurrentIndex(c.week);
        w->cboDay->setCurrentIndex(c.day);
        w->cmdAdd->click();
        const FloatingHolidayEntry& stored =
            app.Document.FloatingHolidays[app.Document.FloatingHolidays.upperBound()];
        EXPECT_EQ(stored, floatingHoliday(c.monthField, c.rule, "N")) << c.line;
        EXPECT_EQ(listLines().constLast(), QLatin1String(c.line));
    }
    EXPECT_TRUE(app.Document.FixedHolidays.isEmpty());
}

TEST_F(HolidayEditor, FixedHolidaysStoreMonthAndDayAndAskWithTheNameAlone) {
    app.Options.ConfirmAdd = "True";
    listing(EntryKind::Holiday);
    auto w = adding<frmHoliday>(EntryKind::Holiday, AddOrigin::EntryList);
    EXPECT_FALSE(w->optDate[1]->isEnabled());
    w->txtName->setText("N");
    w->cboMonth->setCurrentIndex(6);
    w->vsbDate->setNumber(4);
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.FixedHolidays[0], fixedHoliday("0704", "N"));
    EXPECT_EQ(t.dialogs.messages.at(0).title, "Add Holiday");
    EXPECT_EQ(t.dialogs.messages.at(0).text,
              "Do you want to add the entry:\nJuly 4 - N\n\nDisplayed as:\nN");
    EXPECT_EQ(listLines(), QStringList({"July 4 - N"}));
    EXPECT_TRUE(app.Document.FloatingHolidays.isEmpty());
}

// A fixed holiday may last several days; changing it back to one day is kept too.
TEST_F(HolidayEditor, FixedHolidaysLastTheDaysChosen) {
    listing(EntryKind::Holiday);
    auto w = adding<frmHoliday>(EntryKind::Holiday, AddOrigin::EntryList);
    w->txtName->setText("Fair");
    w->cboMonth->setCurrentIndex(6);
    w->vsbDate->setNumber(10);
    w->spnDays->setValue(3);
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.FixedHolidays[0].Days, 3);
    EXPECT_EQ(listLines(), QStringList({"July 10 for 3 days - Fair"}));
    w.reset();
    auto e = editing<frmHoliday>(EntryKind::Holiday, 0);
    EXPECT_EQ(e->spnDays->value(), 3);
    e->spnDays->setValue(1);
    e->cmdAdd->click();
    EXPECT_EQ(app.Document.FixedHolidays[0].Days, 1);
}

TEST_F(HolidayEditor, RemainRefillsEveryListExactly) {
    app.Options.AfterAdd = "Remain";
    auto w = adding<frmHoliday>(EntryKind::Holiday);
    w->optDate[1]->click();
    for (const char* name : {"a", "b", "c"}) {
        w->txtName->setText(QLatin1String(name));
        w->cboWeek->setCurrentIndex(4);
        w->cboDay->setCurrentIndex(1);
        w->cmdAdd->click();
        EXPECT_EQ(w->cboMonth->count(), 12);
        EXPECT_EQ(w->cboWeek->count(), 5);
        EXPECT_EQ(w->cboDay->count(), 7);
        EXPECT_EQ(w->cboWeek->currentText(), "First");
        EXPECT_EQ(w->cboDay->currentText(), "Sunday");
        EXPECT_TRUE(w->optDate[1]->isChecked()); // the choice of date kind stays
    }
    EXPECT_EQ(app.Document.FloatingHolidays[2], floatingHoliday("01", "L1", "c"));
    EXPECT_EQ(w->cboWeek->itemText(4), "Last");
    EXPECT_EQ(w->cboDay->itemText(6), "Saturday");
}

// Each moving choice is stored as its rule in the floating holidays, named in the list by
// its rule; the controls that do not belong to the choice are off.
TEST_F(HolidayEditor, MovingChoicesAreStoredAsRules) {
    listing(EntryKind::FloatingHoliday);
    struct Case {
        int base, offset, month, day, weekday, observed;
        const char* rule;
        const char* line;
    };
    const Case cases[] = {
        {0, 1, 1, 1, 0, 0, "easter+1", "Easter + 1 - N"},
        {1, -2, 1, 1, 0, 0, "orthodox-2", "Orthodox Easter - 2 - N"},
        {2, 0, 5, 24, 1, 0, "onafter-mon-05-24", "Monday on or after May 24 - N"},
        {3, 0, 12, 26, 0, 1, "12-26/sun+1,sat+2",
         "December 26, on Monday when on a Sunday, on Monday when on a Saturday - N"},
    };
    for (const Case& c : cases) {
        auto w = adding<frmHoliday>(EntryKind::FloatingHoliday, AddOrigin::EntryList);
        w->optDate[2]->click();
        w->txtName->setText("N");
        w->cboMoving->setCurrentIndex(c.base);
        const bool easter = c.base < 2;
        EXPECT_EQ(w->spnOffset->isEnabled(), easter) << c.rule;
        EXPECT_EQ(w->txtDate->isEnabled(), !easter) << c.rule;
        EXPECT_EQ(w->cboAfterDay->isEnabled(), c.base == 2) << c.rule;
        EXPECT_EQ(w->cboObserved->isEnabled(), c.base == 3) << c.rule;
        EXPECT_FALSE(w->cboWeek->isEnabled());
        w->spnOffset->setValue(c.offset);
        EXPECT_EQ(w->spnOffset->suffix(), std::abs(c.offset) == 1 ? " day" : " days") << c.rule;
        w->cboMonth->setCurrentIndex(c.month - 1);
        w->vsbDate->setNumber(c.day);
        w->cboAfterDay->setCurrentIndex(c.weekday);
        w->cboObserved->setCurrentIndex(c.observed);
        w->cmdAdd->click();
        const FloatingHolidayEntry& stored =
            app.Document.FloatingHolidays[app.Document.FloatingHolidays.upperBound()];
        ASSERT_TRUE(stored.Moving.has_value()) << c.rule;
        EXPECT_EQ(RuleToText(*stored.Moving), QLatin1String(c.rule));
        EXPECT_EQ(listLines().constLast(), QLatin1String(c.line));
    }
}

} // namespace
