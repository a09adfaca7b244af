// The controls of the layout dialog and where they sit.
#include "settings/windows/LayoutDialog.h"

#include "platform/widgets/ClickableLabel.h"
#include "platform/widgets/NamedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace {

// A page heading: bold text followed by a rule across the rest of the page.
QHBoxLayout* heading(QLabel* label) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    auto* rule = new QFrame(label->parentWidget());
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(rule, 1);
    return row;
}

QLineEdit* measureBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("00.000")) + 16);
    box->setAlignment(Qt::AlignRight);
    return box;
}

// The page sketch under the preview labels: a weekday strip and a month grid, so that the
// alignment of the two headings reads as it will on paper.
class CalendarSketch : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(QColor(160, 160, 160));
        const QRectF area = QRectF(rect()).adjusted(0.5, 6.5, -0.5, -0.5);
        painter.drawLine(area.topLeft(), area.topRight());
        const double top = area.top() + 6;
        const double rowHeight = (area.bottom() - top) / 6;
        for (int k = 0; k <= 6; ++k)
            painter.drawLine(QPointF(area.left(), top + k * rowHeight),
                             QPointF(area.right(), top + k * rowHeight));
        for (int k = 0; k <= 7; ++k) {
            const double x = area.left() + k * area.width() / 7;
            painter.drawLine(QPointF(x, top), QPointF(x, area.bottom()));
        }
    }
};

const char* const kMenuCaptions[] = {
    QT_TRANSLATE_NOOP("frmLayout", "Alignment"), QT_TRANSLATE_NOOP("frmLayout", "Fonts"),
    QT_TRANSLATE_NOOP("frmLayout", "Colors"), QT_TRANSLATE_NOOP("frmLayout", "Page Setup")};
const char* const kAlignCaptions[] = {QT_TRANSLATE_NOOP("frmLayout", "Left"),
                                      QT_TRANSLATE_NOOP("frmLayout", "Right"),
                                      QT_TRANSLATE_NOOP("frmLayout", "Center")};

struct FontTargetNames {
    const char* option;
    const char* caption;
    const char* label;
};
const FontTargetNames kFontTargetNames[kFontTargetCount] = {
    {"optFontMonYr", QT_TRANSLATE_NOOP("frmLayout", "Month and Year:"), "lblFontMonYr"},
    {"optFontCalTitle", QT_TRANSLATE_NOOP("frmLayout", "Calendar Title:"), "lblFontCalTitle"},
    {"optFontDates", QT_TRANSLATE_NOOP("frmLayout", "Dates and Events:"), "lblFontDates"},
    {"optFontDays", QT_TRANSLATE_NOOP("frmLayout", "Days of the Week:"), "lblFontDays"},
};

} // namespace

void frmLayout::buildMenu() {
    picMenu = named(new QFrame(this), "picMenu");
    picMenu->setFrameShape(QFrame::StyledPanel);
    picMenu->setAutoFillBackground(true);
    picMenu->setBackgroundRole(QPalette::Base);
    auto* row = new QHBoxLayout(picMenu);
    row->setContentsMargins(4, 2, 4, 2);
    row->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        lblMenu[i] = named(new ClickableLabel(tr(kMenuCaptions[i]), picMenu),
                           QStringLiteral("lblMenu%1").arg(i));
        lblMenu[i]->setContentsMargins(12, 6, 12, 6);
        lblMenu[i]->setCursor(Qt::PointingHandCursor);
        lblMenu[i]->setForegroundRole(QPalette::WindowText); // the marking colour, not Text
        row->addWidget(lblMenu[i]);
    }
    row->addStretch(1);
}

