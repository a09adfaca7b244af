#include "document/PhotoRecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr char kAbove[] = "above";
constexpr char kFacing[] = "facing";

QDir calendarFolder(const QString& calendarFile) {
    return calendarFile.isEmpty() ? QDir() : QFileInfo(calendarFile).absoluteDir();
}

QByteArray storedPath(const QString& path, const QString& calendarFile) {
    if (!calendarFile.isEmpty()) {
        const QString relative = calendarFolder(calendarFile).relativeFilePath(path);
        if (!relative.startsWith(QLatin1String("../")) && relative != QLatin1String("..") &&
            !QDir::isAbsolutePath(relative))
            return QFile::encodeName(relative);
    }
    return QFile::encodeName(path);
}

} // namespace

void AddPhotoRecords(std::vector<SectionRecord>& records, const PhotoChoices& photos,
                     const QString& calendarFile) {
    if (photos.layout != PhotoLayout::None) {
        SectionRecord r{SectionKind::PhotoPages};
        r.name = photos.layout == PhotoLayout::Above ? kAbove : kFacing;
        records.push_back(std::move(r));
    }
    for (int slot = 0; slot < kPhotoSlots; ++slot) {
        const PhotoChoice& p = photos.photos[slot];
        // A line break cannot be held by a line; such a name is not a photo anyone chose.
        if (p.empty() || p.path.contains(u'\n') || p.path.contains(u'\r')) continue;
        SectionRecord r{SectionKind::Photo};
        r.index = slot;
        r.focusX = p.focusX;
        r.focusY = p.focusY;
        r.name = storedPath(p.path, calendarFile);
        records.push_back(std::move(r));
    }
}

PhotoChoices PhotosOfRecords(const std::vector<SectionRecord>& records,
                             const QString& calendarFile) {
    PhotoChoices photos;
    const QDir folder = calendarFolder(calendarFile);
    for (const SectionRecord& r : records) {
        if (r.kind == SectionKind::PhotoPages) {
            if (r.name == kAbove) photos.layout = PhotoLayout::Above;
            if (r.name == kFacing) photos.layout = PhotoLayout::Facing;
        } else if (r.kind == SectionKind::Photo && r.index >= 0 && r.index < kPhotoSlots) {
            PhotoChoice& p = photos.photos[r.index];
            p.path = QDir::cleanPath(folder.absoluteFilePath(QFile::decodeName(r.name)));
            p.focusX = r.focusX;
            p.focusY = r.focusY;
        }
    }
    return photos;
}
