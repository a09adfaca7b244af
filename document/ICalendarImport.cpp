#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "document/ICalendar.h"
#include "document/ICalendarParts.h"
#include "document/ICalendarScan.h"
#include "document/ICalendarTiming.h"
#include "document/OwnSectionEntries.h"
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

// The library drops a line whose value it cannot read and leaves an error in its place. When
// the line was one that decides the day or the repeating, the event cannot be taken as it
// stands (without its rule a yearly event would become a single day): the line as the file
// had it, as far as the error tells it.
const char* const kDeciding[] = {"DTSTART", "RRULE", "RDATE", "EXDATE", "RECURRENCE-ID"};
const char* const kEnding[] = {"DTEND", "DURATION"};

template <std::size_t N> QString droppedLine(icalcomponent* ev, const char* const (&names)[N]) {
    for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(ev, ICAL_XLICERROR_PROPERTY)) {
        const QString error = QString::fromUtf8(icalproperty_get_xlicerror(p));
        for (const char* name : names) {
            if (!error.contains(QStringLiteral(" in %1 property").arg(QLatin1String(name))))
                continue;
            const qsizetype value = error.lastIndexOf(QLatin1String("property: "));
            return QLatin1String(name) + u':' + (value < 0 ? QString() : error.mid(value + 10));
        }
    }
    return {};
}

