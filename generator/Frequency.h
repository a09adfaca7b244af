#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

// How a series repeats, as the text the wizard hands to the generator: "D" and the step in
// days as two digits ("D07"), or "W" and seven "0"/"1" characters, one per weekday from
// Sunday to Saturday ("W0100010" is every Monday and Friday).
namespace qvfsch {

inline constexpr int kMinStep = 1;
inline constexpr int kMaxStep = 31;

using WeekdaySet = std::array<bool, 7>; // Sunday first

QString DailySpec(int step);
QString WeeklySpec(const WeekdaySet& days);

// True for a weekly rule without any weekday: the wizard refuses it.
bool MissingWeekday(QStringView rule);

struct Frequency {
    bool weekly = false;
    int step = 1;      // daily rule: days between entries
    WeekdaySet days{}; // weekly rule
};

// The rule of a well-formed text; nothing for anything else (including a step of 0, which
// would never move on).
std::optional<Frequency> ParseFrequencySpec(QStringView rule);

} // namespace qvfsch
