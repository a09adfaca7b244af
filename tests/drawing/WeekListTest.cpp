#include "drawing/WeekList.h"
#include "document/SettingsRecords.h"
#include "support/CalendarBuilder.h"

#include <QDate>
#include <functional>
#include <gtest/gtest.h>

namespace {

QDate day(const char* iso) {
    return QDate::fromString(QLatin1String(iso), Qt::ISODate);
}

WeekGrid grid(const CalendarDocument& doc, const char* today, int weeks) {
    return MakeWeekGrid(doc, LayoutSettings{}, day(today), weeks);
}

QStringList texts(const WeekDay& d) {
    QStringList out;
    for (const PlacedEntry& e : d.entries)
        out << e.text;
    return out;
}

} // namespace

TEST(WeekGrid, StartsOnTheSundayOfTodaysWeekAndLabelsEveryDay) {
    struct Case {
        const char* today;
        int weeks;
        const char* start;
        int todayIndex;
        const char* heading;
        std::vector<std::pair<int, const char*>> labels; // day index, label
    };
    const Case cases[] = {
        {"2026-12-06",
         1,
         "2026-12-06",
         0,
         "Week Starting December 06, 2026 ",
         {{0, "Dec 6"}, {6, "Dec 12"}}},
        {"2026-12-12", 2, "2026-12-06", 6, "Weeks Starting December 06, 2026 ", {{13, "Dec 19"}}},
        {"2026-12-30",
         4,
         "2026-12-27",
         3,
         "Weeks Starting December 27, 2026 ",
         {{4, "Dec 31"}, {5, "Jan 1"}, {27, "Jan 23"}}},
    };
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Family");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.today);
        const WeekGrid g = grid(doc, c.today, c.weeks);
        EXPECT_EQ(g.caption, QStringLiteral("Daylark - Family"));
        EXPECT_EQ(g.start, day(c.start));
        EXPECT_EQ(g.heading, QLatin1String(c.heading));
        ASSERT_EQ(g.days.size(), size_t(7 * c.weeks));
        for (int i = 0; i < 7 * c.weeks; ++i) {
            EXPECT_EQ(g.days[i].date, g.start.addDays(i));
            EXPECT_EQ(g.days[i].labelColor,
                      i == c.todayIndex ? QColor(Qt::red) : QColor(Qt::black));
        }
        for (const auto& [index, label] : c.labels)
            EXPECT_EQ(g.days[index].label, QLatin1String(label));
    }
}

TEST(WeekGrid, EntriesAcrossTheYearEndCountAgesToTheYearOfTheirDay) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("12281990", QStringLiteral("Bob")));
    doc.Birthdays.append(birthday("01021990", QStringLiteral("Ann")));
    doc.Birthdays.append(birthday("02291992", QStringLiteral("Leap"), "3"));
    doc.Birthdays.append(birthday("12301990", QStringLiteral("Cy"), "3"));
    doc.FixedHolidays.append(fixedHoliday("0101", QStringLiteral("New Year")));
    doc.FixedHolidays.append(fixedHoliday("1225", QStringLiteral("Christmas")));
    doc.FloatingHolidays.append(floatingHoliday("01", "11", QStringLiteral("First Monday")));
    doc.FloatingHolidays.append(floatingHoliday("12", "L4", QStringLiteral("Last Thursday")));
    doc.FloatingHolidays.append(floatingHoliday("01", "9x", QStringLiteral("No such rule")));
    doc.Anniversaries.append(anniversary("01011990", QStringLiteral("Wedding")));
    doc.OtherEvents.append(other("01052027", QStringLiteral("Dentist")));
    doc.OtherEvents.append(other("01052026", QStringLiteral("Last year's")));
    doc.OtherEvents.append(other("12282026", QStringLiteral("Party")));

    // Sunday 27 December 2026 to Saturday 9 January 2027.
    const WeekGrid g = grid(doc, "2026-12-30", 2);
    const std::map<QString, QStringList> expected = {
        {"Dec 28", {"Bob -- 36th Birthday", "Party"}},
        {"Dec 30", {"Cy"}},
        {"Dec 31", {"Last Thursday"}},
        {"Jan 1", {"New Year", "Wedding -- 37th Anniversary"}},
        {"Jan 2", {"Ann -- 37th Birthday"}},
        {"Jan 4", {"First Monday"}},
        {"Jan 5", {"Dentist"}},
    };
    for (int i = 0; i < int(g.days.size()); ++i) {
        const WeekDay& d = g.days[i];
        const auto it = expected.find(d.label);
        EXPECT_EQ(texts(d), it == expected.end() ? QStringList() : it->second)
            << d.label.toStdString();
        for (const PlacedEntry& e : d.entries)
            EXPECT_EQ(e.cell, i) << d.label.toStdString();
    }
}