// A date of the list in the windows' language ("March 7, 2027" in English).
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
    Importer(CalendarDocument& doc, FileEncoding encoding, EventTiming& timing,
             ICalImportResult& result)
        : doc_(doc), encoding_(encoding), timing_(timing), result_(result) {
        collectKeys(EntryKind::Birthday, doc.Birthdays);
        collectKeys(EntryKind::Anniversary, doc.Anniversaries);
        collectKeys(EntryKind::Holiday, doc.FixedHolidays);
        collectKeys(EntryKind::FloatingHoliday, doc.FloatingHolidays);
        collectKeys(EntryKind::Other, doc.OtherEvents);
    }

    // One item of the file; calendar is the one it is in (or the one before it, for an item
    // between calendars), scanned what the first pass found out about it.
    void item(icalcomponent* calendar, icalcomponent* c, const ScannedItem* scanned) {
        const QString name = nameOf(c, scanned);
        switch (icalcomponent_isa(c)) {
        case ICAL_VEVENT_COMPONENT:
            event(calendar, c, name, scanned);
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

  private:
    template <class Entry> void collectKeys(EntryKind kind, const EntryTable<Entry>& table) {
        for (const Entry& e : table)
            keys_.insert(entryKey(kind, e));
    }

    // Text of the file. Line breaks and the other control characters, which iCalendar text may
    // not hold (a tab aside) and which an export could not write back, become spaces, as line
    // breaks do in the calendar file.
    QString text(QByteArrayView value) const {
        QString s = decodeText(value, encoding_);
        for (QChar& c : s)
            if ((c.unicode() < 0x20 && c != u'\t') || c.unicode() == 0x7F) c = u' ';
        return s;
    }

    // The title as the file writes it: the library drops blanks at its ends, which belong to
    // the name (our own export writes them).
    QString nameOf(icalcomponent* c, const ScannedItem* scanned) const {
        const char* summary = icalcomponent_get_summary(c);
        const QString parsed = summary ? text(QByteArrayView(summary)) : QString();
        if (!scanned || !scanned->hasSummary) return parsed;
        const QString raw = text(scanned->rawSummary);
        return raw.trimmed() == parsed.trimmed() ? raw : parsed;
    }

    // How the list names an item: its title in quotes.
    static QString label(const QString& name, const QString& untitled) {
        if (name.trimmed().isEmpty()) return untitled;
        return QCoreApplication::translate("ICalendarImport", "\"%1\"", "a title in quotes")
            .arg(name);
    }

    void note(const QString& name, QDate date, const QString& what) {
        QString line =
            label(name, QCoreApplication::translate("ICalendarImport", "An event without a title"));
        if (date.isValid()) line += QLatin1String(" (") + datedText(date) + u')';
        result_.notImported << line + u' ' + what + u'.';
    }

    void event(icalcomponent* calendar, icalcomponent* ev, const QString& name,
               const ScannedItem* scanned) {
        icalproperty* start = icalcomponent_get_first_property(ev, ICAL_DTSTART_PROPERTY);
        const icaltimetype t = start ? icalproperty_get_dtstart(start) : icaltime_null_time();
        const QDate written = dateOf(t);
        if (const QString dropped = droppedLine(ev, kDeciding); !dropped.isEmpty())
            return note(name, written,
                        QCoreApplication::translate("ICalendarImport",
                                                    "has a line that cannot be read (%1)")
                            .arg(dropped));
        if (scanned && !scanned->damage.isEmpty())
            return note(name, written,
                        QCoreApplication::translate("ICalendarImport", "%1; it was not imported",
                                                    "%1 says what is wrong")
                            .arg(scanned->damage));
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
            return single(ev, timing_.daysOf(calendar, ev, start, true), name);
        if (rules == 1 && !extraDays) {
            const icalrecurrencetype r =
                icalproperty_get_rrule(icalcomponent_get_first_property(ev, ICAL_RRULE_PROPERTY));
            if (auto floating = floatingRule(r))
                return floatingHoliday(ev, timing_.daysOf(calendar, ev, start, false), name,
                                       std::move(*floating));
            if (yearlyOnDate(r, written))
                return yearly(ev, timing_.daysOf(calendar, ev, start, false), name);
        }
        note(name, written,
             QCoreApplication::translate("ICalendarImport",
                                         "repeats in a way this calendar cannot hold"));
    }

    void floatingHoliday(icalcomponent* ev, const EventDays& days, const QString& name,
                         FloatingHolidayEntry entry) {
        if (!notAfterOurYears(name, days.first)) return;
        entry.Name = name;
        if (add(EntryKind::FloatingHoliday, doc_.FloatingHolidays, std::move(entry)))
            noteLength(ev, name, days);
    }

    // A yearly event on a fixed date, on the date the file writes (a birthday does not move
    // with the time zone): a birthday or an anniversary when it says so, else a fixed holiday.
    // Holidays keep no year, so only the other two need one we can hold.
    void yearly(icalcomponent* ev, const EventDays& days, const QString& name) {
        const QDate date = days.first;
        const std::optional<EntryKind> kind = personalKind(ev);
        bool added = false;
        if (!kind) {
            if (!notAfterOurYears(name, date)) return;
            // A yearly all-day event over several days is a holiday of that many days.
            const int length = spannedDays(ev, days);
            added = add(EntryKind::Holiday, doc_.FixedHolidays,
                        FixedHolidayEntry{date.toString(QStringLiteral("MMdd")), name, length});
            if (added && length > 1) return;
        } else {
            if (!inOurYears(name, date)) return;
            const QString style = styleOf(ev);
            if (*kind == EntryKind::Anniversary)
                added =
                    add(*kind, doc_.Anniversaries, AnniversaryEntry{mmddyyyy(date), name, style});
            else
                added = add(*kind, doc_.Birthdays, BirthdayEntry{mmddyyyy(date), name, style});
        }
        if (added) noteLength(ev, name, days);
    }

    // The days an all-day event lasts when it lasts several that we can hold; else 1.
    int spannedDays(icalcomponent* ev, const EventDays& days) const {
        const bool spans = !days.timed && days.last.isValid() && days.last > days.first &&
                           days.first.daysTo(days.last) < kLongestSpan &&
                           droppedLine(ev, kEnding).isEmpty();
        return spans ? int(days.first.daysTo(days.last)) + 1 : 1;
    }

    // A single event: all-day on its date, timed on the day it begins in the user's zone (on
    // the date written when its zone cannot be read).
    void single(icalcomponent* ev, const EventDays& days, const QString& name) {
        if (!inOurYears(name, days.first)) return;
        // An all-day event over several days becomes an event with an end date.
        OtherEntry entry{mmddyyyy(days.first), name};
        const bool spans = spannedDays(ev, days) > 1;
        if (spans) entry.Until = mmddyyyy(days.last);
        if (!add(EntryKind::Other, doc_.OtherEvents, std::move(entry))) return;
        if (!days.unreadZone.isEmpty())
            note(name, days.first,
                 QCoreApplication::translate(
                     "ICalendarImport",
                     "has a time zone (\"%1\") that could not be read; it was placed "
                     "on the date as written")
                     .arg(text(days.unreadZone)));
        if (!spans) noteLength(ev, name, days);
    }

    // Yearly entries hold one day: an event over several is added on its first, and the list says
    // so; so does an event whose end cannot be read.
    void noteLength(icalcomponent* ev, const QString& name, const EventDays& days) {
        if (const QString dropped = droppedLine(ev, kEnding); !dropped.isEmpty())
            return note(name, days.first,
                        QCoreApplication::translate(
                            "ICalendarImport",
                            "has an end that cannot be read (%1); it was added on its "
                            "first day only")
                            .arg(dropped));
        if (!days.last.isValid() || days.last <= days.first) return;
        if (days.timed)
            note(name, days.first,
                 QCoreApplication::translate("ICalendarImport",
                                             "lasts until %1 and was added on its first day only")
                     .arg(datedText(days.last)));
        else
            note(name, days.first,
                 QCoreApplication::translate("ICalendarImport",
                                             "lasts %1 days and was added on its first day only")
                     .arg(days.first.daysTo(days.last) + 1));
    }

    bool inOurYears(const QString& name, QDate date) {
        if (!date.isValid()) {
            note(name, {}, QCoreApplication::translate("ICalendarImport", "has no start date"));
            return false;
        }
        if (date.year() < kFirstYear) {
            note(name, date,
                 QCoreApplication::translate("ICalendarImport",
                                             "is before %1, the earliest year this calendar holds")
                     .arg(kFirstYear));
            return false;
        }
        return notAfterOurYears(name, date);
    }

    bool notAfterOurYears(const QString& name, QDate date) {
        if (!date.isValid() || date.year() <= kLastYear) return true;
        note(name, date,
             QCoreApplication::translate("ICalendarImport",
                                         "is after %1, the latest year this calendar holds")
                 .arg(kLastYear));
        return false;
    }

    // Birthday or anniversary by the event's CATEGORIES; an event that carries our style
    // property and no such category is a birthday.
    std::optional<EntryKind> personalKind(icalcomponent* ev) const {
        for (icalproperty* p = icalcomponent_get_first_property(ev, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(ev, ICAL_CATEGORIES_PROPERTY)) {
            const char* value = icalproperty_get_categories(p);
            for (const QString& category :
                 text(value ? QByteArrayView(value) : QByteArrayView()).split(u',')) {
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
    EventTiming& timing_;
    ICalImportResult& result_;
    QSet<QString> keys_;
};

// ---- The file ----

const QByteArray kUtf8Bom = QByteArrayLiteral("\xEF\xBB\xBF");
constexpr int kShownLines = 20;

// The reason the data is not an iCalendar file, or the empty text.
QString notICalendar(QByteArrayView data) {
    if (data.contains('\0'))
        return QCoreApplication::translate(
            "ICalendarImport", "The file is not an iCalendar file: it holds binary data.");
    qsizetype start = 0;
    while (start < data.size() &&
           (data[start] == '\n' || data[start] == '\r' || data[start] == ' '))
        ++start;
    data = data.sliced(start);
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

struct FileItem {
    icalcomponent* calendar; // the calendar it is in, or the one before it
    icalcomponent* component;
};

struct FileItems {
    std::vector<icalcomponent*> calendars;
    std::vector<FileItem> items;
};

// The calendars of the parsed file, and its items in the order of the file: those of each
// calendar, and those that stand between calendars (read as part of the calendar before
// them). Collected first: reading the items looks up time zones, which moves the
// calendars' own iterators.
FileItems itemsOf(icalcomponent* root) {
    FileItems file;
    const auto addCalendar = [&file](icalcomponent* calendar) {
        file.calendars.push_back(calendar);
        for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_ANY_COMPONENT); c;
             c = icalcomponent_get_next_component(calendar, ICAL_ANY_COMPONENT))
            file.items.push_back({calendar, c});
    };
    if (!root) return file;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        addCalendar(root);
        return file;
    }
    if (icalcomponent_isa(root) != ICAL_XROOT_COMPONENT) { // one part, and no calendar
        file.items.push_back({nullptr, root});
        return file;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_ANY_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_ANY_COMPONENT)) {
        if (icalcomponent_isa(c) == ICAL_VCALENDAR_COMPONENT)
            addCalendar(c);
        else
            file.items.push_back({file.calendars.empty() ? nullptr : file.calendars.back(), c});
    }
    return file;
}

QString messageHead(const ICalImportResult& result) {
    QString text = result.added == 1
                       ? QCoreApplication::translate("ICalendarImport", "1 entry was imported.")
                       : QCoreApplication::translate("ICalendarImport", "%1 entries were imported.")
                             .arg(result.added);
    return text + QCoreApplication::translate(
                      "ICalendarImport",
                      "\n\nThese items of the file were not imported, or only in part:\n");
}

} // namespace

ICalImportResult importICalendar(QByteArrayView data, CalendarDocument& doc,
                                 const QTimeZone& userZone) {
    const QByteArrayView text = data.startsWith(kUtf8Bom) ? data.sliced(kUtf8Bom.size()) : data;
    if (const QString reason = notICalendar(text); !reason.isEmpty()) return failed(reason);
    const ScannedFile scan = scanICalendar(text);
    if (!scan.refused.isEmpty()) return failed(scan.refused);

    const Component root(icalparser_parse_string(scan.text.constData()));
    const FileItems file = itemsOf(root.get());
    if (file.calendars.empty())
        return failed(QCoreApplication::translate(
            "ICalendarImport", "The file is not an iCalendar file: it holds no calendar."));

    ICalImportResult result;
    FileZones zones(file.calendars);
    EventTiming timing(zones, userZone);
    Importer importer(doc, lineEncoding(text), timing, result);
    for (std::size_t i = 0; i < file.items.size(); ++i)
        importer.item(file.items[i].calendar, file.items[i].component,
                      i < scan.items.size() ? &scan.items[i] : nullptr);
    result.notImported << scan.notes;
    return result;
}

QString ICalImportMessage(const ICalImportResult& result) {
    if (result.notImported.isEmpty()) return {};
    QString text = messageHead(result) + result.notImported.mid(0, kShownLines).join(u'\n');
    if (result.notImported.size() > kShownLines)
        text += QCoreApplication::translate("ICalendarImport", "\n... and %1 more.")
                    .arg(result.notImported.size() - kShownLines);
    return text;
}

QString ICalImportDetails(const ICalImportResult& result) {
    if (result.notImported.size() <= kShownLines) return {};
    return messageHead(result) + result.notImported.join(u'\n');
}
