#include "drawing/WeekView.h"

#include "drawing/WeekList.h"

#include <algorithm>

namespace {

constexpr int kLabelInsetX = 2; // pixels between a box's border and its day label
constexpr int kLabelInsetY = 1;

} // namespace

void DrawWeekView(DrawingSurface& surface, Dialogs& dialogs, const WeekGrid& grid,
                  const SurfaceFont& font, CellLineY& lines) {
    using WeekViewDesign::shaDate;
    surface.setFont(font);
    const int count = std::min<int>(static_cast<int>(grid.days.size()), kGridCells);
    for (int cell = 0; cell < count; ++cell) {
        const WeekDay& day = grid.days[cell];
        const QRect area = shaDate.fillArea(cell);
        surface.fillBox(area.x(), area.y(), area.width(), area.height(), Qt::white);
        surface.setTextColor(day.labelColor);
        surface.moveTo(area.x() + kLabelInsetX, area.y() + kLabelInsetY);
        surface.printLine(day.label);
        lines[cell] = surface.currentY();
        for (const PlacedEntry& entry : day.entries)
            DrawCellEntry(surface, dialogs, shaDate, entry.colorText, cell, entry.text, lines);
    }
}
