#pragma once

#include "calendar_format/CalendarDates.h" // IsLeapYear, DaysInMonth

#include <QString>

// The date arithmetic of the editors' date controls, without widgets.

// The years an editor's year control offers, lowest and highest.
struct YearRange {
    int lowest;
    int highest;
    bool contains(int year) const { return year >= lowest && year <= highest; }
    int clamp(int year) const;
};

// Birthdays and anniversaries reach back to the oldest living relatives; other events start
// in 1980. Both run far enough ahead that this year and the next are always enterable.
inline constexpr YearRange kBirthYears{1880, 2099};
inline constexpr YearRange kEventYears{1980, 2099};
// The holiday editor shows no year. Its hidden year is a common year, so February offers
// 28 days there and a fixed holiday on February 29 cannot be entered.
inline constexpr YearRange kHolidayYears{1999, 2000};
inline constexpr int kHolidayYear = 1999;

// The most days the month has in any year: 29 for February, whose 29th a day box takes
// before the year is known.
int MostDaysIn(int month);

// Whether the day is a day of the month in that year.
bool DateExists(int month, int day, int year);

// What an editor says when the user stores a date that is not in the calendar:
// "February 29, 2026 does not exist."
QString MissingDateText(int month, int day, int year);

// What the holiday editor says when February 29 is typed: a holiday comes back every year,
// and most years have no such day.
QString LeapDayHolidayText();
