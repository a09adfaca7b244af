#include "drawing/MonthPageExtras.h"

#include "document/SettingsRecords.h"

#include <QCoreApplication>
#include <QTimeZone>
#include <algorithm>

namespace {

// A small month beside the heading is at least this high (about eight lines of 4 points),
// and as wide as its height times kBesideHeadingAspect.
constexpr double kBesideHeadingHeight = 0.6;
constexpr double kBesideHeadingAspect = 1.5;
constexpr double kGap = 0.1;         // between a small month and the heading's texts
constexpr double kInset = 0.05;      // cell lines to what a cell holds
constexpr double kRuleSpacing = 1.6; // notes rules, in lines of the dates font
constexpr double kMoonPen = 0.01;    // the outline of the moon symbols, as the grid lines

const SurfaceFont& smallMonthFace(const MonthPageLayout& page) {
    return page.datesFont;
}

PageBox spanBox(const MonthPageLayout& page, const CellSpan& span) {
    const int first = span.row * kGridColumns + span.column;
    return {page.cellLeft(first) + kInset, page.cellTop(first) + kInset,
            span.columns * page.frame.ColumnWidth - 2 * kInset,
            span.rows * page.RowHeight - 2 * kInset};
}

// The month before (step -1) or after (step 1) the page's month.
std::pair<int, int> neighbour(const MonthGrid& grid, int step) {
    const int index = grid.year * 12 + grid.month - 1 + step;
    return {index / 12, index % 12 + 1};
}

struct Span {
    double left, right;
};

// Where heading and title lines lie across the page.
std::vector<Span> headingSpans(DrawingSurface& m, const MonthPageLayout& page) {
    std::vector<Span> spans;
    m.setFont(page.headingFont);
    spans.push_back({page.heading.x, page.heading.x + m.textWidth(page.heading.text)});
    m.setFont(page.titleFont);
    for (const PageLine& line : page.titleLines)
        spans.push_back({line.x, line.x + m.textWidth(line.text)});
    return spans;
}

// A place for a small month of width in the heading band: the first one free of the left
// end, the place left of the right end, the place right of the left end and the right end for
// the month before; the mirror order for the month after, so the two keep their order when
// the heading takes one end. Nothing when all overlap a text or an earlier small month.
std::optional<double> besideHeadingX(const PageFrame& f, double width, bool before,
                                     const std::vector<Span>& taken) {
    const double left = f.PageLeft, right = f.PageRight - width;
    const double candidates[2][4] = {{left, right - width - kGap, left + width + kGap, right},
                                     {right, left + width + kGap, right - width - kGap, left}};
    for (double x : candidates[before ? 0 : 1]) {
        const bool free = std::none_of(taken.begin(), taken.end(), [&](const Span& s) {
            return x < s.right + kGap && x + width + kGap > s.left;
        });
        if (free && x >= left && x <= right) return x;
    }
    return std::nullopt;
}

void layOutSmallMonths(DrawingSurface& m, MonthPageLayout& page) {
    const GridRoom& room = page.room;
    std::vector<Span> taken = headingSpans(m, page);
    const double bandHeight = page.bandBottom - page.frame.PageTop;
    const double width = bandHeight * kBesideHeadingAspect;
    auto add = [&](int step, const std::optional<CellSpan>& span, bool byHeading) {
        const auto [year, month] = neighbour(page.grid, step);
        PageBox box;
        if (span) {
            box = spanBox(page, *span);
        } else if (byHeading) {
            const std::optional<double> x = besideHeadingX(page.frame, width, step < 0, taken);
            if (!x) return;
            taken.push_back({*x, *x + width});
            box = {*x, page.frame.PageTop, width, bandHeight};
        } else {
            return;
        }
        page.smallMonths.push_back(
            LayOutSmallMonth(m, page.locale, smallMonthFace(page), year, month, box));
    };
    add(-1, room.previousMonth, room.previousByHeading);
    add(1, room.nextMonth, room.nextByHeading);
}

void layOutNotes(DrawingSurface& m, MonthPageLayout& page) {
    if (!page.room.notes) return;
    NotesBoxLayout notes;
    notes.box = spanBox(page, *page.room.notes);
    m.setFont(page.datesFont);
    const QString caption = QCoreApplication::translate("MonthPage", "Notes");
    notes.caption = {caption, notes.box.x, notes.box.y};
    notes.ruleLeft = notes.box.x;
    notes.ruleRight = notes.box.right();
    const double spacing = kRuleSpacing * page.datesLineHeight;
    for (double y = notes.box.y + page.datesLineHeight + spacing; y <= notes.box.bottom();
         y += spacing)
        notes.rules.push_back(y);
    page.notes = notes;
}

// Each phase's symbol in the top right corner of its day, as high as half a line of the
// dates font.
void layOutMoons(MonthPageLayout& page) {
    if (!page.extras.moonPhases) return;
    const QDate first(page.grid.year, page.grid.month, 1);
    const double radius = page.datesLineHeight / 4;
    for (const MoonPhaseDay& phase :
         MoonPhasesIn(first, first.addDays(page.grid.length - 1), QTimeZone::systemTimeZone())) {
        const int cell = page.grid.cellOfDay(phase.date.day());
        page.moons.push_back({phase.date.day(), phase.phase,
                              page.cellLeft(cell) + page.frame.ColumnWidth - kInset - radius,
                              page.cellTop(cell) + kInset + radius, radius});
    }
}

bool isWeekend(const QLocale& locale, int weekday) {
    const auto qtDay = static_cast<Qt::DayOfWeek>(weekday == 0 ? 7 : weekday);
    return !locale.weekdays().contains(qtDay);
}

void layOutShading(MonthPageLayout& page) {
    const PageExtras& extras = page.extras;
    std::vector<int>& cells = page.shadedCells;
    if (extras.shadeWeekends)
        for (int day = 1; day <= page.grid.length; ++day) {
            const int weekday = page.locale.weekdayOfColumn(page.grid.cellOfDay(day) % 7);
            if (isWeekend(page.locale.locale(), weekday)) cells.push_back(page.grid.cellOfDay(day));
        }
    if (extras.shadeHolidays)
        for (const PlacedEntry& entry : page.entries)
            if ((entry.kind == EntryKind::Holiday || entry.kind == EntryKind::FloatingHoliday) &&
                page.grid.dayInCell(entry.cell) != 0)
                cells.push_back(entry.cell);
    std::sort(cells.begin(), cells.end());
    cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
}

} // namespace

