#pragma once

#include "document/PhotoChoices.h"
#include "drawing/MonthPage.h"

#include <QPageSize>
#include <QSizeF>
#include <QString>
#include <vector>

struct AppState;
struct LayoutSettings;

// Where a photo of a photo calendar goes on its page, as the photo windows show it.

// The name of a page layout for photos, as the windows show it: "No photos", "Photo above the
// month", "Photo facing the month".
QString PhotoLayoutCaption(PhotoLayout layout);

// The name of a photo slot in the windows: "Cover" for slot 0, the month's name for 1 to 12.
QString PhotoSlotName(int slot);

// The paper of a printer whose page is pageSize, turned as pages with photos of the layout
// print (PlanOrientation).
PaperInches PhotoPaper(const QPageSize& pageSize, const LayoutSettings& layout, PhotoLayout photos);

// The warnings PhotoWarnings gives for photos that are chosen but not yet the calendar's: the
// cover and the twelve months of choices on paper of pageSize.
std::vector<QString> ChoiceWarnings(const AppState& app, const PhotoChoices& choices,
                                    const QPageSize& pageSize);
