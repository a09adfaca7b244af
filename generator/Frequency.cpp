#include "generator/Frequency.h"

namespace qvfsch {

QString DailySpec(int step) {
    return QStringLiteral("D%1").arg(step, 2, 10, QLatin1Char('0'));
}

QString WeeklySpec(const WeekdaySet& days) {
    QString rule = QStringLiteral("W");
    for (const bool day : days)
        rule += day ? u'1' : u'0';
    return rule;
}

bool MissingWeekday(QStringView rule) {
    return rule.startsWith(u'W') && !rule.contains(u'1');
}

namespace {

std::optional<Frequency> parseDaily(QStringView digits) {
    if (digits.size() != 2 || !digits[0].isDigit() || !digits[1].isDigit()) return std::nullopt;
    const int step = digits.toInt();
    if (step < kMinStep || step > kMaxStep) return std::nullopt;
    return Frequency{false, step, {}};
}

std::optional<Frequency> parseWeekly(QStringView flags) {
    if (flags.size() != 7) return std::nullopt;
    Frequency rule{true, 1, {}};
    for (int day = 0; day < 7; ++day) {
        if (flags[day] != u'0' && flags[day] != u'1') return std::nullopt;
        rule.days[day] = flags[day] == u'1';
    }
    return rule;
}

} // namespace

std::optional<Frequency> ParseFrequencySpec(QStringView rule) {
    if (rule.startsWith(u'D')) return parseDaily(rule.mid(1));
    if (rule.startsWith(u'W')) return parseWeekly(rule.mid(1));
    return std::nullopt;
}

} // namespace qvfsch
