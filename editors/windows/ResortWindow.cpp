#include "editors/windows/ResortWindow.h"

#include "document/AppState.h"
#include "editors/ResortEntries.h"
#include "editors/windows/KindCheckList.h"
#include "platform/widgets/NamedControl.h"

#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextLeft = 4; // pixels from the strip's left edge

} // namespace

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent) {
    // The window keeps the strip's place while it is hidden, so that it has its size at once
    // when a resort shows it, and the window does not jump.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setRetainSizeWhenHidden(true);
    setSizePolicy(policy);
}

QSize StatusStrip::sizeHint() const {
    return {240, fontMetrics().height() + 8};
}

int StatusStrip::barWidth(double fraction) const {
    return qRound(fraction * width());
}

void StatusStrip::setStatus(double fraction, const QString& text) {
    const bool newText = text_ != text;
    const bool changed = newText || barWidth(fraction) != barWidth(fraction_);
    fraction_ = fraction;
    if (newText) text_ = text;
    // A long resort reports far more steps than the bar has pixels; only a visible change
    // costs a repaint.
    if (changed && isVisible()) repaint();
}

QImage StatusStrip::render() const {
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    const QFontMetrics metrics = painter.fontMetrics();
    const int top = (height() - metrics.height()) / 2;
    painter.drawText(kTextLeft, top + metrics.ascent(), text_);
    if (fraction_ > 0) {
        // Each pixel under the bar becomes the inverse of bar colour xor background: the
        // bar's colour on white, the text inverted.
        painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
        painter.fillRect(QRect(0, 0, barWidth(fraction_), height()),
                         palette().color(QPalette::Active, QPalette::Highlight));
    }
    return image;
}

void StatusStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

frmResort::frmResort(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmResort"));
    setWindowTitle(tr("Resort Entries"));
    buildControls();
    layOut();
    connect(cmdBegin, &QPushButton::clicked, this, &frmResort::cmdBegin_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    Form_Load();
}

void frmResort::buildControls() {
    lstChoice = MakeKindCheckList(this);
    cmdBegin = named(new QPushButton(tr("&Begin"), this), "cmdBegin");
    cmdBegin->setDefault(true);
    cmdCancel = named(new QPushButton(tr("&Cancel"), this), "cmdCancel");
    picStatus = named(new StatusStrip(this), "picStatus");
    Line1 = etchedLine("Line1", this);
    Line2 = etchedLine("Line2", this);
}

void frmResort::layOut() {
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdBegin);
    buttons->addWidget(cmdCancel);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(lstChoice, 1);
    top->addLayout(buttons);

    auto* window = new QVBoxLayout(this);
    window->addLayout(top);
    window->addWidget(Line1);
    window->addWidget(picStatus);
    window->addWidget(Line2);
}

void frmResort::Form_Load() {
    FillKindCheckList(lstChoice);
    picStatus->hide();
}

void frmResort::cmdBegin_Click() {
    picStatus->show();
    const KindChoice kinds = CheckedKinds(lstChoice);
    ResortTables(app_.Document, kinds);
    PlayResortSteps(app_.Document, kinds,
                    [this](const ResortStep& step) { UpdateStatus(step.fraction(), step.text); });
    cmdCancel->setText(tr("Close"));
    app_.Document.MarkModified();
    emit entriesResorted();
    if (app_.CalendarViewOpen) app_.viewsOrNone().redrawCalendarView();
}

void frmResort::UpdateStatus(double fraction, const char* text) {
    if (text != statusSource_) {
        statusSource_ = text;
        statusText_ = QCoreApplication::translate("ResortEntries", text);
    }
    picStatus->setStatus(fraction, statusText_);
}
