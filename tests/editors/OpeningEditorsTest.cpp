#include "EditorFixture.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/HolidayEditor.h"
#include "editors/windows/OtherEditor.h"
#include "platform/widgets/ClickableLabel.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"

#include <QAction>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class OpeningEditors : public EditorTest {
  protected:
    std::unique_ptr<frmMain> main;

    void SetUp() override {
        StartUp(app);
        EditorTest::SetUp();
    }
    frmSetup& load(CalendarDocument doc = {}) {
        app.Document = std::move(doc);
        main = std::make_unique<frmMain>(app, true);
        main->Form_Load();
        return *main->setup();
    }
    // Runs action, which should open a modal editor; check sees the editor while it is open
    // (and may close it). Returns whether an editor opened.
    static bool whileOpen(const std::function<void()>& action,
                          const std::function<void(EntryEditor&)>& check) {
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* editor = qobject_cast<EntryEditor*>(QApplication::activeModalWidget());
            if (!editor) return;
            opened = true;
            check(*editor);
            if (editor->isVisible()) editor->reject();
        });
        action();
        QApplication::processEvents();
        return opened;
    }
    void editLine(EntryKind kind, int row, const std::function<void(EntryEditor&)>& check) {
        frmSetup& s = *main->setup();
        s.RefreshEntryList(kind);
        s.lstEvents->setCurrentRow(row);
        EXPECT_TRUE(whileOpen([&] { s.cmdEdit->click(); },
                              [&](EntryEditor& w) {
                                  EXPECT_EQ(w.cmdAdd->text(), "Update");
                                  EXPECT_EQ(w.cmdClose->text(), "Cancel");
                                  check(w);
                              }));
    }
};

TEST_F(OpeningEditors, TheAddMenuOpensEachEditorModallyOverTheMainWindow) {
    load();
    const std::pair<QAction*, const char*> items[] = {{main->mnuAddBirthday, "Add Birthday"},
                                                      {main->mnuAddHoliday, "Add Holiday"},
                                                      {main->mnuAddAnniv, "Add Anniversary"},
                                                      {main->mnuAddOther, "Add Other"}};
    for (const auto& [item, caption] : items) {
        EXPECT_TRUE(item->isEnabled());
        EXPECT_TRUE(whileOpen([item = item] { item->trigger(); },
                              [&](EntryEditor& w) {
                                  EXPECT_EQ(w.windowTitle(), QLatin1String(caption));
                                  EXPECT_EQ(w.parentWidget(), main.get());
                                  EXPECT_EQ(w.cmdAdd->text(), "Add");
                                  if (auto* holiday = qobject_cast<frmHoliday*>(&w)) {
                                      EXPECT_TRUE(holiday->optDate[0]->isChecked() &&
                                                  holiday->optDate[1]->isEnabled());
                                  }
                              }))
            << caption;
    }
}

TEST_F(OpeningEditors, TheSetupWindowsAddOpensTheEditorOfTheListedKind) {
    frmSetup& s = load();
    const char* captions[] = {"Add Birthday", "Add Holiday", "Add Holiday", "Add Anniversary",
                              "Add Other"};
    for (EntryKind kind : kAllKinds) {
        QTest::mouseClick(s.lblEvent[static_cast<int>(kind)], Qt::LeftButton);
        EXPECT_TRUE(whileOpen([&] { s.cmdAdd->click(); },
                              [&](EntryEditor& w) {
                                  EXPECT_EQ(w.windowTitle(),
                                            QLatin1String(captions[static_cast<int>(kind)]));
                                  if (auto* holiday = qobject_cast<frmHoliday*>(&w)) {
                                      const int listed = kind == EntryKind::FloatingHoliday ? 1 : 0;
                                      EXPECT_TRUE(holiday->optDate[listed]->isChecked());
                                      EXPECT_FALSE(holiday->optDate[1 - listed]->isEnabled());
                                  }
                                  w.txtName->setText("N");
                                  w.cmdAdd->click();
                              }));
        EXPECT_EQ(s.lstEvents->count(), 1);
        EXPECT_EQ(s.lstEvents->currentRow(), 0);
    }
    EXPECT_TRUE(app.Document.Modified());
    EXPECT_TRUE(main->mnuFileSave->isEnabled());
}

