#pragma once

// Where a time written in an iCalendar file falls in UTC: by the time zone database when the
// file names a zone it knows, otherwise by the file's own definition of the zone (VTIMEZONE),
// evaluated here from its offsets and rules.

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QTimeZone>
#include <libical/ical.h>
#include <optional>
#include <vector>

namespace ical {

// A time zone by the name a file gives it: a name of the time zone database, a Windows name
// (files from Windows programs), or such a name behind a prefix of the program that wrote the
// file ("/example.org/20050126_1/America/New_York").
QTimeZone zoneNamed(const QByteArray& id);

// The zone changes of one VTIMEZONE: the local times (as written, counted in seconds like
// UTC) at which an offset begins, in order.
struct ZoneChange {
    qint64 localStart;
    int offsetBefore;
    int offsetAfter;
};
using ZoneChanges = std::vector<ZoneChange>;

// The changes of a VTIMEZONE up to the end of 2100, from the DTSTART, RRULE and RDATE of each
// STANDARD and DAYLIGHT part; nothing when a part lacks its start or an offset, or its rule
// cannot be followed that far.
std::optional<ZoneChanges> zoneChanges(icalcomponent* vtimezone);

// The offset from UTC in seconds that changes give a local time.
int offsetAt(const ZoneChanges& changes, qint64 localSeconds);

// A date and time as written, counted in seconds from 1970-01-01T00:00 as if it were UTC.
qint64 wallSeconds(QDate date, int hour, int minute, int second);

// The Julian day of 1970-01-01, the day wall seconds count from.
inline constexpr qint64 kJulianDay1970 = 2440588;

// The day of a libical time as written (invalid for a day that does not exist).
inline QDate dateOf(const icaltimetype& t) {
    return QDate(t.year, t.month, t.day);
}

// The time zones of one file: its VTIMEZONE definitions by TZID (those of the calendar an
// event is in first, then those of the other calendars), evaluated once each.
class FileZones {
  public:
    explicit FileZones(const std::vector<icalcomponent*>& calendars);

    // The UTC time of a date and time as written with the zone tzid, found in calendar
    // (which may be null); nothing when neither the database nor the file can tell.
    std::optional<QDateTime> toUtc(QDate date, QTime time, const QByteArray& tzid,
                                   icalcomponent* calendar);

  private:
    const ZoneChanges* definedChanges(const QByteArray& tzid, icalcomponent* calendar);

    QHash<icalcomponent*, QHash<QByteArray, icalcomponent*>> definitions_;
    QHash<QByteArray, icalcomponent*> anyCalendar_;
    QHash<icalcomponent*, std::optional<ZoneChanges>> evaluated_;
    QHash<QByteArray, QTimeZone> named_;
};

} // namespace ical
