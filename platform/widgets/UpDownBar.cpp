#include "platform/widgets/UpDownBar.h"

UpDownBar::UpDownBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setSingleStep(1);
    setPageStep(1);
    setFixedWidth(17);
    connect(this, &QScrollBar::valueChanged, this,
            [this](int value) { emit numberChanged(-value); });
}
