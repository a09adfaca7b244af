#include "EditorFixture.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/HolidayEditor.h"
#include "editors/windows/OtherEditor.h"

#include <QTest>

namespace {

using TypedDates = EditorTest;

const QString kMissing2026 =
    QStringLiteral("February 29, 2026 does not exist.\nPlease correct the day or the year.");

// The stored date of the one entry of kind, or nothing.
QString storedDate(const CalendarDocument& doc, EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return doc.Birthdays.isEmpty() ? QString() : doc.Birthdays[0].Date.text();
    case EntryKind::Anniversary:
        return doc.Anniversaries.isEmpty() ? QString() : doc.Anniversaries[0].Date.text();
    default:
        return doc.OtherEvents.isEmpty() ? QString() : doc.OtherEvents[0].Date.text();
    }
}

// February, then the day, then the year, each typed and left, in every dated editor: a day
// the year box's year lacks stays as typed, and the whole date is checked when it is stored.
TEST_F(TypedDates, ADayTypedBeforeItsYearIsKeptAndTheDateIsCheckedWhenStored) {
    struct Case {
        EntryKind kind;
        const char* year;
        const char* stored; // empty: refused with the message, the editor open
    };
    const Case cases[] = {
        {EntryKind::Birthday, "1992", "02291992"}, {EntryKind::Anniversary, "2000", "02292000"},
        {EntryKind::Other, "2024", "02292024"},    {EntryKind::Birthday, "2026", ""},
        {EntryKind::Anniversary, "1900", ""},      {EntryKind::Other, "2026", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.year);
        app.Document.resetToUntitled();
        app.Document.ClearModified();
        t.dialogs.messages.clear();
        auto w = std::unique_ptr<DatedEntryEditor>(static_cast<DatedEntryEditor*>(
            PrepareAddEditor(app, c.kind, AddOrigin::AddMenu, nullptr, nullptr).release()));
        w->show();
        w->txtName->setText("N");
        w->cboMonth->setCurrentIndex(1);
        type(w->txtDate, "29"); // the year box still holds 2027
        EXPECT_EQ(w->txtDate->text(), "29");
        type(w->txtYear, "2028"); // a leap year, then a common one, by typing and by arrow
        type(w->txtYear, "2027");
        w->vsbYear->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        EXPECT_EQ(w->txtDate->text(), "29");
        w->txtYear->setText(QLatin1String(c.year)); // typed, and Enter pressed in the box
        QTest::keyClick(w->txtYear, Qt::Key_Return);
        EXPECT_EQ(storedDate(app.Document, c.kind), QLatin1String(c.stored));
        if (*c.stored) {
            EXPECT_TRUE(t.dialogs.messages.empty());
            EXPECT_FALSE(w->isVisible());
            continue;
        }
        ASSERT_EQ(t.dialogs.messages.size(), 1u);
        EXPECT_EQ(t.dialogs.messages[0].text, QStringLiteral("February 29, %1 does not exist.\n"
                                                             "Please correct the day or the year.")
                                                  .arg(QLatin1String(c.year)));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->txtDate->text(), "29");
        EXPECT_EQ(w->txtYear->text(), QLatin1String(c.year));
        EXPECT_FALSE(app.Document.Modified());
    }
}

// Moving the day away from the kept 29th makes it an ordinary day again, and a new month
// starts from that month's days.
TEST_F(TypedDates, AKeptDayGoesWhenTheDayOrTheMonthChanges) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    w->cboMonth->setCurrentIndex(1);
    type(w->txtDate, "29");
    w->vsbDate->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the down arrow
    EXPECT_EQ(w->txtDate->text(), "28");
    w->vsbYear->setNumber(2028);
    w->vsbYear->setNumber(2027);
    EXPECT_EQ(w->txtDate->text(), "28");
    type(w->txtDate, "29");
    w->cboMonth->setCurrentIndex(2);
    w->cboMonth->setCurrentIndex(1);
    EXPECT_EQ(w->txtDate->text(), "28");
}

// Updating is checked as adding is; a stored February 29 of a common year (a hand-edited
// file) shows as stored instead of turning into the 28th.
TEST_F(TypedDates, AnUpdateIsCheckedAndAStoredImpossibleDateIsShownAsStored) {
    app.Document.Birthdays.append(birthday("02291992", "Leap"));
    app.Document.OtherEvents.append(other("02292001", "Odd"));
    auto w = editing<frmBirthday>(EntryKind::Birthday, 0);
    type(w->txtYear, "2026");
    w->cmdAdd->click();
    EXPECT_EQ(t.dialogs.messageTexts(), QStringList{kMissing2026});
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(app.Document.Birthdays[0].Date.text(), "02291992");

    auto odd = editing<frmOther>(EntryKind::Other, 0);
    EXPECT_EQ(odd->txtDate->text(), "29");
    odd->cmdAdd->click();
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_EQ(app.Document.OtherEvents[0].Date.text(), "02292001");
    type(odd->txtYear, "2004");
    odd->cmdAdd->click();
    EXPECT_EQ(app.Document.OtherEvents[0].Date.text(), "02292004");
}

// A holiday comes back every year: February 29 is refused with a word, by leaving the box
// and by Enter, and nothing is stored; the day box is ready for another day.
TEST_F(TypedDates, TheHolidayEditorSaysWhyItRefusesFebruaryTwentyNinth) {
    auto w = adding<frmHoliday>(EntryKind::Holiday);
    w->txtName->setText("Leap Day");
    w->cboMonth->setCurrentIndex(1);
    type(w->txtDate, "29");
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, LeapDayHolidayText());
    QApplication::processEvents();
    EXPECT_EQ(w->txtDate->selectedText(), "1"); // the next day typed replaces it
    w->txtDate->setText("29");
    QTest::keyClick(w->txtDate, Qt::Key_Return);
    EXPECT_EQ(t.dialogs.messages.size(), 2u);
    EXPECT_TRUE(app.Document.FixedHolidays.isEmpty());
    EXPECT_TRUE(w->isVisible());
}

} // namespace
