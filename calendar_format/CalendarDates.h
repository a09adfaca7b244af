#pragma once

// The calendar arithmetic of the Gregorian calendar that both programs need, on plain
// numbers: months 1 to 12, weekdays 0 (Sunday) to 6 (Saturday).

// Divisible by 4, of the centuries only those divisible by 400: 1900 is a common year, 2000
// a leap year.
bool IsLeapYear(int year);

// 28 to 31 for the months 1 to 12 of a year; 31 for a value outside 1 to 12.
int DaysInMonth(int month, int year);

// The weekday of a date, 0 (Sunday) to 6 (Saturday).
int WeekdayOf(int year, int month, int day);

// The day of the month of the n-th (1 to 5) weekday of the month; 0 when the month has no
// such day (a fifth Monday that does not exist).
int NthWeekdayOfMonth(int year, int month, int weekday, int n);

// The day of the month of the month's last weekday.
int LastWeekdayOfMonth(int year, int month, int weekday);
