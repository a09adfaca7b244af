#pragma once

#include "drawing/MonthPage.h"
#include "drawing/PrintJob.h"

#include <QString>
#include <vector>

struct AppState;

// The pages of a photo wall calendar: the cover, photo pages facing the month pages, and
// month pages with the photo above the grid. Measures in inches from the top-left corner of
// the printable area, as the month page.

// Photos print at no more than this many dots per inch; more would only make the file larger.
inline constexpr double kPhotoMostDpi = 300;
// Below this the print looks soft, and the user is told before printing.
inline constexpr double kPhotoSoftDpi = 150;

// One line for each photo of the plan's pages that prints at less than kPhotoSoftDpi on
// paper ("March: beach.jpg gives 96 dpi on A3; it will look soft"), or that cannot be read;
// in page order, the cover first. Nothing for a plan without photos.
std::vector<QString> PhotoWarnings(const AppState& app, const PrintPlan& plan, PaperInches paper);
