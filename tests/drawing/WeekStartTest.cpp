#include "document/SettingsRecords.h"
#include "drawing/MonthCommands.h"
#include "support/CalendarBuilder.h"

#include <QDate>
#include <gtest/gtest.h>

// Grids whose weeks start on another day than Sunday: days, floating holidays and week
// numbers against Qt's own date arithmetic.

namespace {

// The date of grid cell c, running on before the 1st and after the month's last day.
QDate dateOfCell(const MonthGrid& grid, int cell) {
    return QDate(grid.year, grid.month, 1).addDays(cell - grid.cellOfDay(1));
}

// The n-th (1 to 4) or last (n = 5) weekday w (0 = Sunday) of a month, stepping through it
// with QDate.
QDate qdateRuleDate(int year, int month, int n, int w) {
    const int qtWeekday = w == 0 ? 7 : w;
    QDate found;
    int seen = 0;
    for (QDate d(year, month, 1); d.month() == month; d = d.addDays(1)) {
        if (d.dayOfWeek() != qtWeekday) continue;
        found = d;
        if (++seen == n) break;
    }
    return found;
}

} // namespace

TEST(WeekStart, EveryDayOfEveryMonthSitsInTheColumnOfItsWeekday) {
    for (int firstDay = 0; firstDay < 7; ++firstDay) {
        for (int year : {1980, 2000, 2027, 2028, 2099}) {
            for (int month = 1; month <= 12; ++month) {
                const MonthGrid grid = MonthGrid::of(year, month, firstDay);
                ASSERT_GE(grid.cellOfDay(1), 0);
                ASSERT_LE(grid.cellOfDay(1), 6); // the 1st is always in the first row
                ASSERT_LE(grid.lastCell(), 36);
                for (int day = 1; day <= grid.length; ++day) {
                    const QDate date(year, month, day);
                    const int cell = grid.cellOfDay(day);
                    ASSERT_EQ(cell % 7, (date.dayOfWeek() % 7 - firstDay + 7) % 7)
                        << date.toString(Qt::ISODate).toStdString() << " from " << firstDay;
                    ASSERT_EQ(grid.dayInCell(cell), day);
                }
            }
        }
    }
    // Monday weeks: 1 March 2027, a Monday, opens the grid; Sunday weeks put it second.
    EXPECT_EQ(MonthGrid::of(2027, 3, 1).cellOfDay(1), 0);
    EXPECT_EQ(MonthGrid::of(2027, 3, 0).cellOfDay(1), 1);
    EXPECT_EQ(MonthGrid::of(2027, 3, 6).cellOfDay(1), 2);
}

// Every floating holiday and "last weekday" rule of 1980 to 2099 names the same date on
// every grid, whichever day its weeks start on.
TEST(WeekStart, FloatingRulesLandOnTheSameDateWhateverTheFirstDay) {
    for (int year = 1980; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int w = 0; w <= 6; ++w) {
                for (int n = 1; n <= 5; ++n) {
                    const QDate expected = qdateRuleDate(year, month, n, w);
                    const QString rule =
                        QString(n <= 4 ? QChar(u'0' + n) : QChar(u'L')) + QChar(u'0' + w);
                    for (int firstDay = 0; firstDay < 7; ++firstDay) {
                        const MonthGrid grid = MonthGrid::of(year, month, firstDay);
                        const std::optional<int> cell = FloatingHolidayCell(grid, rule);
                        ASSERT_TRUE(cell) << rule.toStdString();
                        ASSERT_EQ(dateOfCell(grid, *cell), expected)
                            << year << "-" << month << " " << rule.toStdString() << " from "
                            << firstDay;
                    }
                }
            }
        }
    }
}

// A Saturday-first calendar of 2027 (as an Egyptian family's) with holidays of both kinds
// of rule in every month: each is placed on its own date.
TEST(WeekStart, ASaturdayFirstYearPlacesFloatingHolidaysOnTheirDays) {
    CalendarDocument doc;
    for (int month = 1; month <= 12; ++month) {
        const QByteArray mm = QByteArray::number(month).rightJustified(2, '0');
        for (const char* rule : {"10", "26", "35", "43", "L5", "L6", "L0"})
            doc.FloatingHolidays.append(floatingHoliday(
                mm.constData(), rule, QStringLiteral("%1 %2").arg(month).arg(rule)));
    }
    LayoutSettings layout;
    layout.Holiday = QStringLiteral("&H0");
    for (int month = 1; month <= 12; ++month) {
        const MonthGrid grid = MonthGrid::of(2027, month, 6);
        const std::vector<PlacedEntry> placed = PlaceMonthEntries(doc, layout, grid);
        ASSERT_EQ(placed.size(), 7u) << month;
        for (const PlacedEntry& p : placed) {
            const QString rule = p.text.section(u' ', 1);
            const int n = rule[0] == u'L' ? 5 : rule[0].digitValue();
            EXPECT_EQ(dateOfCell(grid, p.cell), qdateRuleDate(2027, month, n, rule[1].digitValue()))
                << p.text.toStdString();
        }
    }
}

// Monday rows carry the number of their own ISO week, Sunday rows that of the week their
// Thursday is in (the Monday after the row's Sunday): both agree with QDate::weekNumber for
// every Monday of 1980 to 2099.
TEST(WeekNumbers, EveryMondayFrom1980To2099HasItsIsoWeek) {
    for (QDate monday(1980, 1, 7); monday.year() <= 2099; monday = monday.addDays(7)) {
        for (int firstDay : {1, 0, 6}) {
            const MonthGrid grid = MonthGrid::of(monday.year(), monday.month(), firstDay);
            const int row = grid.cellOfDay(monday.day()) / 7;
            ASSERT_EQ(WeekNumberOfRow(grid, row), monday.weekNumber())
                << monday.toString(Qt::ISODate).toStdString() << " from " << firstDay;
        }
    }
}

TEST(WeekNumbers, RowsWithoutADayOfTheMonthHaveNone) {
    const MonthGrid february = MonthGrid::of(2027, 2, 1); // Monday the 1st, 28 days: 4 rows
    EXPECT_EQ(WeekNumberOfRow(february, 0), 5);
    EXPECT_EQ(WeekNumberOfRow(february, 3), 8);
    EXPECT_EQ(WeekNumberOfRow(february, 4), 0);
    EXPECT_EQ(WeekNumberOfRow(february, 5), 0);
    EXPECT_EQ(WeekNumberOfRow(february, -1), 0);
    // 1 January 2027 is a Friday: its row from Monday 28 December is week 53 of 2026.
    EXPECT_EQ(WeekNumberOfRow(MonthGrid::of(2027, 1, 1), 0), 53);
}
