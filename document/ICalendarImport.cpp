#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "document/ICalendar.h"
#include "document/ICalendarParts.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QSet>
#include <QTimeZone>
#include <optional>
#include <vector>

namespace {

using namespace ical;

// ---- Reading the library's values ----

// The number of values in one BY list of a rule.
template <std::size_t N> int countOf(const short (&values)[N]) {
    int n = 0;
    while (n < static_cast<int>(N) && values[n] != ICAL_RECURRENCE_ARRAY_MAX)
        ++n;
    return n;
}

// True when the rule repeats every year for ever and picks its days by month, day of the
// month, weekday and position only: no count, no end, no step but 1, no other calendar
// scale, and none of the lists that pick days by day of the year, week number or time.
bool plainYearly(const icalrecurrencetype& r) {
    return r.freq == ICAL_YEARLY_RECURRENCE && r.interval == 1 && r.count == 0 &&
           icaltime_is_null_time(r.until) && r.rscale == nullptr && countOf(r.by_second) == 0 &&
           countOf(r.by_minute) == 0 && countOf(r.by_hour) == 0 && countOf(r.by_year_day) == 0 &&
           countOf(r.by_week_no) == 0;
}

// The one month of a rule's BYMONTH list; 0 when it has none, -1 when it has several.
int onlyMonth(const icalrecurrencetype& r) {
    const int n = countOf(r.by_month);
    if (n == 0) return 0;
    if (n > 1 || icalrecurrencetype_month_is_leap(r.by_month[0])) return -1;
    return icalrecurrencetype_month_month(r.by_month[0]);
}

// Every year on the start's month and day (BYMONTH and BYMONTHDAY may repeat them).
bool yearlyOnDate(const icalrecurrencetype& r, QDate start) {
    if (!plainYearly(r) || countOf(r.by_day) != 0 || countOf(r.by_set_pos) != 0) return false;
    const int month = onlyMonth(r);
    const int days = countOf(r.by_month_day);
    return (month == 0 || month == start.month()) &&
           (days == 0 || (days == 1 && r.by_month_day[0] == start.day()));
}

// The floating holiday of a rule for the first to fourth or the last weekday of one month,
// written either as BYDAY=4TH or as BYDAY=TH;BYSETPOS=4: its month and its rule ("44").
std::optional<FloatingHolidayEntry> floatingRule(const icalrecurrencetype& r) {
    if (!plainYearly(r) || countOf(r.by_month_day) != 0 || countOf(r.by_day) != 1) return {};
    const int month = onlyMonth(r);
    if (month < 1 || month > 12) return {};
    int position = icalrecurrencetype_day_position(r.by_day[0]);
    const int setPositions = countOf(r.by_set_pos);
    if (position == 0 && setPositions == 1)
        position = r.by_set_pos[0];
    else if (setPositions != 0)
        return {};
    QChar week;
    if (position >= 1 && position <= 4)
        week = QChar(u'0' + position);
    else if (position == -1)
        week = QChar(u'L');
    else
        return {};
    const int weekday = icalrecurrencetype_day_day_of_week(r.by_day[0]) - ICAL_SUNDAY_WEEKDAY;
    if (weekday < 0 || weekday > 6) return {};
    return FloatingHolidayEntry{QStringLiteral("%1").arg(month, 2, 10, QChar(u'0')),
                                QString(week) + QChar(u'0' + weekday),
                                {}};
}

// A time zone by the name a file gives it: a name of the time zone database, a Windows name
// (files from Windows programs), or such a name behind a prefix of the program that wrote the
// file ("/example.org/20050126_1/America/New_York").
QTimeZone zoneNamed(const QByteArray& id) {
    if (QTimeZone zone(id); zone.isValid()) return zone;
    if (const QByteArray iana = QTimeZone::windowsIdToDefaultIanaId(id); !iana.isEmpty())
        return QTimeZone(iana);
    for (qsizetype slash = id.indexOf('/'); slash >= 0; slash = id.indexOf('/', slash + 1)) {
        if (QTimeZone zone(id.mid(slash + 1)); zone.isValid()) return zone;
    }
    return {};
}

QDate dateOf(const icaltimetype& t) {
    return QDate(t.year, t.month, t.day);
}

QDateTime dateTimeIn(const icaltimetype& t, const QTimeZone& zone) {
    return QDateTime(dateOf(t), QTime(t.hour, t.minute, qMin(t.second, 59)), zone);
}

// The day in local time on which a timed start falls. A time in UTC or in a named zone is
// converted; a zone only the file itself defines is converted by the library with that
// definition; a time without a zone is local time already.
QDate localDate(icalcomponent* calendar, icalproperty* start, icaltimetype t) {
    if (icaltime_is_utc(t)) return dateTimeIn(t, QTimeZone::utc()).toLocalTime().date();
    icalparameter* param = icalproperty_get_first_parameter(start, ICAL_TZID_PARAMETER);
    const char* tzid = param ? icalparameter_get_tzid(param) : nullptr;
    if (!tzid) return dateOf(t);
    if (const QTimeZone zone = zoneNamed(tzid); zone.isValid())
        return dateTimeIn(t, zone).toLocalTime().date();
    if (icaltimezone* zone = icalcomponent_get_timezone(calendar, tzid)) {
        t.zone = zone;
        const icaltimetype utc = icaltime_convert_to_zone(t, icaltimezone_get_utc_timezone());
        return dateTimeIn(utc, QTimeZone::utc()).toLocalTime().date();
    }
    return dateOf(t);
}

// The library drops a line whose value it cannot read and leaves an error in its place. When
// the line was one that decides the day or the repeating, the event cannot be taken as it
// stands (without its rule a yearly event would become a single day): the line as the file
// had it, as far as the error tells it.
QString droppedLine(icalcomponent* ev) {
    static const char* const kDeciding[] = {"DTSTART", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID"};
    for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_XLICERROR_PROPERTY)) {
        const QString error = QString::fromUtf8(icalproperty_get_xlicerror(p));
        for (const char* name : kDeciding) {
            if (!error.contains(QStringLiteral(" in %1 property").arg(QLatin1String(name))))
                continue;
            const qsizetype value = error.lastIndexOf(QLatin1String("property: "));
            return QLatin1String(name) + u':' + (value < 0 ? QString() : error.mid(value + 10));
        }
    }
    return {};
}

