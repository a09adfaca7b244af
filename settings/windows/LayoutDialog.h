#pragma once

#include "settings/LayoutRules.h"

#include <QDialog>
#include <array>
#include <map>
#include <optional>

class ClickableLabel;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
struct AppState;

// Which pages the layout dialog offers: all four behind the tab row (from the options
// dialog and the print window), or only the paper page without the tab row (File > Page
// Setup).
enum class LayoutForm { AllPages, PaperOnly };

// "Layout Options": the fonts, sizes, colours, alignments, paper and margins of the printed
// calendar. Font, size, colour and paper-kind choices reach the in-memory layout at once;
// Save writes the whole layout to the store, checks a custom paper size and closes.
// The program opens it with exec(); it loads from the in-memory layout when constructed.
class frmLayout : public QDialog {
    Q_OBJECT
  public:
    explicit frmLayout(AppState& app, LayoutForm form = LayoutForm::AllPages,
                       QWidget* parent = nullptr);

    LayoutForm form() const { return form_; }

    // Sets every control from the in-memory layout (run by the constructor).
    void Form_Load();
    // Shows page i (0 Alignment, 1 Fonts, 2 Colors, 3 Page Setup) and marks its tab.
    void lblMenu_Click(int index);
    // Save: writes every layout value; closes unless a custom page is too small.
    void cmdOK_Click();

    // Tab row.
    QFrame* picMenu;
    std::array<ClickableLabel*, 4> lblMenu;

    // Alignment page.
    QWidget* picAlignment;
    QLabel* lblAlign;
    QCheckBox* chkCalTitle;
    QGroupBox* fraCalTitle;
    std::array<QRadioButton*, 3> optCalTitle; // Left, Right, Center
    QGroupBox* fraMonYr;
    std::array<QRadioButton*, 3> optMonYr;
    QFrame* shaCalendar;
    QLabel* lblCalTitle;
    QLabel* lblMonthYear;
    // Days with many entries, and 29 February in other years.
    QGroupBox* fraEntries;
    QCheckBox* chkMarkFull;
    QLabel* lblLeapDay;
    QComboBox* cboLeapDay; // in the order of LeapDayPlacement
    // The calendar's language and week.
    QGroupBox* fraLanguage;
    QLabel* lblLanguage;
    QComboBox* cboLanguage; // "System", then the languages; the stored name is the item data
    QLabel* lblFirstDay;
    QComboBox* cboFirstDay; // Locale, Sunday, Monday, Saturday; the stored word is the data
    QCheckBox* chkWeekNumbers;
    // What the month pages add to the grid.
    QGroupBox* fraExtras;
    QCheckBox* chkSmallMonths;
    QCheckBox* chkFitRows;
    QCheckBox* chkMoonPhases;
    QCheckBox* chkNotesBox;

    // Fonts page; the option and label arrays are indexed by FontTarget.
    QWidget* picFonts;
    QLabel* lblFonts;
    std::array<QRadioButton*, kFontTargetCount> optFont; // optFontMonYr ... optFontDays
    std::array<QLabel*, kFontTargetCount> lblFont;       // lblFontMonYr ... lblFontDays
    QComboBox* cboFonts;
    QComboBox* cboFontSize;

    // Colors page; the swatches in the order Birthday, Holiday, Anniversary, Other.
    QWidget* picColors;
    QLabel* lblColors;
    ClickableLabel* picBir;
    ClickableLabel* picHol;
    ClickableLabel* picAnn;
    ClickableLabel* picOth;
    QLabel* lblBir;
    QLabel* lblHol;
    QLabel* lblFHol;
    QLabel* lblAnn;
    QLabel* lblOth;
    // Shaded weekends and holidays, and the shade's swatch (held like the other colours).
    QGroupBox* fraShading;
    QCheckBox* chkShadeWeekends;
    QCheckBox* chkShadeHolidays;
    ClickableLabel* picShade;
    QLabel* lblShade;

    // Beside every page but in the paper-only form: a sample month as the choices print it.
    QLabel* lblSample;
    QLabel* picSample;

    // Page Setup page.
    QWidget* picPaper;
    QLabel* lblPaper;
    QRadioButton* optPaperDefault;
    QRadioButton* optPaperNamed; // a standard size, chosen in cboPaperName
    QComboBox* cboPaperName;
    QRadioButton* optPaperCustom;
    QFrame* picPaperCustom;
    QRadioButton* optLandscape;
    QRadioButton* optPortrait;
    QLineEdit* txtPaperWidth;
    QLabel* lblPaperWidth;
    QLineEdit* txtPaperHeight;
    QLabel* lblPaperHeight;
    QLabel* lblMargins;
    QLineEdit* txtMarginTop;
    QLineEdit* txtMarginBottom;
    QLineEdit* txtMarginLeft;
    QLineEdit* txtMarginRight;
    QLabel* lblMarginTop;
    QLabel* lblMarginBottom;
    QLabel* lblMarginLeft;
    QLabel* lblMarginRight;

    QPushButton* cmdOK;

    // Draws the sample month again from the controls as they stand.
    void refreshSample();

  private:
    // Building (LayoutDialogPages.cpp).
    void buildMenu();
    void buildAlignmentPage();
    void buildPreview();
    void buildEntriesFrame();  // LayoutDialogEntries.cpp
    void buildLanguageFrame(); // LayoutDialogLanguage.cpp
    void buildExtrasFrame();   // LayoutDialogExtras.cpp
    void buildShadingFrame();
    void buildSample();
    void connectSample();
    void buildNamedPaper(); // LayoutDialogPaper.cpp
    void buildFontsPage();
    void buildColorsPage();
    void buildPaperPage();
    void buildCustomPaper();
    QGridLayout* buildMargins();
    void layOut();
    void connectControls();

    // Handlers.
    void chkCalTitle_Click();
    void optCalTitle_Click(int index);
    void optMonYr_Click(int index);
    void optFont_Click(FontTarget target);
    void cboFonts_Click();
    void cboFontSize_Click();
    void swatch_Click(int index);
    void optPaperCustom_Click();
    void optPaperDefault_Click();
    void optPaperNamed_Click();
    void cboPaperName_Click();

    // Helpers.
    void loadFontPage();
    void loadPaperPage();
    void loadLanguageFrame();
    void loadExtras();
    void readExtras(LayoutControls& controls) const;
    void picShade_Click();
    void showMeasureUnit();
    void showNamedPaperSides();
    void showMeasure(QLineEdit* box, float inches);
    QString inchesIn(const QLineEdit* box) const;
    std::optional<FontTarget> selectedTarget() const;
    void selectFontOf(FontTarget target);
    void selectSizeOf(FontTarget target);
    void showFontLabel(FontTarget target);
    void setSwatch(int index, const QColor& color);
    void setCustomPaperEnabled(bool enabled);
    LayoutControls readControls() const;
    void readLanguageFrame(LayoutControls& controls) const;

    AppState& app_;
    LayoutForm form_;
    QStackedWidget* pages_;
    std::array<QWidget*, 4> pageList_;
    std::array<ClickableLabel*, 4> swatches_; // Birthday, Holiday, Anniversary, Other
    MeasureUnit unit_;                        // of the paper and margin boxes
    bool loading_ = false;                    // Form_Load runs: the sample waits for its end
    // What each measurement box was last given: its text and the inches it stands for.
    std::map<const QLineEdit*, std::pair<QString, float>> shownMeasures_;
};
