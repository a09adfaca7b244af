#include "settings/Registry.h"
#include "settings/windows/LayoutDialog.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

// The layout dialog's language and week of the calendar, its standard paper sizes, and its
// boxes in millimetres where the program's locale measures in metric.

using namespace Registry;

namespace {

struct LayoutLanguage : ::testing::Test {
    TestApp t;
    LayoutLanguage() { t.app.Layout = LoadSettings(t.store).Layout; }
    QString stored(const char* name) { return QueryText(t.store, kLayoutKey, QLatin1String(name)); }
};

// The program's locale for one test.
struct DefaultLocale {
    explicit DefaultLocale(const char* name) { QLocale::setDefault(QLocale(QLatin1String(name))); }
    ~DefaultLocale() { QLocale::setDefault(QLocale::c()); }
};

} // namespace

TEST_F(LayoutLanguage, ShowsTheStoredLanguageAndWeekAndSavesTheChosenOnes) {
    t.app.Layout.Language = QStringLiteral("fr_FR");
    t.app.Layout.FirstDayOfWeek = QStringLiteral("Saturday");
    frmLayout dialog(t.app);
    EXPECT_EQ(dialog.cboLanguage->currentText(), QString::fromUtf8("Français (France)"));
    EXPECT_EQ(dialog.cboLanguage->itemText(0), "System");
    EXPECT_EQ(dialog.cboFirstDay->currentData().toString(), "Saturday");
    EXPECT_FALSE(dialog.chkWeekNumbers->isChecked());

    dialog.cboLanguage->setCurrentIndex(dialog.cboLanguage->findData(QStringLiteral("de_DE")));
    dialog.cboFirstDay->setCurrentIndex(dialog.cboFirstDay->findData(QStringLiteral("Monday")));
    dialog.chkWeekNumbers->setChecked(true);
    EXPECT_EQ(t.app.Layout.Language, "fr_FR"); // not before Save
    dialog.cmdOK_Click();
    EXPECT_EQ(t.app.Layout.Language, "de_DE");
    EXPECT_EQ(stored("Language"), "de_DE");
    EXPECT_EQ(stored("FirstDayOfWeek"), "Monday");
    EXPECT_EQ(stored("WeekNumbers"), "True");
    EXPECT_EQ(t.views.redraws, 0); // no calendar view open

    // A language no longer known shows as the system's, and saving writes that.
    t.app.Layout.Language = QStringLiteral("xx_YY");
    t.app.CalendarViewOpen = true;
    frmLayout again(t.app);
    EXPECT_EQ(again.cboLanguage->currentIndex(), 0);
    again.cmdOK_Click();
    EXPECT_EQ(stored("Language"), "System");
    EXPECT_EQ(t.views.redraws, 1); // an open calendar view follows the save
}

TEST_F(LayoutLanguage, AStandardSizeIsSavedAsItsInchesWithItsNameAndShownAgainByName) {
    frmLayout dialog(t.app);
    EXPECT_FALSE(dialog.cboPaperName->isEnabled());
    dialog.optPaperNamed->click();
    dialog.cboPaperName->setCurrentText(QStringLiteral("A4"));
    emit dialog.cboPaperName->activated(dialog.cboPaperName->currentIndex());
    EXPECT_TRUE(dialog.cboPaperName->isEnabled());
    EXPECT_TRUE(dialog.optPortrait->isEnabled()); // a standard size turns too
    EXPECT_FALSE(dialog.txtPaperWidth->isEnabled());
    EXPECT_EQ(dialog.txtPaperWidth->text(), "8.267716");
    dialog.optPortrait->click();
    dialog.cmdOK_Click();
    EXPECT_EQ(stored("PaperSize"), "Custom");
    EXPECT_EQ(stored("PaperName"), "A4");
    EXPECT_EQ(stored("PaperOrientation"), "Portrait");
    EXPECT_NEAR(stored("PaperSizeHeight").toDouble(), 297 / 25.4, 1e-5);
    EXPECT_TRUE(t.dialogs.messages.empty());

    frmLayout again(t.app);
    EXPECT_TRUE(again.optPaperNamed->isChecked());
    EXPECT_EQ(again.cboPaperName->currentText(), "A4");

    // A custom size of the user's own forgets the name.
    again.optPaperCustom->click();
    again.txtPaperWidth->setText(QStringLiteral("9"));
    again.cmdOK_Click();
    EXPECT_EQ(stored("PaperName"), "");
    EXPECT_EQ(stored("PaperSizeWidth"), "9");
}

TEST_F(LayoutLanguage, AMetricLocaleShowsAndTakesMillimetresAndChecksInThem) {
    const DefaultLocale german("de_DE");
    t.app.Layout.PaperSize = QStringLiteral("Custom");
    t.app.Layout.PaperSizeWidth = 11;
    t.app.Layout.PaperSizeHeight = 8.5f;
    frmLayout dialog(t.app);
    EXPECT_EQ(dialog.lblPaperWidth->text(), "Width (mm)");
    EXPECT_TRUE(dialog.lblMargins->text().contains(QStringLiteral("(mm)")));
    EXPECT_EQ(dialog.txtPaperWidth->text(), "279.4");
    EXPECT_EQ(dialog.txtMarginTop->text(), "19.05");

    dialog.txtMarginLeft->setText(QStringLiteral("25.4"));
    dialog.cmdOK_Click();
    EXPECT_EQ(stored("MarginLeft"), "1");
    EXPECT_EQ(stored("MarginTop"), "0.75"); // unchanged boxes come back as they were
    EXPECT_EQ(stored("PaperSizeWidth"), "11");

    dialog.txtPaperWidth->setText(QStringLiteral("150")); // 150 - 25.4 - 19.05 < 127 mm
    dialog.cmdOK_Click();
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_TRUE(t.dialogs.messages[0].text.contains(QStringLiteral("127 mm")));
    EXPECT_FALSE(t.dialogs.messages[0].text.contains(QStringLiteral("inch")));
}
