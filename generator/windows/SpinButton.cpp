#include "generator/windows/SpinButton.h"

#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace qvfsch {

SpinButton::SpinButton(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    up_ = makeArrow(Qt::UpArrow, QStringLiteral("up"));
    down_ = makeArrow(Qt::DownArrow, QStringLiteral("down"));
    layout->addWidget(up_);
    layout->addWidget(down_);
    connect(up_, &QToolButton::clicked, this, &SpinButton::stepUp);
    connect(down_, &QToolButton::clicked, this, &SpinButton::stepDown);
    updateArrows();
}

QToolButton* SpinButton::makeArrow(Qt::ArrowType arrow, const QString& name) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(18, 12);
    return button;
}

QSize SpinButton::sizeHint() const {
    return {18, 24};
}

void SpinButton::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setValue(value_); // brings the value into the new range
    updateArrows();
}

void SpinButton::setValue(int value) {
    const int bounded = std::clamp(value, minimum_, maximum_);
    if (bounded == value_) return;
    value_ = bounded;
    updateArrows();
    emit valueChanged(value_);
}

void SpinButton::updateArrows() {
    up_->setEnabled(isEnabled() && value_ < maximum_);
    down_->setEnabled(isEnabled() && value_ > minimum_);
}

void SpinButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up:
        stepUp();
        break;
    case Qt::Key_Down:
        stepDown();
        break;
    case Qt::Key_PageUp:
        setValue(value_ + 10);
        break;
    case Qt::Key_PageDown:
        setValue(value_ - 10);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void SpinButton::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 120;
    if (steps != 0) setValue(value_ + steps);
    event->accept();
}

void SpinButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) updateArrows();
    QWidget::changeEvent(event);
}

} // namespace qvfsch
