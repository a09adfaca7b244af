#include "calendar_format/HolidayRules.h"

#include "calendar_format/CalendarDates.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr const char* kWeekdays[] = {"sun", "mon", "tue", "wed", "thu", "fri", "sat"};
constexpr const char* kOrdinals[] = {"1st", "2nd", "3rd", "4th", "5th"};

int weekdayOfWord(QStringView word) {
    for (int i = 0; i < 7; ++i)
        if (word == QLatin1String(kWeekdays[i])) return i;
    return -1;
}

bool validMonthDay(int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, 2000);
}

bool validRule(const HolidayRule& r) {
    if (r.weekday < 0 || r.weekday > 6) return false;
    switch (r.base) {
    case RuleBase::Fixed:
    case RuleBase::WeekdayOnOrAfter:
        return validMonthDay(r.month, r.day);
    case RuleBase::NthWeekday:
        return r.month >= 1 && r.month <= 12 && r.n >= 1 && r.n <= 5;
    case RuleBase::LastWeekday:
        return r.month >= 1 && r.month <= 12;
    case RuleBase::WesternEaster:
    case RuleBase::OrthodoxEaster:
        return true;
    }
    return false;
}

// The date the base gives in year, before the offset.
std::optional<QDate> baseDate(const HolidayRule& r, int year) {
    switch (r.base) {
    case RuleBase::Fixed:
        if (r.day > DaysInMonth(r.month, year)) return std::nullopt; // 29 February
        return QDate(year, r.month, r.day);
    case RuleBase::NthWeekday: {
        const int day = NthWeekdayOfMonth(year, r.month, r.weekday, r.n);
        return day > 0 ? std::optional(QDate(year, r.month, day)) : std::nullopt;
    }
    case RuleBase::LastWeekday:
        return QDate(year, r.month, LastWeekdayOfMonth(year, r.month, r.weekday));
    case RuleBase::WeekdayOnOrAfter: {
        if (r.day > DaysInMonth(r.month, year)) return std::nullopt;
        const QDate from(year, r.month, r.day);
        return from.addDays((r.weekday - WeekdayOf(year, r.month, r.day) + 7) % 7);
    }
    case RuleBase::WesternEaster:
        return WesternEaster(year);
    case RuleBase::OrthodoxEaster:
        return OrthodoxEaster(year);
    }
    return std::nullopt;
}

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

QString signedNumber(int n) {
    return (n < 0 ? QStringLiteral("-") : QStringLiteral("+")) + QString::number(std::abs(n));
}

QString baseText(const HolidayRule& r) {
    switch (r.base) {
    case RuleBase::Fixed:
        return twoDigits(r.month) + u'-' + twoDigits(r.day);
    case RuleBase::NthWeekday:
        return QLatin1String(kOrdinals[r.n - 1]) + u'-' + QLatin1String(kWeekdays[r.weekday]) +
               u'-' + twoDigits(r.month);
    case RuleBase::LastWeekday:
        return QStringLiteral("last-") + QLatin1String(kWeekdays[r.weekday]) + u'-' +
               twoDigits(r.month);
    case RuleBase::WeekdayOnOrAfter:
        return QStringLiteral("onafter-") + QLatin1String(kWeekdays[r.weekday]) + u'-' +
               twoDigits(r.month) + u'-' + twoDigits(r.day);
    case RuleBase::WesternEaster:
        return QStringLiteral("easter");
    case RuleBase::OrthodoxEaster:
        return QStringLiteral("orthodox");
    }
    return {};
}

const QRegularExpression& ruleExpression() {
    static const QRegularExpression expression(
        QStringLiteral("^(?:(?<easter>easter|orthodox)"
                       "|(?<fm>\\d\\d)-(?<fd>\\d\\d)"
                       "|(?<nth>1st|2nd|3rd|4th|5th|last)-(?<nwd>[a-z]{3})-(?<nm>\\d\\d)"
                       "|onafter-(?<awd>[a-z]{3})-(?<am>\\d\\d)-(?<ad>\\d\\d))"
                       "(?<offset>[+-]\\d{1,3})?"
                       "(?:/(?<observed>[a-z]{3}[+-]\\d(?:,[a-z]{3}[+-]\\d)*))?"
                       "(?:@(?<from>\\d{4})?-(?<to>\\d{4})?)?$"));
    return expression;
}

bool readObservance(QStringView text, std::array<int, 7>& observed) {
    for (QStringView item : text.split(u',')) {
        const int weekday = weekdayOfWord(item.left(3));
        if (weekday < 0) return false;
        observed[size_t(weekday)] = item.mid(3).toInt();
    }
    return true;
}

} // namespace

QDate WesternEaster(int year) {
    // The anonymous Gregorian algorithm (Meeus).
    const int a = year % 19, b = year / 100, c = year % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31, day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(year, month, day);
}

