// The layout dialog's choices of what the month pages add to the grid (small months, fitted
// rows, moon phases, a notes box), the shading of weekends and holidays, and the picture of
// a sample month that shows them as they will print.
#include "settings/windows/LayoutDialog.h"

#include "document/AppState.h"
#include "platform/Dialogs.h"
#include "platform/widgets/ClickableLabel.h"
#include "platform/widgets/NamedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The sample's room: a Letter page across at about 36 pixels an inch.
constexpr QSize kSampleSize(400, 310);

} // namespace

void frmLayout::buildExtrasFrame() {
    fraExtras = named(new QGroupBox(tr("Month Pages"), picAlignment), "fraExtras");
    chkSmallMonths =
        named(new QCheckBox(tr("&Previous and next month in small"), fraExtras), "chkSmallMonths");
    chkSmallMonths->setToolTip(tr("In the empty cells at the start and end of the grid where "
                                  "two sit side by side, otherwise beside the heading."));
    chkFitRows =
        named(new QCheckBox(tr("Only the &rows the month needs"), fraExtras), "chkFitRows");
    chkFitRows->setToolTip(tr("A month of four or five weeks draws only those rows, taller, "
                              "so busy days have more room."));
    chkMoonPhases = named(new QCheckBox(tr("&Moon phases"), fraExtras), "chkMoonPhases");
    chkMoonPhases->setToolTip(tr("New, first quarter, full and last quarter moon as small "
                                 "symbols in the corner of their days."));
    chkNotesBox = named(new QCheckBox(tr("&Notes box"), fraExtras), "chkNotesBox");
    chkNotesBox->setToolTip(tr("A ruled box for notes in the largest run of empty cells."));
    auto* grid = new QGridLayout(fraExtras);
    grid->addWidget(chkSmallMonths, 0, 0);
    grid->addWidget(chkFitRows, 0, 1);
    grid->addWidget(chkMoonPhases, 1, 0);
    grid->addWidget(chkNotesBox, 1, 1);
}

void frmLayout::buildShadingFrame() {
    fraShading = named(new QGroupBox(tr("Shading"), picColors), "fraShading");
    chkShadeWeekends = named(new QCheckBox(tr("Shade &weekends"), fraShading), "chkShadeWeekends");
    chkShadeHolidays = named(new QCheckBox(tr("Shade &holidays"), fraShading), "chkShadeHolidays");
    picShade = named(new ClickableLabel(fraShading), "picShade");
    picShade->setFrameShape(QFrame::Box);
    picShade->setAutoFillBackground(true);
    picShade->setFixedSize(56, 22);
    picShade->setCursor(Qt::PointingHandCursor);
    picShade->setToolTip(tr("Click to choose the colour"));
    lblShade = named(new QLabel(tr("Shade"), fraShading), "lblShade");
    auto* grid = new QGridLayout(fraShading);
    grid->setHorizontalSpacing(12);
    grid->addWidget(picShade, 0, 0);
    grid->addWidget(lblShade, 0, 1);
    grid->addWidget(chkShadeWeekends, 1, 0, 1, 2);
    grid->addWidget(chkShadeHolidays, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    connect(picShade, &ClickableLabel::clicked, this, &frmLayout::picShade_Click);
}

void frmLayout::buildSample() {
    lblSample = named(new QLabel(tr("Sample page"), this), "lblSample");
    picSample = named(new QLabel(this), "picSample");
    picSample->setFixedSize(kSampleSize);
    picSample->setAlignment(Qt::AlignCenter);
    picSample->setToolTip(tr("A month of the calendar as it prints with these choices."));
}

// Every choice that the page shows redraws the sample; the colour swatches do it themselves.
void frmLayout::connectSample() {
    for (QCheckBox* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &frmLayout::refreshSample);
    for (QRadioButton* option : findChildren<QRadioButton*>())
        connect(option, &QRadioButton::toggled, this, &frmLayout::refreshSample);
    for (QComboBox* list : findChildren<QComboBox*>())
        connect(list, &QComboBox::currentIndexChanged, this, &frmLayout::refreshSample);
    for (QLineEdit* box : findChildren<QLineEdit*>())
        connect(box, &QLineEdit::textChanged, this, &frmLayout::refreshSample);
}

void frmLayout::loadExtras() {
    const LayoutSettings& layout = app_.Layout;
    chkSmallMonths->setChecked(isTrue(layout.SmallMonths));
    chkFitRows->setChecked(isTrue(layout.FitRows));
    chkMoonPhases->setChecked(isTrue(layout.MoonPhases));
    chkNotesBox->setChecked(isTrue(layout.NotesBox));
    chkShadeWeekends->setChecked(isTrue(layout.ShadeWeekends));
    chkShadeHolidays->setChecked(isTrue(layout.ShadeHolidays));
    QPalette palette = picShade->palette();
    palette.setColor(QPalette::Window, colorFromText(layout.ShadeColor));
    picShade->setPalette(palette);
}

void frmLayout::readExtras(LayoutControls& controls) const {
    controls.smallMonths = chkSmallMonths->isChecked();
    controls.fitRows = chkFitRows->isChecked();
    controls.moonPhases = chkMoonPhases->isChecked();
    controls.notesBox = chkNotesBox->isChecked();
    controls.shadeWeekends = chkShadeWeekends->isChecked();
    controls.shadeHolidays = chkShadeHolidays->isChecked();
    controls.shade = picShade->palette().color(QPalette::Window);
}

// As the entry colours: the chosen shade reaches the layout at once.
void frmLayout::picShade_Click() {
    const QColor current = picShade->palette().color(QPalette::Window);
    const std::optional<QColor> chosen = app_.dialogs.chooseColor(current, this);
    if (!chosen || !chosen->isValid()) return;
    app_.Layout.ShadeColor = swatchColorText(*chosen);
    QPalette palette = picShade->palette();
    palette.setColor(QPalette::Window, colorFromText(app_.Layout.ShadeColor));
    picShade->setPalette(palette);
    refreshSample();
}

void frmLayout::refreshSample() {
    if (loading_ || form_ == LayoutForm::PaperOnly) return;
    if (!app_.SamplePage) {
        picSample->clear();
        return;
    }
    LayoutSettings sample = app_.Layout;
    applyLayoutControls(sample, readControls());
    picSample->setPixmap(QPixmap::fromImage(app_.SamplePage(app_, sample, picSample->size())));
}
