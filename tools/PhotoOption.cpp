#include "tools/PhotoOption.h"

#include "document/PhotoFolder.h"

#include <QFileInfo>

void declarePhotos(QCommandLineParser& parser) {
    parser.addOption({QStringLiteral("photos"),
                      QStringLiteral("Print a photo calendar with the images of DIR in name "
                                     "order: cover.* on the cover, then one for each month "
                                     "(default: the photos kept in the calendar)."),
                      QStringLiteral("DIR")});
    parser.addOption({QStringLiteral("layout"),
                      QStringLiteral("How the photos go with the months: above (the photo over "
                                     "the grid, portrait), facing (a photo page before each "
                                     "month page) or none."),
                      QStringLiteral("LAYOUT")});
}

std::optional<PhotoChoices> PhotosFromFolder(const QString& folder, QString& error, int* leftOver) {
    if (!QFileInfo(folder).isDir()) {
        error = QStringLiteral("%1 is not a folder.").arg(folder);
        return std::nullopt;
    }
    const FolderPhotos found = PhotosOfFolder(folder);
    if (found.empty()) {
        error = QStringLiteral("%1 holds no image this program can read (JPEG, PNG and other "
                               "common formats).")
                    .arg(folder);
        return std::nullopt;
    }
    PhotoChoices photos;
    TakeFolderPhotos(photos, found);
    if (leftOver) *leftOver = found.leftOver;
    return photos;
}

PhotoOptions ApplyPhotoOptions(const QCommandLineParser& parser, PhotoChoices& photos) {
    PhotoOptions options;
    options.layout = photos.layout;
    if (parser.isSet(QStringLiteral("photos"))) {
        QString error;
        int leftOver = 0;
        const QString dir = parser.value(QStringLiteral("photos"));
        const std::optional<PhotoChoices> folder = PhotosFromFolder(dir, error, &leftOver);
        if (!folder) return {PhotoLayout::None, {}, error};
        photos.photos = folder->photos;
        if (leftOver > 0)
            options.notice = QStringLiteral("%1 more photos of %2 were left out: a calendar "
                                            "takes a cover and twelve months.")
                                 .arg(leftOver)
                                 .arg(dir);
        if (options.layout == PhotoLayout::None) options.layout = PhotoLayout::Above;
    }
    if (parser.isSet(QStringLiteral("layout"))) {
        const QString name = parser.value(QStringLiteral("layout")).trimmed().toLower();
        if (name == QLatin1String("above"))
            options.layout = PhotoLayout::Above;
        else if (name == QLatin1String("facing"))
            options.layout = PhotoLayout::Facing;
        else if (name == QLatin1String("none"))
            options.layout = PhotoLayout::None;
        else
            return {PhotoLayout::None, QStringLiteral("--layout takes above, facing or none."), {}};
    }
    return options;
}
