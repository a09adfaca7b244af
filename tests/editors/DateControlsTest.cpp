#include "editors/windows/DateControls.h"
#include "EditorFixture.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/OtherEditor.h"

#include <QSignalSpy>
#include <QTest>

namespace {

using DateControls = EditorTest;

TEST_F(DateControls, FebruaryHasTheDaysOfItsYear) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    for (const auto& [year, days] :
         {std::pair{1900, 28}, {1999, 28}, {2000, 29}, {2001, 28}, {2004, 29}, {2024, 29}}) {
        w->ResetForm();
        w->vsbYear->setNumber(year);
        w->vsbDate->setNumber(31);
        w->cboMonth->setCurrentIndex(1);
        EXPECT_EQ(w->vsbDate->highest(), days) << year;
        EXPECT_EQ(w->vsbDate->number(), days) << year;
        EXPECT_EQ(w->txtDate->text(), QString::number(days)) << year;
    }
}

TEST_F(DateControls, ChangingTheYearShortensOnlyFebruary) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    w->cboMonth->setCurrentIndex(1);
    w->vsbYear->setNumber(2000);
    w->vsbDate->setNumber(29);
    w->vsbYear->setNumber(2001);
    EXPECT_EQ(w->txtYear->text(), "2001");
    EXPECT_EQ(w->txtDate->text(), "28");
    w->vsbYear->setNumber(2004);
    EXPECT_EQ(w->vsbDate->highest(), 29);
    EXPECT_EQ(w->vsbDate->number(), 28); // a longer month never moves the day

    w->cboMonth->setCurrentIndex(2);
    w->vsbDate->setNumber(31);
    w->vsbYear->setNumber(2001);
    EXPECT_EQ(w->txtDate->text(), "31");
}

TEST_F(DateControls, UpArrowsRaiseTheDayAndTheYearWithinTheirRanges) {
    auto w = adding<frmOther>(EntryKind::Other);
    w->vsbDate->triggerAction(QAbstractSlider::SliderSingleStepSub); // the up arrow
    EXPECT_EQ(w->txtDate->text(), "2");
    w->vsbYear->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(w->txtYear->text(), "2028");
    w->vsbYear->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    w->vsbYear->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(w->txtYear->text(), "2026");
    w->vsbDate->setNumber(31);
    w->vsbDate->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(w->txtDate->text(), "31");
    EXPECT_EQ(w->vsbYear->lowest(), 1980);
    EXPECT_EQ(w->vsbYear->highest(), 2099);
}

TEST_F(DateControls, ADayThatCannotBeTakenBecomesTheFirst) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    const std::pair<const char*, const char*> cases[] = {
        {"45", "1"}, {"ab", "1"}, {"0", "1"}, {"7x", "7"}, {"", "1"}, {"31", "31"}, {"-2", "1"}};
    for (const auto& [typed, shown] : cases) {
        w->vsbDate->setNumber(12);
        type(w->txtDate, QLatin1String(typed));
        EXPECT_EQ(w->txtDate->text(), QLatin1String(shown)) << typed;
        EXPECT_EQ(w->vsbDate->number(), QString(QLatin1String(shown)).toInt()) << typed;
    }
    w->vsbDate->setNumber(5);
    type(w->txtDate, "05"); // the same day: the text stays as typed
    EXPECT_EQ(w->txtDate->text(), "05");
    w->cboMonth->setCurrentIndex(1);
    type(w->txtDate, "30");
    EXPECT_EQ(w->vsbDate->number(), 1);
}

TEST_F(DateControls, AYearThatCannotBeTakenBecomesTodaysYear) {
    auto birthday = adding<frmBirthday>(EntryKind::Birthday);
    auto other = adding<frmOther>(EntryKind::Other);
    struct Case {
        DatedEntryEditor* editor;
        const char* typed;
        int year;
    };
    for (const Case& c : {Case{birthday.get(), "9999", 2027},
                          {birthday.get(), "12", 2027},
                          {birthday.get(), "", 2027},
                          {birthday.get(), "ab", 2027},
                          {birthday.get(), "1880", 1880},
                          {birthday.get(), "1900", 1900},
                          {birthday.get(), "2099", 2099},
                          {other.get(), "1979", 2027},
                          {other.get(), "2100", 2027},
                          {other.get(), "1980", 1980},
                          {other.get(), "2028", 2028}}) {
        c.editor->vsbYear->setNumber(1990);
        type(c.editor->txtYear, QLatin1String(c.typed));
        EXPECT_EQ(c.editor->vsbYear->number(), c.year) << c.typed;
        EXPECT_EQ(c.editor->txtYear->text(), QString::number(c.year)) << c.typed;
    }
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(DateControls, TheYearStartsAtTodayAndStaysInRangeInAnyYear) {
    t.clock.set(QDateTime(QDate(2026, 12, 31), QTime(23, 0)));
    EXPECT_EQ(adding<frmBirthday>(EntryKind::Birthday)->txtYear->text(), "2026");
    t.clock.set(QDateTime(QDate(2105, 1, 1), QTime(0, 0)));
    auto w = adding<frmOther>(EntryKind::Other);
    EXPECT_EQ(w->txtYear->text(), "2027"); // the display year
    type(w->txtYear, "ab");
    EXPECT_EQ(w->txtYear->text(), "2099");
}

// Birthdays and anniversaries start on today's year, one-off events on the display year,
// also after an add that keeps the editor open.
TEST_F(DateControls, TheOneOffEditorStartsOnTheDisplayYear) {
    app.Options.AfterAdd = "Remain";
    app.DisplayYear = 2031;
    EXPECT_EQ(adding<frmBirthday>(EntryKind::Birthday)->txtYear->text(), "2027");
    EXPECT_EQ(adding<frmAnniv>(EntryKind::Anniversary)->txtYear->text(), "2027");
    auto w = adding<frmOther>(EntryKind::Other);
    EXPECT_EQ(w->txtYear->text(), "2031");
    EXPECT_EQ(w->vsbYear->number(), 2031);
    w->txtName->setText("Fair");
    w->vsbYear->setNumber(2029);
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.OtherEvents[0], other("01012029", "Fair"));
    EXPECT_EQ(w->txtYear->text(), "2031");
}

TEST_F(DateControls, TheMonthListHoldsTwelveMonthsHoweverOftenItIsFilled) {
    QComboBox list;
    QSignalSpy selections(&list, &QComboBox::currentIndexChanged);
    FillMonthList(&list);
    list.setCurrentIndex(5);
    FillMonthList(&list);
    ASSERT_EQ(list.count(), 12);
    EXPECT_EQ(list.itemText(0), "January");
    EXPECT_EQ(list.itemText(11), "December");
    EXPECT_EQ(list.currentIndex(), 0);
    ASSERT_EQ(selections.count(), 3);
    EXPECT_EQ(selections.at(2).at(0).toInt(), 0);
}

TEST_F(DateControls, TextBoxesSelectTheirWholeTextOnFocus) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    QApplication::setActiveWindow(w.get());
    EXPECT_TRUE(w->txtName->hasFocus());
    EXPECT_EQ(w->txtName->selectedText(), "[Person's Name]");
    w->txtYear->deselect();
    w->txtYear->setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    EXPECT_EQ(w->txtYear->selectedText(), "2027");
}

} // namespace
