#include "drawing/MonthView.h"

#include "drawing/MonthCommands.h"

namespace {

// The highest box a day can fall in: a 31-day month that starts on a Saturday ends there.
constexpr int kLastDayBox = 36;
constexpr int kNumberInset = 1; // pixels between a box's corner and its day number

using MonthViewDesign::shaDate;

void clearBoxes(DrawingSurface& surface, const QColor& color, CellLineY& lines) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        // Boxes without a day take no entries; their line starts where a number would be.
        lines[cell] = shaDate.box(cell).top() + kNumberInset;
        if (cell > kLastDayBox) continue;
        const QRect area = shaDate.fillArea(cell);
        surface.fillBox(area.x(), area.y(), area.width(), area.height(), color);
    }
}

void drawDays(DrawingSurface& surface, const MonthGrid& grid, const MonthViewColors& colors,
              CellLineY& lines) {
    surface.setTextColor(colors.dayNumber);
    for (int day = 1; day <= grid.length; ++day) {
        const int cell = grid.cellOfDay(day);
        const QRect area = shaDate.fillArea(cell);
        surface.fillBox(area.x(), area.y(), area.width(), area.height(), colors.dayBox);
        surface.moveTo(area.x() + kNumberInset, area.y() + kNumberInset);
        // A number is written with a blank where a sign would go.
        surface.printLine(u' ' + QString::number(day));
        lines[cell] = surface.currentY();
    }
}

} // namespace

void DrawMonthView(DrawingSurface& surface, Dialogs& dialogs, const MonthViewInput& input,
                   int month, CellLineY& lines) {
    const MonthGrid grid = MonthGrid::of(input.year, month);
    surface.setFont(input.font);
    clearBoxes(surface, input.colors.emptyBox, lines);
    drawDays(surface, grid, input.colors, lines);
    for (const PlacedEntry& entry : PlaceMonthEntries(input.doc, input.layout, grid))
        DrawCellEntry(surface, dialogs, shaDate, entry.colorText, entry.cell, entry.text, lines);
}