double HeadingBandBottom(const MonthPageLayout& page, double headingBottom) {
    if (!page.room.previousByHeading && !page.room.nextByHeading) return headingBottom;
    return std::max(headingBottom, page.frame.PageTop + kBesideHeadingHeight);
}

void LayOutPageExtras(DrawingSurface& m, const PageInput&, MonthPageLayout& page) {
    layOutSmallMonths(m, page);
    layOutNotes(m, page);
    layOutShading(page);
    layOutMoons(page);
}

bool JoinedInGrid(const MonthPageLayout& page, int a, int b) {
    auto both = [a, b](const std::optional<CellSpan>& span) {
        return span && span->contains(a) && span->contains(b);
    };
    return both(page.room.previousMonth) || both(page.room.nextMonth) || both(page.room.notes);
}

void MonthPagePrinter::drawShading() {
    for (int cell : layout_.shadedCells)
        surface_.fillBox(layout_.cellLeft(cell), layout_.cellTop(cell), layout_.frame.ColumnWidth,
                         layout_.RowHeight, layout_.extras.shade);
}

// New moon a filled circle, full moon an empty one; at the quarters the dark half is filled:
// the left one as the moon waxes, the right one as it wanes.
void MonthPagePrinter::drawMoons() {
    if (layout_.moons.empty()) return;
    surface_.setPenWidth(kMoonPen);
    for (const MoonMark& moon : layout_.moons) {
        CircleFill fill = CircleFill::None;
        switch (moon.phase) {
        case MoonPhase::New:
            fill = CircleFill::Whole;
            break;
        case MoonPhase::FirstQuarter:
            fill = CircleFill::Left;
            break;
        case MoonPhase::LastQuarter:
            fill = CircleFill::Right;
            break;
        case MoonPhase::Full:
            break;
        }
        surface_.drawCircle(moon.x, moon.y, moon.radius, fill, Qt::black);
    }
}

void MonthPagePrinter::drawSmallMonthsAndNotes() {
    surface_.setTextColor(Qt::black);
    for (const SmallMonthLayout& small : layout_.smallMonths)
        DrawSmallMonth(surface_, small);
    if (!layout_.notes) return;
    const NotesBoxLayout& notes = *layout_.notes;
    surface_.setFont(layout_.datesFont);
    surface_.moveTo(notes.caption.x, notes.caption.y);
    surface_.printLine(notes.caption.text);
    for (double y : notes.rules)
        surface_.drawLine(notes.ruleLeft, y, notes.ruleRight, y, Qt::gray);
}
