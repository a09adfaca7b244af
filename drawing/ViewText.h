#pragma once

#include <QFont>
#include <QString>

// What the printed page and the windows that show days on screen (the calendar view and the
// week window) share: the weekday names above the columns, and for the windows their faces
// and sizes.

inline constexpr const char* kDayNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};

// The windows' controls are in kControlPoints; the day boxes in the smaller kBoxPoints, so
// that four entry lines fit under a day's number and stay readable.
inline const QString kControlFace = QStringLiteral("Liberation Sans");
inline constexpr double kControlPoints = 8.25;
inline constexpr double kBoxPoints = 6.5;

inline QFont controlFont(bool bold) {
    QFont font(kControlFace);
    font.setPointSizeF(kControlPoints);
    font.setBold(bold);
    return font;
}

inline QFont dayBoxFont() {
    QFont font(kControlFace);
    font.setPointSizeF(kBoxPoints);
    return font;
}
