#include "settings/windows/LayoutDialog.h"
#include "settings/SaveSettings.h"

#include "document/AppState.h"
#include "platform/Dialogs.h"
#include "platform/widgets/ClickableLabel.h"
#include "settings/PageLanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <algorithm>

namespace {

// The installed font families a user can print with (the toolkit's private fonts left out),
// with the page's default faces among them: the desktop prints those with their metric
// twins (Liberation Serif and Sans) even where the names themselves are not installed.
QStringList installedFonts() {
    QStringList fonts;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family)) fonts << family;
    for (const QString& face : {QStringLiteral("Times New Roman"), QStringLiteral("Arial")})
        if (!fonts.contains(face)) fonts << face;
    fonts.sort(Qt::CaseInsensitive);
    return fonts;
}

Qt::Alignment previewAlignment(int index) {
    switch (index) {
    case 0:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case 1:
        return Qt::AlignRight | Qt::AlignVCenter;
    default:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    }
}

template <std::size_t N>
int checkedIndex(const std::array<QRadioButton*, N>& options, int fallback) {
    for (std::size_t i = 0; i < N; ++i)
        if (options[i]->isChecked()) return int(i);
    return fallback;
}

} // namespace

frmLayout::frmLayout(AppState& app, LayoutForm form, QWidget* parent)
    : QDialog(parent), app_(app), form_(form),
      unit_(MeasureUnitOf(PageLanguage(QStringLiteral("System")))) {
    setObjectName(QStringLiteral("frmLayout"));
    setWindowTitle(tr("Layout Options"));
    buildMenu();
    buildAlignmentPage();
    buildFontsPage();
    buildColorsPage();
    buildPaperPage();
    layOut();
    connectControls();
    Form_Load();
}

void frmLayout::connectControls() {
    for (int i = 0; i < 4; ++i)
        connect(lblMenu[i], &ClickableLabel::clicked, this, [this, i] { lblMenu_Click(i); });
    connect(chkCalTitle, &QCheckBox::clicked, this, &frmLayout::chkCalTitle_Click);
    for (int i = 0; i < 3; ++i) {
        connect(optCalTitle[i], &QRadioButton::clicked, this, [this, i] { optCalTitle_Click(i); });
        connect(optMonYr[i], &QRadioButton::clicked, this, [this, i] { optMonYr_Click(i); });
    }
    for (int i = 0; i < kFontTargetCount; ++i) {
        const auto target = static_cast<FontTarget>(i);
        connect(optFont[i], &QRadioButton::clicked, this,
                [this, target] { optFont_Click(target); });
    }
    connect(cboFonts, &QComboBox::activated, this, &frmLayout::cboFonts_Click);
    connect(cboFontSize, &QComboBox::activated, this, &frmLayout::cboFontSize_Click);
    for (int i = 0; i < 4; ++i)
        connect(swatches_[i], &ClickableLabel::clicked, this, [this, i] { swatch_Click(i); });
    connect(optPaperCustom, &QRadioButton::clicked, this, &frmLayout::optPaperCustom_Click);
    connect(optPaperDefault, &QRadioButton::clicked, this, &frmLayout::optPaperDefault_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmLayout::cmdOK_Click);
    connectSample();
}

// Setting a control from code runs its handler as a click would, so the previews, labels
// and the font fields follow the loaded values.
void frmLayout::Form_Load() {
    loading_ = true;
    const LayoutSettings& layout = app_.Layout;
    chkCalTitle->setChecked(isTrue(layout.ShowTitle));
    chkCalTitle_Click();
    const int title = alignmentIndex(layout.AlignTitle);
    optCalTitle[title]->setChecked(true);
    optCalTitle_Click(title);
    const int monthYear = alignmentIndex(layout.AlignMonthYear);
    optMonYr[monthYear]->setChecked(true);
    optMonYr_Click(monthYear);
    for (int i = 0; i < 4; ++i)
        setSwatch(i, colorFromText(layout.*colorFields()[i]));
    loadFontPage();
    loadPaperPage();
    loadLanguageFrame();
    chkMarkFull->setChecked(isTrue(layout.MarkOverfullDays));
    cboLeapDay->setCurrentIndex(static_cast<int>(LeapDayRule(layout.LeapDayEntries)));
    loadExtras();
    if (form_ == LayoutForm::AllPages) lblMenu_Click(0);
    loading_ = false;
    refreshSample();
}

