#pragma once

#include "drawing/DayBoxes.h"
#include "platform/DrawingSurface.h"

#include <QColor>
#include <QRect>
#include <QSize>

class CalendarDocument;
class Dialogs;
struct LayoutSettings;

// The calendar view's fixed design in its pixels, origin at the top-left corner of its
// client area: the month list and year label in the top row, an etched separator under
// them, the weekday names and a 7 by 6 grid of day boxes.
namespace MonthViewDesign {
inline constexpr QSize ClientSize{555, 407};
inline constexpr QRect cboMonth{7, 7, 106, 21};
inline constexpr QRect lblYear{119, 11, 43, 15};
// The separator: a grey line and a white one just below it.
inline constexpr int Line1Y = 35;
inline constexpr int Line2Y = 36;
inline constexpr int LineLeft = 7;
inline constexpr int LineRight = 546;
inline constexpr QColor LineGrey{128, 128, 128};
// Weekday name i sits above column i.
inline constexpr QRect lblDay0{7, 42, 78, 15};
inline constexpr int lblDayStep = 77;
inline constexpr DayBoxGrid shaDate{7, 63};
// With week numbers, the boxes leave this many pixels on their left for them.
inline constexpr int WeekNumberWidth = 16;
} // namespace MonthViewDesign

// The view keeps that design at its opening size and grows beyond it: the top row stays as
// designed, the weekday names and the boxes share out the rest of the window, and the text
// of the boxes grows with them.
struct MonthViewGeometry {
    DayBoxGrid boxes = MonthViewDesign::shaDate;
    QRect dayLabel0 = MonthViewDesign::lblDay0; // weekday name i is moved right by i steps
    int dayLabelStep = MonthViewDesign::lblDayStep;
    int lineRight = MonthViewDesign::LineRight;
    double scale = 1; // of the box and weekday fonts: 1 at the design size
};

// The geometry for a client area of size (the design's at ClientSize; a smaller size is
// taken as the design's). With week numbers the boxes and weekday names move right by
// WeekNumberWidth and share out the rest.
MonthViewGeometry MonthViewLayout(QSize size, bool weekNumbers = false);

// The colours of the view's boxes, taken from the desktop's palette by the window.
struct MonthViewColors {
    QColor emptyBox;           // boxes 0 to 36 that hold no day: the grey-text colour
    QColor dayBox = Qt::white; // boxes of the month's days
    QColor dayNumber = Qt::black;
};

// What one drawing of the view is made from.
struct MonthViewInput {
    const CalendarDocument& doc;
    const LayoutSettings& layout; // the colours of the kinds
    int year = 0;
    SurfaceFont font; // the window's own small font, for day numbers and entries
    MonthViewColors colors;
    DayBoxGrid boxes = MonthViewDesign::shaDate;
};

// Draws month (1 to 12) of input.year into the boxes of the view: boxes 0 to 36 cleared to
// the empty colour (37 to 41 are never touched: no month reaches them), each day's box
// white with its number in the top-left corner (" 7"), then every entry of the month by the
// day-cell rules, in the colour of its kind, stacked below the day number; a day whose
// entries do not all fit ends with "+N more" when the layout says so, as on the page. The
// weeks start on the layout's first day, and with week numbers each row that holds a day
// has its number left of it. lines receives the next free line of every box. An entry that
// cannot be shown is reported through dialogs and left out; the rest are drawn.
void DrawMonthView(DrawingSurface& surface, Dialogs& dialogs, const MonthViewInput& input,
                   int month, CellLineY& lines);
