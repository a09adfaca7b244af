#include "settings/windows/LayoutDialog.h"
#include "platform/SettingsStore.h"
#include "platform/widgets/ClickableLabel.h"
#include "settings/LayoutRules.h"
#include "settings/LoadSettings.h"
#include "settings/Registry.h"
#include "settings/SettingsTable.h"
#include "support/TestApp.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace Registry;

// ---- The rules without the window ----

TEST(LayoutRules, SizePositionsRoundHalvesToEvenAndRefuseSizesOutsideTheList) {
    EXPECT_EQ(fontSizePosition("25", 20), 2); // 2.5 rounds to 2
    EXPECT_EQ(fontSizeNames()[2], "Medium");
    EXPECT_EQ(fontSizeAt(2, 20), "24");
    EXPECT_EQ(fontSizePosition("27", 20), 4); // 3.5 rounds to 4
    EXPECT_EQ(fontSizePosition("21", 20), 0);
    EXPECT_EQ(fontSizePosition("19", 20), 0); // -0.5 rounds to 0
    EXPECT_EQ(fontSizePosition("10", 6), 2);
    EXPECT_EQ(fontSizePosition("14", 6), 4);
    EXPECT_EQ(fontSizeAt(4, 6), "14");
    for (const char* outside : {"18", "30", "abc", "", "inf"})
        EXPECT_EQ(fontSizePosition(QLatin1String(outside), 20), std::nullopt) << outside;
    EXPECT_EQ(fontLabelText("24", "Times New Roman"), "24pt - Times New Roman");
}

TEST(LayoutRules, ColourTextsAreBlueGreenRedAndLoseLeadingZerosWhenSaved) {
    const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 255, 0);
    EXPECT_EQ(swatchColorText(blue), "&HFF0000");
    EXPECT_EQ(savedColorText(blue), "&HFF0000");
    EXPECT_EQ(swatchColorText(red), "&H0000FF");
    EXPECT_EQ(savedColorText(red), "&HFF");
    EXPECT_EQ(swatchColorText(green), "&H00FF00");
    EXPECT_EQ(savedColorText(green), "&HFF00");
    EXPECT_EQ(savedColorText(Qt::black), "&H0");
    EXPECT_EQ(swatchColorText(QColor(0x12, 0x34, 0x56)), "&H563412");

    EXPECT_EQ(colorFromText("&HFF0000"), blue);
    EXPECT_EQ(colorFromText("&HFF"), red);
    EXPECT_EQ(colorFromText("&H00FF00"), green);
    EXPECT_EQ(colorFromText("&hff00"), green);
    EXPECT_EQ(colorFromText("255"), red); // a plain number is read as one
    for (const char* unreadable : {"&H", "&Hxyz", "blue", ""})
        EXPECT_EQ(colorFromText(QLatin1String(unreadable)), QColor(Qt::black)) << unreadable;
}

TEST(LayoutRules, ACustomPageNeedsFiveInchesBetweenTheMarginsEachWay) {
    LayoutSettings layout;
    layout.PaperSize = "Custom";
    layout.PaperSizeWidth = 8.5f;
    layout.PaperSizeHeight = 11;
    EXPECT_TRUE(paperFits(layout)); // 7 x 9.5 remain
    layout.PaperSizeWidth = 6;
    EXPECT_FALSE(paperFits(layout)); // 4.5 across
    layout.PaperSizeWidth = 6.5f;
    EXPECT_TRUE(paperFits(layout)); // exactly 5 passes
    layout.PaperSizeHeight = 6.4f;
    EXPECT_FALSE(paperFits(layout)); // 4.9 down
    layout.PaperSize = "Default";
    EXPECT_TRUE(paperFits(layout)); // the printer's page is not checked
}

