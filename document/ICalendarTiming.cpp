#include "document/ICalendarTiming.h"

namespace ical {

namespace {

constexpr qint64 kSecondsPerDay = 86400;
QTime timeOf(const icaltimetype& t) {
    return t.is_date ? QTime(0, 0) : QTime(t.hour, t.minute, qMin(t.second, 59));
}

qint64 wallOf(const icaltimetype& t) {
    const QTime time = timeOf(t);
    return wallSeconds(dateOf(t), time.hour(), time.minute(), time.second());
}

QDate dayOfWall(qint64 seconds) {
    const qint64 days = seconds >= 0 ? seconds / kSecondsPerDay
                                     : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
    return QDate::fromJulianDay(days + kJulianDay1970);
}

QByteArray tzidOf(icalproperty* p) {
    icalparameter* param = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    const char* tzid = param ? icalparameter_get_tzid(param) : nullptr;
    return tzid ? QByteArray(tzid) : QByteArray();
}

// The length of an all-day event in days: from DTEND (the day after it) or DURATION.
qint64 allDayLength(icalcomponent* ev, QDate first) {
    if (icalproperty* end = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY)) {
        const QDate last = dateOf(icalproperty_get_dtend(end));
        return last.isValid() ? first.daysTo(last) : 1;
    }
    if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DURATION_PROPERTY)) {
        const qint64 seconds = icaldurationtype_as_int(icalproperty_get_duration(p));
        return (seconds + kSecondsPerDay - 1) / kSecondsPerDay;
    }
    return 1;
}

} // namespace

std::optional<QDateTime> EventTiming::instant(icalcomponent* calendar, icalproperty* p,
                                              const icaltimetype& t, QByteArray* tzid) {
    *tzid = tzidOf(p);
    if (!dateOf(t).isValid()) return std::nullopt;
    if (icaltime_is_utc(t)) return QDateTime(dateOf(t), timeOf(t), QTimeZone::utc());
    if (tzid->isEmpty()) return std::nullopt; // a floating time: the same in every zone
    return zones_.toUtc(dateOf(t), timeOf(t), *tzid, calendar);
}

QDate EventTiming::userDay(const QDateTime& utc) const {
    return (userZone_.isValid() ? utc.toTimeZone(userZone_) : utc.toLocalTime()).date();
}

EventDays EventTiming::daysOf(icalcomponent* calendar, icalcomponent* ev, icalproperty* start,
                              bool inUserZone) {
    const icaltimetype t = icalproperty_get_dtstart(start);
    EventDays days;
    days.first = dateOf(t);
    if (t.is_date) {
        days.last = days.first.addDays(qMax<qint64>(allDayLength(ev, days.first), 1) - 1);
        return days;
    }
    days.timed = true;
    QByteArray tzid;
    const std::optional<QDateTime> begins = instant(calendar, start, t, &tzid);
    if (!begins && !tzid.isEmpty()) days.unreadZone = tzid;
    // The length in seconds: between the instants when both are known, else as written.
    qint64 length = 0;
    if (icalproperty* end = icalcomponent_get_first_property(ev, ICAL_DTEND_PROPERTY)) {
        const icaltimetype e = icalproperty_get_dtend(end);
        QByteArray endZone;
        const std::optional<QDateTime> ends = instant(calendar, end, e, &endZone);
        if (begins && ends)
            length = begins->secsTo(*ends);
        else if (dateOf(e).isValid())
            length = wallOf(e) - wallOf(t);
    } else if (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_DURATION_PROPERTY)) {
        length = icaldurationtype_as_int(icalproperty_get_duration(p));
    }
    if (inUserZone && begins) {
        days.first = userDay(*begins);
        days.last = length > 0 ? userDay(begins->addSecs(length - 1)) : days.first;
    } else {
        days.last = length > 0 ? dayOfWall(wallOf(t) + length - 1) : days.first;
    }
    return days;
}

} // namespace ical