void frmLayout::buildAlignmentPage() {
    picAlignment = named(new QWidget(this), "picAlignment");
    lblAlign = named(new QLabel(tr("Alignment "), picAlignment), "lblAlign");
    chkCalTitle =
        named(new QCheckBox(tr("Display Calendar Title and Header"), picAlignment), "chkCalTitle");
    fraCalTitle =
        named(new QGroupBox(tr("Align Calendar Title and Header"), picAlignment), "fraCalTitle");
    fraMonYr = named(new QGroupBox(tr("Align Month and Year"), picAlignment), "fraMonYr");
    for (QGroupBox* frame : {fraCalTitle, fraMonYr}) {
        const bool title = frame == fraCalTitle;
        auto& options = title ? optCalTitle : optMonYr;
        const QString prefix = title ? QStringLiteral("optCalTitle") : QStringLiteral("optMonYr");
        auto* row = new QHBoxLayout(frame);
        for (int i = 0; i < 3; ++i) {
            options[i] =
                named(new QRadioButton(tr(kAlignCaptions[i]), frame), prefix + QString::number(i));
            row->addWidget(options[i]);
        }
        row->addStretch(1);
    }

    buildPreview();
    buildEntriesFrame();
    buildLanguageFrame();
    buildExtrasFrame();

    auto* frames = new QVBoxLayout;
    frames->addWidget(chkCalTitle);
    frames->addWidget(fraCalTitle);
    frames->addWidget(fraMonYr);
    frames->addWidget(fraEntries);
    frames->addWidget(fraLanguage);
    frames->addWidget(fraExtras);
    frames->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addLayout(frames, 1);
    body->addSpacing(12);
    body->addWidget(shaCalendar, 0, Qt::AlignTop);
    auto* page = new QVBoxLayout(picAlignment);
    page->addLayout(heading(lblAlign));
    page->addLayout(body, 1);
}

// The preview: a small white page whose two headings take the chosen alignments.
void frmLayout::buildPreview() {
    shaCalendar = named(new QFrame(picAlignment), "shaCalendar");
    shaCalendar->setFrameShape(QFrame::Box);
    shaCalendar->setAutoFillBackground(true);
    shaCalendar->setBackgroundRole(QPalette::Base);
    shaCalendar->setFixedSize(190, 150);
    lblMonthYear = named(new QLabel(tr("Month / Year"), shaCalendar), "lblMonthYear");
    QFont big = lblMonthYear->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    lblMonthYear->setFont(big);
    lblCalTitle = named(new QLabel(tr("Calendar Title"), shaCalendar), "lblCalTitle");
    auto* preview = new QVBoxLayout(shaCalendar);
    preview->setContentsMargins(10, 8, 10, 10);
    preview->setSpacing(2);
    preview->addWidget(lblMonthYear);
    preview->addWidget(lblCalTitle);
    preview->addWidget(new CalendarSketch(shaCalendar), 1);
}

void frmLayout::buildFontsPage() {
    picFonts = named(new QWidget(this), "picFonts");
    lblFonts = named(new QLabel(tr("Fonts "), picFonts), "lblFonts");
    auto* targets = new QGridLayout;
    targets->setHorizontalSpacing(16);
    for (int i = 0; i < kFontTargetCount; ++i) {
        const FontTargetNames& names = kFontTargetNames[i];
        optFont[i] = named(new QRadioButton(tr(names.caption), picFonts), names.option);
        lblFont[i] = named(new QLabel(picFonts), names.label);
        targets->addWidget(optFont[i], i, 0);
        targets->addWidget(lblFont[i], i, 1);
    }
    targets->setColumnStretch(1, 1);
    optFont[0]->setChecked(true);

    cboFonts = named(new QComboBox(picFonts), "cboFonts");
    cboFonts->setMinimumContentsLength(22);
    cboFonts->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboFontSize = named(new QComboBox(picFonts), "cboFontSize");
    auto* fontCaption = new QLabel(tr("&Font:"), picFonts);
    fontCaption->setBuddy(cboFonts);
    auto* sizeCaption = new QLabel(tr("Si&ze:"), picFonts);
    sizeCaption->setBuddy(cboFontSize);
    auto* choice = new QHBoxLayout;
    choice->addWidget(fontCaption);
    choice->addWidget(cboFonts, 1);
    choice->addSpacing(12);
    choice->addWidget(sizeCaption);
    choice->addWidget(cboFontSize);

    auto* page = new QVBoxLayout(picFonts);
    page->addLayout(heading(lblFonts));
    page->addLayout(targets);
    page->addSpacing(12);
    page->addLayout(choice);
    page->addStretch(1);
}

