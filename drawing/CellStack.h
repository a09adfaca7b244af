#pragma once

#include "drawing/CellEntry.h"
#include "drawing/MonthCommands.h"

#include <QLocale>
#include <functional>
#include <vector>

class DrawingSurface;

// Writing all the entries of a month into their cells, a cell at a time, so that a day whose
// entries do not all fit can say so.

// What a cell does with entries that do not fit.
enum class FullCell {
    Cut,      // each entry is written while there is room; the rest is cut off silently
    MarkMore, // entries are written whole or not at all, and the last line says "+N more"
};

// The layout's choice: MarkMore when MarkOverfullDays is "True".
FullCell FullCellRule(const LayoutSettings& layout);

// The entries of one cell, in the order written, and what became of each.
struct CellReport {
    int cell = 0; // kUnplaceable for the entries whose date or rule names no day
    std::vector<PlacedEntry> entries;
    std::vector<EntryFate> fates;
    int more = 0; // the N of the "+N more" written at the cell's foot; 0 when none

    // Entries that could be shown but are not, or only in part, for want of room.
    int notFitting() const;
    // Entries that cannot be shown at all.
    std::vector<PlacedEntry> cannotShow() const;
};

// The "+N more" of a cell, in the surface's current font and in the page's language: "+3
// more" ("+3 weitere" in German), or "+3" where that is too wide for the cell.
QString MoreText(int hidden, double maxWidth, const std::function<double(const QString&)>& width,
                 QLocale::Language language = QLocale::English);

// Writes every placed entry into its cell (box boxOf(cell)), below what lines says the cell
// holds, in the surface's current font, and moves lines on. Entries of a cell stack in the
// order placed; a word wider than the cell is broken inside (WrapCellText). An entry that
// cannot be shown (a colour that is no colour, no day) is left out and only reported in
// the result: nobody is told while the entries are written.
//
// With FullCell::MarkMore a cell whose entries do not all fit keeps its last line for
// "+N more" in black (in language), N counting every entry not shown; the entries above it are
// those, from the first on, that fit whole, and nothing is cut in half. A cell with no room for
// even one line shows nothing and marks nothing.
//
// Returns one report per cell that holds entries, in cell order (unplaceable entries first).
std::vector<CellReport> WriteMonthEntries(DrawingSurface& surface,
                                          const std::vector<PlacedEntry>& placed,
                                          const std::function<CellBox(int)>& boxOf,
                                          CellLineY& lines, FullCell rule,
                                          QLocale::Language language = QLocale::English);
