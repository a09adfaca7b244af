#include "tools/PhotoOption.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

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

std::optional<PhotoChoices> PhotosFromFolder(const QString& folder, QString& error) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        error = QStringLiteral("%1 is not a folder.").arg(folder);
        return std::nullopt;
    }
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    QCollator order;
    order.setNumericMode(true);
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(files.begin(), files.end(), [&](const QFileInfo& a, const QFileInfo& b) {
        const int c = order.compare(a.fileName(), b.fileName());
        return c != 0 ? c < 0 : a.fileName() < b.fileName();
    });
    PhotoChoices photos;
    int month = 1;
    bool any = false;
    for (const QFileInfo& file : files) {
        if (!QImageReader(file.filePath()).canRead()) continue;
        const QString path = file.absoluteFilePath();
        const bool cover = file.completeBaseName().compare(QLatin1String("cover"),
                                                           Qt::CaseInsensitive) == 0;
        if (cover && photos.photos[kCoverPhoto].empty()) {
            photos.photos[kCoverPhoto].path = path;
        } else if (month < kPhotoSlots) {
            photos.photos[size_t(month++)].path = path;
        }
        any = true;
    }
    if (!any) {
        error = QStringLiteral("%1 holds no image this program can read (JPEG, PNG and other "
                               "common formats).")
                    .arg(folder);
        return std::nullopt;
    }
    return photos;
}

PhotoOptions ApplyPhotoOptions(const QCommandLineParser& parser, PhotoChoices& photos) {
    PhotoOptions options;
    options.layout = photos.layout;
    if (parser.isSet(QStringLiteral("photos"))) {
        QString error;
        const std::optional<PhotoChoices> folder =
            PhotosFromFolder(parser.value(QStringLiteral("photos")), error);
        if (!folder) return {PhotoLayout::None, {}, error};
        photos.photos = folder->photos;
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
