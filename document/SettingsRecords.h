#pragma once

#include <QString>

// The stored preferences, one field per stored value and named like it. Yes/no settings hold
// "True" or "False" and count as yes only when exactly "True".

struct OptionSettings {
    QString ConfirmAdd;
    QString AfterAdd; // "Remain" or "Close"
    QString ConfirmEdit;
    QString ConfirmDelete;
};

struct LayoutSettings {
    QString ShowTitle;
    QString AlignTitle;     // "Left", "Center" or "Right"
    QString AlignMonthYear; // "Left", "Center" or "Right"
    QString FontMonthYear;
    QString FontCalTitle;
    QString FontDates;
    QString FontDays;
    QString FontSizeMonthYear; // whole points
    QString FontSizeCalTitle;
    QString FontSizeDates;
    QString FontSizeDays;
    QString Birthday; // colours as "&H" + hexadecimal 0x00BBGGRR
    QString Holiday;
    QString Anniversary;
    QString Other;
    QString PaperSize;        // "Default" or "Custom"
    float PaperSizeWidth = 0; // inches
    float PaperSizeHeight = 0;
    QString PaperOrientation; // "Portrait" or "Landscape"
    float MarginTop = 0.75f;
    float MarginBottom = 0.75f;
    float MarginLeft = 0.75f;
    float MarginRight = 0.75f;
    QString MarkOverfullDays; // "True": a day whose entries do not all fit ends with "+N more"
    QString LeapDayEntries;   // 29 February birthdays in other years: "Hidden", "Feb28", "Mar1"
};

struct TraySettings {
    QString Display;
    QString NumWeeks;   // "1" to "4"
    QString ListMonths; // a whole number
    QString FileName;   // the desktop calendar's file
    QString DispStart;
};

struct Settings {
    OptionSettings Options;
    LayoutSettings Layout;
    TraySettings Tray;
};

// True only for exactly "True".
inline bool isTrue(const QString& value) {
    return value == QLatin1String("True");
}
