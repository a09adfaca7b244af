#include "drawing/MonthPage.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/PlainPages.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <QTimeZone>
#include <gtest/gtest.h>

// What the month page adds to the plain grid: small months, fitted rows, shading and the
// notes box, on the recording surface's 11 by 8.5 inch page (see MonthPageTest).

namespace {

struct ExtrasFixture : ::testing::Test {
    TestApp t;
    RecordingSurface surface;
    std::optional<MonthPagePrinter> pages;

    ExtrasFixture() {
        t.app.Layout = LoadSettings(t.store).Layout; // small months and fitted rows
        t.app.Document = sampleCalendar();
        t.app.DisplayYear = 2027;
    }
    LayoutSettings& layout() { return t.app.Layout; }
    const MonthPageLayout& print(int month) {
        surface.clear();
        pages.emplace(surface,
                      PageInput{t.app.Document, t.app.Layout, t.app.DisplayYear, {11, 8.5}});
        pages->PrintMonthPage(month);
        return pages->layout();
    }
    // The texts drawn inside a box of the page.
    QStringList textsIn(const PageBox& box) const {
        QStringList out;
        for (const auto& x : surface.texts)
            if (x.x >= box.x - 1e-9 && x.x < box.right() && x.y >= box.y - 1e-9 &&
                x.y < box.bottom())
                out << x.text;
        return out;
    }
    // Whether a drawn line passes through the point (x, y).
    bool lineThrough(double x, double y) const {
        for (const auto& l : surface.lines) {
            const bool across = l.y1 == l.y2 && std::abs(l.y1 - y) < 1e-9 &&
                                x > std::min(l.x1, l.x2) && x < std::max(l.x1, l.x2);
            const bool down = l.x1 == l.x2 && std::abs(l.x1 - x) < 1e-9 &&
                              y > std::min(l.y1, l.y2) && y < std::max(l.y1, l.y2);
            if (across || down) return true;
        }
        return false;
    }
};

} // namespace

