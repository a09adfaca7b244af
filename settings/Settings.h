#pragma once

#include <QString>

class SettingsStore;

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

// Reads every preference from the store. A missing value is replaced by its default, which
// is written back at once, so that afterwards every setting with a default exists in the
// store. The custom paper size is never written back; a margin of 0 becomes 0.75.
Settings LoadSettings(SettingsStore& store);

// True only for exactly "True".
inline bool isTrue(const QString& value) { return value == QLatin1String("True"); }

// Inches as stored: the shortest decimal text of the single-precision value ("0.75", "1").
QString singleToText(float value);
// The inverse; text that is not a number reads as 0.
float textToSingle(const QString& text);
