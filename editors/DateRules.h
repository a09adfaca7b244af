#pragma once

#include "calendar_format/CalendarDates.h" // IsLeapYear, DaysInMonth

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
