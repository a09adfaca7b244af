#include "drawing/MonthView.h"

#include "drawing/CellStack.h"
#include "drawing/MonthCommands.h"
#include "drawing/PageLocale.h"

#include <algorithm>
#include <cmath>

namespace {

// The highest box a day can fall in: a 31-day month that starts on a Saturday ends there.
constexpr int kLastDayBox = 36;
constexpr int kNumberInset = 1; // pixels between a box's corner and its day number
constexpr double kViewWeekNumberScale = 0.85;
const QColor kViewWeekNumberColor(96, 96, 96);

void clearBoxes(DrawingSurface& surface, const DayBoxGrid& shaDate, const QColor& color,
                CellLineY& lines) {
    for (int cell = 0; cell < kGridCells; ++cell) {
        // Boxes without a day take no entries; their line starts where a number would be.
        lines[cell] = shaDate.box(cell).top() + kNumberInset;
        if (cell > kLastDayBox) continue;
        const QRect area = shaDate.fillArea(cell);
        surface.fillBox(area.x(), area.y(), area.width(), area.height(), color);
    }
}

void drawDays(DrawingSurface& surface, const DayBoxGrid& shaDate, const MonthGrid& grid,
              const MonthViewColors& colors, CellLineY& lines) {
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

// Each number right-aligned just left of its row's first box, level with the day numbers.
void drawWeekNumbers(DrawingSurface& surface, const MonthViewInput& input, const MonthGrid& grid) {
    SurfaceFont small = input.font;
    small.size *= kViewWeekNumberScale;
    surface.setFont(small);
    surface.setTextColor(kViewWeekNumberColor);
    for (int row = 0; row < kGridRows; ++row) {
        const int week = WeekNumberOfRow(grid, row);
        if (week == 0) continue;
        const QString text = QString::number(week);
        const QRect box = input.boxes.box(row * kGridColumns);
        surface.moveTo(box.left() - 2 - surface.textWidth(text), box.top() + kNumberInset);
        surface.printLine(text);
    }
    surface.setFont(input.font);
}

} // namespace

MonthViewGeometry MonthViewLayout(QSize size, bool weekNumbers) {
    namespace design = MonthViewDesign;
    const QSize base = design::ClientSize;
    const int width = std::max(size.width(), base.width());
    const int height = std::max(size.height(), base.height());
    MonthViewGeometry g;
    // The margins right of and below the grid, and the grid's top, as designed.
    const int right = base.width() - g.boxes.left - 7 * g.boxes.columnStep - 1;
    const int bottom = base.height() - g.boxes.top - 6 * g.boxes.rowStep - 1;
    const double grown = std::min(double(width) / base.width(), double(height) / base.height());
    const int labelsTop = design::lblDay0.top();
    if (weekNumbers) g.boxes.left += design::WeekNumberWidth;
    g.boxes.top = labelsTop + int(std::lround((g.boxes.top - labelsTop) * grown));
    g.boxes.columnStep = (width - g.boxes.left - right - 1) / 7;
    g.boxes.rowStep = (height - g.boxes.top - bottom - 1) / 6;
    g.boxes.width = g.boxes.columnStep + 1;
    g.boxes.height = g.boxes.rowStep + 1;
    g.scale = std::min(double(g.boxes.columnStep) / design::shaDate.columnStep,
                       double(g.boxes.rowStep) / design::shaDate.rowStep);
    g.dayLabelStep = g.boxes.columnStep;
    g.dayLabel0.moveLeft(g.boxes.left);
    g.dayLabel0.setWidth(g.boxes.width);
    g.dayLabel0.setHeight(int(std::lround(design::lblDay0.height() * grown)));
    g.lineRight = width - (base.width() - design::LineRight);
    return g;
}

void DrawMonthView(DrawingSurface& surface, Dialogs& dialogs, const MonthViewInput& input,
                   int month, CellLineY& lines) {
    const PageLocale locale = PageLocale::of(input.layout);
    const MonthGrid grid = MonthGrid::of(input.year, month, locale.firstDay());
    surface.setFont(input.font);
    clearBoxes(surface, input.boxes, input.colors.emptyBox, lines);
    if (locale.weekNumbers()) drawWeekNumbers(surface, input, grid);
    drawDays(surface, input.boxes, grid, input.colors, lines);
    const std::vector<CellReport> reports = WriteMonthEntries(
        surface, PlaceMonthEntries(input.doc, input.layout, grid),
        [&](int c) { return input.boxes.entryBox(c); }, lines, FullCellRule(input.layout),
        locale.language());
    for (const CellReport& report : reports)
        for (std::size_t i = 0; i < report.cannotShow().size(); ++i)
            ShowEventError(dialogs);
}
