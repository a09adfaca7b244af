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
    QString Language;         // of the pages: "System" or a locale name such as "de_DE"
    QString FirstDayOfWeek;   // "Locale" (the language's), "Sunday", "Monday" or "Saturday"
    QString WeekNumbers;      // "True": ISO week numbers beside the rows of the month grids
    // The name of a standard paper size ("A4", "Letter") whose inches PaperSizeWidth and
    // PaperSizeHeight hold; empty for a size of the user's own.
    QString PaperName;
    // What the month pages add to the plain grid, each "True" or "False".
    QString SmallMonths;   // the months before and after in small, in spare cells or by the heading
    QString FitRows;       // only the rows the month needs, taller
    QString MoonPhases;    // new, first quarter, full and last quarter moon in their days
    QString ShadeWeekends; // weekend days on a background of ShadeColor
    QString ShadeHolidays; // days with a holiday on a background of ShadeColor
    QString NotesBox;      // a ruled box for notes in the largest run of spare cells
    QString ShadeColor;    // colour text, as the entry colours
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

// Where a birthday or anniversary dated 29 February appears in a year without that day
// (LeapDayEntries): not at all ("Hidden"), on 28 February ("Feb28") or on 1 March ("Mar1").
enum class LeapDayPlacement { Hidden, Feb28, Mar1 };

// The stored choice; any other text is Hidden.
inline LeapDayPlacement LeapDayRule(const QString& stored) {
    if (stored == QLatin1String("Feb28")) return LeapDayPlacement::Feb28;
    if (stored == QLatin1String("Mar1")) return LeapDayPlacement::Mar1;
    return LeapDayPlacement::Hidden;
}

// The stored text of a choice.
inline QString LeapDayText(LeapDayPlacement placement) {
    switch (placement) {
    case LeapDayPlacement::Feb28:
        return QStringLiteral("Feb28");
    case LeapDayPlacement::Mar1:
        return QStringLiteral("Mar1");
    case LeapDayPlacement::Hidden:
        break;
    }
    return QStringLiteral("Hidden");
}

// True only for exactly "True".
inline bool isTrue(const QString& value) {
    return value == QLatin1String("True");
}