TEST_F(ExtrasFixture, MarchWithTheDefaultsShowsItsNeighboursAndDrawsFiveRows) {
    const MonthPageLayout& page = print(3);
    const QStringList texts = surface.allTexts();
    EXPECT_TRUE(texts.contains(QStringLiteral("February 2027"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("April 2027")));
    EXPECT_EQ(page.rows(), 5);
    EXPECT_NEAR(page.RowHeight, (7.75 - page.GridTop) / 5, 1e-9);
    // Six lines across, the last on the bottom margin, and nothing below it.
    int across = 0;
    for (const auto& l : surface.lines)
        if (l.y1 == l.y2 && l.y1 > page.ruleY) {
            ++across;
            EXPECT_LE(l.y1, 7.75 + 1e-9);
        }
    EXPECT_GE(across, 6);
    EXPECT_TRUE(lineThrough(5, 7.75));
}

TEST_F(ExtrasFixture, FittedRowsFollowTheWeeksTheMonthTakes) {
    const struct {
        int year, month;
        const char* firstDay;
        int rows;
    } cases[] = {
        {2026, 2, "Sunday", 4},                         // 1 February 2026 is a Sunday
        {2027, 3, "Sunday", 5}, {2027, 5, "Sunday", 6}, // 1 May 2027 is a Saturday
        {2027, 5, "Monday", 6}, {2026, 2, "Monday", 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << ' ' << c.firstDay);
        t.app.DisplayYear = c.year;
        layout().FirstDayOfWeek = QLatin1String(c.firstDay);
        layout().FitRows = QStringLiteral("True");
        EXPECT_EQ(print(c.month).rows(), c.rows);
        EXPECT_NEAR(pages->layout().GridTop + c.rows * pages->layout().RowHeight, 7.75, 1e-9);
        layout().FitRows = QStringLiteral("False");
        EXPECT_EQ(print(c.month).rows(), 6);
    }
}

TEST_F(ExtrasFixture, ABusyDayShowsMoreEntriesInFiveTallerRowsThanInSix) {
    for (int i = 0; i < 12; ++i)
        t.app.Document.OtherEvents.append(other("07042027", QStringLiteral("Picnic %1").arg(i)));
    auto shownOnTheFourth = [this] {
        const int cell = pages->layout().grid.cellOfDay(4);
        for (const CellReport& report : pages->cellReports())
            if (report.cell == cell)
                return int(std::count(report.fates.begin(), report.fates.end(), EntryFate::Shown));
        return 0;
    };
    layout().FitRows = QStringLiteral("True");
    ASSERT_EQ(print(7).rows(), 5);
    const int fiveRows = shownOnTheFourth();
    layout().FitRows = QStringLiteral("False");
    ASSERT_EQ(print(7).rows(), 6);
    const int sixRows = shownOnTheFourth();
    EXPECT_GT(fiveRows, sixRows);
    EXPECT_GT(sixRows, 0);
}

TEST_F(ExtrasFixture, SmallMonthsUseTheSpareCellsOrGoBesideTheHeading) {
    const struct {
        int year, month;
        const char* language;
        const char* before; // the month before, where it stands
        const char* after;
        bool beforeInGrid, afterInGrid;
    } cases[] = {
        // 1 March 2027 is a Monday: one spare cell at the start, three at the end.
        {2027, 3, "en_US", "February 2027", "April 2027", false, true},
        // 1 January 2027 is a Friday, 31 December a Friday: the year before and after named.
        {2027, 1, "en_US", "December 2026", "February 2027", true, true},
        {2027, 12, "en_US", "November 2027", "January 2028", true, false},
        // German weeks start on Monday: 1 March 2027 is in the first column.
        {2027, 3, "de_DE", "Februar 2027", "April 2027", false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << ' ' << c.language);
        t.app.DisplayYear = c.year;
        layout().Language = QLatin1String(c.language);
        const MonthPageLayout& page = print(c.month);
        ASSERT_EQ(page.smallMonths.size(), 2u);
        const SmallMonthLayout& before = page.smallMonths[0];
        const SmallMonthLayout& after = page.smallMonths[1];
        EXPECT_EQ(before.texts.front().text, QString::fromUtf8(c.before));
        EXPECT_EQ(after.texts.front().text, QString::fromUtf8(c.after));
        EXPECT_EQ(before.box.y > page.GridTop, c.beforeInGrid);
        EXPECT_EQ(after.box.y > page.GridTop, c.afterInGrid);
        for (const SmallMonthLayout* small : {&before, &after}) {
            // Name, initials and every day of the month, inside its box.
            EXPECT_EQ(int(small->texts.size()),
                      8 + MonthGrid::of(small->year, small->month).length);
            EXPECT_TRUE(textsIn(small->box).contains(QStringLiteral("28")));
            for (const PageLine& text : small->texts)
                EXPECT_LE(text.y + small->font.size / 50, small->box.bottom() + 1e-9)
                    << text.text.toStdString();
        }
    }
}

TEST_F(ExtrasFixture, SmallMonthsBesideTheHeadingKeepClearOfHeadingAndTitle) {
    for (const char* align : {"Left", "Center", "Right"}) {
        SCOPED_TRACE(align);
        layout().AlignMonthYear = layout().AlignTitle = QLatin1String(align);
        const MonthPageLayout& page = print(3); // February beside the heading
        const SmallMonthLayout& february = page.smallMonths[0];
        ASSERT_LT(february.box.y, page.ruleY);
        EXPECT_GE(february.box.x, 0.75 - 1e-9);
        EXPECT_LE(february.box.right(), 10.25 + 1e-9);
        for (const auto& text : surface.texts) {
            if (text.y >= page.ruleY || february.texts.front().text == text.text) continue;
            const double right = text.x + text.text.size() * text.font.size / 100;
            if (text.font == february.font) continue; // the small months' own texts
            EXPECT_TRUE(right <= february.box.x || text.x >= february.box.right())
                << text.text.toStdString();
        }
        EXPECT_GE(page.ruleY - 0.1, february.box.bottom() - 1e-9);
    }
}

TEST_F(ExtrasFixture, ShadingCoversTheLocalesWeekendsAndTheHolidays) {
    const struct {
        const char* language;
        const char *weekends, *holidays;
        QList<int> days; // of July 2027, shaded
    } cases[] = {
        {"en_US", "True", "False", {3, 4, 10, 11, 17, 18, 24, 25, 31}},
        {"en_US", "False", "True", {4}}, // Independence Day
        {"en_US", "True", "True", {3, 4, 10, 11, 17, 18, 24, 25, 31}},
        {"ar_EG", "True", "False", {2, 3, 9, 10, 16, 17, 23, 24, 30, 31}}, // Friday and Saturday
        {"en_US", "False", "False", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.language << ' ' << c.weekends << ' ' << c.holidays);
        layout().Language = QLatin1String(c.language);
        layout().ShadeWeekends = QLatin1String(c.weekends);
        layout().ShadeHolidays = QLatin1String(c.holidays);
        const MonthPageLayout& page = print(7);
        QList<int> shaded;
        for (const auto& box : surface.boxes) {
            EXPECT_EQ(box.color, QColor(0xE0, 0xE0, 0xE0));
            for (int day = 1; day <= 31; ++day) {
                const int cell = page.grid.cellOfDay(day);
                if (std::abs(box.x - page.cellLeft(cell)) < 1e-9 &&
                    std::abs(box.y - page.cellTop(cell)) < 1e-9)
                    shaded << day;
            }
        }
        EXPECT_EQ(shaded, c.days);
        EXPECT_EQ(surface.boxes.size(), std::size_t(c.days.size()));
    }
}

TEST_F(ExtrasFixture, TheNotesBoxTakesTheLargestRunOfSpareCellsAsOneBox) {
    const struct {
        int year, month;
        const char *smallMonths, *fitRows;
        CellSpan notes;
    } cases[] = {
        // July 2027: four spare cells before the 1st, two after the 31st.
        {2027, 7, "False", "True", {0, 0, 1, 4}},
        {2027, 7, "True", "True", {0, 2, 1, 2}},
        // February 2026 fills four rows; without fitting, two empty rows stay.
        {2026, 2, "False", "False", {4, 0, 2, 7}},
        {2026, 2, "True", "False", {4, 0, 2, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << '-' << c.month << ' ' << c.smallMonths);
        t.app.DisplayYear = c.year;
        layout().NotesBox = QStringLiteral("True");
        layout().SmallMonths = QLatin1String(c.smallMonths);
        layout().FitRows = QLatin1String(c.fitRows);
        const MonthPageLayout& page = print(c.month);
        ASSERT_TRUE(page.notes);
        EXPECT_EQ(page.room.notes, c.notes);
        const PageBox& box = page.notes->box;
        EXPECT_EQ(textsIn(box).value(0), QStringLiteral("Notes"));
        EXPECT_FALSE(page.notes->rules.empty());
        for (double y : page.notes->rules) {
            EXPECT_GT(y, box.y);
            EXPECT_LE(y, box.bottom());
        }
        // No grid line inside the box: between its first two cells, nor between its rows.
        const int first = c.notes.row * kGridColumns + c.notes.column;
        const double middleY = page.cellTop(first) + page.RowHeight / 2;
        EXPECT_FALSE(lineThrough(page.cellLeft(first + 1), middleY));
        if (c.notes.rows > 1) {
            EXPECT_FALSE(lineThrough(page.cellLeft(first) + 0.2, page.cellTop(first + 7)));
        }
        // The box's own border stays.
        EXPECT_TRUE(lineThrough(page.cellLeft(first), middleY) || c.notes.column == 0);
    }
}

TEST_F(ExtrasFixture, AMonthWithoutSpareCellsHasNoNotesBoxAndBothSmallMonthsByTheHeading) {
    t.app.DisplayYear = 2026;
    layout().NotesBox = QStringLiteral("True");
    const MonthPageLayout& page = print(2); // Sunday the 1st to Saturday the 28th
    EXPECT_EQ(page.rows(), 4);
    EXPECT_FALSE(page.notes);
    ASSERT_EQ(page.smallMonths.size(), 2u);
    EXPECT_LT(page.smallMonths[0].box.bottom(), page.ruleY);
    EXPECT_LT(page.smallMonths[1].box.bottom(), page.ruleY);
    EXPECT_LE(page.smallMonths[0].box.right(), page.smallMonths[1].box.x);
}

// Every main phase of the month stands in its day's top right corner: new moon filled, full
// moon empty, the dark half filled at the quarters.
TEST_F(ExtrasFixture, MoonPhasesStandInTheCornerOfTheirDays) {
    print(7);
    EXPECT_TRUE(surface.circles.empty()); // off by default
    layout().MoonPhases = QStringLiteral("True");
    const MonthPageLayout& page = print(7);
    const std::vector<MoonPhaseDay> phases =
        MoonPhasesIn(QDate(2027, 7, 1), QDate(2027, 7, 31), QTimeZone::systemTimeZone());
    ASSERT_GE(phases.size(), 4u);
    ASSERT_EQ(surface.circles.size(), phases.size());
    const std::pair<MoonPhase, CircleFill> fills[] = {{MoonPhase::New, CircleFill::Whole},
                                                      {MoonPhase::FirstQuarter, CircleFill::Left},
                                                      {MoonPhase::Full, CircleFill::None},
                                                      {MoonPhase::LastQuarter, CircleFill::Right}};
    for (std::size_t i = 0; i < phases.size(); ++i) {
        const auto& circle = surface.circles[i];
        const int cell = page.grid.cellOfDay(phases[i].date.day());
        SCOPED_TRACE(phases[i].date.toString(Qt::ISODate).toStdString());
        EXPECT_GT(circle.x - circle.radius, page.cellLeft(cell) + page.frame.ColumnWidth / 2);
        EXPECT_LT(circle.x + circle.radius, page.cellLeft(cell) + page.frame.ColumnWidth);
        EXPECT_GT(circle.y - circle.radius, page.cellTop(cell));
        EXPECT_LT(circle.y + circle.radius, page.cellTop(cell) + page.datesLineHeight + 0.05);
        for (const auto& [phase, fill] : fills)
            if (phase == phases[i].phase) {
                EXPECT_EQ(circle.fill, fill);
            }
    }
}
