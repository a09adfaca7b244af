#include "generator/ScheduleRequest.h"

#include "generator/Frequency.h"
#include "generator/ScheduleDates.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QStringList>

namespace qvfsch {

int CalendarDay::spanDate() const {
    return MakeSpanDate(year, month, day);
}

QString MonthName(int month) {
    return InterfaceMonthName(month);
}

QString WeekdayName(int index) {
    return InterfaceDayName(index);
}

namespace {

QString dayText(const CalendarDay& day) {
    const QString month =
        day.month >= 1 && day.month <= 12 ? InterfaceLocale().monthName(day.month) : QString();
    return QCoreApplication::translate("ScheduleRequest", "%1 %2, %3",
                                       "a date: month, day, year (January 5, 2019)")
        .arg(month, QString::number(day.day), QString::number(day.year));
}

// "Monday, Wednesday": the chosen weekdays as a sentence names them.
QString weekdayList(const WeekdaySet& days) {
    const QLocale locale = InterfaceLocale();
    QStringList names;
    for (int index = 0; index < 7; ++index)
        if (days[index]) names << locale.dayName(index == 0 ? 7 : index);
    return names.join(QLatin1String(", "));
}

} // namespace

QString SummaryText(const ScheduleRequest& request) {
    const QString start = dayText(request.start), end = dayText(request.end);
    const auto rule = ParseFrequencySpec(request.frequencySpec);
    if (!rule)
        return QCoreApplication::translate("ScheduleRequest",
                                           "Events occur between %1 and %2 every")
            .arg(start, end);
    if (!rule->weekly)
        return QCoreApplication::translate("ScheduleRequest",
                                           "Events occur between %1 and %2 every %3 day(s).")
            .arg(start, end, QString::number(rule->step));
    return QCoreApplication::translate("ScheduleRequest",
                                       "Events occur between %1 and %2 every %3 of every week.")
        .arg(start, end, weekdayList(rule->days));
}

} // namespace qvfsch
