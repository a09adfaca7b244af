#include "drawing/WeekList.h"

#include "calendar_format/HolidayRules.h"
#include "document/AgeText.h"
#include "document/OwnSectionEntries.h"
#include "document/RuleText.h"

#include "document/EntryText.h"
#include "document/SettingsRecords.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace {

// A stored count as a number within [1, high]: 1 when it is not a number.
int countInRange(const QString& text, int high) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || std::isnan(value)) return 1;
    return static_cast<int>(std::lround(std::clamp(value, 1.0, double(high))));
}

// "Weeks Starting December 06, 2026 ": the words in the window's language, the date as the
// layout's language writes it.
QString headingText(int weeks, QDate start, const PageLocale& locale) {
    const QString date = locale.weekStartText(start);
    const QString heading =
        weeks == 1 ? QCoreApplication::translate("WeekList", "Week Starting %1", "a date follows")
                         .arg(date)
                   : QCoreApplication::translate("WeekList", "Weeks Starting %1", "a date follows")
                         .arg(date);
    return heading + u' ';
}

// Places every entry of each month the grid touches and keeps those that fall on its days.
// Each month is placed with its own year, so an age on 2 January counts to the new year.
void placeEntries(const CalendarDocument& doc, const LayoutSettings& layout, WeekGrid& grid) {
    const qsizetype count = static_cast<qsizetype>(grid.days.size());
    const QDate last = grid.start.addDays(count - 1);
    for (QDate month(grid.start.year(), grid.start.month(), 1); month <= last;
         month = month.addMonths(1)) {
        const MonthGrid monthGrid = MonthGrid::of(month.year(), month.month());
        for (PlacedEntry& placed : PlaceMonthEntries(doc, layout, monthGrid)) {
            // An entry whose day or rule names no day of the month falls on no date.
            const int day = placed.cell >= 0 ? monthGrid.dayInCell(placed.cell) : 0;
            if (day == 0) continue;
            const qint64 index = grid.start.daysTo(QDate(month.year(), month.month(), day));
            if (index < 0 || index >= count) continue;
            placed.cell = static_cast<int>(index);
            grid.days[index].entries.push_back(std::move(placed));
        }
    }
}

// What follows the date in a line of the upcoming list: " (Birthday) - ", the kind in the
// window's language.
QString kindText(EntryKind kind) {
    QString word;
    switch (kind) {
    case EntryKind::Birthday:
        word = QCoreApplication::translate("WeekList", "Birthday", "the kind of an upcoming entry");
        break;
    case EntryKind::Holiday:
    case EntryKind::FloatingHoliday:
        word = QCoreApplication::translate("WeekList", "Holiday", "the kind of an upcoming entry");
        break;
    case EntryKind::Anniversary:
        word =
            QCoreApplication::translate("WeekList", "Anniversary", "the kind of an upcoming entry");
        break;
    case EntryKind::Other:
        word = QCoreApplication::translate("WeekList", "Other", "the kind of an upcoming entry");
        break;
    }
    return QLatin1String(" (") + word + QLatin1String(") - ");
}

// The date with month (1 to 12) and day in year; a 29 February in a year without one is 1
// March by that rule, else 28 February. Nothing when no year has that day (a damaged date).
std::optional<QDate> yearlyDate(int year, int month, int day, LeapDayPlacement leapDay) {
    if (month < 1 || month > 12 || day < 1) return std::nullopt;
    if (month == 2 && day == 29) {
        if (FebruaryDays(year) == 29) return QDate(year, 2, 29);
        return leapDay == LeapDayPlacement::Mar1 ? QDate(year, 3, 1) : QDate(year, 2, 28);
    }
    if (day > MonthDays(month)) return std::nullopt;
    return QDate(year, month, day);
}

// Collects the upcoming list's entries, kind after kind.
class UpcomingCollector {
  public:
    UpcomingCollector(const CalendarDocument& doc, QDate today, int months,
                      LeapDayPlacement leapDay, const PageLocale& locale)
        : doc_(doc), today_(today), range_(UpcomingRangeFor(today, months)), leapDay_(leapDay),
          locale_(locale) {}

