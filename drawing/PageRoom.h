#pragma once

#include "drawing/MonthCommands.h"

#include <QColor>
#include <optional>
#include <vector>

struct LayoutSettings;

// What the month pages add to the plain grid, read from the layout. With every choice off
// the page is the plain six-row grid.
struct PageExtras {
    bool smallMonths = false;   // the months before and after, in small
    bool fitRows = false;       // only the rows the month needs
    bool moonPhases = false;    // the moon's main phases in their days' corners
    bool shadeWeekends = false; // weekend days on the shade colour
    bool shadeHolidays = false; // days with a holiday on the shade colour
    bool notesBox = false;      // a ruled box in the largest run of spare cells
    QColor shade;

    static PageExtras of(const LayoutSettings& layout);
};

// The rows the month's days take: 4 (a February from the first column), 5 or 6.
int RowsNeeded(const MonthGrid& grid);

// A rectangle of whole cells of the grid.
struct CellSpan {
    int row = 0;
    int column = 0;
    int rows = 0;
    int columns = 0;

    int cells() const { return rows * columns; }
    bool contains(int cell) const {
        const int r = cell / kGridColumns, c = cell % kGridColumns;
        return r >= row && r < row + rows && c >= column && c < column + columns;
    }
    friend bool operator==(const CellSpan&, const CellSpan&) = default;
};

// The cells without a day of a grid drawn with `rows` rows (RowsNeeded to 6), as
// rectangles in grid order: the cells before the 1st, the cells after the last day in its
// row, and the whole rows below it together. Empty rectangles are left out.
std::vector<CellSpan> SpareSpans(const MonthGrid& grid, int rows);

// Where the extras go in the grid. A small month takes two cells side by side: the previous
// month the first two of the spare cells at the start, the next month the last two columns
// of the spare cells at the end. One that finds no such room goes beside the heading.
struct GridRoom {
    int rows = kGridRows;
    std::optional<CellSpan> previousMonth;
    std::optional<CellSpan> nextMonth;
    bool previousByHeading = false;
    bool nextByHeading = false;
    std::optional<CellSpan> notes; // the largest run of spare cells the small months leave
};

GridRoom PlanGridRoom(const MonthGrid& grid, const PageExtras& extras);
