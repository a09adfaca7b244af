#include "tools/PhotoOption.h"

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

namespace {

// The number that starts at i (digits only), with i moved past it.
qulonglong numberAt(const QString& text, qsizetype& i) {
    qulonglong value = 0;
    for (; i < text.size() && text[i].isDigit(); ++i)
        value = std::min<qulonglong>(value * 10 + qulonglong(text[i].digitValue()), 1ULL << 60);
    return value;
}

} // namespace

bool NameOrderBefore(const QString& a, const QString& b) {
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qulonglong x = numberAt(a, i), y = numberAt(b, j);
            if (x != y) return x < y;
            continue;
        }
        const QChar x = a[i++].toCaseFolded(), y = b[j++].toCaseFolded();
        if (x != y) return x < y;
    }
    if (a.size() - i != b.size() - j) return a.size() - i < b.size() - j;
    return a < b; // names that differ only in case or leading zeros keep one order
}

std::optional<PhotoChoices> PhotosFromFolder(const QString& folder, QString& error) {
    const QFileInfo info(folder);
    if (!info.isDir()) {
        error = QStringLiteral("%1 is not a folder.").arg(folder);
        return std::nullopt;
    }
    QFileInfoList files = QDir(folder).entryInfoList(QDir::Files | QDir::Readable);
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        return NameOrderBefore(a.fileName(), b.fileName());
    });
    PhotoChoices photos;
    int month = 1;
    bool any = false;
    for (const QFileInfo& file : files) {
        if (!QImageReader(file.filePath()).canRead()) continue;
        const QString path = file.absoluteFilePath();
        const bool cover =
            file.completeBaseName().compare(QLatin1String("cover"), Qt::CaseInsensitive) == 0;
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
