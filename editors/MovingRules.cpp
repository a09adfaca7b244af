#include "editors/MovingRules.h"

#include <QCoreApplication>
#include <cstdlib>

namespace {

constexpr int kSaturday = 6, kSunday = 0;

std::array<int, 7> shifts(Observance o) {
    std::array<int, 7> observed{};
    observed[kSunday] = 1;
    if (o == Observance::WeekendToMonday) observed[kSaturday] = 2;
    if (o == Observance::SaturdayToFridaySundayToMonday) observed[kSaturday] = -1;
    return observed;
}

} // namespace

HolidayRule MovingRuleOf(const MovingChoice& c) {
    HolidayRule r;
    switch (c.base) {
    case MovingBase::WesternEaster:
    case MovingBase::OrthodoxEaster:
        r.base = c.base == MovingBase::WesternEaster ? RuleBase::WesternEaster
                                                     : RuleBase::OrthodoxEaster;
        r.offset = c.offset;
        break;
    case MovingBase::WeekdayOnOrAfter:
        r.base = RuleBase::WeekdayOnOrAfter;
        r.weekday = c.weekday, r.month = c.month, r.day = c.day;
        break;
    case MovingBase::ObservedDate:
        r.base = RuleBase::Fixed;
        r.month = c.month, r.day = c.day;
        r.observed = shifts(c.observance);
        break;
    }
    return r;
}

std::optional<MovingChoice> MovingChoiceOf(const HolidayRule& r) {
    if (r.firstYear || r.lastYear) return std::nullopt;
    MovingChoice c;
    switch (r.base) {
    case RuleBase::WesternEaster:
    case RuleBase::OrthodoxEaster:
        if (r.hasObservance() || std::abs(r.offset) > kLargestEasterOffset) return std::nullopt;
        c.base = r.base == RuleBase::WesternEaster ? MovingBase::WesternEaster
                                                   : MovingBase::OrthodoxEaster;
        c.offset = r.offset;
        break;
    case RuleBase::WeekdayOnOrAfter:
        if (r.hasObservance() || r.offset) return std::nullopt;
        c.base = MovingBase::WeekdayOnOrAfter;
        c.weekday = r.weekday, c.month = r.month, c.day = r.day;
        break;
    case RuleBase::Fixed:
        c.base = MovingBase::ObservedDate;
        c.month = r.month, c.day = r.day;
        for (const Observance o : {Observance::SundayToMonday, Observance::WeekendToMonday,
                                   Observance::SaturdayToFridaySundayToMonday})
            if (r.observed == shifts(o) && r.offset == 0) {
                c.observance = o;
                return c;
            }
        return std::nullopt;
    default:
        return std::nullopt;
    }
    return MovingRuleOf(c) == r ? std::optional(c) : std::nullopt;
}

QString DaysSuffix(int days) {
    const int count = std::abs(days);
    if (count == 1)
        return QCoreApplication::translate("frmHoliday", " day", "after the count 1: 1 day");
    return QCoreApplication::translate("frmHoliday", " days",
                                       "after a count of days other than 1: 2 days", count);
}
