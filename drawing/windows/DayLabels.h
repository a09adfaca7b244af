#pragma once

#include <QRect>
#include <array>

class QLabel;
class QWidget;

// The weekday names of a window that shows days in columns (the calendar view, the week
// window): label i is named "lblDay<i>", in the controls' font, centred over its column at
// first.translated(i * step, 0).
std::array<QLabel*, 7> MakeDayLabels(QWidget* parent, const QRect& first, int step);