    std::vector<UpcomingEvent> run() {
        yearly(EntryKind::Birthday, doc_.Birthdays);
        yearly(EntryKind::Holiday, doc_.FixedHolidays);
        floatingHolidays();
        movingHolidays();
        yearly(EntryKind::Anniversary, doc_.Anniversaries);
        otherEvents();
        std::stable_sort(found_.begin(), found_.end(), byDateAndText);
        std::vector<UpcomingEvent> events;
        events.reserve(found_.size());
        for (Found& f : found_)
            events.push_back(std::move(f.event));
        return events;
    }

  private:
    // An event with the part of its line after the date, by which events of one day sort.
    struct Found {
        UpcomingEvent event;
        QString text;
    };

    // dateText: how the line names the day; its date when empty.
    void add(EntryKind kind, int index, QDate date, const QString& name,
             const QString& dateText = {}) {
        QString text = kindText(kind) + name;
        const QString day = dateText.isEmpty() ? locale_.listDate(date) : dateText;
        found_.push_back({{date, kind, index, day + text}, std::move(text)});
    }

    // Once a year, on the next day with the date's month and day from today on.
    template <class Table> void yearly(EntryKind kind, const Table& table) {
        int index = 0;
        for (const auto& e : table) {
            if constexpr (requires { e.Days; })
                if (e.Days > 1) {
                    holidaySpan(index++, e);
                    continue;
                }
            const int month = e.Date.number(0, 2);
            const int day = e.Date.number(2, 2);
            std::optional<QDate> date = yearlyDate(today_.year(), month, day, leapDay_);
            if (date && *date < today_) date = yearlyDate(today_.year() + 1, month, day, leapDay_);
            if (date && *date >= range_.first && *date < range_.end)
                add(kind, index, *date, e.Name);
            ++index;
        }
    }

    // A holiday of several days: its next run that has not ended by today.
    void holidaySpan(int index, const FixedHolidayEntry& e) {
        for (int year = today_.year() - 1; year <= today_.year() + 1; ++year) {
            const std::optional<EventSpan> span = HolidaySpanIn(e, year);
            if (span && span->last >= today_) {
                spanLine(EntryKind::Holiday, index, *span, e.Name);
                return;
            }
        }
    }

    // An entry that spans days is named once, with both its days, on the first of them in
    // the range (today, for one under way).
    void spanLine(EntryKind kind, int index, const EventSpan& span, const QString& name) {
        if (span.last >= range_.first && span.first < range_.end)
            add(kind, index, std::max(span.first, range_.first), name,
                locale_.listDate(span.first) + u' ' + RangeWord(locale_.language()) + u' ' +
                    locale_.listDate(span.last));
    }

    // Every day of the range, its end included, that a rule names.
    void floatingHolidays() {
        for (QDate month(range_.first.year(), range_.first.month(), 1); month <= range_.end;
             month = month.addMonths(1)) {
            const MonthGrid grid = MonthGrid::of(month.year(), month.month());
            int index = 0;
            for (const FloatingHolidayEntry& e : doc_.FloatingHolidays) {
                if (e.Moving) { // placed once for the whole range, below
                    ++index;
                    continue;
                }
                const std::optional<int> cell = e.Month.number(0, 2) == grid.month
                                                    ? FloatingHolidayCell(grid, e.Rule.view())
                                                    : std::nullopt;
                const int day = cell ? grid.dayInCell(*cell) : 0;
                const QDate date = day ? QDate(grid.year, grid.month, day) : QDate();
                if (date.isValid() && date >= range_.first && date <= range_.end)
                    add(EntryKind::FloatingHoliday, index, date, e.Name);
                ++index;
            }
        }
    }

