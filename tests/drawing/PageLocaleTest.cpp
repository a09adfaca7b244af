#include "drawing/PageLocale.h"
#include "drawing/MonthPage.h"
#include "drawing/WeekList.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

// The language and week of the pages: names and dates from the toolkit's locale data, the
// classic texts for English (United States), and pages that follow both.

namespace {

PageLocale pageLocale(const char* language, const char* firstDay = "Locale") {
    LayoutSettings layout;
    layout.Language = QLatin1String(language);
    layout.FirstDayOfWeek = QLatin1String(firstDay);
    return PageLocale::of(layout);
}

} // namespace

TEST(PageLocale, NamesAndDatesAreTheLocalesWithCapitalsWhereTheyHeadAPage) {
    struct Case {
        const char* language;
        const char* heading; // March 2027
        const char* monday;  // the column's name
        const char* date;    // 1 March 2027
        const char* label;   // 6 December 2026 in a box of the week window
        const char* start;   // 6 December 2026 in the week window's heading
        const char* list;    // 25 December 2026 in the upcoming list
        const char* noDay;   // July 2027 in the list before printing
        int firstDay;        // of the language's week
    };
    const Case cases[] = {
        {"en_US", "March 2027", "Monday", "March 1, 2027", "Dec 6", "December 06, 2026",
         "2026/12/25", "July 2027", 0},
        {"C", "March 2027", "Monday", "March 1, 2027", "Dec 6", "December 06, 2026", "2026/12/25",
         "July 2027", 0},
        {"de_DE", "März 2027", "Montag", "1. März 2027", "6. Dez.", "6. Dezember 2026",
         "25. Dezember 2026", "Juli 2027", 1},
        {"fr_FR", "Mars 2027", "Lundi", "1 mars 2027", "6 déc.", "6 décembre 2026",
         "25 décembre 2026", "juillet 2027", 1},
        {"es_ES", "Marzo 2027", "Lunes", "1 de marzo de 2027", "6 de dic", "6 de diciembre de 2026",
         "25 de diciembre de 2026", "julio 2027", 1},
        {"en_GB", "March 2027", "Monday", "1 March 2027", "6 Dec", "6 December 2026",
         "25 December 2026", "July 2027", 1},
        {"ar_EG", "مارس 2027", "الاثنين", nullptr, nullptr, nullptr, nullptr, nullptr, 6},
    };
    for (const Case& c : cases) {
        const PageLocale page = pageLocale(c.language);
        SCOPED_TRACE(c.language);
        EXPECT_EQ(page.monthHeading(3, 2027), QString::fromUtf8(c.heading));
        EXPECT_EQ(page.dayName(1), QString::fromUtf8(c.monday));
        EXPECT_EQ(page.firstDay(), c.firstDay);
        if (!c.date) continue;
        EXPECT_EQ(page.dateText(QDate(2027, 3, 1)), QString::fromUtf8(c.date));
        EXPECT_EQ(page.dayLabel(QDate(2026, 12, 6)), QString::fromUtf8(c.label));
        EXPECT_EQ(page.weekStartText(QDate(2026, 12, 6)), QString::fromUtf8(c.start));
        EXPECT_EQ(page.listDate(QDate(2026, 12, 25)), QString::fromUtf8(c.list));
        EXPECT_EQ(page.monthText(7, 2027), QString::fromUtf8(c.noDay));
    }
}

TEST(PageLocale, TheStoredFirstDayOverridesTheLanguagesAndUnknownLanguagesAreTheSystems) {
    EXPECT_EQ(pageLocale("de_DE", "Sunday").firstDay(), 0);
    EXPECT_EQ(pageLocale("en_US", "Monday").firstDay(), 1);
    EXPECT_EQ(pageLocale("en_US", "Saturday").firstDay(), 6);
    EXPECT_EQ(pageLocale("en_US", "monday").firstDay(), 0); // only the stored words count
    // The tests run in the C locale, which stands for English (United States).
    for (const char* language : {"System", "", "xx_YY", "Klingon"}) {
        EXPECT_TRUE(pageLocale(language).classic()) << language;
        EXPECT_EQ(pageLocale(language).firstDay(), 0) << language;
    }
    const PageLocale saturday = pageLocale("ar_EG");
    EXPECT_EQ(saturday.weekdayOfColumn(0), 6);
    EXPECT_EQ(saturday.weekdayOfColumn(1), 0);
    EXPECT_EQ(saturday.columnOfWeekday(5), 6);
}

namespace {

struct LocalePage : ::testing::Test {
    TestApp t;
    RecordingSurface surface;
    std::optional<MonthPagePrinter> pages;