TEST_F(OpeningEditors, EditingFillsEachEditorFromItsRecordAndUpdatesIt) {
    load(sampleCalendar());
    editLine(EntryKind::Birthday, 0, [](EntryEditor& e) {
        auto& w = static_cast<frmBirthday&>(e);
        EXPECT_EQ(w.windowTitle(), "Update Birthday");
        EXPECT_EQ(w.txtName->text(), "Ann Smith");
        EXPECT_EQ(w.cboMonth->currentText(), "March");
        EXPECT_EQ(w.txtDate->text(), "7");
        EXPECT_EQ(w.txtYear->text(), "1961");
        EXPECT_TRUE(w.optStyle[0]->isChecked());
        w.vsbYear->setNumber(1962);
        w.cmdAdd->click();
    });
    EXPECT_EQ(app.Document.Birthdays[0], birthday("03071962", "Ann Smith", "1"));
    EXPECT_EQ(main->setup()->lstEvents->item(0)->text(), "March 7, 1962 - Ann Smith");

    editLine(EntryKind::Anniversary, 0, [](EntryEditor& e) {
        auto& w = static_cast<frmAnniv&>(e);
        EXPECT_EQ(w.windowTitle(), "Update Anniversary");
        EXPECT_EQ(w.cboMonth->currentText(), "June");
        EXPECT_EQ(w.txtDate->text(), "15");
        EXPECT_TRUE(w.optStyle[1]->isChecked());
        EXPECT_EQ(w.lblStyle[1]->text(), "Wedding 1985");
    });
    editLine(EntryKind::Holiday, 1, [](EntryEditor& e) {
        auto& w = static_cast<frmHoliday&>(e);
        EXPECT_EQ(w.windowTitle(), "Update Holiday");
        EXPECT_TRUE(w.optDate[0]->isChecked());
        EXPECT_FALSE(w.optDate[1]->isEnabled());
        EXPECT_EQ(w.cboMonth->currentText(), "December");
        EXPECT_EQ(w.txtDate->text(), "25");
        w.vsbDate->setNumber(26);
        w.cmdAdd->click();
    });
    EXPECT_EQ(app.Document.FixedHolidays[1], fixedHoliday("1226", "Christmas"));
    editLine(EntryKind::FloatingHoliday, 1, [](EntryEditor& e) {
        auto& w = static_cast<frmHoliday&>(e);
        EXPECT_TRUE(w.optDate[1]->isChecked());
        EXPECT_FALSE(w.optDate[0]->isEnabled());
        EXPECT_EQ(w.txtName->text(), "Memorial Day");
        EXPECT_EQ(w.cboMonth->currentText(), "May");
        EXPECT_EQ(w.cboWeek->currentText(), "Last");
        EXPECT_EQ(w.cboDay->currentText(), "Monday");
        w.cboWeek->setCurrentIndex(3);
        w.cmdAdd->click();
    });
    EXPECT_EQ(app.Document.FloatingHolidays[1], floatingHoliday("05", "41", "Memorial Day"));
    EXPECT_EQ(main->setup()->lstEvents->item(1)->text(), "Fourth Monday of May - Memorial Day");
    editLine(EntryKind::Other, 0, [](EntryEditor& e) {
        auto& w = static_cast<frmOther&>(e);
        EXPECT_EQ(w.windowTitle(), "Update Other");
        EXPECT_EQ(w.txtName->text(), "Dentist");
        EXPECT_EQ(w.cboMonth->currentText(), "January");
        EXPECT_EQ(w.txtDate->text(), "5");
        EXPECT_EQ(w.txtYear->text(), "2027");
    });
    EXPECT_EQ(app.Document.OtherEvents[0], other("01052027", "Dentist"));
}

TEST_F(OpeningEditors, EditingKeepsFebruaryTwentyNinthOfALeapYear) {
    CalendarDocument doc;
    doc.OtherEvents.append(other("02292000", "Leap"));
    doc.Birthdays.append(birthday("02291904", "Leap", "2"));
    load(doc);
    editLine(EntryKind::Other, 0, [](EntryEditor& w) {
        EXPECT_EQ(w.txtDate->text(), "29");
        w.cmdAdd->click();
    });
    editLine(EntryKind::Birthday, 0, [](EntryEditor& w) {
        EXPECT_EQ(w.txtDate->text(), "29");
        w.cmdAdd->click();
    });
    EXPECT_EQ(app.Document.OtherEvents[0].Date.text(), "02292000");
    EXPECT_EQ(app.Document.Birthdays[0].Date.text(), "02291904");
}

// A name longer than an editor lets anyone type (a hand-edited file, an import) opens whole
// and an update keeps it whole.
TEST_F(OpeningEditors, ALongStoredNameIsShownAndKeptWhole) {
    const QString name = QString(u'n').repeated(65);
    const QString huge = QString(u'h').repeated(40000);
    CalendarDocument doc;
    doc.Anniversaries.append(anniversary("06151985", name, "1"));
    doc.Birthdays.append(birthday("03071961", huge, "1"));
    doc.FixedHolidays.append(fixedHoliday("0704", huge));
    doc.FloatingHolidays.append(floatingHoliday("11", "45", huge));
    doc.OtherEvents.append(other("01052027", huge));
    load(doc);
    for (EntryKind kind : {EntryKind::Anniversary, EntryKind::Birthday, EntryKind::Holiday,
                           EntryKind::FloatingHoliday, EntryKind::Other}) {
        editLine(kind, 0, [](EntryEditor& w) { w.cmdAdd->click(); });
    }
    EXPECT_EQ(app.Document.Anniversaries[0].Name, name);
    EXPECT_EQ(app.Document.Birthdays[0].Name, huge);
    EXPECT_EQ(app.Document.FixedHolidays[0].Name, huge);
    EXPECT_EQ(app.Document.FloatingHolidays[0].Name, huge);
    EXPECT_EQ(app.Document.OtherEvents[0].Name, huge);
}

TEST_F(OpeningEditors, OnlyAnExistingEntryCanBeEdited) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("13451850", "Odd", "0")); // a hand-edited line
    app.Document = doc;
    for (int index : {-1, 1}) {
        app.EditIndex = index;
        EXPECT_EQ(PrepareEditEditor(app, EntryKind::Birthday, nullptr, nullptr), nullptr);
    }
    EXPECT_EQ(PrepareEditEditor(app, EntryKind::Other, nullptr, nullptr), nullptr);
    auto w = editing<frmBirthday>(EntryKind::Birthday, 0);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->cboMonth->currentText(), "December");
    EXPECT_EQ(w->txtDate->text(), "31");
    EXPECT_EQ(w->txtYear->text(), "1880");
    EXPECT_TRUE(w->optStyle[0]->isChecked());
}

} // namespace
