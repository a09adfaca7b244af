// The layout dialog's standard paper sizes, and the unit of its paper and margin boxes.
#include "settings/windows/LayoutDialog.h"

#include "document/AppState.h"
#include "platform/widgets/NamedControl.h"
#include "settings/PageLanguage.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

void frmLayout::buildNamedPaper() {
    optPaperNamed = named(new QRadioButton(tr("Standard size:"), picPaper), "optPaperNamed");
    cboPaperName = named(new QComboBox(picPaper), "cboPaperName");
    cboPaperName->addItems(PaperNames());
    cboPaperName->setCurrentText(unit_ == MeasureUnit::Inch ? QStringLiteral("Letter")
                                                            : QStringLiteral("A4"));
    cboPaperName->setEnabled(false);
    connect(optPaperNamed, &QRadioButton::clicked, this, &frmLayout::optPaperNamed_Click);
    connect(cboPaperName, &QComboBox::activated, this, &frmLayout::cboPaperName_Click);
}

// A standard size turns as a custom one does, so the orientation stays to be chosen; its
// sides are shown, not typed.
void frmLayout::optPaperNamed_Click() {
    setCustomPaperEnabled(true);
    for (QWidget* control : std::initializer_list<QWidget*>{txtPaperWidth, txtPaperHeight,
                                                            lblPaperWidth, lblPaperHeight})
        control->setEnabled(false);
    cboPaperName->setEnabled(true);
    app_.Layout.PaperSize = QStringLiteral("Custom");
    showNamedPaperSides();
}

void frmLayout::cboPaperName_Click() {
    if (optPaperNamed->isChecked()) showNamedPaperSides();
}

void frmLayout::showNamedPaperSides() {
    const std::optional<QSizeF> size = NamedPaperInches(cboPaperName->currentText());
    if (!size) return;
    showMeasure(txtPaperWidth, float(size->width()));
    showMeasure(txtPaperHeight, float(size->height()));
}

void frmLayout::showMeasure(QLineEdit* box, float inches) {
    box->setText(MeasureText(inches, unit_));
    shownMeasures_[box] = {box->text(), inches};
}

// What a measurement box holds as the inches the layout stores. A box in millimetres that
// still shows what it was given gives back those inches exactly, not its rounded
// millimetres, so that saving leaves untouched values as they were.
QString frmLayout::inchesIn(const QLineEdit* box) const {
    const QString text = box->text();
    if (unit_ == MeasureUnit::Inch) return text;
    const auto shown = shownMeasures_.find(box);
    if (shown != shownMeasures_.end() && shown->second.first == text)
        return singleToText(shown->second.second);
    return singleToText(MeasureInches(text, unit_));
}

// Inches keep the classic captions of the paper's sides; every box says its unit.
void frmLayout::showMeasureUnit() {
    if (unit_ == MeasureUnit::Millimetre) {
        lblPaperWidth->setText(tr("Width (mm)"));
        lblPaperHeight->setText(tr("Height (mm)"));
    }
    lblMargins->setText(unit_ == MeasureUnit::Inch ? tr("Margins (in.) ") : tr("Margins (mm) "));
}
