#include "drawing/MonthCommands.h"
#include "document/SettingsRecords.h"
#include "drawing/ColorText.h"
#include "support/CalendarBuilder.h"

#include <QDate>
#include <gtest/gtest.h>
#include <map>

namespace {

LayoutSettings coloredLayout() {
    LayoutSettings layout;
    layout.Birthday = QStringLiteral("&HFF");
    layout.Holiday = QStringLiteral("&HFF00");
    layout.Anniversary = QStringLiteral("&HFF0000");
    layout.Other = QStringLiteral("&H808080");
    return layout;
}

std::vector<PlacedEntry> place(const CalendarDocument& doc, int year, int month) {
    return PlaceMonthEntries(doc, coloredLayout(), MonthGrid::of(year, month));
}

// The day a cell shows for each placed entry, by its text.
std::map<QString, int> daysByText(const std::vector<PlacedEntry>& placed, const MonthGrid& grid) {
    std::map<QString, int> days;
    for (const PlacedEntry& p : placed)
        days[p.text] = grid.dayInCell(p.cell);
    return days;
}

// The n-th (1 to 4) or last (n = 5) weekday w (0 = Sunday) of a month, found with QDate.
int qdateFloatingDay(int year, int month, int n, int w) {
    const int qtWeekday = w == 0 ? 7 : w;
    const QDate first(year, month, 1);
    if (n <= 4) {
        int day = 1;
        while (QDate(year, month, day).dayOfWeek() != qtWeekday)
            ++day;
        return day + 7 * (n - 1);
    }
    int day = first.daysInMonth();
    while (QDate(year, month, day).dayOfWeek() != qtWeekday)
        --day;
    return day;
}

} // namespace

TEST(MonthArithmetic, EveryMonthFrom1980To2099AgreesWithQDate) {
    const QDate epoch(1980, 1, 1);
    for (int year = 1980; year <= 2099; ++year) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            const MonthGrid grid = MonthGrid::of(year, month);
            ASSERT_EQ(DaysSince1980(year, month), epoch.daysTo(first)) << year << "-" << month;
            ASSERT_EQ(grid.startDay, first.dayOfWeek() % 7) << year << "-" << month;
            ASSERT_EQ(grid.length, first.daysInMonth()) << year << "-" << month;
        }
    }
    // Past what 16 bits hold (32767 days after 1980 is in 2069), and before 1980.
    EXPECT_GT(DaysSince1980(2099, 12), 32767);
    EXPECT_EQ(MonthStartDay(1979, 12), QDate(1979, 12, 1).dayOfWeek() % 7);
    EXPECT_EQ(MonthStartDay(1980, 1), 2); // a Tuesday
}

TEST(MonthArithmetic, MonthDaysLeavesTheLeapDayToTheCaller) {
    EXPECT_EQ(MonthDays(2), 28);
    for (int m : {4, 6, 9, 11})
        EXPECT_EQ(MonthDays(m), 30);
    for (int m : {1, 3, 5, 7, 8, 10, 12, 0, 13, -1})
        EXPECT_EQ(MonthDays(m), 31);
    EXPECT_EQ(FebruaryDays(2000), 29);
    EXPECT_EQ(FebruaryDays(2028), 29);
    EXPECT_EQ(FebruaryDays(2027), 28);
}

TEST(MonthGrid, ThirtyOneDaysFromASaturdayFillCells6To36AndAShortFebruaryFourRows) {
    const MonthGrid january = MonthGrid::of(2022, 1); // 1 January 2022 was a Saturday
    EXPECT_EQ(january.cellOfDay(1), 6);
    EXPECT_EQ(january.lastCell(), 36);
    EXPECT_EQ(january.dayInCell(5), 0);
    EXPECT_EQ(january.dayInCell(36), 31);

    const MonthGrid february = MonthGrid::of(2015, 2); // a Sunday, 28 days
    EXPECT_EQ(february.cellOfDay(1), 0);
    EXPECT_EQ(february.lastCell(), 27);
    EXPECT_EQ(february.dayInCell(28), 0);
}

TEST(FloatingRules, EveryRuleOfEveryMonthAgreesWithQDate) {
    for (int year : {2027, 2028, 2000, 2099}) {
        for (int month = 1; month <= 12; ++month) {
            const MonthGrid grid = MonthGrid::of(year, month);
            for (int w = 0; w <= 6; ++w) {
                for (int n = 1; n <= 5; ++n) {
                    const QString rule =
                        QString(n <= 4 ? QChar(u'0' + n) : QChar(u'L')) + QChar(u'0' + w);
                    const std::optional<int> cell = FloatingHolidayCell(grid, rule);
                    ASSERT_TRUE(cell) << rule.toStdString();
                    EXPECT_EQ(grid.dayInCell(*cell), qdateFloatingDay(year, month, n, w))
                        << year << "-" << month << " " << rule.toStdString();
                }
            }
        }
    }
}

