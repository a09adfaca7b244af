#pragma once

#include "drawing/MonthPage.h"

// The layout of what the month page adds to the plain grid: small months, the notes box and
// the shaded days. MonthPage calls these while it lays a page out.

// The bottom of the band that heading and title take: lower than headingBottom when a small
// month goes beside the heading and needs more height.
double HeadingBandBottom(const MonthPageLayout& page, double headingBottom);

// Lays out the small months, the notes box and the shaded cells of a page whose grid,
// heading and day numbers are laid out.
void LayOutPageExtras(DrawingSurface& metrics, const PageInput& input, MonthPageLayout& page);

// True when cells a and b both belong to one small month or to the notes box, so the grid
// line between them is not drawn.
bool JoinedInGrid(const MonthPageLayout& page, int a, int b);
