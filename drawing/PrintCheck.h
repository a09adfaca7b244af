#pragma once

#include "document/PhotoChoices.h"
#include "drawing/FitReport.h"

#include <vector>

class QPagedPaintDevice;
struct AppState;

// The pages of app.DisplayYear's months laid out for device (its page and resolution, as
// PrintMonths would print them on it) without drawing anything: the days that would not
// show every entry, and the entries that cannot be shown. Nothing is reported to the user.
// The device is only measured: nothing is painted on it and no document is started. With
// photos above the months the grids are those below the photos.
std::vector<FitProblem> CheckMonthsFit(const AppState& app, const QPagedPaintDevice& device,
                                       const std::vector<int>& months,
                                       PhotoLayout photos = PhotoLayout::None);