    LocalePage() {
        t.app.Layout = LoadSettings(t.store).Layout;
        t.app.Document = sampleCalendar();
        t.app.Document.Birthdays.append(birthday("03011951", QStringLiteral("Oma Rosa")));
        t.app.DisplayYear = 2027;
    }
    const MonthPageLayout& print(int month) {
        surface.clear();
        pages.emplace(surface, PageInput{t.app.Document, t.app.Layout, 2027, {11, 8.5}});
        pages->PrintMonthPage(month);
        return pages->layout();
    }
    // The texts drawn in one cell, in drawing order.
    QStringList cellTexts(const MonthPageLayout& page, int cell) {
        QStringList out;
        for (const auto& x : surface.texts)
            if (x.x >= page.cellLeft(cell) && x.x < page.cellLeft(cell) + page.frame.ColumnWidth &&
                x.y >= page.cellTop(cell) && x.y < page.cellTop(cell) + page.RowHeight)
                out << x.text;
        return out;
    }
    QStringList dayNames(const MonthPageLayout& page) {
        QStringList out;
        for (const PageLine& line : page.dayNames)
            out << line.text;
        return out;
    }
};

} // namespace

TEST_F(LocalePage, AMarchPageInEachLanguageStartsItsWeekWhereTheLanguageDoes) {
    struct Case {
        const char* language;
        const char* heading;
        const char* firstName;
        const char* lastName;
        const char* birthday; // in the cell of 1 March
        int firstColumn;      // of 1 March 2027, a Monday
    };
    const Case cases[] = {
        {"de_DE", "März 2027", "Montag", "Sonntag", "Oma Rosa – 76. Geburtstag", 0},
        {"fr_FR", "Mars 2027", "Lundi", "Dimanche", "Oma Rosa – 76e anniversaire", 0},
        {"es_ES", "Marzo 2027", "Lunes", "Domingo", "Oma Rosa – 76.º cumpleaños", 0},
        {"en_US", "March 2027", "Sunday", "Saturday", "Oma Rosa -- 76th Birthday", 1},
        {"ar_EG", "مارس 2027", "السبت", "الجمعة", "Oma Rosa -- 76th Birthday", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language);
        t.app.Layout.Language = QLatin1String(c.language);
        t.app.Layout.PaperSize = QStringLiteral("Custom"); // a tall page: the whole text fits
        t.app.Layout.PaperSizeWidth = 17;
        t.app.Layout.PaperSizeHeight = 30;
        const MonthPageLayout& page = print(3);
        EXPECT_EQ(page.heading.text, QString::fromUtf8(c.heading));
        EXPECT_EQ(dayNames(page).front(), QString::fromUtf8(c.firstName));
        EXPECT_EQ(dayNames(page).back(), QString::fromUtf8(c.lastName));
        EXPECT_EQ(page.grid.cellOfDay(1), c.firstColumn);
        const QStringList first = cellTexts(page, c.firstColumn);
        ASSERT_FALSE(first.isEmpty());
        EXPECT_EQ(first.front(), QStringLiteral(" 1"));
        EXPECT_EQ(first.mid(1).join(u' '), QString::fromUtf8(c.birthday));
    }
}

TEST_F(LocalePage, WeekNumbersStandInANarrowColumnLeftOfTheGrid) {
    t.app.Layout.FirstDayOfWeek = QStringLiteral("Monday");
    const MonthPageLayout plain = print(3);
    EXPECT_TRUE(plain.weekNumbers.empty());
    EXPECT_DOUBLE_EQ(plain.frame.GridLeft, plain.frame.PageLeft);

    t.app.Layout.WeekNumbers = QStringLiteral("True");
    const MonthPageLayout& page = print(3);
    EXPECT_DOUBLE_EQ(page.frame.GridLeft, page.frame.PageLeft + kWeekNumberColumn);
    EXPECT_NEAR(page.frame.ColumnWidth * 7, page.frame.PageRight - page.frame.GridLeft, 1e-9);
    QStringList numbers;
    for (const PageLine& line : page.weekNumbers) {
        numbers << line.text;
        EXPECT_LT(line.x, page.frame.GridLeft);
        EXPECT_GE(line.x, page.frame.PageLeft);
        ASSERT_TRUE(surface.find(line.text));
    }
    // March 2027 from Monday the 1st to Wednesday the 31st: five rows, weeks 9 to 13.
    EXPECT_EQ(numbers, QStringList({"9", "10", "11", "12", "13"}));
    EXPECT_NEAR(page.weekNumbers[1].y, page.cellTop(7) + 0.05, 1e-9);
    // The entries keep the day numbers' font; only the week numbers are smaller.
    int entries = 0;
    for (const auto& x : surface.texts) {
        const bool weekNumber = x.x < page.frame.GridLeft && x.y > page.GridTop;
        if (weekNumber) {
            EXPECT_LT(x.font.size, page.datesFont.size) << x.text.toStdString();
        }
        if (!x.text.startsWith(QStringLiteral("Oma"))) continue;
        EXPECT_EQ(x.font.size, page.datesFont.size);
        ++entries;
    }
    EXPECT_EQ(entries, 1);
    // The heading, the title and the rule keep the whole width; the grid's lines do not.
    EXPECT_DOUBLE_EQ(page.heading.x, page.frame.PageLeft);
    EXPECT_DOUBLE_EQ(surface.lines.front().x1, page.frame.PageLeft);
    EXPECT_DOUBLE_EQ(surface.lines[1].x1, page.frame.GridLeft);
}

