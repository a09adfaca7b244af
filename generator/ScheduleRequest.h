#pragma once

#include <QString>

// What the wizard (or the command line) collects: the date span, the rule and the name.
namespace qvfsch {

struct CalendarDay {
    int year = 0;
    int month = 0; // 1 to 12
    int day = 0;
    int spanDate() const; // yyyymmdd
};

struct ScheduleRequest {
    CalendarDay start;
    CalendarDay end;
    QString frequencySpec; // see Frequency.h
    QString name;

    int spanStart() const { return start.spanDate(); }
    int spanEnd() const { return end.spanDate(); }
    // The end must be at least one day after the start.
    bool spanIsValid() const { return spanStart() < spanEnd(); }
};

// "January" to "December" for 1 to 12 (in the windows' language); the empty text for anything
// else.
QString MonthName(int month);
// "Sunday" to "Saturday" for 0 to 6 (in the windows' language); the empty text for anything
// else.
QString WeekdayName(int index);

// The sentence the status window shows, for example "Events occur between January 5, 2019
// and March 3, 2019 every 3 day(s)." or "... every Monday, Wednesday of every week."
QString SummaryText(const ScheduleRequest& request);

} // namespace qvfsch
