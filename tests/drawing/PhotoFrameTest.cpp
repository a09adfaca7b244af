#include "drawing/PhotoFrame.h"
#include "settings/LoadSettings.h"
#include "support/TestApp.h"

#include <gtest/gtest.h>

// The frames the photos window marks: the page turned as the layout prints it, the margins
// taken off, and the share of the page each photo has.
TEST(PhotoFrame, FramesFollowThePagesOrientationAndShare) {
    TestApp t;
    const LayoutSettings layout = LoadSettings(t.store).Layout; // margins of 0.75 inch
    const QPageSize a4(QPageSize::A4);
    struct Case {
        PhotoLayout photos;
        int slot;
        double width, height; // inches
    };
    const double portraitWidth = 8.27 - 1.5, portraitHeight = 11.69 - 1.5;
    const Case cases[] = {
        {PhotoLayout::Above, 3, portraitWidth, portraitHeight / 2},
        {PhotoLayout::Above, kCoverPhoto, portraitWidth, portraitHeight * kCoverPhotoShare},
        {PhotoLayout::Facing, 3, portraitHeight, portraitWidth}, // a landscape page
        {PhotoLayout::Facing, kCoverPhoto, portraitHeight, portraitWidth * kCoverPhotoShare},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(PhotoLayoutCaption(c.photos).toStdString() + " " + std::to_string(c.slot));
        const QSizeF frame =
            PhotoFrameSize(layout, c.photos, c.slot, PhotoPaper(a4, layout, c.photos));
        EXPECT_NEAR(frame.width(), c.width, 0.02);
        EXPECT_NEAR(frame.height(), c.height, 0.02);
    }
    EXPECT_TRUE(PhotoFrameSize(layout, PhotoLayout::None, 3, PhotoPaper(a4, layout, {})).isEmpty());
}