TEST(FloatingRules, LastRuleLandsOnTheLastDayOrMovesOneRowUp) {
    const MonthGrid march = MonthGrid::of(2027, 3); // 31 March 2027 is a Wednesday
    EXPECT_EQ(FloatingHolidayCell(march, u"L3"), march.lastCell());
    EXPECT_EQ(FloatingHolidayCell(march, u"L4"), march.lastCell() + 1 - 7); // Thursday the 25th
    EXPECT_EQ(FloatingHolidayCell(march, u"L0"), march.cellOfDay(28));
    for (const char16_t* bad : {u"53", u"L7", u"1 ", u"x1", u"  ", u"1"})
        EXPECT_FALSE(FloatingHolidayCell(march, QStringView(bad)))
            << QStringView(bad).toString().toStdString();
}

TEST(Placement, EntriesStackByKindThenTableOrderWithTheirKindsColours) {
    CalendarDocument doc;
    doc.OtherEvents.append(other("03072027", QStringLiteral("Other")));
    doc.Anniversaries.append(anniversary("03071990", QStringLiteral("Anniv"), "3"));
    doc.FloatingHolidays.append(floatingHoliday("03", "10", QStringLiteral("Floating")));
    doc.FixedHolidays.append(fixedHoliday("0307", QStringLiteral("Fixed")));
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Second"), "3"));
    doc.Birthdays.append(birthday("03081961", QStringLiteral("Elsewhere"), "3"));
    doc.Birthdays.append(birthday("03071950", QStringLiteral("Third"), "1"));

    const MonthGrid march = MonthGrid::of(2027, 3);
    const std::vector<PlacedEntry> placed = place(doc, 2027, 3);
    QStringList texts;
    QStringList colors;
    for (const PlacedEntry& p : placed) {
        if (p.cell != march.cellOfDay(7)) continue;
        texts << p.text;
        colors << p.colorText;
    }
    EXPECT_EQ(texts, QStringList({"Second", "Third -- 77th Birthday", "Fixed", "Floating", "Anniv",
                                  "Other"}));
    EXPECT_EQ(colors, QStringList({"&HFF", "&HFF", "&HFF00", "&HFF00", "&HFF0000", "&H808080"}));
    EXPECT_EQ(placed[1].kind, EntryKind::Birthday);
    EXPECT_EQ(placed[1].index, 1);
    EXPECT_EQ(placed[1].cell, march.cellOfDay(8));
}

TEST(Placement, YearlyEntriesRecurButOtherEventsOnlyInTheirYear) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("05121931", QStringLiteral("Gran"), "3"));
    doc.OtherEvents.append(other("05202027", QStringLiteral("Fair 2027")));
    doc.OtherEvents.append(other("05202028", QStringLiteral("Fair 2028")));
    doc.FixedHolidays.append(fixedHoliday("0101", QStringLiteral("New Year")));

    EXPECT_EQ(daysByText(place(doc, 2027, 5), MonthGrid::of(2027, 5)),
              (std::map<QString, int>{{"Gran", 12}, {"Fair 2027", 20}}));
    EXPECT_EQ(daysByText(place(doc, 2099, 5), MonthGrid::of(2099, 5)),
              (std::map<QString, int>{{"Gran", 12}}));
    EXPECT_TRUE(place(CalendarDocument(), 2027, 1).empty()); // blank records never match
}

TEST(Placement, TheTwentyNinthOfFebruaryShowsInLeapYearsOnly) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("02292000", QStringLiteral("Leapling"), "3"));
    doc.Anniversaries.append(anniversary("02291996", QStringLiteral("Leap wedding"), "3"));
    doc.FixedHolidays.append(fixedHoliday("0229", QStringLiteral("Leap Day")));

    EXPECT_TRUE(place(doc, 2027, 2).empty()); // none shown, none reported
    const MonthGrid leap = MonthGrid::of(2028, 2);
    const std::vector<PlacedEntry> placed = place(doc, 2028, 2);
    ASSERT_EQ(placed.size(), 3u);
    for (const PlacedEntry& p : placed)
        EXPECT_EQ(leap.dayInCell(p.cell), 29);
}