// The dialog refuses paper sides and margins that reading the settings again would not
// keep; whatever it lets through comes back from the store as it was saved.
TEST(LayoutRules, TheDialogAcceptsOnlyPaperAndMarginsThatAreReadBackAsSaved) {
    struct Case {
        const char* paper;
        float width, height, left, top;
        bool refused;
    };
    const Case cases[] = {
        {"Custom", 8.5f, 11, 0.5f, 1, false},
        {"Custom", 120, 11, 0.5f, 1, true}, // wider than any paper kept
        {"Custom", 20, 11, 14, 1, true},    // a margin of more than half the width
        {"Custom", 20, 11, 9.99f, 5.49f, false},
        {"Custom", 20, 11, 0.5f, 5.5f, true},   // exactly half the height
        {"Default", 0, 0, 49.9f, 0.75f, false}, // no custom size: half of the largest
        {"Default", 0, 0, 0.5f, 50, true},
    };
    for (const Case& c : cases) {
        LayoutSettings layout = DefaultSettings().Layout;
        layout.PaperSize = QLatin1String(c.paper);
        layout.PaperSizeWidth = c.width;
        layout.PaperSizeHeight = c.height;
        layout.MarginLeft = c.left;
        layout.MarginTop = c.top;
        const std::string what = std::string(c.paper) + " " + std::to_string(c.width) + " x " +
                                 std::to_string(c.height) + ", " + std::to_string(c.left) + ", " +
                                 std::to_string(c.top);
        EXPECT_EQ(!unkeptPaperMessage(layout).isEmpty(), c.refused) << what;
        if (c.refused) continue;
        QTemporaryDir dir;
        SettingsStore store(dir.filePath(QStringLiteral("Daylark.conf")));
        WriteSettings(store, layout);
        const LayoutSettings back = LoadSettings(store).Layout;
        EXPECT_EQ(back.PaperSizeWidth, c.width) << what;
        EXPECT_EQ(back.MarginLeft, c.left) << what;
        EXPECT_EQ(back.MarginTop, c.top) << what;
    }
}

TEST(LayoutRules, TheSaveTakesTheControlsAndWritesEveryValueAsText) {
    LayoutSettings layout;
    layout.PaperSize = "Default";
    LayoutControls controls;
    controls.showTitle = false;
    controls.alignTitle = 1;
    controls.alignMonthYear = 2;
    controls.colors = {QColor(255, 0, 0), QColor(0, 0, 255), QColor(Qt::black), QColor(0, 255, 0)};
    controls.paperWidth = "8.5";
    controls.paperHeight = "eleven";
    controls.portrait = true;
    controls.marginLeft = "0.5";
    controls.marginRight = "";
    controls.marginTop = "1";
    controls.marginBottom = " 0.75 ";
    applyLayoutControls(layout, controls);
    EXPECT_EQ(layout.ShowTitle, "False");
    EXPECT_EQ(layout.AlignTitle, "Right");
    EXPECT_EQ(layout.AlignMonthYear, "Center");
    EXPECT_EQ(layout.Birthday, "&HFF");
    EXPECT_EQ(layout.Holiday, "&HFF0000");
    EXPECT_EQ(layout.Anniversary, "&H0");
    EXPECT_EQ(layout.Other, "&HFF00");
    EXPECT_EQ(layout.PaperSizeWidth, 8.5f);
    EXPECT_EQ(layout.PaperSizeHeight, 0.0f);
    EXPECT_EQ(layout.PaperOrientation, "Landscape"); // portrait needs custom paper
    EXPECT_EQ(layout.MarginRight, 0.0f);
    EXPECT_EQ(layout.MarginBottom, 0.75f);
    layout.PaperSize = "Custom";
    applyLayoutControls(layout, controls);
    EXPECT_EQ(layout.PaperOrientation, "Portrait");

    TestApp t;
    layout.FontDays = "Liberation Sans";
    layout.FontSizeDays = "12";
    WriteSettings(t.store, layout);
    const std::pair<const char*, const char*> expected[] = {{"ShowTitle", "False"},
                                                            {"AlignTitle", "Right"},
                                                            {"AlignMonthYear", "Center"},
                                                            {"Birthday", "&HFF"},
                                                            {"Holiday", "&HFF0000"},
                                                            {"Anniversary", "&H0"},
                                                            {"Other", "&HFF00"},
                                                            {"FontDays", "Liberation Sans"},
                                                            {"FontSizeDays", "12"},
                                                            {"PaperSize", "Custom"},
                                                            {"PaperSizeWidth", "8.5"},
                                                            {"PaperSizeHeight", "0"},
                                                            {"PaperOrientation", "Portrait"},
                                                            {"MarginLeft", "0.5"},
                                                            {"MarginRight", "0"},
                                                            {"MarginTop", "1"},
                                                            {"MarginBottom", "0.75"}};
    for (const auto& [name, text] : expected)
        EXPECT_EQ(QueryText(t.store, kLayoutKey, QLatin1String(name)), text) << name;
    for (const char* name : {"FontMonthYear", "FontCalTitle", "FontDates", "FontSizeMonthYear",
                             "FontSizeCalTitle", "FontSizeDates"})
        EXPECT_TRUE(QueryValue(t.store, kLayoutKey, QLatin1String(name)).isValid()) << name;
}