QString datedText(QDate date) {
    return DateWords().date(date);
}

QString mmddyyyy(QDate date) {
    return date.toString(QStringLiteral("MMddyyyy"));
}

// ---- The import ----

// Adds the events of one file's calendars to the document and notes what has no place.
class Importer {
  public:
    Importer(CalendarDocument& doc, FileEncoding encoding, ICalImportResult& result)
        : doc_(doc), encoding_(encoding), result_(result) {
        collectKeys(EntryKind::Birthday, doc.Birthdays);
        collectKeys(EntryKind::Anniversary, doc.Anniversaries);
        collectKeys(EntryKind::Holiday, doc.FixedHolidays);
        collectKeys(EntryKind::FloatingHoliday, doc.FloatingHolidays);
        collectKeys(EntryKind::Other, doc.OtherEvents);
    }

    void calendar(icalcomponent* calendar) {
        // Collected first: looking up a time zone may move the calendar's own iterator.
        std::vector<icalcomponent*> items;
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
            items.push_back(c);
        for (icalcomponent* c : items)
            item(calendar, c);
    }

  private:
    template <class Entry> void collectKeys(EntryKind kind, const EntryTable<Entry>& table) {
        for (const Entry& e : table)
            keys_.insert(entryKey(kind, e));
    }

    QString text(const char* value) const {
        QString s = value ? decodeText(QByteArrayView(value), encoding_) : QString();
        s.replace(u'\r', u' ').replace(u'\n', u' ');
        return s;
    }

    // How the list names an item: its title in quotes.
    static QString label(const QString& name, const QString& untitled) {
        return name.isEmpty() ? untitled : u'"' + name + u'"';
    }

    void note(const QString& name, QDate date, const QString& what) {
        QString line =
            label(name, QCoreApplication::translate("ICalendarImport", "An event without a title"));
        if (date.isValid()) line += QLatin1String(" (") + datedText(date) + u')';
        result_.notImported << line + u' ' + what + u'.';
    }

    void item(icalcomponent* calendar, icalcomponent* c) {
        const QString name = text(icalcomponent_get_summary(c));
        switch (icalcomponent_isa(c)) {
        case ICAL_VEVENT_COMPONENT:
            event(calendar, c, name);
            break;
        case ICAL_VTIMEZONE_COMPONENT:
            break; // used by the events' times
        case ICAL_VTODO_COMPONENT:
            result_.notImported
                << QCoreApplication::translate("ICalendarImport", "%1 is a to-do, not an event.")
                       .arg(label(name, QCoreApplication::translate("ICalendarImport",
                                                                    "A to-do without a title")));
            break;
        case ICAL_VJOURNAL_COMPONENT:
            result_.notImported << QCoreApplication::translate(
                                       "ICalendarImport", "%1 is a journal note, not an event.")
                                       .arg(label(
                                           name, QCoreApplication::translate(
                                                     "ICalendarImport", "A note without a title")));
            break;
        default:
            result_.notImported << QCoreApplication::translate(
                                       "ICalendarImport",
                                       "An item of the kind %1 has no place in this calendar.")
                                       .arg(QLatin1String(
                                           icalcomponent_kind_to_string(icalcomponent_isa(c))));
        }
    }

