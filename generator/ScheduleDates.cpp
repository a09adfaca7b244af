#include "generator/ScheduleDates.h"

#include <QDate>

namespace qvfsch {

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
