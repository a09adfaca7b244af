#pragma once

#include "calendar_format/HolidayRules.h"

#include <QString>
#include <optional>

// The holiday editor's moving dates as rules: Easter (Western or Orthodox) plus or minus some
// days, a weekday on or after a date, and a date observed on a weekday when it falls on a
// weekend.
enum class MovingBase { WesternEaster, OrthodoxEaster, WeekdayOnOrAfter, ObservedDate };
// Where a date on a weekend is observed.
enum class Observance { SundayToMonday, WeekendToMonday, SaturdayToFridaySundayToMonday };

struct MovingChoice {
    MovingBase base = MovingBase::WesternEaster;
    int offset = 0;  // Easter: days after (before, when negative)
    int weekday = 1; // on or after: 0 Sunday … 6 Saturday
    int month = 1;   // on or after, observed: the date
    int day = 1;
    Observance observance = Observance::SundayToMonday;
    friend bool operator==(const MovingChoice&, const MovingChoice&) = default;
};

inline constexpr int kLargestEasterOffset = 100;

HolidayRule MovingRuleOf(const MovingChoice& choice);
// The choice that gives rule; nothing for a rule the editor's choices cannot give (a holiday
// pack's rule with limited years, an offset from a weekday rule), which it then keeps as is.
std::optional<MovingChoice> MovingChoiceOf(const HolidayRule& rule);

// The unit after a count of days before or after Easter, in the windows' language: " day"
// after one (or minus one), " days" after any other count.
QString DaysSuffix(int days);
