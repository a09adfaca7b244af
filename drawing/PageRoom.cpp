#include "drawing/PageRoom.h"

#include "document/SettingsRecords.h"
#include "drawing/ColorText.h"

#include <algorithm>

namespace {

constexpr int kSmallMonthColumns = 2;

// The spare cells left of a small month taken from the start of span.
CellSpan afterTaking(const CellSpan& span, int columns) {
    return {span.row, span.column + columns, span.rows, span.columns - columns};
}

} // namespace

PageExtras PageExtras::of(const LayoutSettings& layout) {
    PageExtras extras;
    extras.smallMonths = isTrue(layout.SmallMonths);
    extras.fitRows = isTrue(layout.FitRows);
    extras.moonPhases = isTrue(layout.MoonPhases);
    extras.shadeWeekends = isTrue(layout.ShadeWeekends);
    extras.shadeHolidays = isTrue(layout.ShadeHolidays);
    extras.notesBox = isTrue(layout.NotesBox);
    // A shade that is not a colour text reads as the light grey it starts as.
    extras.shade = ColorFromText(layout.ShadeColor).value_or(QColor(0xE0, 0xE0, 0xE0));
    return extras;
}

int RowsNeeded(const MonthGrid& grid) {
    return grid.lastCell() / kGridColumns + 1;
}

std::vector<CellSpan> SpareSpans(const MonthGrid& grid, int rows) {
    std::vector<CellSpan> spans;
    auto add = [&spans](CellSpan span) {
        if (span.cells() > 0) spans.push_back(span);
    };
    add({0, 0, 1, grid.firstColumn()});
    const int lastRow = grid.lastCell() / kGridColumns;
    const int lastColumn = grid.lastCell() % kGridColumns;
    add({lastRow, lastColumn + 1, 1, kGridColumns - 1 - lastColumn});
    add({lastRow + 1, 0, std::max(rows - lastRow - 1, 0), kGridColumns});
    return spans;
}

GridRoom PlanGridRoom(const MonthGrid& grid, const PageExtras& extras) {
    GridRoom room;
    room.rows = extras.fitRows ? RowsNeeded(grid) : kGridRows;
    std::vector<CellSpan> spans = SpareSpans(grid, room.rows);
    if (extras.smallMonths) {
        // The spans at the start and at the end of the grid: the first one when it starts
        // the grid, and the last one when it ends it.
        CellSpan* start = !spans.empty() && spans.front().row == 0 && spans.front().column == 0
                              ? &spans.front()
                              : nullptr;
        CellSpan* end = !spans.empty() && &spans.back() != start ? &spans.back() : nullptr;
        if (start && start->columns >= kSmallMonthColumns) {
            room.previousMonth = CellSpan{start->row, 0, start->rows, kSmallMonthColumns};
            *start = afterTaking(*start, kSmallMonthColumns);
        } else {
            room.previousByHeading = true;
        }
        if (end && end->columns >= kSmallMonthColumns) {
            const int column = end->column + end->columns - kSmallMonthColumns;
            room.nextMonth = CellSpan{end->row, column, end->rows, kSmallMonthColumns};
            end->columns -= kSmallMonthColumns;
        } else {
            room.nextByHeading = true;
        }
    }
    if (extras.notesBox) {
        const auto largest =
            std::max_element(spans.begin(), spans.end(), [](const CellSpan& a, const CellSpan& b) {
                return a.cells() < b.cells();
            });
        if (largest != spans.end() && largest->cells() > 0) room.notes = *largest;
    }
    return room;
}