void frmLayout::buildColorsPage() {
    picColors = named(new QWidget(this), "picColors");
    lblColors = named(new QLabel(tr("Colors "), picColors), "lblColors");
    auto swatch = [this](const char* name) {
        auto* label = named(new ClickableLabel(picColors), name);
        label->setFrameShape(QFrame::Box);
        label->setAutoFillBackground(true);
        label->setFixedSize(56, 22);
        label->setCursor(Qt::PointingHandCursor);
        label->setToolTip(tr("Click to choose the colour"));
        return label;
    };
    picBir = swatch("picBir");
    picAnn = swatch("picAnn");
    picHol = swatch("picHol");
    picOth = swatch("picOth");
    swatches_ = {picBir, picHol, picAnn, picOth};
    lblBir = named(new QLabel(tr("Birthdays"), picColors), "lblBir");
    lblAnn = named(new QLabel(tr("Anniversaries"), picColors), "lblAnn");
    lblHol = named(new QLabel(tr("Holidays"), picColors), "lblHol");
    lblFHol = named(new QLabel(tr("Floating Holidays"), picColors), "lblFHol");
    lblOth = named(new QLabel(tr("Other"), picColors), "lblOth");

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(picBir, 0, 0);
    grid->addWidget(lblBir, 0, 1);
    grid->addWidget(picAnn, 1, 0);
    grid->addWidget(lblAnn, 1, 1);
    grid->addWidget(picHol, 2, 0, 2, 1, Qt::AlignVCenter); // fixed and floating holidays share it
    grid->addWidget(lblHol, 2, 1);
    grid->addWidget(lblFHol, 3, 1);
    grid->addWidget(picOth, 4, 0);
    grid->addWidget(lblOth, 4, 1);
    grid->setColumnStretch(1, 1);

    buildShadingFrame();
    auto* page = new QVBoxLayout(picColors);
    page->addLayout(heading(lblColors));
    page->addLayout(grid);
    page->addSpacing(8);
    page->addWidget(fraShading);
    page->addStretch(1);
}

void frmLayout::buildPaperPage() {
    picPaper = named(new QWidget(this), "picPaper");
    lblPaper = named(new QLabel(tr("Paper Size "), picPaper), "lblPaper");
    optPaperDefault =
        named(new QRadioButton(tr("Default (Landscape)"), picPaper), "optPaperDefault");
    optPaperCustom = named(new QRadioButton(tr("Custom:"), picPaper), "optPaperCustom");
    optPaperDefault->setChecked(true);

    buildNamedPaper();
    buildCustomPaper();
    lblMargins = named(new QLabel(tr("Margins "), picPaper), "lblMargins");
    QGridLayout* margins = buildMargins();

    auto* page = new QVBoxLayout(picPaper);
    page->addLayout(heading(lblPaper));
    page->addWidget(optPaperDefault);
    auto* namedRow = new QHBoxLayout;
    namedRow->addWidget(optPaperNamed);
    namedRow->addWidget(cboPaperName);
    namedRow->addStretch(1);
    page->addLayout(namedRow);
    page->addWidget(optPaperCustom);
    page->addWidget(picPaperCustom);
    page->addSpacing(8);
    page->addLayout(heading(lblMargins));
    page->addLayout(margins);
    page->addStretch(1);
}

