#include "drawing/PhotoImage.h"
#include "PhotoFiles.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Photos read the way they are shown, cut to the shape of their frame.

TEST(PhotoCrop, KeepsTheFramesShapeAroundTheFocusAsFarAsTheEdgesAllow) {
    struct Case {
        QSizeF image, frame;
        int focusX, focusY;
        QRectF crop;
    };
    const Case cases[] = {
        {{4000, 3000}, {2, 1}, 500, 500, {0, 500, 4000, 2000}},    // top and bottom evenly
        {{4000, 3000}, {2, 1}, 500, 0, {0, 0, 4000, 2000}},        // focus at an edge
        {{4000, 3000}, {2, 1}, -200, 5000, {0, 1000, 4000, 2000}}, // and beyond it
        {{3000, 4000}, {6, 4}, 500, 100, {0, 0, 3000, 2000}},      // upright photo, wide frame
        {{4000, 3000}, {3, 6}, 900, 500, {2500, 0, 1500, 3000}},   // wide photo, upright frame
        {{4000, 3000}, {3, 6}, 250, 500, {250, 0, 1500, 3000}},
        {{1600, 1200}, {8, 6}, 0, 1000, {0, 0, 1600, 1200}}, // the same shape: all of it
        {{4000, 3000}, {0, 5}, 500, 500, {}},                // no frame, nothing to fill
    };
    for (const Case& c : cases)
        EXPECT_EQ(PhotoCrop(c.image, c.frame, c.focusX, c.focusY), c.crop)
            << c.image.width() << ' ' << c.frame.width() << ' ' << c.focusX;
}

namespace {

// Stored pixels that tell where they are: red grows from left to right, green downwards.
QImage gradient(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
    return picture;
}

} // namespace

// A crop in the shown photo's pixels keeps that part whichever way the camera stored it,
// also when the decoder cuts and shrinks the stored pixels while it reads: the colours are
// those of the whole photo turned and then cut. A photo is never scaled up.
TEST(ReadPhoto, CropsAndShrinksThePhotoAsShownForEveryOrientation) {
    QTemporaryDir dir;
    const QRectF crop(72, 40, 160, 128); // off the centre, so that a wrong turn moves it
    // A quarter of the crop comes from the decoder alone; 84 by 68 takes the decoder's half,
    // near enough; 100 by 80 is scaled smoothly; 400 by 400 is more than the crop has.
    const std::pair<QSize, QSize> fits[] = {{{}, {160, 128}},
                                            {{40, 32}, {40, 32}},
                                            {{84, 68}, {80, 64}},
                                            {{100, 100}, {100, 80}},
                                            {{400, 400}, {160, 128}}};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QString path = dir.filePath(QStringLiteral("o%1.jpg").arg(orientation));
        ASSERT_TRUE(writeCameraJpeg(path, gradient({256, 256}), orientation));
        const QImage whole = ReadPhoto(path).image;
        for (const auto& [fit, size] : fits) {
            const QImage part = ReadPhoto(path, fit, crop).image;
            ASSERT_EQ(part.size(), size) << orientation << ' ' << fit.width();
            for (const double at : {0.2, 0.8}) {
                const QRgb want = whole.pixel(int(crop.x() + at * crop.width()),
                                              int(crop.y() + (1 - at) * crop.height()));
                const QRgb got = part.pixel(int(at * size.width()), int((1 - at) * size.height()));
                EXPECT_NEAR(qRed(got), qRed(want), 16) << orientation << ' ' << fit.width();
                EXPECT_NEAR(qGreen(got), qGreen(want), 16) << orientation << ' ' << fit.width();
            }
        }
    }
    // Stored on its side, an upright photo shows taller than wide.
    ASSERT_TRUE(writeCameraJpeg(dir.filePath("up.jpg"), gradient({320, 192}), 6));
    EXPECT_EQ(PhotoSize(dir.filePath("up.jpg")), QSize(192, 320));
}

TEST(ReadPhoto, MissingFilesAndOtherFilesAreNamedAndNeverRead) {
    QTemporaryDir dir;
    QFile text(dir.filePath("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("shopping list\n") > 0);
    text.close();
    for (const auto& [name, says] : {std::pair{"gone.jpg", "does not exist"},
                                     {"notes.jpg", "not a photo"},
                                     {"", "does not exist"}}) {
        const QString path = dir.filePath(QLatin1String(name)); // "": the folder itself
        EXPECT_FALSE(PhotoSize(path)) << name;
        const PhotoRead read = ReadPhoto(path, {100, 100});
        EXPECT_TRUE(read.image.isNull());
        EXPECT_TRUE(read.error.contains(QLatin1String(says))) << read.error.toStdString();
        EXPECT_EQ(PhotoError(path), read.error);
    }
}
