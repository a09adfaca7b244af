#include "drawing/WeekList.h"

#include "document/EntryText.h"
#include "document/SettingsRecords.h"

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

QString twoDigits(int n) {
    return QString::number(n).rightJustified(2, u'0');
}

QString fourDigits(int n) {
    return QString::number(n).rightJustified(4, u'0');
}

// "Weeks Starting December 06, 2026 ".
QString headingText(int weeks, QDate start) {
    return QLatin1String(weeks == 1 ? "Week" : "Weeks") + QLatin1String(" Starting ") +
           MonthName(start.month()) + u' ' + twoDigits(start.day()) + QLatin1String(", ") +
           fourDigits(start.year()) + u' ';
}

// "Dec 6".
QString dayLabel(QDate date) {
    return MonthName(date.month()).left(3) + u' ' + QString::number(date.day());
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

QString kindText(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return QStringLiteral(" (Birthday) - ");
    case EntryKind::Holiday:
    case EntryKind::FloatingHoliday:
        return QStringLiteral(" (Holiday) - ");
    case EntryKind::Anniversary:
        return QStringLiteral(" (Anniversary) - ");
    case EntryKind::Other:
        return QStringLiteral(" (Other) - ");
    }
    return {};
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
                      LeapDayPlacement leapDay)
        : doc_(doc), today_(today), range_(UpcomingRangeFor(today, months)), leapDay_(leapDay) {}

    std::vector<UpcomingEvent> run() {
        yearly(EntryKind::Birthday, doc_.Birthdays);
        yearly(EntryKind::Holiday, doc_.FixedHolidays);
        floatingHolidays();
        yearly(EntryKind::Anniversary, doc_.Anniversaries);
        otherEvents();
        std::stable_sort(events_.begin(), events_.end(), byLine);
        return std::move(events_);
    }

  private:
    void add(EntryKind kind, int index, QDate date, const QString& name) {
        const QString line = fourDigits(date.year()) + u'/' + twoDigits(date.month()) + u'/' +
                             twoDigits(date.day()) + kindText(kind) + name;
        events_.push_back({date, kind, index, line});
    }

    // Once a year, on the next day with the date's month and day from today on.
    template <class Table> void yearly(EntryKind kind, const Table& table) {
        int index = 0;
        for (const auto& e : table) {
            const int month = e.Date.number(0, 2);
            const int day = e.Date.number(2, 2);
            std::optional<QDate> date = yearlyDate(today_.year(), month, day, leapDay_);
            if (date && *date < today_) date = yearlyDate(today_.year() + 1, month, day, leapDay_);
            if (date && *date >= range_.first && *date < range_.end)
                add(kind, index, *date, e.Name);
            ++index;
        }
    }

    // Every day of the range, its end included, that a rule names.
    void floatingHolidays() {
        for (QDate month(range_.first.year(), range_.first.month(), 1); month <= range_.end;
             month = month.addMonths(1)) {
            const MonthGrid grid = MonthGrid::of(month.year(), month.month());
            int index = 0;
            for (const FloatingHolidayEntry& e : doc_.FloatingHolidays) {
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

    void otherEvents() {
        int index = 0;
        for (const OtherEntry& e : doc_.OtherEvents) {
            const QDate date(e.Date.number(4, 4), e.Date.number(0, 2), e.Date.number(2, 2));
            if (date.isValid() && date >= range_.first && date < range_.end)
                add(EntryKind::Other, index, date, e.Name);
            ++index;
        }
    }

    // Text order, as a sorted list box keeps its lines: the date first, then the kind and
    // the name, letters compared without regard to case.
    static bool byLine(const UpcomingEvent& a, const UpcomingEvent& b) {
        const int folded = a.line.compare(b.line, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.line < b.line;
    }

    const CalendarDocument& doc_;
    QDate today_;
    UpcomingRange range_;
    LeapDayPlacement leapDay_;
    std::vector<UpcomingEvent> events_;
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
    if (!today.isValid()) return grid;
    weeks = std::clamp(weeks, 1, kMaxWeeksShown);
    grid.todayIndex = today.dayOfWeek() % 7; // Sunday is 7 to QDate, 0 here
    grid.start = today.addDays(-grid.todayIndex);
    grid.heading = headingText(weeks, grid.start);
    for (int i = 0; i < weeks * 7; ++i) {
        const QDate date = grid.start.addDays(i);
        const QColor color = i == grid.todayIndex ? QColor(255, 0, 0) : QColor(Qt::black);
        grid.days.push_back({date, dayLabel(date), color, {}});
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
                                          LeapDayPlacement leapDay) {
    if (!today.isValid()) return {};
    return UpcomingCollector(doc, today, months, leapDay).run();
}

QStringList UpcomingEventLines(const CalendarDocument& doc, QDate today, int months) {
    QStringList lines;
    for (const UpcomingEvent& event : UpcomingEvents(doc, today, months))
        lines << event.line;
    return lines;
}

WeekList MakeWeekList(const CalendarDocument& doc, const LayoutSettings& layout, QDate today,
                      const QString& numWeeks, const QString& listMonths) {
    return {
        MakeWeekGrid(doc, layout, today, WeeksShown(numWeeks)),
        UpcomingEvents(doc, today, MonthsListed(listMonths), LeapDayRule(layout.LeapDayEntries))};
}
