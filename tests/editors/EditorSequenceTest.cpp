#include "EditorFixture.h"
#include "document/StatusTexts.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/HolidayEditor.h"
#include "editors/windows/OtherEditor.h"

#include <QRadioButton>
#include <QTest>

namespace {

class Sequence : public EditorTest {
  protected:
    // A birthday on March 7, 1961 with the second style.
    static void enterAnn(frmBirthday& w) {
        w.txtName->setText("Ann");
        w.cboMonth->setCurrentIndex(2);
        w.vsbYear->setNumber(1961);
        w.vsbDate->setNumber(7);
        w.optStyle[1]->setChecked(true);
    }
};

TEST_F(Sequence, TheFirstAddFillsTheEmptyTableAndItsListLine) {
    listing(EntryKind::Birthday);
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    enterAnn(*w);
    w->cmdAdd->click();
    ASSERT_EQ(app.Document.Birthdays.upperBound(), 0);
    EXPECT_EQ(app.Document.Birthdays[0], birthday("03071961", "Ann", "2"));
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(listLines(), QStringList({"March 7, 1961 - Ann"}));
    EXPECT_EQ(selectedLines(), QList<int>({0}));
    EXPECT_TRUE(setup->cmdEdit->isEnabled());
    EXPECT_EQ(t.views.redraws, 0);
}

TEST_F(Sequence, AnsweringNoChangesNothingAndYesAdds) {
    app.Options.ConfirmAdd = "True";
    listing(EntryKind::Birthday);
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    enterAnn(*w);
    t.dialogs.answerNext(Answer::No);
    w->cmdAdd->click();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    const MessageRequest& asked = t.dialogs.messages[0];
    EXPECT_EQ(asked.text, "Do you want to add the entry:\nMarch 7, 1961 - Ann\n\n"
                          "Displayed as:\nAnn 1961");
    EXPECT_EQ(asked.title, "Add Birthday");
    EXPECT_EQ(asked.icon, MessageIcon::Question);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
    EXPECT_TRUE(app.Document.Birthdays.isEmpty());
    EXPECT_FALSE(app.Document.Modified());
    EXPECT_TRUE(listLines().isEmpty());
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->txtName->text(), "Ann");

    t.dialogs.answerNext(Answer::Yes);
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.Birthdays.entryCount(), 1);
    EXPECT_FALSE(w->isVisible());
}

TEST_F(Sequence, RemainKeepsTheEditorOpenAndItsListsWhole) {
    app.Options.AfterAdd = "Remain";
    app.CalendarViewOpen = true;
    auto w = adding<frmOther>(EntryKind::Other);
    for (const char* name : {"a", "b", "c"}) {
        w->txtName->setText(QLatin1String(name));
        w->cboMonth->setCurrentText("March");
        w->vsbDate->setNumber(31);
        w->cmdAdd->click();
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(w->txtName->text(), "[Event Name]");
        EXPECT_FALSE(w->cmdAdd->isEnabled());
        EXPECT_EQ(w->txtDate->text(), "1");
        EXPECT_EQ(w->cboMonth->currentText(), "January");
        EXPECT_EQ(w->cboMonth->count(), 12);
    }
    ASSERT_EQ(app.Document.OtherEvents.entryCount(), 3);
    EXPECT_EQ(app.Document.OtherEvents[2], other("03312027", "c"));
    EXPECT_EQ(t.views.redraws, 3);
}