// ---- The dialog ----

class LayoutDialog : public ::testing::Test {
  protected:
    TestApp t;
    AppState& app = t.app;
    std::unique_ptr<frmLayout> w;

    void SetUp() override { app.Layout = LoadSettings(t.store).Layout; }
    frmLayout& open(LayoutForm form = LayoutForm::AllPages) {
        w = std::make_unique<frmLayout>(app, form);
        w->show();
        return *w;
    }
    QString stored(const char* name) { return QueryText(t.store, kLayoutKey, QLatin1String(name)); }
    static void choose(QComboBox* box, int index) {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }
    static void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    static void type(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    static QColor swatch(const QLabel* label) { return label->palette().color(QPalette::Window); }
};

TEST_F(LayoutDialog, OpensOnTheAlignmentPageShowingTheDefaults) {
    open();
    EXPECT_EQ(w->windowTitle(), "Layout Options");
    EXPECT_TRUE(w->picAlignment->isVisible());
    for (QWidget* page : {w->picFonts, w->picColors, w->picPaper})
        EXPECT_FALSE(page->isVisible());
    EXPECT_TRUE(w->lblMenu[0]->font().bold());
    EXPECT_TRUE(w->chkCalTitle->isChecked());
    EXPECT_TRUE(w->optCalTitle[0]->isChecked());
    EXPECT_TRUE(w->lblCalTitle->alignment() & Qt::AlignLeft);
    EXPECT_EQ(w->lblFont[0]->text(), "24pt - Times New Roman");
    EXPECT_EQ(w->lblFont[1]->text(), "12pt - Times New Roman");
    EXPECT_EQ(w->lblFont[2]->text(), "10pt - Arial");
    EXPECT_EQ(w->lblFont[3]->text(), "10pt - Arial");
    EXPECT_EQ(w->cboFontSize->currentText(), "Medium");
    // The default face is in the list and selected, installed under its name or not.
    EXPECT_EQ(w->cboFonts->currentText(), "Times New Roman");
    EXPECT_EQ(swatch(w->picBir), QColor(Qt::black));
    EXPECT_TRUE(w->optPaperDefault->isChecked());
    EXPECT_FALSE(w->txtPaperWidth->isEnabled());
    EXPECT_FALSE(w->optPortrait->isEnabled());
    EXPECT_EQ(w->txtPaperWidth->text(), "");
    EXPECT_EQ(w->txtMarginTop->text(), "0.75");
    EXPECT_EQ(w->cmdOK->text(), "&Save");
}

TEST_F(LayoutDialog, LoadsStoredChoicesAndTheTabsSwitchPages) {
    app.Layout.ShowTitle = "true"; // only "True" is yes
    app.Layout.AlignTitle = "Right";
    app.Layout.AlignMonthYear = "centre";
    app.Layout.Anniversary = "&H00FF00";
    app.Layout.PaperSize = "Custom";
    app.Layout.PaperSizeWidth = 8.5f;
    app.Layout.PaperSizeHeight = 11;
    app.Layout.PaperOrientation = "Portrait";
    app.Layout.MarginLeft = 0.5f;
    open();
    EXPECT_FALSE(w->chkCalTitle->isChecked());
    EXPECT_FALSE(w->fraCalTitle->isVisible());
    EXPECT_FALSE(w->lblCalTitle->isVisible());
    EXPECT_TRUE(w->optCalTitle[1]->isChecked());
    EXPECT_TRUE(w->optMonYr[2]->isChecked());
    EXPECT_TRUE(w->lblMonthYear->alignment() & Qt::AlignHCenter);

    click(w->lblMenu[2]);
    EXPECT_TRUE(w->picColors->isVisible());
    EXPECT_FALSE(w->picAlignment->isVisible());
    EXPECT_TRUE(w->lblMenu[2]->font().bold());
    EXPECT_FALSE(w->lblMenu[0]->font().bold());
    auto textColour = [](const QLabel* label) {
        return label->palette().color(label->foregroundRole());
    };
    EXPECT_EQ(textColour(w->lblMenu[2]), w->palette().color(QPalette::Highlight));
    EXPECT_EQ(textColour(w->lblMenu[0]), QColor(Qt::black));
    EXPECT_EQ(swatch(w->picAnn), QColor(0, 255, 0));

    click(w->lblMenu[3]);
    EXPECT_TRUE(w->picPaper->isVisible());
    EXPECT_TRUE(w->optPaperCustom->isChecked());
    EXPECT_TRUE(w->txtPaperWidth->isEnabled());
    EXPECT_EQ(w->txtPaperWidth->text(), "8.5");
    EXPECT_EQ(w->txtPaperHeight->text(), "11");
    EXPECT_TRUE(w->optPortrait->isChecked());
    EXPECT_EQ(w->txtMarginLeft->text(), "0.5");

    w->chkCalTitle->click();
    EXPECT_FALSE(w->fraCalTitle->isHidden());
    EXPECT_FALSE(w->lblCalTitle->isHidden());
    EXPECT_EQ(app.Layout.ShowTitle, "true"); // reaches the layout only through Save
}

TEST_F(LayoutDialog, SizesTakeTheirPositionAndReachTheSelectedTextAtOnce) {
    app.Layout.FontSizeMonthYear = "25";
    open();
    EXPECT_EQ(w->cboFontSize->currentText(), "Medium");
    EXPECT_EQ(app.Layout.FontSizeMonthYear, "24");
    EXPECT_EQ(w->lblFont[0]->text(), "24pt - Times New Roman");

    w->optFont[2]->click(); // dates and events
    EXPECT_EQ(w->cboFontSize->currentText(), "Medium");
    choose(w->cboFontSize, 4);
    EXPECT_EQ(app.Layout.FontSizeDates, "14");
    EXPECT_EQ(w->lblFont[2]->text(), "14pt - Arial");
    EXPECT_EQ(app.Layout.FontSizeMonthYear, "24");
    EXPECT_EQ(stored("FontSizeDates"), "10"); // the store waits for Save
}

TEST_F(LayoutDialog, AFontOrSizeTheListsLackSelectsNothingAndIsKept) {
    app.Layout.FontMonthYear = "No Such Face";
    app.Layout.FontSizeMonthYear = "40";
    open(); // must not hang looking for the font
    EXPECT_EQ(w->cboFonts->currentIndex(), -1);
    EXPECT_EQ(w->cboFontSize->currentIndex(), -1);
    EXPECT_EQ(w->lblFont[0]->text(), "40pt - No Such Face");
    EXPECT_EQ(app.Layout.FontMonthYear, "No Such Face");
    EXPECT_EQ(app.Layout.FontSizeMonthYear, "40");

    ASSERT_GT(w->cboFonts->count(), 0) << "no installed fonts";
    const QString face = w->cboFonts->itemText(0);
    w->optFont[1]->click(); // calendar title
    choose(w->cboFonts, 0);
    EXPECT_EQ(app.Layout.FontCalTitle, face);
    EXPECT_EQ(w->lblFont[1]->text(), "12pt - " + face);
    EXPECT_EQ(app.Layout.FontMonthYear, "No Such Face");

    w->cboFonts->addItem(QString()); // a nameless entry is refused
    choose(w->cboFonts, w->cboFonts->count() - 1);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text, "Invalid font. Please select another.");
    EXPECT_EQ(t.dialogs.messages[0].title, "Daylark");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(w->cboFonts->currentText(), face);
    EXPECT_EQ(app.Layout.FontCalTitle, face);
}