TEST(UpcomingEvents, ListsTheRangeFromTodayToItsEnd) {
    struct Case {
        const char* what;
        const char* today;
        int months;
        std::function<void(CalendarDocument&)> fill;
        QStringList lines;
    };
    const Case cases[] = {
        {"31 January and one month end on 3 March",
         "2027-01-31",
         1,
         [](CalendarDocument& d) {
             d.Birthdays.append(birthday("01311980", QStringLiteral("Today")));
             d.Birthdays.append(birthday("03021980", QStringLiteral("Day before the end")));
             d.Birthdays.append(birthday("03031980", QStringLiteral("On the end")));
             d.Birthdays.append(birthday("01301980", QStringLiteral("Yesterday")));
         },
         {"2027/01/31 (Birthday) - Today", "2027/03/02 (Birthday) - Day before the end"}},
        {"in a leap year on 2 March, and 29 February is there",
         "2028-01-31",
         1,
         [](CalendarDocument& d) {
             d.Birthdays.append(birthday("03011980", QStringLiteral("First")));
             d.Birthdays.append(birthday("03021980", QStringLiteral("On the end")));
             d.Birthdays.append(birthday("02291980", QStringLiteral("Leap")));
         },
         {"2028/02/29 (Birthday) - Leap", "2028/03/01 (Birthday) - First"}},
        {"a floating holiday on the end is listed, other kinds are not",
         "2026-10-26",
         1,
         [](CalendarDocument& d) {
             d.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("Thanksgiving")));
             d.Birthdays.append(birthday("11261980", QStringLiteral("On the end")));
             d.Anniversaries.append(anniversary("11261980", QStringLiteral("On the end")));
             d.FixedHolidays.append(fixedHoliday("1125", QStringLiteral("Day before")));
             d.OtherEvents.append(other("11262026", QStringLiteral("On the end")));
             d.OtherEvents.append(other("10262026", QStringLiteral("Today")));
         },
         {"2026/10/26 (Other) - Today", "2026/11/25 (Holiday) - Day before",
          "2026/11/26 (Holiday) - Thanksgiving"}},
        {"twelve months list a floating holiday twice",
         "2026-11-26",
         12,
         [](CalendarDocument& d) {
             d.FloatingHolidays.append(floatingHoliday("11", "44", QStringLiteral("Thanksgiving")));
         },
         {"2026/11/26 (Holiday) - Thanksgiving", "2027/11/25 (Holiday) - Thanksgiving"}},
        {"29 February of a common year is listed on the 28th",
         "2027-02-10",
         1,
         [](CalendarDocument& d) {
             d.Birthdays.append(birthday("02291992", QStringLiteral("Leap")));
             d.Anniversaries.append(anniversary("02292000", QStringLiteral("Leap wedding")));
         },
         {"2027/02/28 (Anniversary) - Leap wedding", "2027/02/28 (Birthday) - Leap"}},
        {"a first Monday on the 1st, a last Tuesday on the 30th",
         "2026-05-31",
         1,
         [](CalendarDocument& d) {
             d.FloatingHolidays.append(floatingHoliday("06", "11", QStringLiteral("First Monday")));
             d.FloatingHolidays.append(floatingHoliday("06", "L2", QStringLiteral("Last Tuesday")));
         },
         {"2026/06/01 (Holiday) - First Monday", "2026/06/30 (Holiday) - Last Tuesday"}},
        {"the last Tuesday of a leap February once",
         "2028-02-01",
         1,
         [](CalendarDocument& d) {
             d.FloatingHolidays.append(floatingHoliday("02", "L2", QStringLiteral("Last Tuesday")));
         },
         {"2028/02/29 (Holiday) - Last Tuesday"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CalendarDocument doc;
        c.fill(doc);
        EXPECT_EQ(UpcomingEventLines(doc, day(c.today), c.months), c.lines);
    }
}

