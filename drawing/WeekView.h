#pragma once

#include "drawing/DayBoxes.h"
#include "platform/DrawingSurface.h"

#include <QColor>
#include <QRect>
#include <QSize>

class Dialogs;
struct WeekGrid;

// The desktop week window's fixed design in its pixels, origin at the top-left corner of its
// client area: the heading, an etched separator, the weekday names, up to four rows of day
// boxes and, 6 pixels below the last row shown, the panel with the upcoming list.
namespace WeekViewDesign {
inline constexpr int ClientWidth = 555;
inline constexpr QRect lblWeek{7, 5, 300, 15};
// The separators: a grey line and a white one just below it, under the heading and at the
// top of the upcoming list's panel.
inline constexpr int LineLeft = 7;
inline constexpr int LineRight = 546;
inline constexpr int Line1Y = 22;
inline constexpr QColor LineGrey{128, 128, 128};
// Weekday name i sits above column i.
inline constexpr QRect lblDay0{7, 25, 78, 15};
inline constexpr int lblDayStep = 77;
inline constexpr DayBoxGrid shaDate{7, 42};
// The upcoming list's panel, with its heading and its list inside.
inline constexpr int EventsGap = 6;
inline constexpr int EventsHeight = 99;
inline constexpr QRect lblEvents{7, 7, 200, 15};
inline constexpr QRect lstEvents{7, 28, 540, 69};
inline constexpr int BottomMargin = 7;

// The top of the upcoming list's panel below weeks rows of boxes.
constexpr int eventsTop(int weeks) {
    return shaDate.top + (weeks - 1) * shaDate.rowStep + shaDate.height + EventsGap;
}
// The client area that shows weeks rows of boxes and the upcoming list.
constexpr QSize clientSize(int weeks) {
    return {ClientWidth, eventsTop(weeks) + EventsHeight + BottomMargin};
}
} // namespace WeekViewDesign

// Draws the days of grid into the week window's boxes: each box white, the day's label
// ("Dec 6") in its top-left corner in the label's colour (red for today), then the day's
// entries stacked below it in the colours of their kinds, in font. lines receives the next
// free line of every box; boxes beyond the grid's days are left alone. An entry that cannot
// be shown is reported through dialogs and left out; the rest are drawn.
void DrawWeekView(DrawingSurface& surface, Dialogs& dialogs, const WeekGrid& grid,
                  const SurfaceFont& font, CellLineY& lines);
