#include "drawing/PhotoFrame.h"
#include "drawing/PhotoPages.h"
#include "settings/LoadSettings.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

// The frame the photos window marks is the one the pages print: the page turned as the
// layout prints it, the margins taken off, and the photo's part of the page.
TEST(PhotoFrame, TheWindowsFrameIsThePrintedFrameOnThePaperTurnedForTheLayout) {
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout; // margins of 0.75 inch
    t.app.DisplayYear = 2027;
    const QPageSize a4(QPageSize::A4);
    struct Case {
        PhotoLayout photos;
        int slot;
        double width, height; // inches; a height of 0: less than the page's
    };
    const double across = 8.27 - 1.5, down = 11.69 - 1.5;
    const Case cases[] = {
        {PhotoLayout::Above, 3, across, (down - kPhotoGap) / 2},
        {PhotoLayout::Above, kCoverPhoto, across, across * 3 / 4},
        {PhotoLayout::Facing, 3, down, across}, // a landscape page
        {PhotoLayout::Facing, kCoverPhoto, down, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PhotoLayoutCaption(c.photos).toStdString() + " " + std::to_string(c.slot));
        const PrintPlan plan{false, {}, c.photos};
        const QSizeF frame =
            PhotoSlotFrame(t.app, plan, c.slot, PhotoPaper(a4, t.app.Layout, c.photos)).size();
        EXPECT_NEAR(frame.width(), c.width, 0.02);
        if (c.height > 0)
            EXPECT_NEAR(frame.height(), c.height, 0.02);
        else
            EXPECT_LT(frame.height(), across - kPhotoGap); // the title and year fit below
    }
    const PrintPlan none{false, {}, PhotoLayout::None};
    EXPECT_TRUE(PhotoSlotFrame(t.app, none, 3, PhotoPaper(a4, t.app.Layout, {})).isEmpty());
}
