#include "document/SettingsRecords.h"
#include "drawing/MonthCommands.h"
#include "drawing/WeekList.h"

#include <QDate>
#include <gtest/gtest.h>
#include <set>

// Holidays by moving rules on the month page, the calendar view and the week grid (which all
// place entries by PlaceMonthEntries) and in the upcoming list.

namespace {

CalendarDocument movingCalendar() {
    CalendarDocument doc;
    for (const char* rule : {"easter+1", "orthodox-2", "onafter-mon-05-24", "07-04/sun+1,sat-1",
                             "12-31/sat+2,sun+1", "easter+50"})
        doc.FloatingHolidays.append(
            {{}, {}, QString::fromLatin1(rule), RuleFromText(QString::fromLatin1(rule))});
    return doc;
}

QDate dateOfCell(const MonthGrid& grid, int cell) {
    return QDate(grid.year, grid.month, 1).addDays(cell - grid.cellOfDay(1));
}

// Every day on which any of the rules falls in year, with its text, by stepping through the
// year and asking each rule's own and observed date.
std::multiset<std::pair<QDate, QString>> expectedDays(const CalendarDocument& doc, int year) {
    std::multiset<std::pair<QDate, QString>> days;
    for (const FloatingHolidayEntry& e : doc.FloatingHolidays)
        for (int y = year - 1; y <= year + 1; ++y) {
            const QDate own = *HolidayDate(*e.Moving, y), observed = *ObservedDate(*e.Moving, y);
            if (own.year() == year) days.insert({own, e.Name});
            if (observed != own && observed.year() == year)
                days.insert({observed, e.Name + QLatin1String(" (observed)")});
        }
    return days;
}

} // namespace

// Whatever day the weeks start on, each rule's days of 2027 and 2028 sit in the cells of
// their dates, the observed day named so; nothing else is placed.
TEST(MovingPlacement, MonthPagesPlaceEveryDayWhateverTheFirstDay) {
    const CalendarDocument doc = movingCalendar();
    LayoutSettings layout;
    for (int year : {2027, 2028}) {
        for (int firstDay = 0; firstDay < 7; ++firstDay) {
            std::multiset<std::pair<QDate, QString>> placed;
            for (int month = 1; month <= 12; ++month) {
                const MonthGrid grid = MonthGrid::of(year, month, firstDay);
                for (const PlacedEntry& p : PlaceMonthEntries(doc, layout, grid))
                    placed.insert({dateOfCell(grid, p.cell), p.text});
            }
            EXPECT_EQ(placed, expectedDays(doc, year)) << year << " from " << firstDay;
        }
    }
}

// The days of a span, across a year's end, with the observed day after its own.
TEST(MovingPlacement, RuleDaysInASpanCrossTheYearsEnd) {
    const HolidayRule newYearsEve = *RuleFromText(u"12-31/sat+2,sun+1");
    // 31 December 2028 is a Sunday: observed on Monday 1 January 2029.
    EXPECT_EQ(RuleDaysIn(newYearsEve, QDate(2028, 12, 1), QDate(2029, 1, 31)),
              (std::vector<RuleDay>{{QDate(2028, 12, 31), false}, {QDate(2029, 1, 1), true}}));
    EXPECT_TRUE(RuleDaysIn(newYearsEve, QDate(2029, 1, 2), QDate(2029, 12, 30)).empty());
    EXPECT_TRUE(RuleDaysIn(newYearsEve, QDate(2029, 1, 2), QDate(2029, 1, 1)).empty());
}

// The upcoming list names a moving holiday on each of its days in the range, ends included.
TEST(MovingPlacement, UpcomingListNamesMovingHolidays) {
    CalendarDocument doc;
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Easter Monday"), RuleFromText(u"easter+1")});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Independence Day"), RuleFromText(u"07-04/sun+1,sat-1")});
    EXPECT_EQ(UpcomingEventLines(doc, QDate(2027, 3, 29), 4),
              (QStringList{"2027/03/29 (Holiday) - Easter Monday",
                           "2027/07/04 (Holiday) - Independence Day",
                           "2027/07/05 (Holiday) - Independence Day (observed)"}));
    EXPECT_TRUE(UpcomingEventLines(doc, QDate(2027, 3, 30), 3).isEmpty());
}