// A fixed holiday on 29 February (an import from another calendar can make one) moves as
// birthdays do.
TEST(Placement, AHolidayOnTheTwentyNinthOfFebruaryFollowsLeapDayEntries) {
    CalendarDocument doc;
    doc.FixedHolidays.append(fixedHoliday("0229", QStringLiteral("Leap Day")));
    struct Case {
        const char* stored;
        int year;
        QDate shownOn; // null: not shown
    };
    const Case cases[] = {
        {"Hidden", 2027, {}},
        {"Feb28", 2027, QDate(2027, 2, 28)},
        {"Mar1", 2027, QDate(2027, 3, 1)},
        {"Mar1", 2028, QDate(2028, 2, 29)},
    };
    for (const Case& c : cases) {
        LayoutSettings layout = coloredLayout();
        layout.LeapDayEntries = QLatin1String(c.stored);
        QList<QDate> shown;
        for (int month : {2, 3}) {
            const MonthGrid grid = MonthGrid::of(c.year, month);
            for (const PlacedEntry& p : PlaceMonthEntries(doc, layout, grid))
                shown << QDate(c.year, month, grid.dayInCell(p.cell));
        }
        EXPECT_EQ(shown, c.shownOn.isValid() ? QList<QDate>{c.shownOn} : QList<QDate>{})
            << c.stored << ' ' << c.year;
    }
}

TEST(Placement, LeapDayEntriesPutsTheTwentyNinthOfFebruaryOfCommonYears) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("02291992", QStringLiteral("Leo"), "1"));
    doc.Anniversaries.append(anniversary("02291992", QStringLiteral("Wed"), "1"));
    doc.FixedHolidays.append(fixedHoliday("0229", QStringLiteral("Leap Day"))); // checked below
    struct Case {
        const char* stored;
        int year;
        QDate shownOn; // null: not shown
        int age;
    };
    const Case cases[] = {
        {"Hidden", 2027, {}, 0},
        {"Hidden", 2028, QDate(2028, 2, 29), 36},
        {"Feb28", 2027, QDate(2027, 2, 28), 35},
        {"Feb28", 2028, QDate(2028, 2, 29), 36},
        {"Mar1", 2027, QDate(2027, 3, 1), 35},
        {"Mar1", 2028, QDate(2028, 2, 29), 36},
        {"mar1", 2027, {}, 0},
        {"", 2027, {}, 0},
    };
    for (const Case& c : cases) {
        LayoutSettings layout = coloredLayout();
        layout.LeapDayEntries = QLatin1String(c.stored);
        QStringList found;
        for (int month : {2, 3}) {
            const MonthGrid grid = MonthGrid::of(c.year, month);
            for (const PlacedEntry& p : PlaceMonthEntries(doc, layout, grid))
                if (p.kind != EntryKind::Holiday)
                    found << QDate(c.year, month, grid.dayInCell(p.cell)).toString(Qt::ISODate) +
                                 u' ' + p.text;
        }
        QStringList expected;
        if (c.shownOn.isValid())
            for (const char* name : {"Leo -- %1th Birthday", "Wed -- %1th Anniversary"})
                expected << c.shownOn.toString(Qt::ISODate) + u' ' +
                                QString::fromLatin1(name).arg(c.age);
        EXPECT_EQ(found, expected) << c.stored << ' ' << c.year;
    }
}

TEST(Placement, DatesAndRulesThatNameNoDayAreMarkedUnplaceable) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("04001961", QStringLiteral("Day zero"), "3"));
    doc.FixedHolidays.append(fixedHoliday("0431", QStringLiteral("April 31")));
    doc.FloatingHolidays.append(floatingHoliday("04", "9x", QStringLiteral("Bad rule")));
    doc.FixedHolidays.append(fixedHoliday("0430", QStringLiteral("Fine")));

    const MonthGrid april = MonthGrid::of(2027, 4);
    std::map<QString, int> cells;
    for (const PlacedEntry& p : place(doc, 2027, 4))
        cells[p.text] = p.cell;
    EXPECT_EQ(cells, (std::map<QString, int>{{"Day zero", kUnplaceable},
                                             {"April 31", kUnplaceable},
                                             {"Bad rule", kUnplaceable},
                                             {"Fine", april.cellOfDay(30)}}));
}

TEST(ColorText, ReadsAllDigitsAfterTheMarkAsOneUnsignedBgrNumber) {
    EXPECT_EQ(ColorFromText(u"&H0"), QColor(0, 0, 0));
    EXPECT_EQ(ColorFromText(u"&HFF"), QColor(255, 0, 0));
    EXPECT_EQ(ColorFromText(u"&HFF0000"), QColor(0, 0, 255));
    EXPECT_EQ(ColorFromText(u"&hff00"), QColor(0, 255, 0));
    EXPECT_EQ(ColorFromText(u"&H0000000000FF"), QColor(255, 0, 0)); // leading zeros
    EXPECT_EQ(ColorFromText(u"&H80FFFFFF"), QColor(255, 255, 255)); // high byte ignored
    for (const char16_t* bad : {u"", u"&H", u"255", u"&HFG", u"&H-1", u"#FF0000", u"&H100000000"})
        EXPECT_FALSE(ColorFromText(QStringView(bad))) << QStringView(bad).toString().toStdString();
}