TEST_F(Sequence, AnUpdateAsksWithItsOwnTitleAndNoKeepsTheEditorOpen) {
    app.Options.ConfirmEdit = "True";
    app.Options.AfterAdd = "Remain"; // an update closes anyway
    app.Document = sampleCalendar();
    listing(EntryKind::Birthday);
    setup->lstEvents->setCurrentRow(1);
    auto w = editing<frmBirthday>(EntryKind::Birthday, 1);
    w->txtName->setText("Changed");
    t.dialogs.answerNext(Answer::No);
    w->cmdAdd->click();
    EXPECT_EQ(t.dialogs.messages.at(0).title, "Update Birthday");
    EXPECT_TRUE(t.dialogs.messages.at(0).text.startsWith("Do you want to update the entry:\n"
                                                         "December 25, 1990 - Changed\n"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->txtName->text(), "Changed");
    EXPECT_EQ(app.Document.Birthdays[1].Name, "  two  spaces ");
    EXPECT_FALSE(app.Document.Modified());

    t.dialogs.answerNext(Answer::Yes);
    w->cmdAdd->click();
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(app.Document.Birthdays.entryCount(), 2);
    EXPECT_EQ(app.Document.Birthdays[1], birthday("12251990", "Changed", "3"));
    EXPECT_EQ(listLines(),
              QStringList({"March 7, 1961 - Ann Smith", "December 25, 1990 - Changed"}));
    EXPECT_EQ(selectedLines(), QList<int>({1}));
}

TEST_F(Sequence, TheListFollowsOnlyWhenItShowsTheStoredKind) {
    app.Document = sampleCalendar();
    listing(EntryKind::Holiday);
    setup->lstEvents->setCurrentRow(0);
    auto w = adding<frmHoliday>(EntryKind::Holiday, AddOrigin::EntryList);
    w->txtName->setText("New Year");
    w->cmdAdd->click();
    EXPECT_EQ(listLines(), QStringList({"July 4 - Independence Day", "December 25 - Christmas",
                                        "January 1 - New Year"}));
    EXPECT_EQ(selectedLines(), QList<int>({2}));

    auto birthdays = adding<frmBirthday>(EntryKind::Birthday);
    birthdays->txtName->setText("Bo");
    birthdays->cmdAdd->click();
    EXPECT_EQ(app.Document.Birthdays.entryCount(), 3);
    EXPECT_EQ(listLines().size(), 3);
    EXPECT_EQ(app.ShownKind, EntryKind::Holiday);
    EXPECT_EQ(selectedLines(), QList<int>({2}));
}

TEST_F(Sequence, OtherEventsAskAboutAnEntryAndShowTheNameAlone) {
    app.Options.ConfirmAdd = "True";
    app.Options.ConfirmEdit = "True";
    auto w = adding<frmOther>(EntryKind::Other);
    EXPECT_EQ(w->windowTitle(), "Add Other");
    w->txtName->setText("N");
    w->cboMonth->setCurrentIndex(2);
    w->vsbYear->setNumber(2001);
    w->vsbDate->setNumber(7);
    w->cmdAdd->click();
    EXPECT_EQ(app.Document.OtherEvents[0], other("03072001", "N"));
    EXPECT_EQ(t.dialogs.messages.at(0).title, "Add Entry");
    EXPECT_EQ(t.dialogs.messages.at(0).text,
              "Do you want to add the entry:\nMarch 7, 2001 - N\n\nDisplayed as:\nN");
    auto edit = editing<frmOther>(EntryKind::Other, 0);
    EXPECT_EQ(edit->windowTitle(), "Update Other");
    edit->cmdAdd->click();
    EXPECT_EQ(t.dialogs.messages.at(1).title, "Update Entry");
}

// Enter presses Add and Escape closes without storing, in every editor alike.
TEST_F(Sequence, EnterAddsAndEscapeClosesInEveryEditor) {
    for (EntryKind kind :
         {EntryKind::Birthday, EntryKind::Anniversary, EntryKind::Holiday, EntryKind::Other}) {
        SCOPED_TRACE(static_cast<int>(kind));
        app.Document.resetToUntitled();
        auto closing = PrepareAddEditor(app, kind, AddOrigin::AddMenu, nullptr, nullptr);
        closing->show();
        closing->txtName->setText("N");
        QTest::keyClick(closing->txtName, Qt::Key_Escape);
        EXPECT_FALSE(closing->isVisible());
        EXPECT_EQ(closing->result(), QDialog::Rejected);
        EXPECT_EQ(TotalEntryCount(app.Document), 0);

        auto adding = PrepareAddEditor(app, kind, AddOrigin::AddMenu, nullptr, nullptr);
        adding->show();
        adding->txtName->setText("N");
        QTest::keyClick(adding->txtName, Qt::Key_Return);
        EXPECT_EQ(TotalEntryCount(app.Document), 1);
        EXPECT_FALSE(adding->isVisible());
    }
}

TEST_F(Sequence, EnterInADayOrYearBoxStoresWhatTheBoxShows) {
    auto w = adding<frmBirthday>(EntryKind::Birthday);
    w->txtName->setText("N");
    w->txtDate->setText("15"); // typed, the box not left
    w->txtYear->setText("1999");
    QTest::keyClick(w->txtYear, Qt::Key_Return);
    EXPECT_EQ(app.Document.Birthdays[0].Date.text(), "01151999");

    auto holiday = adding<frmHoliday>(EntryKind::Holiday);
    holiday->txtName->setText("N");
    holiday->txtDate->setText("45");
    holiday->cmdAdd->click();
    EXPECT_EQ(app.Document.FixedHolidays[0].Date.text(), "0101");
}

} // namespace
