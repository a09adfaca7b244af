#include "drawing/MonthCommands.h"

#include "calendar_format/CalendarDates.h"
#include "calendar_format/HolidayRules.h"
#include "document/EntryText.h"
#include "document/OwnSectionEntries.h"
#include "document/RuleText.h"
#include "document/SettingsRecords.h"
#include "settings/PageLanguage.h"

#include <QDate>

namespace {

// Days from 1 January of year 1 of the Gregorian calendar (extended backwards) to 1 January
// of year; leap years are those divisible by 4, except centuries not divisible by 400.
long long daysBeforeYear(long long year) {
    const long long y = year - 1;
    auto floorDiv = [](long long a, long long b) { return a / b - ((a % b != 0) && (a < 0)); };
    return y * 365 + floorDiv(y, 4) - floorDiv(y, 100) + floorDiv(y, 400);
}

constexpr int kDaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// The cell of day in the grid. Nothing when the month lacks the day in this year only (29
// February of a common year): such an entry is simply not shown. kUnplaceable for a day that
// no year's month has.
std::optional<int> dayCell(const MonthGrid& grid, int day) {
    if (grid.hasDay(day)) return grid.cellOfDay(day);
    if (grid.month == 2 && day == 29) return std::nullopt;
    return kUnplaceable;
}

// Collects the placed entries of one month, kind after kind.
class Placer {
  public:
    Placer(const CalendarDocument& doc, const LayoutSettings& layout, const MonthGrid& grid)
        : doc_(doc), layout_(layout), grid_(grid), leapDay_(LeapDayRule(layout.LeapDayEntries)),
          language_(PageLanguage(layout.Language).language()) {}

    std::vector<PlacedEntry> run() {
        yearly(EntryKind::Birthday, doc_.Birthdays, layout_.Birthday);
        fixedHolidays();
        floatingHolidays();
        yearly(EntryKind::Anniversary, doc_.Anniversaries, layout_.Anniversary);
        otherEvents();
        return std::move(placed_);
    }

  private:
    void add(EntryKind kind, int index, std::optional<int> cell, QString text,
             const QString& color) {
        if (cell) placed_.push_back({kind, index, *cell, std::move(text), color});
    }

    // Birthdays and anniversaries: every year, by month and day of their date.
    template <class Table> void yearly(EntryKind kind, const Table& table, const QString& color) {
        for (int i = 0; i <= table.upperBound(); ++i) {
            const auto& date = table[i].Date;
            const std::optional<int> day = yearlyDay(date.number(0, 2), date.number(2, 2));
            if (!day) continue;
            add(kind, i, dayCell(grid_, *day),
                EntryDisplayText(doc_, grid_.year, kind, i, language_), color);
        }
    }

    // The day of the drawn month on which a yearly date falls this year, if it does.
    std::optional<int> yearlyDay(int month, int day) const {
        if (month != 2 || day != 29 || grid_.februaryDays == 29)
            return month == grid_.month ? std::optional(day) : std::nullopt;
        if (leapDay_ == LeapDayPlacement::Feb28 && grid_.month == 2) return 28;
        if (leapDay_ == LeapDayPlacement::Mar1 && grid_.month == 3) return 1;
        return std::nullopt;
    }

    void fixedHolidays() {
        const auto& table = doc_.FixedHolidays;
        for (int i = 0; i <= table.upperBound(); ++i) {
            const FixedHolidayEntry& e = table[i];
            if (e.Days > 1) {
                // One that began last year may still run into this month.
                for (const int year : {grid_.year - 1, grid_.year})
                    if (const std::optional<EventSpan> span = HolidaySpanIn(e, year))
                        spanDays(EntryKind::Holiday, i, e.Name, *span, layout_.Holiday);
                continue;
            }
            // A holiday on 29 February (only an import makes one) goes where birthdays go.
            const std::optional<int> day = yearlyDay(e.Date.number(0, 2), e.Date.number(2, 2));
            if (!day) continue;
            add(EntryKind::Holiday, i, dayCell(grid_, *day), e.Name, layout_.Holiday);
        }
    }

    void floatingHolidays() {
        const auto& table = doc_.FloatingHolidays;
        for (int i = 0; i <= table.upperBound(); ++i) {
            const FloatingHolidayEntry& e = table[i];
            if (e.Moving) {
                movingHoliday(i, e);
                continue;
            }
            if (e.Month.number(0, 2) != grid_.month) continue;
            const int cell = FloatingHolidayCell(grid_, e.Rule.view()).value_or(kUnplaceable);
            add(EntryKind::FloatingHoliday, i, cell, e.Name, layout_.Holiday);
        }
    }

