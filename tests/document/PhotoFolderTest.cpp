#include "document/PhotoFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Files in a folder: those whose names end in an image extension hold a real picture, the
// others a line of text; a name ending in "/" is a folder.
void makeFiles(const QTemporaryDir& dir, const QStringList& names) {
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        if (name.endsWith(u'/')) {
            QDir().mkpath(path);
        } else if (name.contains(QLatin1String(".txt"))) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("not a photo\n");
        } else {
            QImage image(8, 6, QImage::Format_RGB32);
            image.fill(Qt::green);
            ASSERT_TRUE(image.save(path, name.section(u'.', -1).toLatin1().toUpper()))
                << qPrintable(name);
        }
    }
}

} // namespace

TEST(PhotoFolder, TakesTheCoverAndTheMonthsInNameOrder) {
    struct Case {
        const char* what;
        QStringList files;
        QStringList expected; // slot 0 (the cover) first, "" where there is none
        int leftOver;
    };
    const QStringList twelve{"m01.png", "m02.png", "m03.png", "m04.png", "m05.png", "m06.png",
                             "m07.png", "m08.png", "m09.png", "m10.png", "m11.png", "m12.png"};
    const std::vector<Case> cases{
        {"numbers by their value, case aside",
         {"img10.png", "IMG2.PNG", "img1.jpg"},
         {"", "img1.jpg", "IMG2.PNG", "img10.png"},
         0},
        {"the cover in any case, wherever it sorts; a second cover is passed over",
         {"a.png", "Cover.JPG", "cover.png", "z.png"},
         {"Cover.JPG", "a.png", "z.png"},
         0},
        {"only photos count: no text, no folder, no hidden file, no cover.txt",
         {"notes.txt", "cover.txt", "album.jpg/", ".hidden.png", "b.jpeg"},
         {"", "b.jpeg"},
         0},
        {"more than twelve: the rest is counted, not taken",
         twelve + QStringList{"m13.png", "m14.png", "cover.png"}, QStringList{"cover.png"} + twelve,
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        makeFiles(dir, c.files);
        const FolderPhotos photos = PhotosOfFolder(dir.path());
        QStringList names;
        for (const QString& path : photos.paths)
            names << QFileInfo(path).fileName();
        while (!names.isEmpty() && names.last().isEmpty())
            names.removeLast();
        EXPECT_EQ(names, c.expected);
        EXPECT_EQ(photos.leftOver, c.leftOver);
        EXPECT_EQ(photos.found, int(c.expected.size() - c.expected.count(QString())));
        for (const QString& path : photos.paths)
            EXPECT_TRUE(path.isEmpty() || QFileInfo(path).isAbsolute());
    }
}

TEST(PhotoFolder, AFolderWithoutPhotosGivesNothingAndTakingReplacesEverySlot) {
    QTemporaryDir dir;
    makeFiles(dir, {"readme.txt"});
    EXPECT_TRUE(PhotosOfFolder(dir.path()).empty());
    EXPECT_TRUE(PhotosOfFolder(dir.filePath(QStringLiteral("missing"))).empty());

    PhotoChoices choices;
    choices.layout = PhotoLayout::Facing;
    choices.photos[kCoverPhoto] = {QStringLiteral("/old/cover.jpg"), 100, 900};
    choices.photos[5] = {QStringLiteral("/old/may.jpg"), 200, 300};
    FolderPhotos folder;
    folder.paths[1] = QStringLiteral("/new/jan.jpg");
    folder.found = 1;
    TakeFolderPhotos(choices, folder);
    EXPECT_EQ(choices.layout, PhotoLayout::Facing);
    EXPECT_TRUE(choices.photos[kCoverPhoto].empty());
    EXPECT_TRUE(choices.photos[5].empty());
    EXPECT_EQ(choices.photos[1], (PhotoChoice{QStringLiteral("/new/jan.jpg"), 500, 500}));
}