// Orientation and size of a custom page, enabled only with "Custom:".
void frmLayout::buildCustomPaper() {
    picPaperCustom = named(new QFrame(picPaper), "picPaperCustom");
    optLandscape = named(new QRadioButton(tr("Landscape"), picPaperCustom), "optLandscape");
    optPortrait = named(new QRadioButton(tr("Portrait"), picPaperCustom), "optPortrait");
    optLandscape->setChecked(true);
    txtPaperWidth = measureBox(picPaperCustom, "txtPaperWidth");
    txtPaperHeight = measureBox(picPaperCustom, "txtPaperHeight");
    lblPaperWidth = named(new QLabel(tr("Width (in.)"), picPaperCustom), "lblPaperWidth");
    lblPaperHeight = named(new QLabel(tr("Height (in.)"), picPaperCustom), "lblPaperHeight");
    lblPaperWidth->setBuddy(txtPaperWidth);
    lblPaperHeight->setBuddy(txtPaperHeight);
    auto* custom = new QGridLayout(picPaperCustom);
    custom->setContentsMargins(24, 0, 0, 0);
    custom->setHorizontalSpacing(12);
    custom->addWidget(optLandscape, 0, 0);
    custom->addWidget(optPortrait, 1, 0);
    custom->addWidget(lblPaperWidth, 0, 2);
    custom->addWidget(txtPaperWidth, 0, 3);
    custom->addWidget(lblPaperHeight, 1, 2);
    custom->addWidget(txtPaperHeight, 1, 3);
    custom->setColumnMinimumWidth(1, 12);
    custom->setColumnStretch(4, 1);
}

// The four margin boxes, top and bottom on the left, left and right beside them.
QGridLayout* frmLayout::buildMargins() {
    txtMarginTop = measureBox(picPaper, "txtMarginTop");
    txtMarginBottom = measureBox(picPaper, "txtMarginBottom");
    txtMarginLeft = measureBox(picPaper, "txtMarginLeft");
    txtMarginRight = measureBox(picPaper, "txtMarginRight");
    lblMarginTop = named(new QLabel(tr("Top:"), picPaper), "lblMarginTop");
    lblMarginBottom = named(new QLabel(tr("Bottom:"), picPaper), "lblMarginBottom");
    lblMarginLeft = named(new QLabel(tr("Left:"), picPaper), "lblMarginLeft");
    lblMarginRight = named(new QLabel(tr("Right:"), picPaper), "lblMarginRight");
    auto* margins = new QGridLayout;
    margins->setHorizontalSpacing(12);
    const std::array<std::pair<QLabel*, QLineEdit*>, 4> cells = {
        {{lblMarginTop, txtMarginTop},
         {lblMarginLeft, txtMarginLeft},
         {lblMarginBottom, txtMarginBottom},
         {lblMarginRight, txtMarginRight}}};
    for (int i = 0; i < 4; ++i) {
        cells[i].first->setBuddy(cells[i].second);
        margins->addWidget(cells[i].first, i / 2, (i % 2) * 3);
        margins->addWidget(cells[i].second, i / 2, (i % 2) * 3 + 1);
    }
    margins->setColumnMinimumWidth(2, 24);
    margins->setColumnStretch(5, 1);
    return margins;
}

void frmLayout::layOut() {
    pages_ = new QStackedWidget(this);
    pageList_ = {picAlignment, picFonts, picColors, picPaper};
    // The paper-only form holds just the paper page, so that the window fits it.
    for (QWidget* page : pageList_) {
        if (form_ == LayoutForm::AllPages || page == picPaper)
            pages_->addWidget(page);
        else
            page->hide();
    }
    cmdOK = named(new QPushButton(tr("&Save"), this), "cmdOK");
    cmdOK->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    buildSample();
    auto* sample = new QVBoxLayout;
    sample->addWidget(lblSample);
    sample->addWidget(picSample);
    sample->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(pages_, 1);
    body->addSpacing(8);
    body->addLayout(sample);

    auto* all = new QVBoxLayout(this);
    all->addWidget(picMenu);
    all->addLayout(body, 1);
    all->addLayout(buttons);
    if (form_ == LayoutForm::PaperOnly) {
        picMenu->hide();
        lblSample->hide();
        picSample->hide();
    }
}
