#pragma once

// The days an imported event covers: the day it is added on and the last day it reaches.

#include "document/ICalendarZones.h"

#include <QDate>
#include <QTimeZone>
#include <libical/ical.h>

namespace ical {

struct EventDays {
    QDate first; // the day the event is added on
    QDate last;  // the last day it reaches; first for an event within one day
    bool timed = false;
    // The zone of a timed start that neither the time zone database nor the file can tell;
    // the days are then those written in the file.
    QByteArray unreadZone;
};

class EventTiming {
  public:
    // userZone: the zone whose days single events are placed on; an invalid zone stands for
    // the local time of the system.
    EventTiming(FileZones& zones, QTimeZone userZone) : zones_(zones), userZone_(userZone) {}

    // The days of ev, whose DTSTART is start. With inUserZone a timed event is placed on the
    // user's day; otherwise (yearly events) on the day written in the file, in its own zone.
    // An all-day event is always on the days written. An end at midnight does not reach the
    // next day.
    EventDays daysOf(icalcomponent* calendar, icalcomponent* ev, icalproperty* start,
                     bool inUserZone);

  private:
    std::optional<QDateTime> instant(icalcomponent* calendar, icalproperty* p,
                                     const icaltimetype& t, QByteArray* tzid);
    QDate userDay(const QDateTime& utc) const;

    FileZones& zones_;
    QTimeZone userZone_;
};

} // namespace ical
