#pragma once

#include "drawing/MonthCommands.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <functional>

class Dialogs;
class DrawingSurface;

// Writing entries into the cells of a month grid, shared by the printed page, the calendar
// view and the desktop week window. Each of them keeps its own CellLineY in its own units.

// The next free text line of each of the 42 cells: the y at which the cell's next line is
// written. The day number sets it; every entry written into the cell moves it down.
using CellLineY = std::array<double, kGridCells>;

// Where the entries of one cell go, in the surface's units.
struct CellBox {
    double textLeft = 0;  // x of every line
    double textWidth = 0; // the widest line that fits
    double bottom = 0;    // a line is written only while its bottom stays at or above this
};

using TextMeasure = std::function<double(const QString&)>;

// Splits text into lines no wider than maxWidth. A line too wide is cut at its last blank
// (blanks at both ends of the piece dropped) until it fits; the rest of the text, without
// its surrounding blanks, continues on the next line, down to a last piece of a single
// character. A word wider than maxWidth alone is broken inside: as many of its characters as
// fit (never fewer than one, so that every text comes to an end) make a line, and the rest
// of the word goes on on the next. The first line keeps the text as it is when it fits. An
// empty text is one empty line.
//
// Takes time in proportion to the text: width is expected never to make a text narrower
// than a piece of it, so the longest piece that fits is found from the shortest up.
QStringList WrapCellText(const QString& text, double maxWidth, const TextMeasure& width);

// The lines of an entry, wrapped as WrapCellText wraps them, that fit into at most maxLines
// lines of a cell, and whether they are the whole entry. The part that does not fit is not
// looked at.
struct FittedEntry {
    QStringList lines;
    bool whole = true;
};
FittedEntry FitCellEntry(const QString& text, double maxWidth, int maxLines,
                         const TextMeasure& width);

// How many lines of lineHeight fit from y down to bottom (a line may end exactly there).
int LinesFitting(double y, double bottom, double lineHeight);

// What became of an entry written into a cell.
enum class EntryFate {
    Shown,      // every line written
    Cut,        // its first lines written, the rest cut off at the cell's bottom
    Hidden,     // nothing written: the cell had no room left
    CannotShow, // nothing written: its colour is no colour or its cell is no cell
};

// Writes one entry into cell, below what the cell already holds, word-wrapped to the cell's
// box, in the colour of colorText and the surface's current font. Lines are written while
// they fit above the box's bottom; the rest of the entry is cut off silently. Afterwards
// lines[cell] is the y below the last line written, so a later entry never overwrites it.
//
// An entry that cannot be shown (a colour text that is no colour, a cell outside 0 to 41) is
// not written at all and lines[cell] stays as it was. Nobody is told here: the caller
// decides whether to list the entry or to say so.
EntryFate WriteCellEntryFate(DrawingSurface& surface, const QString& colorText, int cell,
                             const QString& text, const std::function<CellBox(int)>& boxOf,
                             CellLineY& lines);

// The same for a window that shows days: an entry that cannot be shown is reported once
// through dialogs, and the result is then false.
bool WriteCellEntry(DrawingSurface& surface, Dialogs& dialogs, const QString& colorText, int cell,
                    const QString& text, const std::function<CellBox(int)>& boxOf,
                    CellLineY& lines);

// The message of an event that cannot be shown in its cell.
void ShowEventError(Dialogs& dialogs);
