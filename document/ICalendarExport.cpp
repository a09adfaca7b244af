#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "document/ICalendar.h"
#include "document/ICalendarParts.h"
#include "document/OwnSectionEntries.h"

#include <QCoreApplication>
#include <QSet>
#include <optional>

namespace {

using namespace ical;

// When an event happens: its first day, and the yearly rule that repeats it (none for a
// single day).
struct EventDate {
    QDate start;
    QByteArray rule;
    QDate last = {}; // the last day of an event that spans days
};

constexpr const char* kDayCodes[] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

icaltimetype icalDate(QDate date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

// The date of an MMDDYYYY field; nothing when it names no day.
std::optional<QDate> fullDate(const FixedText<8>& field) {
    const QDate date(field.number(4, 4), field.number(0, 2), field.number(2, 2));
    if (!date.isValid()) return std::nullopt;
    return date;
}

// Every year on the date's month and day. A 29 February repeats in leap years only, as the
// month pages show it; saying so in the rule keeps other programs from moving it to the 28th
// or to 1 March in the other years.
QByteArray yearlyRule(QDate date) {
    if (date.month() == 2 && date.day() == 29) return "FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=29";
    return "FREQ=YEARLY";
}

std::optional<EventDate> datedEvent(const FixedText<8>& field, bool yearly) {
    const auto date = fullDate(field);
    if (!date) return std::nullopt;
    return EventDate{*date, yearly ? yearlyRule(*date) : QByteArray()};
}

std::optional<EventDate> fixedHolidayEvent(const FixedHolidayEntry& e) {
    const QDate date(kFirstYear, e.Date.number(0, 2), e.Date.number(2, 2));
    if (!date.isValid()) return std::nullopt;
    EventDate event{date, yearlyRule(date)};
    if (const std::optional<EventSpan> span = HolidaySpanIn(e, kFirstYear)) event.last = span->last;
    return event;
}

// The first occurrence in kFirstYear of the rule "n-th (or last) weekday of month", and the
// rule itself.
std::optional<EventDate> floatingHolidayEvent(const FloatingHolidayEntry& e) {
    const int month = e.Month.number(0, 2);
    const QChar week = e.Rule.at(0);
    const int weekday = e.Rule.at(1).unicode() - u'0';
    const bool last = week == u'L';
    const int n = week.unicode() - u'0';
    if (month < 1 || month > 12 || weekday < 0 || weekday > 6 || (!last && (n < 1 || n > 4)))
        return std::nullopt;
    const QDate first(kFirstYear, month, 1);
    int day = 0;
    if (last) {
        const QDate end(kFirstYear, month, first.daysInMonth());
        day = end.day() - (end.dayOfWeek() % 7 - weekday + 7) % 7;
    } else {
        day = 1 + (weekday - first.dayOfWeek() % 7 + 7) % 7 + 7 * (n - 1);
    }
    const QByteArray byDay = (last ? QByteArray("-1") : QByteArray::number(n)) + kDayCodes[weekday];
    return EventDate{QDate(kFirstYear, month, day),
                     "FREQ=YEARLY;BYMONTH=" + QByteArray::number(month) + ";BYDAY=" + byDay};
}

// Text for one property value: UTF-8, a line break turned into a space as in the calendar
// file. The library escapes commas, semicolons and backslashes and folds long lines.
QByteArray valueText(const QString& text) {
    QByteArray bytes = text.toUtf8();
    bytes.replace('\r', ' ').replace('\n', ' ');
    return bytes;
}

void addXProperty(icalcomponent* component, const char* name, const QByteArray& value) {
    icalproperty* property = icalproperty_new_x(value.constData());
    icalproperty_set_x_name(property, name);
    icalcomponent_add_property(component, property);
}

// Builds the calendar event by event.
class Writer {
  public:
    Writer(const CalendarDocument& doc, const QDateTime& stamp, QStringList* notExported)
        : calendar_(icalcomponent_new(ICAL_VCALENDAR_COMPONENT)), notExported_(notExported) {
        icalcomponent_add_property(calendar_.get(), icalproperty_new_version("2.0"));
        icalcomponent_add_property(calendar_.get(),
                                   icalproperty_new_prodid("-//Daylark//Daylark 2.5//EN"));
        icalcomponent_add_property(calendar_.get(), icalproperty_new_calscale("GREGORIAN"));
        addXProperty(calendar_.get(), "X-WR-CALNAME", valueText(doc.CalendarTitle));
        stamp_ = icaltime_from_timet_with_zone(static_cast<time_t>(stamp.toSecsSinceEpoch()), 0,
                                               icaltimezone_get_utc_timezone());
    }

    // One event for the entry, unless an equal entry has one already. category may be
    // null; style is written when it is not blank.
    template <class Entry>
    void add(EntryKind kind, const Entry& e, const std::optional<EventDate>& date,
             const char* category, QChar style = QChar(u' ')) {
        if (!date) {
            if (notExported_)
                *notExported_ << QCoreApplication::translate("ICalendarExport",
                                                             "%1: the date names no day.")
                                     .arg(EntryListCaption(e));
            return;
        }
        const QString key = entryKey(kind, e);
        if (written_.contains(key)) return;
        written_.insert(key);
        icalcomponent* event = icalcomponent_new(ICAL_VEVENT_COMPONENT);
        icalcomponent_add_property(event, icalproperty_new_uid(entryUid(kind, e, key).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp_));
        icalcomponent_add_property(event, icalproperty_new_dtstart(icalDate(date->start)));
        icalcomponent_add_property(
            event, icalproperty_new_dtend(
                       icalDate((date->last.isValid() ? date->last : date->start).addDays(1))));
        if (!date->rule.isEmpty())
            icalcomponent_add_property(event, icalproperty_new_rrule(icalrecurrencetype_from_string(
                                                  date->rule.constData())));
        icalcomponent_add_property(event, icalproperty_new_summary(valueText(e.Name).constData()));
        if (category) icalcomponent_add_property(event, icalproperty_new_categories(category));
        if (!style.isSpace()) addXProperty(event, kStyleProperty, QString(style).toUtf8());
        // A day to remember, not time taken: free/busy views leave the day free.
        icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(calendar_.get(), event);
    }

    QByteArray text() const {
        char* text = icalcomponent_as_ical_string_r(calendar_.get());
        QByteArray bytes(text);
        icalmemory_free_buffer(text);
        return bytes;
    }

  private:
    Component calendar_;
    QStringList* notExported_;
    icaltimetype stamp_;
    QSet<QString> written_;
};

} // namespace

QByteArray formatICalendar(const CalendarDocument& doc, const QDateTime& stamp,
                           QStringList* notExported) {
    Writer w(doc, stamp, notExported);
    for (const BirthdayEntry& e : doc.Birthdays)
        w.add(EntryKind::Birthday, e, datedEvent(e.Date, true), kBirthdayCategory, e.Style.at(0));
    for (const AnniversaryEntry& e : doc.Anniversaries)
        w.add(EntryKind::Anniversary, e, datedEvent(e.Date, true), kAnniversaryCategory,
              e.Style.at(0));
    for (const FixedHolidayEntry& e : doc.FixedHolidays)
        w.add(EntryKind::Holiday, e, fixedHolidayEvent(e), kHolidayCategory);
    for (const FloatingHolidayEntry& e : doc.FloatingHolidays) {
        // A yearly repeat of iCalendar cannot follow Easter or move a day off a weekend.
        if (e.Moving) {
            if (notExported)
                *notExported << QCoreApplication::translate(
                                    "ICalendarExport", "%1: a holiday that moves with Easter or "
                                                       "the weekend has no yearly repeat in "
                                                       "iCalendar.")
                                    .arg(EntryListCaption(e));
            continue;
        }
        w.add(EntryKind::FloatingHoliday, e, floatingHolidayEvent(e), kHolidayCategory);
    }
    for (const OtherEntry& e : doc.OtherEvents) {
        std::optional<EventDate> date = datedEvent(e.Date, false);
        if (const std::optional<EventSpan> span = SpanOf(e); date && span) date->last = span->last;
        w.add(EntryKind::Other, e, date, nullptr);
    }
    return w.text();
}