TEST(WeekList, ABirthdayShowsItsAgeInTheGridAndItsNameInTheSortedList) {
    CalendarDocument doc;
    doc.OtherEvents.append(other("12082026", QStringLiteral("zoo")));
    doc.Birthdays.append(birthday("12081960", QStringLiteral("Ann")));
    doc.Anniversaries.append(anniversary("12081990", QStringLiteral("bob"), "2"));
    doc.Birthdays.append(birthday("12081970", QStringLiteral("adam"), "3"));

    const WeekList list = MakeWeekList(doc, LayoutSettings{}, day("2026-12-06"),
                                       QStringLiteral("1"), QStringLiteral("1"));
    EXPECT_EQ(texts(list.grid.days[2]),
              QStringList({"Ann -- 66th Birthday", "adam", "bob 1990", "zoo"}));
    QStringList lines;
    for (const UpcomingEvent& e : list.upcoming)
        lines << e.line;
    EXPECT_EQ(lines, QStringList({"2026/12/08 (Anniversary) - bob", "2026/12/08 (Birthday) - adam",
                                  "2026/12/08 (Birthday) - Ann", "2026/12/08 (Other) - zoo"}));
}

TEST(WeekList, AStoredCountOutOfRangeIsTakenAsTheNearestInRange) {
    struct Case {
        const char* stored;
        int weeks;
        int months;
    };
    const Case cases[] = {
        {"3", 3, 3},  {" 2 ", 2, 2}, {"12", 4, 12}, {"99", 4, 12},          {"0", 1, 1},
        {"-5", 1, 1}, {"", 1, 1},    {"x", 1, 1},   {"99999999999", 4, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        EXPECT_EQ(WeeksShown(QLatin1String(c.stored)), c.weeks);
        EXPECT_EQ(MonthsListed(QLatin1String(c.stored)), c.months);
    }
    const WeekList list = MakeWeekList(CalendarDocument{}, LayoutSettings{}, day("2026-12-06"),
                                       QStringLiteral("weeks"), QStringLiteral("40"));
    EXPECT_EQ(list.grid.days.size(), 7u);
}

TEST(WeekList, TheWindowPutsLeapDayBirthdaysWhereTheLayoutSays) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("02291992", QStringLiteral("Leo"), "1"));
    LayoutSettings layout;
    for (const char* rule : {"Hidden", "Feb28", "Mar1"}) {
        layout.LeapDayEntries = QLatin1String(rule);
        // Sunday 28 February 2027: the grid holds 28 February and 1 March.
        const WeekList list = MakeWeekList(doc, layout, day("2027-02-28"), "1", "1");
        QStringList shown;
        for (const WeekDay& d : list.grid.days)
            for (const QString& text : texts(d))
                shown << d.date.toString(Qt::ISODate) + u' ' + text;
        QStringList listed;
        for (const UpcomingEvent& e : list.upcoming)
            listed << e.line;
        const QString feb = QStringLiteral("2027-02-28 Leo -- 35th Birthday");
        const QString mar = QStringLiteral("2027-03-01 Leo -- 35th Birthday");
        EXPECT_EQ(shown, QStringList(rule == std::string("Feb28")  ? QStringList{feb}
                                     : rule == std::string("Mar1") ? QStringList{mar}
                                                                   : QStringList{}))
            << rule;
        // The list names every birthday; in a common year on the day the layout chose, and
        // on 28 February where it hides them.
        EXPECT_EQ(listed, QStringList(rule == std::string("Mar1") ? "2027/03/01 (Birthday) - Leo"
                                                                  : "2027/02/28 (Birthday) - Leo"))
            << rule;
    }
    // On 1 March the birthday moved there is today's; on 28 February it was yesterday's.
    layout.LeapDayEntries = QStringLiteral("Mar1");
    const auto upcoming = MakeWeekList(doc, layout, day("2027-03-01"), "1", "1").upcoming;
    ASSERT_EQ(upcoming.size(), 1u);
    EXPECT_EQ(upcoming[0].date, day("2027-03-01"));
    EXPECT_TRUE(UpcomingEventLines(doc, day("2027-03-01"), 1).isEmpty());
}
