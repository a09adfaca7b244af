#include "generator/ScheduleDates.h"

#include <QDate>

namespace qvfsch {

int DaysInMonth(int month, int year) {
    switch (month) {
    case 2: {
        // Between 1901 and 2099 every fourth year is a leap year; the full rule keeps the
        // count exact should a running date ever step past that.
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        return leap ? 29 : 28;
    }
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int MakeSpanDate(int year, int month, int day) {
    return year * 10000 + month * 100 + day;
}

int AdvanceDate(int date) {
    int year = SpanYear(date);
    int month = SpanMonth(date);
    int day = SpanDay(date);
    while (day > DaysInMonth(month, year)) {
        day -= DaysInMonth(month, year);
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    return MakeSpanDate(year, month, day);
}

int WeekdayIndex(int date) {
    // dayOfWeek() runs from 1 (Monday) to 7 (Sunday).
    return QDate(SpanYear(date), SpanMonth(date), SpanDay(date)).dayOfWeek() % 7;
}

QString EntryDateText(int date) {
    return QStringLiteral("%1%2%3")
        .arg(SpanMonth(date), 2, 10, QLatin1Char('0'))
        .arg(SpanDay(date), 2, 10, QLatin1Char('0'))
        .arg(SpanYear(date), 4, 10, QLatin1Char('0'));
}

} // namespace qvfsch
