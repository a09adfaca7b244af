#include "desktop/AppIcon.h"
#include "shell/ToolbarGlyphs.h"

#include <gtest/gtest.h>

namespace {

// Share of pixels that are not fully transparent.
double coverage(const QImage& image) {
    int opaque = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            opaque += qAlpha(image.pixel(x, y)) > 0;
    return double(opaque) / (image.width() * image.height());
}

TEST(AppIcon, DrawsALeafOnATransparentGroundAtEverySize) {
    for (const int size : {16, 32, 48, 256}) {
        const QImage image = appIconImage(size);
        ASSERT_EQ(image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(image.pixel(0, size - 1)), 0) << size; // corner outside the leaf
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size * 3 / 4)), 255) << size;
        EXPECT_GT(coverage(image), 0.6) << size;
    }
    EXPECT_TRUE(appIconImage(0).isNull());
    EXPECT_FALSE(appIcon().availableSizes().isEmpty());
}

TEST(ToolGlyphs, EveryButtonHasAVisibleGlyphAndNoTwoAreAlike) {
    for (int tool = 0; tool < 10; ++tool) {
        const QImage glyph = toolGlyph(tool, 16);
        EXPECT_GT(coverage(glyph), 0.2) << tool;
        for (int other = 0; other < tool; ++other)
            EXPECT_NE(glyph, toolGlyph(other, 16)) << tool << " " << other;
    }
    EXPECT_EQ(coverage(toolGlyph(10, 16)), 0.0);
}

} // namespace