    // Holidays by a moving rule: every day of the range, its end included, on which they fall
    // or are observed.
    void movingHolidays() {
        int index = 0;
        for (const FloatingHolidayEntry& e : doc_.FloatingHolidays) {
            if (e.Moving)
                for (const RuleDay& day : RuleDaysIn(*e.Moving, range_.first, range_.end))
                    add(EntryKind::FloatingHoliday, index, day.date,
                        ObservedName(e.Name, day.observed, locale_.language()));
            ++index;
        }
    }

    void otherEvents() {
        int index = 0;
        for (const OtherEntry& e : doc_.OtherEvents) {
            if (const std::optional<EventSpan> span = SpanOf(e)) {
                spanLine(EntryKind::Other, index++, *span, e.Name);
                continue;
            }
            const QDate date(e.Date.number(4, 4), e.Date.number(0, 2), e.Date.number(2, 2));
            if (date.isValid() && date >= range_.first && date < range_.end)
                add(EntryKind::Other, index, date, e.Name);
            ++index;
        }
    }

    // The date first, then the kind and the name in text order as a sorted list box keeps
    // its lines, letters compared without regard to case.
    static bool byDateAndText(const Found& a, const Found& b) {
        if (a.event.date != b.event.date) return a.event.date < b.event.date;
        const int folded = a.text.compare(b.text, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.text < b.text;
    }

    const CalendarDocument& doc_;
    QDate today_;
    UpcomingRange range_;
    LeapDayPlacement leapDay_;
    const PageLocale& locale_;
    std::vector<Found> found_;
};

} // namespace

int WeeksShown(const QString& numWeeks) {
    return countInRange(numWeeks, kMaxWeeksShown);
}

int MonthsListed(const QString& listMonths) {
    return countInRange(listMonths, kMaxMonthsListed);
}

WeekGrid MakeWeekGrid(const CalendarDocument& doc, const LayoutSettings& layout, QDate today,
                      int weeks) {
    WeekGrid grid;
    grid.caption = CalendarCaption(doc);
    const PageLocale locale = PageLocale::of(layout);
    for (int i = 0; i < 7; ++i)
        grid.dayNames[i] = locale.dayName(locale.weekdayOfColumn(i));
    if (!today.isValid()) return grid;
    weeks = std::clamp(weeks, 1, kMaxWeeksShown);
    grid.todayIndex = locale.columnOfWeekday(today.dayOfWeek() % 7); // Sunday is 7 to QDate
    grid.start = today.addDays(-grid.todayIndex);
    grid.heading = headingText(weeks, grid.start, locale);
    for (int i = 0; i < weeks * 7; ++i) {
        const QDate date = grid.start.addDays(i);
        const QColor color = i == grid.todayIndex ? QColor(255, 0, 0) : QColor(Qt::black);
        grid.days.push_back({date, locale.dayLabel(date), color, {}});
    }
    placeEntries(doc, layout, grid);
    return grid;
}

UpcomingRange UpcomingRangeFor(QDate today, int months) {
    months = std::clamp(months, 1, kMaxMonthsListed);
    const QDate firstOfMonth = QDate(today.year(), today.month(), 1).addMonths(months);
    return {today, firstOfMonth.addDays(today.day() - 1)};
}

std::vector<UpcomingEvent> UpcomingEvents(const CalendarDocument& doc, QDate today, int months,
                                          LeapDayPlacement leapDay, const PageLocale& locale) {
    if (!today.isValid()) return {};
    return UpcomingCollector(doc, today, months, leapDay, locale).run();
}

QStringList UpcomingEventLines(const CalendarDocument& doc, QDate today, int months,
                               const PageLocale& locale) {
    QStringList lines;
    for (const UpcomingEvent& event :
         UpcomingEvents(doc, today, months, LeapDayPlacement::Feb28, locale))
        lines << event.line;
    return lines;
}

WeekList MakeWeekList(const CalendarDocument& doc, const LayoutSettings& layout, QDate today,
                      const QString& numWeeks, const QString& listMonths) {
    return {MakeWeekGrid(doc, layout, today, WeeksShown(numWeeks)),
            UpcomingEvents(doc, today, MonthsListed(listMonths), LeapDayRule(layout.LeapDayEntries),
                           PageLocale::of(layout))};
}
