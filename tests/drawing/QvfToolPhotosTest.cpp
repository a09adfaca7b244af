#include "PdfTools.h"
#include "PhotoFiles.h"
#include "support/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// qvftool print with a folder of photos: one image per photo in the PDF, none finer than
// the paper needs, turned as the camera said, and the soft ones named before printing.

namespace {

const QString kPhotoCalendar = QStringLiteral(DAYLARK_TEST_DATA "/handwritten.qvf");

// A photo with some detail (bands of colour and a diagonal), written as a camera writes it
// with the EXIF orientation tag (1: as stored).
void writePhoto(const QString& path, QSize stored, int orientation = 1) {
    QImage image(stored, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(40, 90, 160));
    painter.fillRect(QRect(0, stored.height() / 2, stored.width(), stored.height() / 2),
                     QColor(200, 170, 90));
    painter.setPen(QPen(Qt::white, stored.width() / 50.0));
    painter.drawLine(QPoint(0, 0), QPoint(stored.width(), stored.height()));
    painter.end();
    ASSERT_TRUE(writeCameraJpeg(path, image, orientation));
}

struct PdfImage {
    int page, width, height, xppi, yppi;
};

// The images of a PDF as pdfimages lists them, without their masks.
std::vector<PdfImage> pdfImageList(const QString& path) {
    std::vector<PdfImage> images;
    const QStringList lines = runPoppler(QStringLiteral("pdfimages"), {"-list", path}).split(u'\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.split(u' ', Qt::SkipEmptyParts);
        if (f.size() < 14 || f[2] != QLatin1String("image")) continue;
        images.push_back({f[0].toInt(), f[3].toInt(), f[4].toInt(), f[12].toInt(), f[13].toInt()});
    }
    return images;
}

} // namespace

TEST(QvfToolPhotos, PrintsOneImagePerPhotoAtNoMoreThanThePaperNeeds) {
    SKIP_WITHOUT_POPPLER();
    if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
        GTEST_SKIP() << "pdfimages (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString photos = dir.filePath("photos");
    QDir().mkpath(photos);
    for (int m = 1; m <= 12; ++m)
        if (m != 3 && m != 5)
            writePhoto(QStringLiteral("%1/%2.jpg").arg(photos).arg(m), {1600, 1200});
    writePhoto(photos + "/3 small.jpg", {320, 240});
    // Taken upright: stored on its side with the camera's orientation tag.
    writePhoto(photos + "/5 upright.jpg", {1600, 1200}, 6); // turn a quarter clockwise to show
    writePhoto(photos + "/Cover.jpg", {1600, 1200});
    (void)QFile(photos + "/notes.txt").open(QIODevice::WriteOnly); // not an image: passed over

    const QString out = dir.filePath("above.pdf");
    const ToolRun above = runQvftool(
        {"print", kPhotoCalendar, "--year", "2027", "--photos", photos, "--output", out});
    ASSERT_EQ(above.status, 0) << above.err.toStdString();
    EXPECT_EQ(pdfPages(out), 13); // the cover, then twelve months with their photos
    const std::vector<PdfImage> images = pdfImageList(out);
    ASSERT_EQ(images.size(), 13u);
    for (const PdfImage& image : images) {
        EXPECT_LE(image.xppi, 301) << "page " << image.page;
        EXPECT_LE(image.yppi, 301) << "page " << image.page;
    }
    // Name order counts numbers by value: "10.jpg" is October, after "5 upright.jpg" in May.
    // The upright photo of May, cut to the wide frame above its month from the photo as
    // shown: as wide as the upright photo's short side.
    EXPECT_EQ(images[5].page, 6);
    EXPECT_EQ(images[5].width, 1200);
    EXPECT_LT(images[5].height, 1200);
    EXPECT_TRUE(pdfText(out, 6).contains(QStringLiteral("May 2027")));
    EXPECT_TRUE(above.err.contains(QStringLiteral("March: 3 small.jpg gives ")))
        << above.err.toStdString();
    EXPECT_EQ(above.err.count(QStringLiteral("it will look soft")), 1);

    const QString facing = dir.filePath("facing.pdf");
    ASSERT_EQ(runQvftool({"print", kPhotoCalendar, "--year", "2027", "--photos", photos, "--months",
                          "5", "--layout", "facing", "--output", facing})
                  .status,
              0);
    EXPECT_EQ(pdfPages(facing), 3); // the cover, May's photo, May
    EXPECT_GT(pdfPageSize(facing).width(), pdfPageSize(facing).height());

    // On upright paper the photo page facing May is upright, and so is the photo on it.
    QTemporaryDir config;
    QDir().mkpath(config.filePath("Daylark"));
    QFile conf(config.filePath("Daylark/Daylark.conf"));
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write("[Software]\nDaylark\\Layout\\PaperSize=Custom\n"
               "Daylark\\Layout\\PaperSizeWidth=8.5\nDaylark\\Layout\\PaperSizeHeight=11\n"
               "Daylark\\Layout\\PaperOrientation=Portrait\n");
    conf.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config.path());
    const QString upright = dir.filePath("upright.pdf");
    ASSERT_EQ(runQvftool({"print", kPhotoCalendar, "--year", "2027", "--photos", photos, "--months",
                          "5", "--layout", "facing", "--settings", "--output", upright},
                         env)
                  .status,
              0);
    const std::vector<PdfImage> portrait = pdfImageList(upright);
    ASSERT_EQ(portrait.size(), 2u);
    EXPECT_GT(portrait[1].height, portrait[1].width) << "the upright photo of May";
}

TEST(QvfToolPhotos, AFolderWithoutImagesOrABadLayoutWritesNothing) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("empty"));
    (void)QFile(dir.filePath("empty/readme.txt")).open(QIODevice::WriteOnly);
    const QString out = dir.filePath("out.pdf");
    struct Case {
        QStringList options;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {{"--photos", dir.filePath("empty")}, 1, "holds no image"},
        {{"--photos", dir.filePath("missing")}, 1, "is not a folder"},
        {{"--photos", kPhotoCalendar}, 1, "is not a folder"},
        {{"--layout", "sideways"}, 2, "--layout takes above, facing or none"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runQvftool(
            QStringList{"print", kPhotoCalendar, "--year", "2027", "--output", out} + c.options);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QLatin1String(c.says))) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(out));
    }
}

// A folder with more photos than a calendar takes says how many were left out, and prints.
TEST(QvfToolPhotos, PhotosAfterDecemberAreNamedAsLeftOut) {
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("many"));
    for (int i = 1; i <= 14; ++i) {
        QImage photo(16, 12, QImage::Format_RGB32);
        photo.fill(Qt::darkGreen);
        ASSERT_TRUE(photo.save(dir.filePath(QStringLiteral("many/%1.png").arg(i))));
    }
    const QString out = dir.filePath("out.pdf");
    const ToolRun run = runQvftool({"print", kPhotoCalendar, "--year", "2027", "--months", "1",
                                    "--photos", dir.filePath("many"), "--output", out});
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(QLatin1String("2 more photos"))) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(out));
}