TEST_F(LayoutDialog, ChosenColoursAreHeldWithSixDigitsAndSavedWithoutLeadingZeros) {
    open();
    t.dialogs.colorNext(std::nullopt);
    click(w->picBir);
    EXPECT_EQ(app.Layout.Birthday, "&H0");
    t.dialogs.colorNext(QColor(0, 0, 255));
    click(w->picHol);
    EXPECT_EQ(app.Layout.Holiday, "&HFF0000");
    EXPECT_EQ(swatch(w->picHol), QColor(0, 0, 255));
    t.dialogs.colorNext(QColor(255, 0, 0));
    click(w->picOth);
    EXPECT_EQ(app.Layout.Other, "&H0000FF");
    EXPECT_EQ(stored("Other"), "&H0");

    click(w->cmdOK);
    EXPECT_EQ(stored("Holiday"), "&HFF0000");
    EXPECT_EQ(stored("Other"), "&HFF");
    EXPECT_EQ(app.Layout.Other, "&HFF");
    EXPECT_EQ(stored("Birthday"), "&H0");
}

TEST_F(LayoutDialog, SaveWritesEveryValueRedrawsAnOpenViewAndCloses) {
    app.CalendarViewOpen = true;
    open();
    w->chkCalTitle->click();
    w->optMonYr[2]->click();
    w->optPortrait->setChecked(true); // default paper prints across whatever this says
    type(w->txtMarginTop, "1.25");
    EXPECT_EQ(app.Layout.AlignMonthYear, "Left");
    click(w->cmdOK);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(t.views.redraws, 1);
    EXPECT_EQ(app.Layout.ShowTitle, "False");
    EXPECT_EQ(stored("ShowTitle"), "False");
    EXPECT_EQ(stored("AlignMonthYear"), "Center");
    EXPECT_EQ(stored("AlignTitle"), "Left");
    EXPECT_EQ(stored("PaperOrientation"), "Landscape");
    EXPECT_EQ(stored("PaperSizeWidth"), "0");
    EXPECT_EQ(stored("MarginTop"), "1.25");
    EXPECT_EQ(app.Layout.MarginTop, 1.25f);

    app.CalendarViewOpen = false;
    open();
    click(w->cmdOK);
    EXPECT_EQ(t.views.redraws, 1);
}

