#include "drawing/windows/DayLabels.h"

#include "drawing/ViewText.h"

#include <QLabel>

std::array<QLabel*, 7> MakeDayLabels(QWidget* parent, const QRect& first, int step) {
    std::array<QLabel*, 7> labels{};
    for (int i = 0; i < 7; ++i) {
        QLabel* label = new QLabel(QLatin1String(kDayNames[i]), parent);
        label->setObjectName(QStringLiteral("lblDay%1").arg(i));
        label->setFont(controlFont(false));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setGeometry(first.translated(i * step, 0));
        labels[i] = label;
    }
    return labels;
}
