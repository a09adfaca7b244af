#pragma once

#include "drawing/PageLine.h"
#include "drawing/PageLocale.h"
#include "platform/DrawingSurface.h"

#include <vector>

// A month as a small calendar inside a box of the page: its name and year, the weekdays'
// initials and the day numbers, seven columns from the page's first day of the week. All
// measures in inches, like the page.

struct PageBox {
    double x = 0;
    double y = 0;
    double width = 0;
    double height = 0;
    double right() const { return x + width; }
    double bottom() const { return y + height; }
};

struct SmallMonthLayout {
    int year = 0;
    int month = 0;
    PageBox box;
    SurfaceFont font;
    std::vector<PageLine> texts; // the name, the initials, then days 1 to the last
};

// The smallest size a small month is written in; a box that only holds smaller text stays
// empty.
inline constexpr double kSmallestMonthPoints = 3.5;

// Lays month (1 to 12) of year out in box, in face at the largest size up to face's own
// that lets every line fit, centred across the box and from its top. No texts when even
// kSmallestMonthPoints does not fit. Leaves the surface's font changed.
SmallMonthLayout LayOutSmallMonth(DrawingSurface& metrics, const PageLocale& locale,
                                  const SurfaceFont& face, int year, int month, PageBox box);

// Writes the texts of a small month in its font and the current text colour.
void DrawSmallMonth(DrawingSurface& surface, const SmallMonthLayout& small);
