#include "document/ICalendarZones.h"

#include <algorithm>

namespace ical {

namespace {

// Zone changes are followed up to this year; later dates have no place in the calendar.
constexpr int kLastChangeYear = 2100;
// A real zone changes twice a year at most; a rule that changes more often than this within
// the years followed is not a time zone's.
constexpr int kMostChangesPerPart = 3000;
bool addChange(ZoneChanges& changes, const icaltimetype& t, int before, int after) {
    const QDate date = dateOf(t);
    if (!date.isValid()) return false;
    changes.push_back({wallSeconds(date, t.hour, t.minute, t.second), before, after});
    return true;
}

// The occurrences of one RRULE of a zone part from its start. Zones change once a year by
// rules of the year; any other rule is refused, which also spares following a rule that
// steps through every second in search of a match.
bool addRuleChanges(ZoneChanges& changes, const icalrecurrencetype& rule, const icaltimetype& start,
                    int before, int after) {
    if (rule.freq != ICAL_YEARLY_RECURRENCE) return false;
    icalrecur_iterator* it = icalrecur_iterator_new(rule, start);
    if (!it) return false;
    bool ok = true;
    int count = 0;
    for (icaltimetype t = icalrecur_iterator_next(it);
         !icaltime_is_null_time(t) && t.year <= kLastChangeYear; t = icalrecur_iterator_next(it)) {
        if (++count > kMostChangesPerPart || !addChange(changes, t, before, after)) {
            ok = false;
            break;
        }
    }
    icalrecur_iterator_free(it);
    return ok;
}

// One STANDARD or DAYLIGHT part: the offset it brings, from its start, on every day its
// rule and its extra dates name.
bool addPartChanges(ZoneChanges& changes, icalcomponent* part) {
    icalproperty* start = icalcomponent_get_first_property(part, ICAL_DTSTART_PROPERTY);
    icalproperty* from = icalcomponent_get_first_property(part, ICAL_TZOFFSETFROM_PROPERTY);
    icalproperty* to = icalcomponent_get_first_property(part, ICAL_TZOFFSETTO_PROPERTY);
    if (!start || !from || !to) return false;
    const icaltimetype first = icalproperty_get_dtstart(start);
    const int before = icalproperty_get_tzoffsetfrom(from);
    const int after = icalproperty_get_tzoffsetto(to);
    if (icaltime_is_null_time(first) || !addChange(changes, first, before, after)) return false;
    for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RRULE_PROPERTY); p;
         p = icalcomponent_get_next_property(part, ICAL_RRULE_PROPERTY)) {
        if (!addRuleChanges(changes, icalproperty_get_rrule(p), first, before, after)) return false;
    }
    for (icalproperty* p = icalcomponent_get_first_property(part, ICAL_RDATE_PROPERTY); p;
         p = icalcomponent_get_next_property(part, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
        const icaltimetype t = icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time;
        if (!addChange(changes, t, before, after)) return false;
    }
    return true;
}

} // namespace

QTimeZone zoneNamed(const QByteArray& id) {
    if (id.isEmpty()) return {};
    if (QTimeZone zone(id); zone.isValid()) return zone;
    if (const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id); !iana.isEmpty())
        return QTimeZone(iana);
    for (qsizetype slash = id.indexOf('/'); slash >= 0; slash = id.indexOf('/', slash + 1)) {
        if (QTimeZone zone(id.mid(slash + 1)); zone.isValid()) return zone;
    }
    return {};
}

qint64 wallSeconds(QDate date, int hour, int minute, int second) {
    return (date.toJulianDay() - kJulianDay1970) * 86400 + hour * 3600 + minute * 60 + second;
}

std::optional<ZoneChanges> zoneChanges(icalcomponent* vtimezone) {
    std::vector<icalcomponent*> parts;
    for (icalcomponent* c = icalcomponent_get_first_component(vtimezone, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(vtimezone, ICAL_ANY_COMPONENT)) {
        const icalcomponent_kind kind = icalcomponent_isa(c);
        if (kind == ICAL_XSTANDARD_COMPONENT || kind == ICAL_XDAYLIGHT_COMPONENT)
            parts.push_back(c);
    }
    if (parts.empty()) return std::nullopt;
    ZoneChanges changes;
    for (icalcomponent* part : parts)
        if (!addPartChanges(changes, part)) return std::nullopt;
    std::stable_sort(changes.begin(), changes.end(), [](const ZoneChange& a, const ZoneChange& b) {
        return a.localStart < b.localStart;
    });
    return changes;
}

int offsetAt(const ZoneChanges& changes, qint64 localSeconds) {
    const auto after = std::upper_bound(
        changes.begin(), changes.end(), localSeconds,
        [](qint64 local, const ZoneChange& change) { return local < change.localStart; });
    if (after == changes.begin()) return changes.front().offsetBefore;
    return std::prev(after)->offsetAfter;
}

FileZones::FileZones(const std::vector<icalcomponent*>& calendars) {
    for (icalcomponent* calendar : calendars) {
        QHash<QByteArray, icalcomponent*>& own = definitions_[calendar];
        for (icalcomponent* z =
                 icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
             z; z = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
            icalproperty* id = icalcomponent_get_first_property(z, ICAL_TZID_PROPERTY);
            const char* tzid = id ? icalproperty_get_tzid(id) : nullptr;
            if (!tzid) continue;
            // The first definition of a name counts.
            if (!own.contains(tzid)) own.insert(tzid, z);
            if (!anyCalendar_.contains(tzid)) anyCalendar_.insert(tzid, z);
        }
    }
}

const ZoneChanges* FileZones::definedChanges(const QByteArray& tzid, icalcomponent* calendar) {
    icalcomponent* definition = definitions_.value(calendar).value(tzid);
    if (!definition) definition = anyCalendar_.value(tzid);
    if (!definition) return nullptr;
    auto found = evaluated_.find(definition);
    if (found == evaluated_.end()) found = evaluated_.insert(definition, zoneChanges(definition));
    return found->has_value() ? &**found : nullptr;
}

std::optional<QDateTime> FileZones::toUtc(QDate date, QTime time, const QByteArray& tzid,
                                          icalcomponent* calendar) {
    auto named = named_.find(tzid);
    if (named == named_.end()) named = named_.insert(tzid, zoneNamed(tzid));
    if (named->isValid()) return QDateTime(date, time, *named).toUTC();
    const ZoneChanges* changes = definedChanges(tzid, calendar);
    if (!changes) return std::nullopt;
    const qint64 wall = wallSeconds(date, time.hour(), time.minute(), time.second());
    return QDateTime::fromSecsSinceEpoch(wall - offsetAt(*changes, wall), QTimeZone::utc());
}

} // namespace ical