void frmLayout::loadFontPage() {
    optFont[0]->setChecked(true); // the fonts of the month-and-year heading come first
    cboFonts->clear();
    cboFonts->addItems(installedFonts());
    selectFontOf(FontTarget::MonthYear);
    cboFontSize->clear();
    cboFontSize->addItems(fontSizeNames());
    selectSizeOf(FontTarget::MonthYear);
    for (int i = 0; i < kFontTargetCount; ++i)
        showFontLabel(static_cast<FontTarget>(i));
}

void frmLayout::loadPaperPage() {
    const LayoutSettings& layout = app_.Layout;
    showMeasureUnit();
    const QString paperName = ChosenPaperName(layout);
    if (!paperName.isEmpty()) {
        optPaperNamed->setChecked(true);
        cboPaperName->setCurrentText(paperName);
        optPaperNamed_Click();
    } else if (layout.PaperSize == QLatin1String("Custom")) {
        optPaperCustom->setChecked(true);
        optPaperCustom_Click();
        showMeasure(txtPaperWidth, layout.PaperSizeWidth);
        showMeasure(txtPaperHeight, layout.PaperSizeHeight);
    } else {
        optPaperDefault->setChecked(true);
        setCustomPaperEnabled(false);
        txtPaperWidth->clear();
        txtPaperHeight->clear();
    }
    optLandscape->setChecked(true);
    if (layout.PaperOrientation == QLatin1String("Portrait")) optPortrait->setChecked(true);
    showMeasure(txtMarginTop, layout.MarginTop);
    showMeasure(txtMarginBottom, layout.MarginBottom);
    showMeasure(txtMarginLeft, layout.MarginLeft);
    showMeasure(txtMarginRight, layout.MarginRight);
}

void frmLayout::lblMenu_Click(int index) {
    if (index < 0 || index >= int(pageList_.size()) || pages_->indexOf(pageList_[index]) < 0)
        return; // the paper-only form has no other page
    pages_->setCurrentWidget(pageList_[index]);
    for (int i = 0; i < 4; ++i) {
        const bool selected = i == index;
        QFont font = lblMenu[i]->font();
        font.setBold(selected);
        lblMenu[i]->setFont(font);
        QPalette palette = lblMenu[i]->palette();
        palette.setColor(QPalette::WindowText,
                         selected ? palette.color(QPalette::Highlight) : QColor(Qt::black));
        lblMenu[i]->setPalette(palette);
    }
}

void frmLayout::chkCalTitle_Click() {
    const bool shown = chkCalTitle->isChecked();
    fraCalTitle->setVisible(shown);
    lblCalTitle->setVisible(shown);
}

void frmLayout::optCalTitle_Click(int index) {
    lblCalTitle->setAlignment(previewAlignment(index));
}

void frmLayout::optMonYr_Click(int index) {
    lblMonthYear->setAlignment(previewAlignment(index));
}

void frmLayout::optFont_Click(FontTarget target) {
    selectFontOf(target);
    selectSizeOf(target);
}

std::optional<FontTarget> frmLayout::selectedTarget() const {
    for (int i = 0; i < kFontTargetCount; ++i)
        if (optFont[i]->isChecked()) return static_cast<FontTarget>(i);
    return std::nullopt;
}

// Selects the target's font in the list. A font that is not installed (or an empty name)
// selects nothing: the list then shows the stored name greyed and the setting is kept.
void frmLayout::selectFontOf(FontTarget target) {
    const QString& font = app_.Layout.*fontTargetRule(target).font;
    cboFonts->setPlaceholderText(font);
    const int index =
        font.isEmpty() ? -1 : cboFonts->findText(font, Qt::MatchExactly | Qt::MatchCaseSensitive);
    cboFonts->setCurrentIndex(index);
    if (index >= 0) cboFonts_Click();
}

// Selects the target's size position. A stored size outside the five positions selects
// nothing and is kept.
void frmLayout::selectSizeOf(FontTarget target) {
    const FontTargetRule& rule = fontTargetRule(target);
    const std::optional<int> position = fontSizePosition(app_.Layout.*rule.size, rule.base);
    cboFontSize->setCurrentIndex(position.value_or(-1));
    if (position) cboFontSize_Click();
}

void frmLayout::cboFonts_Click() {
    const std::optional<FontTarget> target = selectedTarget();
    if (!target) return;
    const QString name = cboFonts->currentText();
    if (name.isEmpty()) {
        app_.dialogs.message({QCoreApplication::translate("LayoutRules", kInvalidFontMessage),
                              kInvalidFontTitle, MessageIcon::Critical, MessageButtons::Ok,
                              Answer::Ok, this});
        selectFontOf(*target);
        return;
    }
    app_.Layout.*fontTargetRule(*target).font = name;
    cboFonts->setPlaceholderText(name);
    showFontLabel(*target);
}