    void event(icalcomponent* calendar, icalcomponent* ev, const QString& name) {
        icalproperty* start = icalcomponent_get_first_property(ev, ICAL_DTSTART_PROPERTY);
        const icaltimetype t = start ? icalproperty_get_dtstart(start) : icaltime_null_time();
        const QDate written = dateOf(t);
        if (const QString dropped = droppedLine(ev); !dropped.isEmpty())
            return note(name, written,
                        QCoreApplication::translate("ICalendarImport",
                                                    "has a line that cannot be read (%1)")
                            .arg(dropped));
        if (!start || icaltime_is_null_time(t) || !written.isValid())
            return note(name, {},
                        QCoreApplication::translate("ICalendarImport", "has no start date"));
        if (icalcomponent_get_first_property(ev, ICAL_RECURRENCEID_PROPERTY))
            return note(name, written,
                        QCoreApplication::translate("ICalendarImport",
                                                    "changes one day of a repeating event"));
        if (icalcomponent_get_status(ev) == ICAL_STATUS_CANCELLED)
            return note(name, written,
                        QCoreApplication::translate("ICalendarImport", "is cancelled"));
        if (name.trimmed().isEmpty())
            return note({}, written,
                        QCoreApplication::translate("ICalendarImport", "has no title to show"));
        const int rules = icalcomponent_count_properties(ev, ICAL_RRULE_PROPERTY);
        const bool extraDays = icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY) ||
                               icalcomponent_get_first_property(ev, ICAL_EXDATE_PROPERTY);
        if (rules == 0 && !icalcomponent_get_first_property(ev, ICAL_RDATE_PROPERTY))
            return single(calendar, ev, start, t, name);
        if (rules == 1 && !extraDays) {
            const icalrecurrencetype r =
                icalproperty_get_rrule(icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY));
            if (auto floating = floatingRule(r)) {
                floating->Name = name;
                add(EntryKind::FloatingHoliday, doc_.FloatingHolidays, std::move(*floating));
                return;
            }
            if (yearlyOnDate(r, written)) return yearly(ev, written, name);
        }
        note(name, written,
             QCoreApplication::translate("ICalendarImport",
                                         "repeats in a way this calendar cannot hold"));
    }

    // A yearly event on a fixed date: a birthday or an anniversary when it says so, else a
    // fixed holiday. Holidays keep no year, so only the other two need one we can hold.
    void yearly(icalcomponent* ev, QDate date, const QString& name) {
        const std::optional<EntryKind> kind = personalKind(ev);
        if (!kind) {
            add(EntryKind::Holiday, doc_.FixedHolidays,
                FixedHolidayEntry{date.toString(QStringLiteral("MMdd")), name});
            return;
        }
        if (!inOurYears(name, date)) return;
        const QString style = styleOf(ev);
        if (*kind == EntryKind::Anniversary)
            add(*kind, doc_.Anniversaries, AnniversaryEntry{mmddyyyy(date), name, style});
        else
            add(*kind, doc_.Birthdays, BirthdayEntry{mmddyyyy(date), name, style});
    }

    // One day: all-day on its date, timed on the local day it starts. An all-day event over
    // several days is added on its first day, and the list says so.
    void single(icalcomponent* calendar, icalcomponent* ev, icalproperty* start, icaltimetype t,
                const QString& name) {
        const QDate date = t.is_date ? dateOf(t) : localDate(calendar, start, t);
        if (!inOurYears(name, date)) return;
        if (!add(EntryKind::Other, doc_.OtherEvents, OtherEntry{mmddyyyy(date), name})) return;
        const icaltimetype end = icalcomponent_get_dtend(ev);
        const qint64 days = t.is_date && !icaltime_is_null_time(end) ? date.daysTo(dateOf(end)) : 1;
        if (days > 1)
            note(name, date,
                 QCoreApplication::translate("ICalendarImport",
                                             "lasts %1 days and was added on its first day only")
                     .arg(days));
    }

    bool inOurYears(const QString& name, QDate date) {
        if (date.isValid() && date.year() >= kFirstYear) return true;
        if (!date.isValid())
            note(name, {}, QCoreApplication::translate("ICalendarImport", "has no start date"));
        else
            note(name, date,
                 QCoreApplication::translate(
                     "ICalendarImport", "is before 1880, the earliest year this calendar holds"));
        return false;
    }

    // Birthday or anniversary by the event's CATEGORIES; an event that carries our style
    // property and no such category is a birthday.
    std::optional<EntryKind> personalKind(icalcomponent* ev) const {
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_CATEGORIES_PROPERTY)) {
            for (const QString& category : text(icalproperty_get_categories(p)).split(u',')) {
                const QString c = category.trimmed().toLower();
                if (c == QLatin1String("birthday") || c == QLatin1String("birthdays"))
                    return EntryKind::Birthday;
                if (c == QLatin1String("anniversary") || c == QLatin1String("anniversaries"))
                    return EntryKind::Anniversary;
            }
        }
        if (styleProperty(ev)) return EntryKind::Birthday;
        return std::nullopt;
    }

    static icalproperty* styleProperty(icalcomponent* ev) {
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_X_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_X_PROPERTY)) {
            const char* xName = icalproperty_get_x_name(p);
            if (xName && qstricmp(xName, kStyleProperty) == 0) return p;
        }
        return nullptr;
    }

    // The style our export wrote; for a birthday from another program the name alone,
    // which is what that program showed.
    static QString styleOf(icalcomponent* ev) {
        icalproperty* p = styleProperty(ev);
        const QString value = p ? QString::fromUtf8(icalproperty_get_x(p)).trimmed() : QString();
        if (value == u"1" || value == u"2" || value == u"3") return value;
        return QStringLiteral("3");
    }

    // Appends the entry unless the calendar holds an equal one already.
    template <class Entry> bool add(EntryKind kind, EntryTable<Entry>& table, Entry entry) {
        const QString key = entryKey(kind, entry);
        if (keys_.contains(key)) {
            ++result_.alreadyPresent;
            return false;
        }
        keys_.insert(key);
        table.append(std::move(entry));
        ++result_.added;
        return true;
    }

    CalendarDocument& doc_;
    FileEncoding encoding_;
    ICalImportResult& result_;
    QSet<QString> keys_;
};