// English (United States) by name, the C locale of the tests and "System" under it draw the
// same page, text for text and line for line.
TEST_F(LocalePage, EnglishUnitedStatesPagesAreTheClassicPages) {
    auto record = [this](const char* language) {
        t.app.Layout.Language = QLatin1String(language);
        print(3);
        QStringList out;
        for (const auto& x : surface.texts)
            out << QStringLiteral("%1 %2 %3").arg(x.text).arg(x.x).arg(x.y);
        for (const auto& l : surface.lines)
            out << QStringLiteral("%1 %2 %3 %4").arg(l.x1).arg(l.y1).arg(l.x2).arg(l.y2);
        return out;
    };
    const QStringList classic = record("System");
    EXPECT_TRUE(classic.join(u'\n').contains(QStringLiteral("76th Birthday")));
    EXPECT_EQ(record("en_US"), classic);
    EXPECT_EQ(record("C"), classic);
}

TEST(UpcomingList, OtherLanguagesWriteTheirDatesAndKeepTheListInDateOrder) {
    CalendarDocument doc;
    doc.FixedHolidays.append(fixedHoliday("0401", QStringLiteral("Aprilscherz")));
    doc.Birthdays.append(birthday("03201961", QStringLiteral("Zoe")));
    doc.Birthdays.append(birthday("03201970", QStringLiteral("adam")));
    doc.OtherEvents.append(other("03162027", QStringLiteral("Zahnarzt")));
    const QDate today(2027, 3, 15);
    EXPECT_EQ(
        UpcomingEventLines(doc, today, 1, pageLocale("de_DE")),
        QStringList({"16. März 2027 (Other) - Zahnarzt", "20. März 2027 (Birthday) - adam",
                     "20. März 2027 (Birthday) - Zoe", "1. April 2027 (Holiday) - Aprilscherz"}));
    EXPECT_EQ(UpcomingEventLines(doc, today, 1),
              QStringList({"2027/03/16 (Other) - Zahnarzt", "2027/03/20 (Birthday) - adam",
                           "2027/03/20 (Birthday) - Zoe", "2027/04/01 (Holiday) - Aprilscherz"}));
}

TEST(WeekGrid, TheWeekWindowStartsOnTheLayoutsFirstDayAndWritesItsLanguage) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03151951", QStringLiteral("Oma Rosa")));
    LayoutSettings layout;
    layout.Language = QStringLiteral("de_DE");
    layout.Birthday = QStringLiteral("&H0");
    const QDate wednesday(2027, 3, 17);
    const WeekGrid grid = MakeWeekGrid(doc, layout, wednesday, 2);
    EXPECT_EQ(grid.start, QDate(2027, 3, 15)); // the Monday before
    EXPECT_EQ(grid.todayIndex, 2);
    EXPECT_EQ(grid.days[grid.todayIndex].labelColor, QColor(255, 0, 0));
    EXPECT_EQ(grid.heading, QString::fromUtf8("Weeks Starting 15. März 2027 "));
    EXPECT_EQ(grid.dayNames.front(), "Montag");
    EXPECT_EQ(grid.dayNames.back(), "Sonntag");
    EXPECT_EQ(grid.days[0].label, QString::fromUtf8("15. März"));
    ASSERT_EQ(grid.days[0].entries.size(), 1u);
    EXPECT_EQ(grid.days[0].entries[0].text, QString::fromUtf8("Oma Rosa – 76. Geburtstag"));

    // Weeks from Saturday: a Saturday is the first day, a Friday the last.
    layout.FirstDayOfWeek = QStringLiteral("Saturday");
    EXPECT_EQ(MakeWeekGrid(doc, layout, QDate(2027, 3, 20), 1).todayIndex, 0);
    EXPECT_EQ(MakeWeekGrid(doc, layout, QDate(2027, 3, 19), 1).todayIndex, 6);
    EXPECT_EQ(MakeWeekGrid(doc, layout, QDate(2027, 3, 19), 1).start, QDate(2027, 3, 13));
}
