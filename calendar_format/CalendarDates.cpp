#include "calendar_format/CalendarDates.h"

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year) {
    switch (month) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int WeekdayOf(int year, int month, int day) {
    // Sakamoto's method: the offsets of the months' first days in a year starting on Sunday,
    // with January and February counted in the year before.
    static constexpr int kOffset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 3) year -= 1;
    const int w =
        (year + year / 4 - year / 100 + year / 400 + kOffset[(month + 11) % 12] + day) % 7;
    return w < 0 ? w + 7 : w;
}

int NthWeekdayOfMonth(int year, int month, int weekday, int n) {
    const int first = WeekdayOf(year, month, 1);
    const int day = 1 + (weekday - first + 7) % 7 + 7 * (n - 1);
    return n >= 1 && day <= DaysInMonth(month, year) ? day : 0;
}

int LastWeekdayOfMonth(int year, int month, int weekday) {
    const int length = DaysInMonth(month, year);
    const int lastWeekday = WeekdayOf(year, month, length);
    return length - (lastWeekday - weekday + 7) % 7;
}
