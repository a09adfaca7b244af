#include "drawing/MonthPage.h"
#include "drawing/FitReport.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/PlainPages.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

// The page drawn on the recording surface: characters are size / 100 inch wide and lines
// size / 50 inch high, so with the default layout on an 11 by 8.5 inch page the heading is
// 0.48 high, each title line 0.24, the weekday and date lines 0.2; the grid runs from 0.75
// to 10.25 across (columns of 9.5 / 7) and down to 7.75.

namespace {

struct PageFixture : ::testing::Test {
    TestApp t;
    RecordingSurface surface;
    PaperInches printerPage{11, 8.5};
    std::optional<MonthPagePrinter> pages;

    PageFixture() {
        t.app.Layout = LoadSettings(t.store).Layout;
        PlainPages(t.app.Layout);
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
    }
    LayoutSettings& layout() { return t.app.Layout; }
    const MonthPageLayout& print(int month) {
        pages.emplace(surface,
                      PageInput{t.app.Document, t.app.Layout, t.app.DisplayYear, printerPage});
        pages->PrintMonthPage(month);
        return pages->layout();
    }
    const RecordingSurface::Text& text(const QString& s) {
        const RecordingSurface::Text* found = surface.find(s);
        if (!found) throw std::runtime_error("not drawn: " + s.toStdString());
        return *found;
    }
    // Texts drawn in the given rectangle of the page, in drawing order.
    QStringList textsIn(double left, double top, double right, double bottom) {
        QStringList out;
        for (const auto& x : surface.texts)
            if (x.x >= left && x.x < right && x.y >= top && x.y < bottom) out << x.text;
        return out;
    }
    QStringList cellTexts(const MonthPageLayout& page, int cell) {
        return textsIn(page.cellLeft(cell), page.cellTop(cell),
                       page.cellLeft(cell) + page.frame.ColumnWidth,
                       page.cellTop(cell) + page.RowHeight);
    }
};

constexpr double kColumn = 9.5 / 7;

} // namespace

TEST_F(PageFixture, HeadingTitleBlockRuleAndWeekdaysStackFromTheTopMargin) {
    const MonthPageLayout& page = print(3);
    const auto& heading = text("March 2027");
    EXPECT_DOUBLE_EQ(heading.x, 0.75);
    EXPECT_DOUBLE_EQ(heading.y, 0.75);
    EXPECT_EQ(heading.font, (SurfaceFont{"Times New Roman", 24}));
    EXPECT_EQ(heading.color, QColor(Qt::black));

    EXPECT_NEAR(text("The Smiths 2027").y, 1.23, 1e-9);
    EXPECT_NEAR(text("Family calendar").y, 1.47, 1e-9);
    EXPECT_NEAR(text("Printed for Grandma").y, 1.71, 1e-9);
    EXPECT_EQ(text("Printed for Grandma").font, (SurfaceFont{"Times New Roman", 12}));

    const auto& rule = surface.lines.front();
    EXPECT_NEAR(rule.y1, 2.05, 1e-9);
    EXPECT_EQ(rule.y1, rule.y2);
    EXPECT_DOUBLE_EQ(rule.x1, 0.75);
    EXPECT_DOUBLE_EQ(rule.x2, 10.25);
    EXPECT_DOUBLE_EQ(rule.penWidth, 2 * surface.lines.back().penWidth);

    const auto& wednesday = text("Wednesday");
    EXPECT_NEAR(wednesday.y, 2.25, 1e-9);
    EXPECT_NEAR(wednesday.x, 0.75 + 3 * kColumn + (kColumn - 0.9) / 2, 1e-9);
    EXPECT_EQ(wednesday.font, (SurfaceFont{"Arial", 10}));
    EXPECT_NEAR(page.GridTop, 2.55, 1e-9);
    EXPECT_NEAR(page.RowHeight, (7.75 - 2.55) / 6, 1e-9);
}

TEST_F(PageFixture, TheTitleBlockFollowsItsSwitchAndShowsAnEmptyTitleAsOneLine) {
    layout().ShowTitle = QStringLiteral("true"); // only "True" counts
    print(3);
    EXPECT_FALSE(surface.find(QStringLiteral("The Smiths 2027")));
    EXPECT_NEAR(surface.lines.front().y1, 0.75 + 0.48 + 0.1, 1e-9);

    surface.clear();
    layout().ShowTitle = QStringLiteral("True");
    t.app.Document.CalendarTitle.clear();
    t.app.Document.HeaderLine1.clear();
    t.app.Document.HeaderLine2.clear();
    print(3);
    EXPECT_EQ(textsIn(0, 1.2, 11, 1.5), QStringList({QString()}));
    EXPECT_NEAR(surface.lines.front().y1, 0.75 + 0.48 + 0.24 + 0.1, 1e-9);
}