// An event from 10 to 20 July 2027 is on each of those days of the page whatever day the weeks
// start on, and on no other; one across a month's end shows in both months.
TEST(SpanPlacement, EventsThatSpanDaysAreOnEachOfTheirDays) {
    CalendarDocument doc;
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    doc.OtherEvents.append({"07302027", QStringLiteral("Festival"), "08022027"});
    doc.OtherEvents.append({"07052027", QStringLiteral("Ends first"), "07012027"});
    LayoutSettings layout;
    for (int firstDay = 0; firstDay < 7; ++firstDay) {
        std::multiset<std::pair<QDate, QString>> placed, expected;
        for (int month : {7, 8}) {
            const MonthGrid grid = MonthGrid::of(2027, month, firstDay);
            for (const PlacedEntry& p : PlaceMonthEntries(doc, layout, grid))
                placed.insert({dateOfCell(grid, p.cell), p.text});
        }
        for (int day = 10; day <= 20; ++day)
            expected.insert({QDate(2027, 7, day), QStringLiteral("Trip")});
        for (const QDate d :
             {QDate(2027, 7, 30), QDate(2027, 7, 31), QDate(2027, 8, 1), QDate(2027, 8, 2)})
            expected.insert({d, QStringLiteral("Festival")});
        // An end before the start is no span: the event keeps its own day.
        expected.insert({QDate(2027, 7, 5), QStringLiteral("Ends first")});
        EXPECT_EQ(placed, expected) << firstDay;
    }
}

// A holiday of several days is on each of its days every year, into January for one that
// begins late in December; the upcoming list names its next run once.
TEST(SpanPlacement, HolidaysOfSeveralDaysComeBackEveryYear) {
    CalendarDocument doc;
    doc.FixedHolidays.append({"1230", QStringLiteral("Festival"), 4});
    doc.FixedHolidays.append({"0710", QStringLiteral("Fair"), 3});
    LayoutSettings layout;
    std::multiset<std::pair<QDate, QString>> placed, expected;
    for (int month : {1, 7, 12}) {
        const MonthGrid grid = MonthGrid::of(2027, month);
        for (const PlacedEntry& p : PlaceMonthEntries(doc, layout, grid))
            placed.insert({dateOfCell(grid, p.cell), p.text});
    }
    for (const QDate d :
         {QDate(2027, 1, 1), QDate(2027, 1, 2), QDate(2027, 12, 30), QDate(2027, 12, 31)})
        expected.insert({d, QStringLiteral("Festival")});
    for (int day = 10; day <= 12; ++day)
        expected.insert({QDate(2027, 7, day), QStringLiteral("Fair")});
    EXPECT_EQ(placed, expected);
    EXPECT_EQ(UpcomingEventLines(doc, QDate(2028, 1, 2), 1),
              QStringList{"2027/12/30 to 2028/01/02 (Holiday) - Festival"});
    EXPECT_EQ(UpcomingEventLines(doc, QDate(2027, 7, 1), 1),
              QStringList{"2027/07/10 to 2027/07/12 (Holiday) - Fair"});
}

// The upcoming list names a span once, with both days, also when it is already under way.
TEST(SpanPlacement, UpcomingListNamesASpanOnce) {
    CalendarDocument doc;
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    const QStringList line{"2027/07/10 to 2027/07/20 (Other) - Trip"};
    EXPECT_EQ(UpcomingEventLines(doc, QDate(2027, 7, 1), 1), line);
    EXPECT_EQ(UpcomingEventLines(doc, QDate(2027, 7, 15), 1), line);
    EXPECT_TRUE(UpcomingEventLines(doc, QDate(2027, 7, 21), 1).isEmpty());
    EXPECT_TRUE(UpcomingEventLines(doc, QDate(2027, 6, 1), 1).isEmpty()); // ends 1 July
}
