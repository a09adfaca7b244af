#pragma once

#include "drawing/CellEntry.h"

#include <QRect>
#include <QString>

class Dialogs;
class DrawingSurface;

// The fixed day boxes of a window that shows days in a grid (the calendar view, the desktop
// week window), in the window's pixels. Box c lies in column c % 7 and row c / 7. Boxes are
// one pixel wider and taller than their step, so the borders of neighbours coincide.
struct DayBoxGrid {
    int left = 0; // box 0
    int top = 0;
    int columnStep = 77;
    int rowStep = 56;
    int width = 78;
    int height = 57;

    QRect box(int cell) const {
        return {left + (cell % 7) * columnStep, top + (cell / 7) * rowStep, width, height};
    }
    // The part of a box that its fill covers: all but the last column and row, which the
    // neighbour's border (or the box's own) takes.
    QRect fillArea(int cell) const { return box(cell).adjusted(0, 0, -1, -1); }
    // Where the entries of a box go: lines start 2 pixels in from its left border, are at
    // most 4 pixels narrower than the box, and may reach down to its bottom border.
    CellBox entryBox(int cell) const;
};

// Writes one entry into box cell of grid, below what the box already holds, word-wrapped to
// the box, in the colour of colorText and the surface's current font, and moves lines[cell]
// below the last line written. Lines that would pass the box's bottom are cut off silently.
// An entry that cannot be shown (no colour, a cell outside 0 to 41, a word wider than the
// box) is reported once through dialogs and left out; the result is then false.
bool DrawCellEntry(DrawingSurface& surface, Dialogs& dialogs, const DayBoxGrid& grid,
                   const QString& colorText, int cell, const QString& text, CellLineY& lines);