TEST_F(PageFixture, HeadingAndTitleAlignBetweenTheMargins) {
    const struct {
        const char* align;
        double headingX; // "March 2027" is 2.4 wide
        double titleX;   // "Family calendar" is 1.8 wide
    } cases[] = {{"Left", 0.75, 0.75},
                 {"Center", 0.75 + (9.5 - 2.4) / 2, 0.75 + (9.5 - 1.8) / 2},
                 {"Right", 10.25 - 2.4, 10.25 - 1.8},
                 {"center", 0, 0}};
    for (const auto& c : cases) {
        surface.clear();
        layout().AlignMonthYear = layout().AlignTitle = QLatin1String(c.align);
        print(3);
        EXPECT_NEAR(text("March 2027").x, c.headingX, 1e-9) << c.align;
        EXPECT_NEAR(text("Family calendar").x, c.titleX, 1e-9) << c.align;
        surface.setFont({QStringLiteral("Any"), 12});
        EXPECT_NEAR(pages->TitleX(QStringLiteral("Family calendar")), c.titleX, 1e-9);
    }
}

TEST_F(PageFixture, TheGridAlwaysHasSixRowsAndAShortFebruaryLeavesTwoEmpty) {
    t.app.DisplayYear = 2015; // February 2015 starts on a Sunday and has 28 days
    const MonthPageLayout& feb = print(2);
    ASSERT_EQ(surface.lines.size(), 1u + 7 + 8);
    for (int k = 0; k <= 6; ++k) {
        const auto& line = surface.lines[1 + k];
        EXPECT_NEAR(line.y1, feb.GridTop + k * feb.RowHeight, 1e-9);
        EXPECT_DOUBLE_EQ(line.x2, 10.25);
    }
    EXPECT_NEAR(surface.lines[7].y1, 7.75, 1e-9);
    EXPECT_DOUBLE_EQ(surface.lines.back().x1, 10.25);
    EXPECT_EQ(surface.lines.back().y2, 7.75);

    EXPECT_EQ(cellTexts(feb, 0), QStringList({" 1"}));
    EXPECT_EQ(cellTexts(feb, 27), QStringList({" 28"}));
    for (int cell = 28; cell < 42; ++cell)
        EXPECT_TRUE(cellTexts(feb, cell).isEmpty()) << cell;
}

TEST_F(PageFixture, ThirtyOneDaysFromASaturdayReachTheSixthRow) {
    t.app.DisplayYear = 2022;
    const MonthPageLayout& jan = print(1);
    const auto& first = text(QStringLiteral(" 1"));
    EXPECT_NEAR(first.x, 0.75 + 6 * kColumn + 0.05, 1e-9);
    EXPECT_NEAR(first.y, jan.GridTop + 0.05, 1e-9);
    const auto& last = text(QStringLiteral(" 31"));
    EXPECT_NEAR(last.x, 0.75 + 1 * kColumn + 0.05, 1e-9);
    EXPECT_NEAR(last.y, jan.GridTop + 5 * jan.RowHeight + 0.05, 1e-9);
    EXPECT_EQ(last.font, (SurfaceFont{"Arial", 10}));
}

TEST_F(PageFixture, ACustomPaperSizeReplacesThePrintersPage) {
    layout().PaperSize = QStringLiteral("Custom");
    layout().PaperSizeWidth = 8.5f;
    layout().PaperSizeHeight = 11;
    layout().PaperOrientation = QStringLiteral("Portrait");
    const MonthPageLayout& page = print(3);
    EXPECT_DOUBLE_EQ(page.frame.PageRight, 7.75);
    EXPECT_DOUBLE_EQ(page.frame.PageBottom, 10.25);
    EXPECT_DOUBLE_EQ(surface.lines.back().x1, 7.75);
    EXPECT_DOUBLE_EQ(surface.lines.back().y2, 10.25);

    layout().PaperSize = QStringLiteral("custom");
    EXPECT_DOUBLE_EQ(ComputePageFrame(layout(), {14, 8.5}).PageRight, 13.25);
}

