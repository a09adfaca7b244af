#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <vector>

// The four principal phases of the Moon, for the symbols in a day's corner.
enum class MoonPhase { New, FirstQuarter, Full, LastQuarter };

struct MoonPhaseDay {
    QDate date;
    MoonPhase phase;
};

struct MoonPhaseInstant {
    QDateTime when; // in UTC, to within a few seconds
    MoonPhase phase;
};

// Every phase whose instant, seen in zone, falls on a day from first to last (both included),
// in date order. Empty when first is after last or either date is invalid.
std::vector<MoonPhaseDay> MoonPhasesIn(QDate first, QDate last, const QTimeZone& zone);

// Every phase whose instant lies in [from, to), in time order.
std::vector<MoonPhaseInstant> MoonPhaseInstants(const QDateTime& from, const QDateTime& to);
