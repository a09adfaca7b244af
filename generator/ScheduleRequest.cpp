#include "generator/ScheduleRequest.h"

#include "generator/Frequency.h"
#include "generator/ScheduleDates.h"

#include <QStringList>

namespace qvfsch {

int CalendarDay::spanDate() const {
    return MakeSpanDate(year, month, day);
}

QString MonthName(int month) {
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return month >= 1 && month <= 12 ? names[month - 1] : QString();
}

QString WeekdayName(int index) {
    static const QStringList names = {QStringLiteral("Sunday"),   QStringLiteral("Monday"),
                                      QStringLiteral("Tuesday"),  QStringLiteral("Wednesday"),
                                      QStringLiteral("Thursday"), QStringLiteral("Friday"),
                                      QStringLiteral("Saturday")};
    return index >= 0 && index <= 6 ? names[index] : QString();
}

namespace {

QString dayText(const CalendarDay& day) {
    return QStringLiteral("%1 %2, %3").arg(MonthName(day.month)).arg(day.day).arg(day.year);
}

QString weekdayList(const WeekdaySet& days) {
    QString text;
    for (int index = 0; index < 7; ++index)
        if (days[index]) text += u' ' + WeekdayName(index) + u',';
    if (text.endsWith(u',')) text.chop(1);
    return text;
}

} // namespace

QString SummaryText(const ScheduleRequest& request) {
    QString text = QStringLiteral("Events occur between ") + dayText(request.start) +
                   QStringLiteral(" and ") + dayText(request.end) + QStringLiteral(" every");
    const auto rule = ParseFrequencySpec(request.frequencySpec);
    if (!rule) return text;
    if (!rule->weekly) return text + QStringLiteral(" %1 day(s).").arg(rule->step);
    return text + weekdayList(rule->days) + QStringLiteral(" of every week.");
}

} // namespace qvfsch