TEST_F(PageFixture, WithoutTheMarkEntriesOfADayStackByKindInTheirColoursUntilTheCellIsFull) {
    layout().MarkOverfullDays = QStringLiteral("False");
    CalendarDocument& doc = t.app.Document;
    doc = CalendarDocument();
    doc.OtherEvents.append(other("03072027", QStringLiteral("Dentist")));
    doc.Anniversaries.append(anniversary("03071990", QStringLiteral("Wedding"), "3"));
    doc.FloatingHolidays.append(floatingHoliday("03", "10", QStringLiteral("Fair")));
    doc.FixedHolidays.append(fixedHoliday("0307", QStringLiteral("Feast")));
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann"), "3"));
    layout().Birthday = QStringLiteral("&HFF");
    layout().Holiday = QStringLiteral("&HFF00");

    const MonthPageLayout& page = print(3); // 7 March 2027 is cell 7, a Sunday
    EXPECT_EQ(cellTexts(page, 7), QStringList({" 7", "Ann", "Feast", "Fair"}));
    EXPECT_NEAR(text("Ann").y, page.cellTop(7) + 0.25, 1e-9);
    EXPECT_NEAR(text("Ann").x, 0.75 + 0.05, 1e-9);
    EXPECT_EQ(text("Ann").color, QColor(255, 0, 0));
    EXPECT_EQ(text("Fair").color, QColor(0, 255, 0));
    EXPECT_EQ(text(" 7").color, QColor(Qt::black));
    EXPECT_TRUE(t.dialogs.messages.empty()); // cut off silently

    // On a long page every entry fits.
    surface.clear();
    layout().PaperSize = QStringLiteral("Custom");
    layout().PaperSizeWidth = 11;
    layout().PaperSizeHeight = 30;
    layout().PaperOrientation = QStringLiteral("Portrait");
    const MonthPageLayout& tall = print(3);
    EXPECT_EQ(cellTexts(tall, 7),
              QStringList({" 7", "Ann", "Feast", "Fair", "Wedding", "Dentist"}));
}

// Nothing is announced while a page is drawn: a word wider than its column is broken and
// shown, and entries that cannot be shown are left to the list of what the page lacks.
TEST_F(PageFixture, APageShowsNoMessageAndBreaksAWordWiderThanItsColumn) {
    CalendarDocument& doc = t.app.Document;
    doc.Birthdays.append(birthday("03101961", QStringLiteral("Bartholomew-Fitzgerald"), "3"));
    doc.FixedHolidays.append(fixedHoliday("0300", QStringLiteral("Day zero")));
    layout().Other = QStringLiteral("blue");
    doc.OtherEvents.append(other("03202027", QStringLiteral("Blue fair")));
    const MonthPageLayout& page = print(3);
    EXPECT_TRUE(t.dialogs.messages.empty());
    EXPECT_EQ(cellTexts(page, page.grid.cellOfDay(7)),
              QStringList({" 7", "Ann Smith --", "66th Birthday"}));
    // 13 characters of 0.1 inch fit in a column.
    EXPECT_EQ(cellTexts(page, page.grid.cellOfDay(10)),
              QStringList({" 10", "Bartholomew-F", "itzgerald"}));
    // The day's only entry cannot be shown, and the day says so.
    EXPECT_EQ(cellTexts(page, page.grid.cellOfDay(20)), QStringList({" 20", "+1 more"}));
    std::vector<FitProblem> problems;
    AddFitProblems(problems, page.grid, pages->cellReports());
    EXPECT_EQ(FitProblemLines(problems),
              QStringList({"March 2027: \"Day zero\" cannot be shown: its date names no day of "
                           "the month",
                           "March 20, 2027: \"Blue fair\" cannot be shown: the colour of its "
                           "kind is not a colour"}));
}

TEST(FontPoints, ReadsTheNumberAtTheStartOfTheText) {
    EXPECT_EQ(FontPoints(QStringLiteral("10")), 10);
    EXPECT_EQ(FontPoints(QStringLiteral(" 10.5pt")), 10.5);
    EXPECT_EQ(FontPoints(QStringLiteral("big")), 0);
    EXPECT_EQ(FontPoints(QString()), 0);
}
