#pragma once

#include "document/CalendarDocument.h"
#include "document/SettingsRecords.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

// Month arithmetic and the day-cell rules: which entry falls into which cell of a month grid.
// The printed page, the calendar view and the desktop week window all place entries by these
// rules. No widgets and no drawing here.

// A month grid has 7 columns (0 = Sunday) and 6 rows: 42 cells numbered row by row, so cell
// c lies in column c % 7 and row c / 7. Day d of a month is cell startDay + d - 1.
inline constexpr int kGridColumns = 7;
inline constexpr int kGridRows = 6;
inline constexpr int kGridCells = kGridColumns * kGridRows;

// 28 for February, 30 for April, June, September and November, 31 for every other value
// (also for values outside 1 to 12). The caller adds the leap day.
int MonthDays(int month);

// 29 in a leap year of the Gregorian calendar (divisible by 4; of the centuries only those
// divisible by 400, so 2000 is one), else 28.
int FebruaryDays(int year);
// Days from 1 January 1980 to the first day of month (1 to 12) of year; negative before 1980.
long long DaysSince1980(int year, int month);
// Weekday of the first day of month (1 to 12) of year: 0 = Sunday to 6 = Saturday.
int MonthStartDay(int year, int month);

// One month of one year laid on the grid.
struct MonthGrid {
    int year = 0;
    int month = 0;        // 1 to 12
    int length = 0;       // days in the month, with the leap day for February
    int startDay = 0;     // weekday of the 1st, 0 = Sunday
    int februaryDays = 0; // 28 or 29 for year

    static MonthGrid of(int year, int month);

    int cellOfDay(int day) const { return startDay + day - 1; }
    int lastCell() const { return cellOfDay(length); }
    bool hasDay(int day) const { return day >= 1 && day <= length; }
    // The day shown in cell, or 0 for a cell outside the month.
    int dayInCell(int cell) const {
        const int day = cell - startDay + 1;
        return hasDay(day) ? day : 0;
    }
};

// The cell of a floating holiday's rule in the grid: week character "1" to "4" (the n-th
// weekday of the month) or "L" (the last), then the weekday digit "0" (Sunday) to "6".
// Nothing for a rule of any other form.
std::optional<int> FloatingHolidayCell(const MonthGrid& grid, QStringView rule);

// One entry that falls into the drawn month.
struct PlacedEntry {
    EntryKind kind = EntryKind::Birthday;
    int index = 0;     // record index in the kind's table
    int cell = 0;      // 0 to 41; kUnplaceable when the entry's date or rule is unusable
    QString text;      // what the cell shows: the display text or the name
    QString colorText; // the colour setting of the kind, as stored
    friend bool operator==(const PlacedEntry&, const PlacedEntry&) = default;
};

// The cell of an entry whose month matches but whose day or rule cannot name a day of the
// month (a day 0 or 45, a rule "9x"): the drawing reports it as an event it cannot show.
inline constexpr int kUnplaceable = -1;

// Every entry that falls into grid's month, in the order in which they stack in their cells:
// birthdays, fixed holidays, floating holidays, anniversaries, other events, each table from
// its first record to its last. Birthdays and anniversaries recur every year; those dated 29
// February go in a common year where the layout's LeapDayEntries puts them, and so do fixed
// holidays on 29 February. Other events only in their own year.
std::vector<PlacedEntry> PlaceMonthEntries(const CalendarDocument& doc,
                                           const LayoutSettings& layout, const MonthGrid& grid);
