#pragma once

#include "calendar_format/CalendarDates.h"

#include <QString>

// Dates of the generator as whole numbers whose decimal digits read yyyymmdd (5 March 2019 is
// 20190305), so that comparing two numbers compares the dates. While a series is generated
// the day part of a running date may run past the end of its month; AdvanceDate carries it
// into the following months.
namespace qvfsch {

// The years the wizard offers and the command line accepts.
inline constexpr int kFirstYear = 1995;
inline constexpr int kLastYear = 2099;

int MakeSpanDate(int year, int month, int day);
inline int SpanYear(int date) {
    return date / 10000;
}
inline int SpanMonth(int date) {
    return date / 100 % 100;
}
inline int SpanDay(int date) {
    return date % 100;
}

// The same date with a day past the end of its month carried into the following months
// (after December into January of the next year).
int AdvanceDate(int date);

// Weekday of a (valid) date: 0 for Sunday to 6 for Saturday.
int WeekdayIndex(int date);

// The entry date text: month, day (two digits each) and year, "MMDDYYYY".
QString EntryDateText(int date);

} // namespace qvfsch