void frmLayout::cboFontSize_Click() {
    const std::optional<FontTarget> target = selectedTarget();
    const int position = cboFontSize->currentIndex();
    if (!target || position < 0) return;
    const FontTargetRule& rule = fontTargetRule(*target);
    app_.Layout.*rule.size = fontSizeAt(position, rule.base);
    showFontLabel(*target);
}

void frmLayout::showFontLabel(FontTarget target) {
    const FontTargetRule& rule = fontTargetRule(target);
    lblFont[static_cast<int>(target)]->setText(
        fontLabelText(app_.Layout.*rule.size, app_.Layout.*rule.font));
}

void frmLayout::swatch_Click(int index) {
    const QColor current = swatches_[index]->palette().color(QPalette::Window);
    const std::optional<QColor> chosen = app_.dialogs.chooseColor(current, this);
    if (!chosen || !chosen->isValid()) return;
    const QString text = swatchColorText(*chosen);
    app_.Layout.*colorFields()[index] = text;
    setSwatch(index, colorFromText(text));
}

void frmLayout::setSwatch(int index, const QColor& color) {
    QPalette palette = swatches_[index]->palette();
    palette.setColor(QPalette::Window, color);
    swatches_[index]->setPalette(palette);
    refreshSample();
}

void frmLayout::optPaperCustom_Click() {
    setCustomPaperEnabled(true);
    app_.Layout.PaperSize = QStringLiteral("Custom");
}

void frmLayout::optPaperDefault_Click() {
    setCustomPaperEnabled(false);
    app_.Layout.PaperSize = QStringLiteral("Default");
}

// Disabled, the boxes and labels take the toolkit's greyed look.
void frmLayout::setCustomPaperEnabled(bool enabled) {
    picPaperCustom->setEnabled(enabled);
    for (QWidget* control :
         std::initializer_list<QWidget*>{txtPaperWidth, txtPaperHeight, lblPaperWidth,
                                         lblPaperHeight, optLandscape, optPortrait})
        control->setEnabled(enabled);
    cboPaperName->setEnabled(enabled && optPaperNamed->isChecked());
}

LayoutControls frmLayout::readControls() const {
    LayoutControls controls;
    controls.showTitle = chkCalTitle->isChecked();
    controls.alignTitle = checkedIndex(optCalTitle, 2);
    controls.alignMonthYear = checkedIndex(optMonYr, 2);
    for (int i = 0; i < 4; ++i)
        controls.colors[i] = swatches_[i]->palette().color(QPalette::Window);
    controls.paperName = optPaperNamed->isChecked() ? cboPaperName->currentText() : QString();
    controls.paperWidth = inchesIn(txtPaperWidth);
    controls.paperHeight = inchesIn(txtPaperHeight);
    controls.portrait = optPortrait->isChecked();
    controls.marginLeft = inchesIn(txtMarginLeft);
    controls.marginRight = inchesIn(txtMarginRight);
    controls.marginTop = inchesIn(txtMarginTop);
    controls.marginBottom = inchesIn(txtMarginBottom);
    controls.markOverfull = chkMarkFull->isChecked();
    controls.leapDay = static_cast<LeapDayPlacement>(std::max(cboLeapDay->currentIndex(), 0));
    readLanguageFrame(controls);
    readExtras(controls);
    return controls;
}

// Everything is written before the paper check, so a refused custom size is stored as
// typed and the dialog stays open for the correction. A write that fails keeps the dialog
// open with the user's choices, and the settings in use stay as they were.
void frmLayout::cmdOK_Click() {
    LayoutSettings chosen = app_.Layout;
    applyLayoutControls(chosen, readControls());
    if (!SaveDialogSettings(app_, chosen, this)) return;
    app_.Layout = chosen;
    QString refusal = unkeptPaperMessage(app_.Layout, unit_);
    if (refusal.isEmpty() && !paperFits(app_.Layout)) refusal = paperMessage(unit_);
    if (!refusal.isEmpty()) {
        app_.dialogs.message(
            {refusal, kPaperTitle, MessageIcon::Critical, MessageButtons::Ok, Answer::Ok, this});
        return;
    }
    if (app_.CalendarViewOpen) app_.viewsOrNone().redrawCalendarView();
    accept();
}