TEST_F(LayoutDialog, ASmallCustomPageIsRefusedButStoredAndCanBeCorrected) {
    app.CalendarViewOpen = true;
    open();
    w->optPaperCustom->click();
    EXPECT_EQ(app.Layout.PaperSize, "Custom"); // at once
    EXPECT_TRUE(w->txtPaperWidth->isEnabled());
    w->optPortrait->click();
    type(w->txtPaperWidth, "6");
    type(w->txtPaperHeight, "11");
    click(w->cmdOK);
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].text,
              "Invalid paper dimension(s).\nThe width and height of the calendar must be "
              "greater than 5 inches, excluding margins.");
    EXPECT_EQ(t.dialogs.messages[0].title, "Daylark 2.0");
    EXPECT_EQ(t.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(t.views.redraws, 0);
    EXPECT_EQ(stored("PaperSize"), "Custom");
    EXPECT_EQ(stored("PaperSizeWidth"), "6");
    EXPECT_EQ(stored("PaperOrientation"), "Portrait");

    type(w->txtPaperWidth, "8.5");
    click(w->cmdOK);
    EXPECT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(t.views.redraws, 1);
    EXPECT_EQ(stored("PaperSizeWidth"), "8.5");
    EXPECT_EQ(app.Layout.PaperSizeHeight, 11.0f);

    open();
    w->optPaperDefault->click();
    EXPECT_EQ(app.Layout.PaperSize, "Default");
    EXPECT_FALSE(w->txtPaperWidth->isEnabled());
}

TEST_F(LayoutDialog, ClosingWithoutSavingKeepsTheImmediateChangesInMemoryOnly) {
    open();
    choose(w->cboFontSize, 0);
    t.dialogs.colorNext(QColor(0, 0, 255));
    click(w->picAnn);
    w->optPaperCustom->click();
    w->close();
    EXPECT_EQ(app.Layout.FontSizeMonthYear, "20");
    EXPECT_EQ(app.Layout.Anniversary, "&HFF0000");
    EXPECT_EQ(app.Layout.PaperSize, "Custom");
    EXPECT_EQ(stored("FontSizeMonthYear"), "24");
    EXPECT_EQ(stored("Anniversary"), "&H0");
    EXPECT_EQ(stored("PaperSize"), "Default");
    EXPECT_EQ(t.views.redraws, 0);
}

TEST_F(LayoutDialog, PageSetupFormShowsOnlyThePaperPageAndSavesEverything) {
    app.Layout.AlignTitle = "Right";
    open(LayoutForm::PaperOnly);
    EXPECT_EQ(w->form(), LayoutForm::PaperOnly);
    EXPECT_TRUE(w->picPaper->isVisible());
    for (QWidget* hidden : {(QWidget*)w->picMenu, w->picAlignment, w->picFonts, w->picColors})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    type(w->txtMarginLeft, "1");
    click(w->cmdOK);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(stored("MarginLeft"), "1");
    EXPECT_EQ(stored("AlignTitle"), "Right");
    EXPECT_EQ(stored("ShowTitle"), "True");
    EXPECT_EQ(stored("FontSizeMonthYear"), "24");
}

} // namespace
