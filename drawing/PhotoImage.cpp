#include "drawing/PhotoImage.h"

#include "document/PhotoChoices.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImageIOHandler>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {

using Turn = QImageIOHandler::Transformations;

bool turnsSideways(Turn turn) {
    return turn.testFlag(QImageIOHandler::TransformationRotate90);
}

// A rectangle of the photo as shown, in the pixels of the photo as the file stores it. The
// shown photo is the stored one mirrored and flipped as the orientation says, then turned a
// quarter clockwise when it says so; this undoes those steps in the reverse order.
QRect toStored(QRect shown, QSize stored, Turn turn) {
    QRect r = shown;
    if (turnsSideways(turn)) // a quarter clockwise took stored (x, y) to (height - 1 - y, x)
        r = QRect(r.y(), stored.height() - r.x() - r.width(), r.height(), r.width());
    if (turn.testFlag(QImageIOHandler::TransformationMirror))
        r.moveLeft(stored.width() - r.x() - r.width());
    if (turn.testFlag(QImageIOHandler::TransformationFlip))
        r.moveTop(stored.height() - r.y() - r.height());
    return r;
}

QString notFound(const QString& path) {
    return QCoreApplication::translate("PhotoImage", "The photo %1 does not exist.")
        .arg(QFileInfo(path).fileName());
}

QString notAnImage(const QString& path) {
    return QCoreApplication::translate("PhotoImage",
                                       "%1 is not a photo this program can read (JPEG, PNG or "
                                       "another common image format).")
        .arg(QFileInfo(path).fileName());
}

// What the file's header says: its stored size and how it is turned; an error for the user
// when it is not a readable image.
struct Header {
    QSize stored;
    Turn turn = QImageIOHandler::TransformationNone;
    QString error;
};

Header readHeader(QImageReader& reader, const QString& path) {
    if (!QFileInfo(path).isFile()) return {{}, {}, notFound(path)};
    const QSize stored = reader.size();
    if (!reader.canRead() || !stored.isValid() || stored.isEmpty())
        return {{}, {}, notAnImage(path)};
    return {stored, reader.transformation(), {}};
}

// A decoder that shrinks by 2, 4 or 8 while it decodes (JPEG) is many times faster than one
// that decodes every pixel; its size is taken when it is no smaller than this share of the
// size wanted (a photo wanted at 300 dots per inch then prints at no less than 270).
constexpr double kDecodeShare = 0.9;

// The smallest size the decoder gives directly (the clip's size divided by 1, 2, 4 or 8) that
// is still no smaller than kDecodeShare of want.
QSize decodeSize(QSize clip, QSize want) {
    int divisor = 1;
    while (divisor < 8 && clip.width() / (divisor * 2) >= want.width() * kDecodeShare &&
           clip.height() / (divisor * 2) >= want.height() * kDecodeShare)
        divisor *= 2;
    return {(clip.width() + divisor - 1) / divisor, (clip.height() + divisor - 1) / divisor};
}

} // namespace

std::optional<QSize> PhotoSize(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const Header header = readHeader(reader, path);
    if (!header.error.isEmpty()) return std::nullopt;
    return turnsSideways(header.turn) ? header.stored.transposed() : header.stored;
}

QString PhotoError(const QString& path) {
    QImageReader reader(path);
    return readHeader(reader, path).error;
}

PhotoRead ReadPhoto(const QString& path, QSize fitWithin, QRectF crop) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const Header header = readHeader(reader, path);
    if (!header.error.isEmpty()) return {{}, header.error};
    const QSize shownSize = turnsSideways(header.turn) ? header.stored.transposed() : header.stored;
    const QRect whole(QPoint(0, 0), shownSize);
    QRect part = crop.isEmpty() ? whole : crop.toAlignedRect() & whole;
    if (part.isEmpty()) part = whole;
    QSize want = part.size();
    if (fitWithin.isValid() && !fitWithin.isEmpty() &&
        (want.width() > fitWithin.width() || want.height() > fitWithin.height()))
        want = want.scaled(fitWithin, Qt::KeepAspectRatio).expandedTo({1, 1});

    // A reader that can cut and shrink while it decodes (JPEG) reads only the part that is
    // kept, at the smallest size its decoder gives without going far below the size wanted;
    // its rectangles are in the stored photo's pixels. The last smooth step is always ours.
    const bool clips = reader.supportsOption(QImageIOHandler::ClipRect);
    if (clips) {
        const QRect stored = toStored(part, header.stored, header.turn);
        reader.setClipRect(stored);
        if (reader.supportsOption(QImageIOHandler::ScaledSize)) {
            const QSize storedWant = turnsSideways(header.turn) ? want.transposed() : want;
            const QSize decoded = decodeSize(stored.size(), storedWant);
            if (decoded != stored.size()) reader.setScaledSize(decoded);
        }
    }
    QImage image = reader.read();
    if (image.isNull())
        return {{},
                QCoreApplication::translate("PhotoImage", "%1 cannot be read: %2")
                    .arg(QFileInfo(path).fileName(), reader.errorString())};
    if (!clips && part != whole) image = image.copy(part);
    if (image.width() > want.width() || image.height() > want.height())
        image = image.scaled(want, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {image, {}};
}

QRectF PhotoCrop(QSizeF imageSize, QSizeF frameSize, int focusX, int focusY) {
    if (imageSize.isEmpty() || frameSize.isEmpty()) return {};
    // The frame's shape at the photo's full height, or at its full width when that is wider
    // than the photo.
    QSizeF size(imageSize.height() * frameSize.width() / frameSize.height(), imageSize.height());
    if (size.width() > imageSize.width())
        size = {imageSize.width(), imageSize.width() * frameSize.height() / frameSize.width()};
    const double cx = imageSize.width() * std::clamp(focusX, 0, kFocusScale) / double(kFocusScale);
    const double cy = imageSize.height() * std::clamp(focusY, 0, kFocusScale) / double(kFocusScale);
    const double x = std::clamp(cx - size.width() / 2, 0.0, imageSize.width() - size.width());
    const double y = std::clamp(cy - size.height() / 2, 0.0, imageSize.height() - size.height());
    return {QPointF(x, y), size};
}
