#include "document/PhotoFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <algorithm>

namespace {

// The extensions of photo formats, as cameras, phones and editors write them. Formats of
// icons, cursors and drawings are no photos even when the reader knows them.
struct PhotoFormat {
    const char* extension;
    const char* format; // the reader's name of the format
};
constexpr PhotoFormat kPhotoFormats[] = {
    {"jpg", "jpeg"},  {"jpeg", "jpeg"}, {"jpe", "jpeg"},  {"png", "png"},  {"heic", "heic"},
    {"heif", "heif"}, {"avif", "avif"}, {"webp", "webp"}, {"tif", "tiff"}, {"tiff", "tiff"},
    {"bmp", "bmp"},   {"gif", "gif"},   {"jxl", "jxl"},
};

bool readable(const PhotoFormat& format) {
    return QImageReader::supportedImageFormats().contains(QByteArray(format.format));
}

QStringList readableExtensions() {
    QStringList extensions;
    for (const PhotoFormat& format : kPhotoFormats)
        if (readable(format)) extensions << QLatin1String(format.extension);
    return extensions;
}

// The length of the run of digits at the start of text.
qsizetype digitRun(QStringView text) {
    qsizetype length = 0;
    while (length < text.size() && text[length].isDigit())
        ++length;
    return length;
}

// Name order as people count: runs of digits by their value ("img2" before "img10", leading
// zeros aside), the rest letter by letter with case aside. The same on every locale.
int compareNames(QStringView a, QStringView b) {
    while (!a.isEmpty() && !b.isEmpty()) {
        const qsizetype digitsA = digitRun(a), digitsB = digitRun(b);
        if (digitsA > 0 && digitsB > 0) {
            QStringView numberA = a.first(digitsA), numberB = b.first(digitsB);
            while (numberA.size() > 1 && numberA.front() == u'0')
                numberA = numberA.sliced(1);
            while (numberB.size() > 1 && numberB.front() == u'0')
                numberB = numberB.sliced(1);
            if (numberA.size() != numberB.size()) return numberA.size() < numberB.size() ? -1 : 1;
            if (const int order = numberA.compare(numberB)) return order;
            a = a.sliced(digitsA);
            b = b.sliced(digitsB);
            continue;
        }
        if (const int order = a.first(1).compare(b.first(1), Qt::CaseInsensitive)) return order;
        a = a.sliced(1);
        b = b.sliced(1);
    }
    return a.isEmpty() ? (b.isEmpty() ? 0 : -1) : 1;
}

bool isCover(const QFileInfo& file) {
    return file.completeBaseName().compare(QLatin1String("cover"), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsPhotoFileName(const QString& fileName) {
    const QString suffix = QFileInfo(fileName).suffix();
    return !suffix.isEmpty() && readableExtensions().contains(suffix, Qt::CaseInsensitive);
}

QString PhotoFileFilter() {
    QStringList patterns;
    for (const QString& extension : readableExtensions())
        patterns << QStringLiteral("*.") + extension; // file dialogs match in any case
    return QCoreApplication::translate("PhotoFolder", "Photos (%1)").arg(patterns.join(u' ')) +
           QStringLiteral(";;") + QCoreApplication::translate("PhotoFolder", "All Files (*)");
}

FolderPhotos PhotosOfFolder(const QString& folder) {
    QFileInfoList files;
    for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files | QDir::Readable))
        if (IsPhotoFileName(file.fileName())) files << file;
    std::sort(files.begin(), files.end(), [](const QFileInfo& a, const QFileInfo& b) {
        const int order = compareNames(a.fileName(), b.fileName());
        return order != 0 ? order < 0 : a.fileName() < b.fileName();
    });
    FolderPhotos photos;
    int month = 1;
    for (const QFileInfo& file : files) {
        if (isCover(file)) {
            // A second "cover" (a copy in another format) is no month's photo either.
            if (!photos.paths[kCoverPhoto].isEmpty()) continue;
            photos.paths[kCoverPhoto] = file.absoluteFilePath();
        } else if (month < kPhotoSlots) {
            photos.paths[month++] = file.absoluteFilePath();
        } else {
            ++photos.leftOver;
            continue;
        }
        ++photos.found;
    }
    return photos;
}

void TakeFolderPhotos(PhotoChoices& choices, const FolderPhotos& folder) {
    for (int slot = 0; slot < kPhotoSlots; ++slot)
        choices.photos[slot] = PhotoChoice{.path = folder.paths[slot]};
}

void SwapPhotos(PhotoChoices& choices, int first, int second) {
    if (first < 0 || second < 0 || first >= kPhotoSlots || second >= kPhotoSlots) return;
    std::swap(choices.photos[first], choices.photos[second]);
}