QDate OrthodoxEaster(int year) {
    // Meeus' Julian algorithm, then the Julian date as a Gregorian one: the calendars differ
    // by 13 days from March 1900 to February 2100 and by 12 days before.
    const int a = year % 4, b = year % 7, c = year % 19;
    const int d = (19 * c + 15) % 30, e = (2 * a + 4 * b - d + 34) % 7;
    const int month = (d + e + 114) / 31, day = (d + e + 114) % 31 + 1;
    const int gap = year / 100 - year / 400 - 2;
    return QDate(year, month, day).addDays(gap);
}

bool HolidayRule::hasObservance() const {
    for (int shift : observed)
        if (shift != 0) return true;
    return false;
}

std::optional<QDate> HolidayDate(const HolidayRule& rule, int year) {
    if (!validRule(rule)) return std::nullopt;
    if ((rule.firstYear && year < rule.firstYear) || (rule.lastYear && year > rule.lastYear))
        return std::nullopt;
    const std::optional<QDate> date = baseDate(rule, year);
    return date ? std::optional(date->addDays(rule.offset)) : std::nullopt;
}

std::optional<QDate> ObservedDate(const HolidayRule& rule, int year) {
    const std::optional<QDate> date = HolidayDate(rule, year);
    if (!date) return std::nullopt;
    return date->addDays(rule.observed[size_t(date->dayOfWeek() % 7)]);
}

QString RuleToText(const HolidayRule& rule) {
    QString text = baseText(rule);
    if (rule.offset != 0) text += signedNumber(rule.offset);
    if (rule.hasObservance()) {
        QStringList items;
        for (int weekday = 0; weekday < 7; ++weekday)
            if (rule.observed[size_t(weekday)] != 0)
                items << QLatin1String(kWeekdays[weekday]) +
                             signedNumber(rule.observed[size_t(weekday)]);
        text += u'/' + items.join(u',');
    }
    if (rule.firstYear || rule.lastYear)
        text += u'@' + (rule.firstYear ? QString::number(rule.firstYear) : QString()) + u'-' +
                (rule.lastYear ? QString::number(rule.lastYear) : QString());
    return text;
}

std::optional<HolidayRule> RuleFromText(QStringView text) {
    const QRegularExpressionMatch m = ruleExpression().match(text.toString());
    if (!m.hasMatch()) return std::nullopt;
    HolidayRule r;
    if (m.hasCaptured(u"easter")) {
        r.base =
            m.captured(u"easter") == u"easter" ? RuleBase::WesternEaster : RuleBase::OrthodoxEaster;
    } else if (m.hasCaptured(u"fm")) {
        r.base = RuleBase::Fixed;
        r.month = m.captured(u"fm").toInt();
        r.day = m.captured(u"fd").toInt();
    } else if (m.hasCaptured(u"nth")) {
        const QString nth = m.captured(u"nth");
        r.base = nth == u"last" ? RuleBase::LastWeekday : RuleBase::NthWeekday;
        r.n = nth == u"last" ? 1 : nth.left(1).toInt();
        r.weekday = weekdayOfWord(m.captured(u"nwd"));
        r.month = m.captured(u"nm").toInt();
    } else {
        r.base = RuleBase::WeekdayOnOrAfter;
        r.weekday = weekdayOfWord(m.captured(u"awd"));
        r.month = m.captured(u"am").toInt();
        r.day = m.captured(u"ad").toInt();
    }
    if (m.hasCaptured(u"offset")) r.offset = m.captured(u"offset").toInt();
    if (m.hasCaptured(u"observed") && !readObservance(m.capturedView(u"observed"), r.observed))
        return std::nullopt;
    if (m.hasCaptured(u"from")) r.firstYear = m.captured(u"from").toInt();
    if (m.hasCaptured(u"to")) r.lastYear = m.captured(u"to").toInt();
    if (!validRule(r) || (r.firstYear && r.lastYear && r.firstYear > r.lastYear))
        return std::nullopt;
    return r;
}

std::vector<RuleDay> RuleDaysIn(const HolidayRule& rule, QDate first, QDate last) {
    std::vector<RuleDay> days;
    if (!first.isValid() || !last.isValid() || last < first) return days;
    // An offset of up to three years' days may carry a year's holiday into the span.
    constexpr int kYearsAround = 3;
    for (int year = first.year() - kYearsAround; year <= last.year() + kYearsAround; ++year) {
        const std::optional<QDate> own = HolidayDate(rule, year);
        if (!own) continue;
        if (*own >= first && *own <= last) days.push_back({*own, false});
        const QDate observed = *ObservedDate(rule, year);
        if (observed != *own && observed >= first && observed <= last)
            days.push_back({observed, true});
    }
    std::sort(days.begin(), days.end(),
              [](const RuleDay& a, const RuleDay& b) { return a.date < b.date; });
    return days;
}
