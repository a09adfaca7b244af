#include "drawing/PhotoFrame.h"

#include "document/AppState.h"
#include "drawing/PhotoPages.h"
#include "drawing/PrintJob.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <algorithm>

QString PhotoLayoutCaption(PhotoLayout layout) {
    switch (layout) {
    case PhotoLayout::Above:
        return QCoreApplication::translate("PhotoFrame", "Photo above the month");
    case PhotoLayout::Facing:
        return QCoreApplication::translate("PhotoFrame", "Photo facing the month");
    case PhotoLayout::None:
        break;
    }
    return QCoreApplication::translate("PhotoFrame", "No photos");
}

QString PhotoSlotName(int slot) {
    if (slot == kCoverPhoto)
        return QCoreApplication::translate("PhotoFrame", "Cover", "the photo of the cover page");
    return InterfaceMonthName(slot);
}

PaperInches PhotoPaper(const QPageSize& pageSize, const LayoutSettings& layout,
                       PhotoLayout photos) {
    const QSizeF upright = pageSize.size(QPageSize::Inch);
    const double shorter = std::min(upright.width(), upright.height());
    const double longer = std::max(upright.width(), upright.height());
    const PrintPlan plan{false, {}, photos};
    if (PlanOrientation(layout, plan) == QPageLayout::Portrait) return {shorter, longer};
    return {longer, shorter};
}

std::vector<QString> ChoiceWarnings(const AppState& app, const PhotoChoices& choices,
                                    const QPageSize& pageSize) {
    const PrintPlan plan{false, MonthsToPrint(true, {}), choices.layout};
    return PhotoWarnings(app, choices, plan, PhotoPaper(pageSize, app.Layout, choices.layout));
}
