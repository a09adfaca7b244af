#pragma once

// What the iCalendar export and import share: the names of our categories and property,
// the identity of an entry, and ownership of the library's components.

#include "document/DisplayYear.h"
#include "document/Entries.h"

#include <QCryptographicHash>
#include <QString>
#include <libical/ical.h>
#include <memory>

namespace ical {

// The earliest year the calendar's editors offer; dates before it have no place here, and
// holidays, which have no year, start their yearly events in it (a leap year, so 29
// February exists).
inline constexpr int kFirstYear = 1880;
// The latest year the editors and the calendar's pages reach; a date after it has no place.
inline constexpr int kLastYear = kLastDisplayYear;

inline constexpr char kStyleProperty[] = "X-DAYLARK-STYLE";
inline constexpr char kBirthdayCategory[] = "Birthday";
inline constexpr char kAnniversaryCategory[] = "Anniversary";
inline constexpr char kHolidayCategory[] = "Holiday";

struct ComponentFree {
    void operator()(icalcomponent* component) const { icalcomponent_free(component); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The date fields of an entry as the calendar file holds them: MMDDYYYY, MMDD, or the
// month followed by the rule.
template <class Entry> QString dateFields(const Entry& e) {
    return e.Date.text();
}
inline QString dateFields(const FloatingHolidayEntry& e) {
    return e.Month.text() + e.Rule.text();
}

inline const char* kindWord(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return "birthday";
    case EntryKind::Holiday:
        return "holiday";
    case EntryKind::FloatingHoliday:
        return "floating-holiday";
    case EntryKind::Anniversary:
        return "anniversary";
    case EntryKind::Other:
        return "event";
    }
    return "";
}

// Two entries are the same when they agree in kind, date and name (a birthday's style
// aside): the import adds no second one, and the export writes one event for both. Blanks
// around a name do not count: they cannot be seen, and many iCalendar readers drop them.
template <class Entry> QString entryKey(EntryKind kind, const Entry& e) {
    return QLatin1String(kindWord(kind)) + u'|' + dateFields(e) + u'|' + e.Name.trimmed();
}

// The UID of an entry's event: the same in every export of an entry with this kind, date
// and name. The name enters as a hash, so that any text makes a short, plain UID.
// key is the entry's entryKey.
template <class Entry> QByteArray entryUid(EntryKind kind, const Entry& e, const QString& key) {
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
    return QByteArray(kindWord(kind)) + '-' + dateFields(e).trimmed().toLatin1() + '-' +
           hash.left(16) + "@daylark";
}

} // namespace ical
