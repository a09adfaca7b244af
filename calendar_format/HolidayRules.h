#pragma once

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

// Yearly holiday rules beyond a fixed date and the n-th weekday of a month: dates that move
// with Easter (Western or Orthodox), a weekday on or after a date, and a holiday observed on
// another day when it falls on a weekend. Holiday packs and the holidays a user enters share
// these rules; the month page, the week list and the upcoming list place them by dateIn.
//
// Weekdays are our digits: 0 = Sunday … 6 = Saturday.

// Easter Sunday of the Gregorian (Western) churches, by the Gregorian computus.
QDate WesternEaster(int year);
// Easter Sunday of the Orthodox churches: the Julian computus, given as a Gregorian date.
QDate OrthodoxEaster(int year);

enum class RuleBase {
    Fixed,            // month and day
    NthWeekday,       // the n-th (1 to 5) weekday of month; a missing fifth gives no date
    LastWeekday,      // the last weekday of month
    WeekdayOnOrAfter, // the first weekday on or after month/day (the Monday on or after 24 May)
    WesternEaster,    // Western Easter Sunday
    OrthodoxEaster,   // Orthodox Easter Sunday
};

struct HolidayRule {
    RuleBase base = RuleBase::Fixed;
    int month = 1;   // Fixed, NthWeekday, LastWeekday, WeekdayOnOrAfter
    int day = 1;     // Fixed, WeekdayOnOrAfter
    int weekday = 0; // NthWeekday, LastWeekday, WeekdayOnOrAfter
    int n = 1;       // NthWeekday
    int offset = 0;  // days added to the date the base gives (Easter + 1, Easter − 2)
    // Where the holiday is observed when the date falls on a given weekday: days added, by
    // weekday (all 0: observed on the day itself). Sunday to Monday is {1,0,0,0,0,0,0};
    // Saturday to Friday and Sunday to Monday is {1,0,0,0,0,0,-1}.
    std::array<int, 7> observed{};
    int firstYear = 0; // the rule holds from this year on (0: always)
    int lastYear = 0;  // … up to this year (0: still)

    bool hasObservance() const;
    friend bool operator==(const HolidayRule&, const HolidayRule&) = default;
};

// The date of the holiday itself in year, before any observance; nothing when the rule
// gives no date that year (outside its years, a fifth weekday the month lacks, 29 February
// of a common year, a rule that is not valid).
std::optional<QDate> HolidayDate(const HolidayRule& rule, int year);
// Where it is observed: HolidayDate moved by the observance of its weekday; the same date
// when the rule has no observance or the weekday needs none.
std::optional<QDate> ObservedDate(const HolidayRule& rule, int year);

// The rule as one word of the calendar file and the holiday packs: a base, then an offset
// in days, an observance by weekday and the years it holds, each only when it has one:
//   "07-04"             4 July
//   "4th-thu-11"        the fourth Thursday of November; "last-mon-05", "1st-mon-09"
//   "onafter-mon-05-24" the Monday on or after 24 May
//   "easter", "orthodox" Easter Sunday; "easter+1" Easter Monday, "easter-2" Good Friday
//   "4th-thu-11+1"      the day after the fourth Thursday of November
//   "07-04/sun+1,sat-1" observed on Monday when on a Sunday, on Friday when on a Saturday
//   "05-08@1995-"       from 1995 on; "06-16@-2019" up to 2019; "@1978-2019" both
QString RuleToText(const HolidayRule& rule);
// The reverse; nothing for a text that is not a rule.
std::optional<HolidayRule> RuleFromText(QStringView text);

// A day on which a rule's holiday falls: its own day, or the day it is observed on instead.
struct RuleDay {
    QDate date;
    bool observed = false; // the observed day of a holiday moved off a weekend
    friend bool operator==(const RuleDay&, const RuleDay&) = default;
};
// Every day of [first, last] on which the holiday falls, in date order: its own day each year
// and, where the observance moves it, the observed day too.
std::vector<RuleDay> RuleDaysIn(const HolidayRule& rule, QDate first, QDate last);