    // A holiday by a moving rule, on its own day and on the day it is observed on.
    void movingHoliday(int index, const FloatingHolidayEntry& e) {
        const QDate first(grid_.year, grid_.month, 1);
        for (const RuleDay& day : RuleDaysIn(*e.Moving, first, first.addMonths(1).addDays(-1)))
            add(EntryKind::FloatingHoliday, index, grid_.cellOfDay(day.date.day()),
                ObservedName(e.Name, day.observed, language_), layout_.Holiday);
    }

    // An entry that spans days: on each of its days in the drawn month.
    void spanDays(EntryKind kind, int index, const QString& name, const EventSpan& span,
                  const QString& color) {
        const QDate first(grid_.year, grid_.month, 1);
        const QDate from = std::max(first, span.first);
        const QDate to = std::min(first.addMonths(1).addDays(-1), span.last);
        for (QDate day = from; day <= to; day = day.addDays(1))
            add(kind, index, grid_.cellOfDay(day.day()), name, color);
    }

    // Other events: only in their own year.
    void otherEvents() {
        const auto& table = doc_.OtherEvents;
        const QString year = QString::number(grid_.year);
        for (int i = 0; i <= table.upperBound(); ++i) {
            const OtherEntry& e = table[i];
            if (const std::optional<EventSpan> span = SpanOf(e)) {
                spanDays(EntryKind::Other, i, e.Name, *span, layout_.Other);
                continue;
            }
            if (e.Date.number(0, 2) != grid_.month || e.Date.view().mid(4, 4) != year) continue;
            add(EntryKind::Other, i, dayCell(grid_, e.Date.number(2, 2)), e.Name, layout_.Other);
        }
    }

    const CalendarDocument& doc_;
    const LayoutSettings& layout_;
    const MonthGrid& grid_;
    LeapDayPlacement leapDay_;
    QLocale::Language language_;
    std::vector<PlacedEntry> placed_;
};

} // namespace

int MonthDays(int month) {
    switch (month) {
    case 2:
        return 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int FebruaryDays(int year) {
    return IsLeapYear(year) ? 29 : 28;
}

long long DaysSince1980(int year, int month) {
    const int m = month >= 1 && month <= 12 ? month : 1;
    long long days = daysBeforeYear(year) - daysBeforeYear(1980) + kDaysBeforeMonth[m - 1];
    if (m > 2 && IsLeapYear(year)) ++days;
    return days;
}

int MonthStartDay(int year, int month) {
    // 1 January 1980 was a Tuesday (2).
    const long long weekday = (DaysSince1980(year, month) + 2) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

MonthGrid MonthGrid::of(int year, int month, int firstDay) {
    MonthGrid grid;
    grid.firstDay = ((firstDay % 7) + 7) % 7;
    grid.year = year;
    grid.month = month;
    grid.februaryDays = FebruaryDays(year);
    grid.length = month == 2 ? grid.februaryDays : MonthDays(month);
    grid.startDay = MonthStartDay(year, month);
    return grid;
}

std::optional<int> FloatingHolidayCell(const MonthGrid& grid, QStringView rule) {
    if (rule.size() < 2) return std::nullopt;
    const QChar week = rule[0];
    const int weekday = rule[1].unicode() - u'0';
    if (weekday < 0 || weekday > 6) return std::nullopt;
    int day = 0;
    if (week >= u'1' && week <= u'4')
        day = NthWeekdayOfMonth(grid.year, grid.month, weekday, week.unicode() - u'0');
    else if (week == u'L')
        day = LastWeekdayOfMonth(grid.year, grid.month, weekday);
    if (!grid.hasDay(day)) return std::nullopt;
    return grid.cellOfDay(day);
}

int WeekNumberOfRow(const MonthGrid& grid, int row) {
    const int firstCell = row * kGridColumns;
    const bool holdsDay =
        grid.dayInCell(firstCell) != 0 || grid.dayInCell(firstCell + kGridColumns - 1) != 0;
    if (row < 0 || row >= kGridRows || !holdsDay) return 0;
    const int thursdayCell = firstCell + grid.columnOfWeekday(4);
    // The row's Thursday may lie in the month before or after this one.
    const QDate thursday =
        QDate(grid.year, grid.month, 1).addDays(thursdayCell - grid.firstColumn());
    return thursday.weekNumber();
}

std::vector<PlacedEntry> PlaceMonthEntries(const CalendarDocument& doc,
                                           const LayoutSettings& layout, const MonthGrid& grid) {
    return Placer(doc, layout, grid).run();
}
