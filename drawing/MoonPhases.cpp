#include "drawing/MoonPhases.h"

#include <libnova/dynamical_time.h>
#include <libnova/lunar.h>
#include <libnova/solar.h>

#include <cmath>

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kMsecsPerDay = 86400000.0;
// How fast the Moon's elongation grows on average: a full turn each synodic month.
constexpr double kMeanDegreesPerDay = 360.0 / 29.530589;

double julianDay(const QDateTime& when) {
    return kUnixEpochJulianDay + static_cast<double>(when.toMSecsSinceEpoch()) / kMsecsPerDay;
}

QDateTime fromJulianDay(double jd) {
    const auto msecs = static_cast<qint64>(std::llround((jd - kUnixEpochJulianDay) * kMsecsPerDay));
    return QDateTime::fromMSecsSinceEpoch(msecs, QTimeZone::utc());
}

// The Moon's ecliptic longitude minus the Sun's, in [0, 360): 0 at new moon, 90 at first
// quarter, 180 at full moon, 270 at last quarter. It grows by 11 to 15 degrees a day. jd
// counts universal time; the series run on terrestrial time, about a minute ahead.
double elongation(double jd) {
    const double jde = jd + ln_get_dynamical_time_diff(jd) / 86400.0;
    ln_lnlat_posn moon{};
    ln_lnlat_posn sun{};
    // The lunar series cut at 0.00001 of a degree: within half an arc second of the full
    // one and fifty times faster.
    ln_get_lunar_ecl_coords(jde, &moon, 1e-5);
    ln_get_solar_ecl_coords(jde, &sun);
    const double e = std::fmod(moon.lng - sun.lng, 360.0);
    return e < 0 ? e + 360.0 : e;
}

// The signed distance in degrees from target to the elongation at jd, in [-180, 180).
double pastTarget(double jd, double target) {
    return std::fmod(elongation(jd) - target + 540.0, 360.0) - 180.0;
}

// The instant near guess at which the elongation equals target. The elongation grows by
// 11 to 15 degrees a day, so stepping by the distance over the mean rate cuts the error
// to a quarter or less each time; a dozen steps reach a fraction of a second.
double phaseInstant(double guess, double target) {
    constexpr double kCloseEnough = 1e-5; // degrees: under a tenth of a second
    double jd = guess;
    for (int step = 0; step < 60; ++step) {
        const double past = pastTarget(jd, target);
        jd -= past / kMeanDegreesPerDay;
        if (std::abs(past) < kCloseEnough) break;
    }
    return jd;
}

} // namespace

std::vector<MoonPhaseInstant> MoonPhaseInstants(const QDateTime& from, const QDateTime& to) {
    std::vector<MoonPhaseInstant> phases;
    if (!from.isValid() || !to.isValid() || from >= to) return phases;
    const double start = julianDay(from);
    const double end = julianDay(to);
    const double e = elongation(start);
    // The first phase after from, then each following quarter in turn.
    int quarter = (static_cast<int>(e / 90.0) + 1) % 4;
    double guess = start + (std::fmod(quarter * 90.0 - e + 360.0, 360.0)) / kMeanDegreesPerDay;
    while (true) {
        const double when = phaseInstant(guess, quarter * 90.0);
        if (when >= end) break;
        if (when >= start) phases.push_back({fromJulianDay(when), static_cast<MoonPhase>(quarter)});
        quarter = (quarter + 1) % 4;
        guess = when + 90.0 / kMeanDegreesPerDay;
    }
    return phases;
}

std::vector<MoonPhaseDay> MoonPhasesIn(QDate first, QDate last, const QTimeZone& zone) {
    std::vector<MoonPhaseDay> days;
    if (!first.isValid() || !last.isValid() || first > last || !zone.isValid()) return days;
    // Search a day beyond each end in UTC, so that zones far east or west of Greenwich
    // still see the phases on their first and last day.
    const QDateTime from = QDateTime(first.addDays(-2), QTime(0, 0), QTimeZone::utc());
    const QDateTime to = QDateTime(last.addDays(2), QTime(0, 0), QTimeZone::utc());
    for (const MoonPhaseInstant& phase : MoonPhaseInstants(from, to)) {
        const QDate date = phase.when.toTimeZone(zone).date();
        if (date >= first && date <= last) days.push_back({date, phase.phase});
    }
    return days;
}
