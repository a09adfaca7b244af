#include "drawing/DayBoxes.h"

namespace {

constexpr int kTextInset = 2; // pixels between a box's border and its text, either side

} // namespace

CellBox DayBoxGrid::entryBox(int cell) const {
    const QRect b = box(cell);
    return {double(b.left() + kTextInset), double(b.width() - 2 * kTextInset),
            double(b.top() + b.height())};
}

bool DrawCellEntry(DrawingSurface& surface, Dialogs& dialogs, const DayBoxGrid& grid,
                   const QString& colorText, int cell, const QString& text, CellLineY& lines) {
    return WriteCellEntry(
        surface, dialogs, colorText, cell, text, [&grid](int c) { return grid.entryBox(c); },
        lines);
}
