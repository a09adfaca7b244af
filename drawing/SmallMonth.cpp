#include "drawing/SmallMonth.h"

#include "drawing/MonthCommands.h"
#include "drawing/PageRoom.h"

#include <algorithm>

namespace {

// A column is this many widths of "00" wide, so the numbers keep a gap between them.
constexpr double kColumnWidths = 1.35;

// The largest size, up to face's own, at which lines lines fit the box's height and seven
// columns its width. Sizes scale the font's measures linearly.
double fittingPoints(DrawingSurface& m, const SurfaceFont& face, int lines, const PageBox& box) {
    constexpr double kProbe = 10;
    m.setFont({face.name, kProbe});
    const double lineHeight = m.textHeight(QStringLiteral("W"));
    const double digits = m.textWidth(QStringLiteral("00"));
    if (lineHeight <= 0 || digits <= 0) return 0;
    const double byHeight = kProbe * box.height / lines / lineHeight;
    const double byWidth = kProbe * box.width / kGridColumns / (kColumnWidths * digits);
    return std::min({byHeight, byWidth, face.size});
}

} // namespace

SmallMonthLayout LayOutSmallMonth(DrawingSurface& m, const PageLocale& locale,
                                  const SurfaceFont& face, int year, int month, PageBox box) {
    SmallMonthLayout small{year, month, box, face, {}};
    const MonthGrid grid = MonthGrid::of(year, month, locale.firstDay());
    const int rows = RowsNeeded(grid);
    const double points = fittingPoints(m, face, rows + 2, box);
    if (points < kSmallestMonthPoints) return small;
    small.font = {face.name, points};
    m.setFont(small.font);
    const double line = m.textHeight(QStringLiteral("W"));
    const double column = kColumnWidths * m.textWidth(QStringLiteral("00"));
    const double left = box.x + (box.width - kGridColumns * column) / 2;

    QString name = locale.monthHeading(month, year);
    if (m.textWidth(name) > box.width) name = locale.monthName(month);
    small.texts.push_back({name, box.x + (box.width - m.textWidth(name)) / 2, box.y});
    for (int c = 0; c < kGridColumns; ++c) {
        const QString initial = locale.dayInitial(locale.weekdayOfColumn(c));
        small.texts.push_back(
            {initial, left + c * column + (column - m.textWidth(initial)) / 2, box.y + line});
    }
    // Numbers stand right-aligned in their columns.
    for (int day = 1; day <= grid.length; ++day) {
        const int cell = grid.cellOfDay(day);
        const QString number = QString::number(day);
        const double right = left + (cell % kGridColumns + 1) * column - column / 6;
        small.texts.push_back(
            {number, right - m.textWidth(number), box.y + (cell / kGridColumns + 2) * line});
    }
    return small;
}

void DrawSmallMonth(DrawingSurface& surface, const SmallMonthLayout& small) {
    if (small.texts.empty()) return;
    surface.setFont(small.font);
    DrawPageLines(surface, small.texts);
}