// ---- The file ----

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");

// The reason the data is not an iCalendar file, or the empty text.
QString notICalendar(QByteArrayView data) {
    if (data.contains('\0'))
        return QCoreApplication::translate(
            "ICalendarImport", "The file is not an iCalendar file: it holds binary data.");
    const qsizetype lineEnd = data.indexOf('\n');
    const QByteArrayView first = data.first(lineEnd < 0 ? data.size() : lineEnd).trimmed();
    if (first.compare("BEGIN:VCALENDAR", Qt::CaseInsensitive) != 0)
        return QCoreApplication::translate("ICalendarImport",
                                           "The file is not an iCalendar file: it does not begin "
                                           "with BEGIN:VCALENDAR.");
    return {};
}

ICalImportResult failed(const QString& error) {
    ICalImportResult result;
    result.status = FileStatus::Failed;
    result.error = error;
    return result;
}

} // namespace

ICalImportResult importICalendar(QByteArrayView data, CalendarDocument& doc) {
    QByteArray text = data.toByteArray();
    if (text.startsWith(kUtf8Bom)) text.remove(0, kUtf8Bom.size());
    qsizetype blank = 0;
    while (blank < text.size() &&
           (text[blank] == '\n' || text[blank] == '\r' || text[blank] == ' '))
        ++blank;
    text.remove(0, blank);
    if (const QString reason = notICalendar(text); !reason.isEmpty()) return failed(reason);

    const Component root(icalparser_parse_string(text.constData()));
    std::vector<icalcomponent*> calendars;
    if (root && icalcomponent_isa(root.get()) == ICAL_VCALENDAR_COMPONENT) {
        calendars.push_back(root.get());
    } else if (root) { // several calendars in one file
        for (icalcomponent* c =
                 icalcomponent_get_first_component(root.get(), ICAL_VCALENDAR_COMPONENT);
             c; c = icalcomponent_get_next_component(root.get(), ICAL_VCALENDAR_COMPONENT))
            calendars.push_back(c);
    }
    if (calendars.empty())
        return failed(QCoreApplication::translate(
            "ICalendarImport", "The file is not an iCalendar file: it holds no calendar."));

    ICalImportResult result;
    Importer importer(doc, lineEncoding(text), result);
    for (icalcomponent* calendar : calendars)
        importer.calendar(calendar);
    return result;
}

QString ICalImportMessage(const ICalImportResult& result) {
    if (result.notImported.isEmpty()) return {};
    constexpr int kShown = 20;
    QString text = result.added == 1
                       ? QCoreApplication::translate("ICalendarImport", "1 entry was imported.")
                       : QCoreApplication::translate("ICalendarImport", "%1 entries were imported.")
                             .arg(result.added);
    text += QCoreApplication::translate(
        "ICalendarImport", "\n\nThese items of the file were not imported, or only in part:\n");
    text += result.notImported.mid(0, kShown).join(u'\n');
    if (result.notImported.size() > kShown)
        text += QCoreApplication::translate("ICalendarImport", "\n... and %1 more.")
                    .arg(result.notImported.size() - kShown);
    return text;
}
