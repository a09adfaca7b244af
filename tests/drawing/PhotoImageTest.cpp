#include "drawing/PhotoImage.h"
#include "PhotoFiles.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Photos read the way they are shown, cut to the shape of their frame.

namespace {

// Every crop has the frame's shape and lies inside the photo.
void expectFits(QRectF crop, QSizeF image, QSizeF frame) {
    EXPECT_NEAR(crop.width() / crop.height(), frame.width() / frame.height(), 1e-9);
    EXPECT_GE(crop.left(), 0);
    EXPECT_GE(crop.top(), 0);
    EXPECT_LE(crop.right(), image.width() + 1e-9);
    EXPECT_LE(crop.bottom(), image.height() + 1e-9);
}

} // namespace

TEST(PhotoCrop, KeepsTheFramesShapeAroundTheFocusAsFarAsTheEdgesAllow) {
    struct Case {
        QSizeF image, frame;
        int focusX, focusY;
        QRectF crop;
    };
    const Case cases[] = {
        // Centre: a wide photo in a wider frame loses top and bottom evenly.
        {{4000, 3000}, {2, 1}, 500, 500, {0, 500, 4000, 2000}},
        // Focus at the edges and beyond: the crop stops at the photo's edge.
        {{4000, 3000}, {2, 1}, 500, 0, {0, 0, 4000, 2000}},
        {{4000, 3000}, {2, 1}, 500, 1000, {0, 1000, 4000, 2000}},
        {{4000, 3000}, {2, 1}, -200, 5000, {0, 1000, 4000, 2000}},
        // A portrait photo in a landscape frame keeps its width.
        {{3000, 4000}, {6, 4}, 500, 500, {0, 1000, 3000, 2000}},
        {{3000, 4000}, {6, 4}, 500, 100, {0, 0, 3000, 2000}},
        // A landscape photo in a portrait frame keeps its height; focus moves it sideways.
        {{4000, 3000}, {3, 6}, 900, 500, {2500, 0, 1500, 3000}},
        {{4000, 3000}, {3, 6}, 250, 500, {250, 0, 1500, 3000}},
        // The same shape: the whole photo.
        {{1600, 1200}, {8, 6}, 0, 1000, {0, 0, 1600, 1200}},
    };
    for (const Case& c : cases) {
        const QRectF crop = PhotoCrop(c.image, c.frame, c.focusX, c.focusY);
        EXPECT_EQ(crop, c.crop) << c.focusX << ' ' << c.focusY;
        expectFits(crop, c.image, c.frame);
    }
    EXPECT_TRUE(PhotoCrop({4000, 3000}, {0, 5}, 500, 500).isEmpty());
    EXPECT_TRUE(PhotoCrop({0, 0}, {5, 5}, 500, 500).isEmpty());
}

namespace {

// Stored pixels that tell where they are: red grows from left to right, green from top to
// bottom.
QImage gradient(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), 128));
    return picture;
}

bool near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 16 && std::abs(a.green() - b.green()) < 16 &&
           std::abs(a.blue() - b.blue()) < 16;
}

} // namespace

// An upright photo stored on its side shows taller than wide; the size comes from the
// header and the orientation tag.
TEST(PhotoSize, IsTheSizeAsShown) {
    QTemporaryDir dir;
    for (const auto& [orientation, shown] : {std::pair{1, QSize(320, 192)},
                                             {3, QSize(320, 192)},
                                             {6, QSize(192, 320)},
                                             {8, QSize(192, 320)},
                                             {5, QSize(192, 320)}}) {
        const QString path = dir.filePath(QStringLiteral("o%1.jpg").arg(orientation));
        ASSERT_TRUE(writeCameraJpeg(path, gradient({320, 192}), orientation));
        EXPECT_EQ(PhotoSize(path), shown) << orientation;
        EXPECT_EQ(ReadPhoto(path).image.size(), shown) << orientation;
    }
}

// A crop given in the shown photo's pixels keeps that part whichever way the file stores
// it, also when the decoder cuts and shrinks the stored pixels while it reads: the same
// colours as the whole photo turned and then cut.
TEST(ReadPhoto, CropsAndShrinksThePhotoAsShownForEveryOrientation) {
    QTemporaryDir dir;
    const QRectF crop(72, 40, 160, 128); // off the centre, so that a turn moves it
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const QString path = dir.filePath(QStringLiteral("o%1.jpg").arg(orientation));
        ASSERT_TRUE(writeCameraJpeg(path, gradient({256, 256}), orientation));
        const QImage whole = ReadPhoto(path).image;
        ASSERT_EQ(whole.size(), QSize(256, 256));
        // The crop is 160 by 128: a quarter of it comes from the decoder alone; 84 by 68
        // takes the decoder's half, which is near enough; 100 by 80 is scaled smoothly.
        const std::pair<QSize, QSize> fits[] = {{QSize(), QSize(160, 128)},
                                                {QSize(40, 32), QSize(40, 32)},
                                                {QSize(84, 68), QSize(80, 64)},
                                                {QSize(100, 100), QSize(100, 80)}};
        for (const auto& [fit, expected] : fits) {
            const PhotoRead part = ReadPhoto(path, fit, crop);
            ASSERT_TRUE(part.error.isEmpty()) << part.error.toStdString();
            ASSERT_EQ(part.image.size(), expected) << orientation << ' ' << fit.width();
            for (const QPointF at :
                 {QPointF(0.2, 0.2), QPointF(0.8, 0.2), QPointF(0.2, 0.8), QPointF(0.8, 0.8)}) {
                const QColor want = whole.pixelColor(int(crop.x() + at.x() * crop.width()),
                                                     int(crop.y() + at.y() * crop.height()));
                const QColor got = part.image.pixelColor(int(at.x() * expected.width()),
                                                         int(at.y() * expected.height()));
                EXPECT_TRUE(near(got, want))
                    << "orientation " << orientation << " fit " << fit.width() << " at " << at.x()
                    << ',' << at.y() << ' ' << got.name().toStdString();
            }
        }
    }
}

TEST(ReadPhoto, NeverScalesUp) {
    QTemporaryDir dir;
    QImage small(320, 240, QImage::Format_RGB32);
    small.fill(Qt::darkCyan);
    const QString path = dir.filePath("small.png");
    ASSERT_TRUE(small.save(path));
    EXPECT_EQ(ReadPhoto(path, {3000, 3000}).image.size(), QSize(320, 240));
    EXPECT_EQ(ReadPhoto(path, {160, 160}).image.size(), QSize(160, 120));
}

TEST(ReadPhoto, MissingFilesAndOtherFilesAreNamedAndNeverRead) {
    QTemporaryDir dir;
    QFile text(dir.filePath("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("shopping list\n");
    text.close();
    QFile cut(dir.filePath("cut.jpg")); // a JPEG that ends inside its header
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(QByteArray::fromHex("ffd8ffe000104a464946"));
    cut.close();
    struct Case {
        QString name, says;
    };
    for (const Case& c : {Case{"gone.jpg", "does not exist"}, Case{"notes.jpg", "not a photo"},
                          Case{"cut.jpg", "cut.jpg"}, Case{"", "does not exist"}}) {
        const QString path = c.name.isEmpty() ? dir.path() : dir.filePath(c.name);
        EXPECT_FALSE(PhotoSize(path)) << c.name.toStdString();
        const PhotoRead read = ReadPhoto(path, {100, 100});
        EXPECT_TRUE(read.image.isNull());
        EXPECT_TRUE(read.error.contains(c.says)) << read.error.toStdString();
        EXPECT_EQ(PhotoError(path).isEmpty(), false);
    }
}
