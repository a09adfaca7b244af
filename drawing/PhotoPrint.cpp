#include "drawing/PhotoPrint.h"

#include "drawing/PhotoImage.h"
#include "drawing/PhotoPages.h"

#include <QPainter>
#include <cmath>

QImage PhotoForFrame(const PhotoChoice& choice, QSizeF frame) {
    if (choice.empty() || frame.isEmpty()) return {};
    const std::optional<QSize> size = PhotoSize(choice.path);
    if (!size) return {};
    const QRectF crop = PhotoCrop(QSizeF(*size), frame, choice.focusX, choice.focusY);
    const QSize most(int(std::ceil(frame.width() * kPhotoMostDpi)),
                     int(std::ceil(frame.height() * kPhotoMostDpi)));
    QImage image = ReadPhoto(choice.path, most, crop).image;
    // The page description embeds colour photos as JPEG; an opaque photo needs no mask.
    if (!image.isNull() && !image.hasAlphaChannel() && image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
    return image;
}

PhotoPagePrinter::PhotoPagePrinter(QPainter& painter, DrawingSurface& surface,
                                   const PageInput& input, const PhotoChoices& photos)
    : painter_(painter), surface_(surface), input_(input), photos_(photos),
      pixelsPerInch_(PainterSurface::pixelsPerInch(*painter.device())) {}

PhotoPagePrinter::~PhotoPagePrinter() {
    if (ahead_ && ahead_->image.valid()) ahead_->image.wait();
}

void PhotoPagePrinter::readAhead(int slot, QRectF frame) {
    if (ahead_ && ahead_->image.valid()) ahead_->image.wait();
    const PhotoChoice choice = photos_.photos[size_t(slot)];
    ahead_ = Ahead{slot, frame,
                   std::async(std::launch::async, [choice, size = frame.size()] {
                       return PhotoForFrame(choice, size);
                   })};
}

QImage PhotoPagePrinter::takePhoto(int slot, QRectF frame) {
    if (ahead_ && ahead_->slot == slot && ahead_->frame == frame) {
        QImage image = ahead_->image.get();
        ahead_.reset();
        return image;
    }
    return PhotoForFrame(photos_.photos[size_t(slot)], frame.size());
}

void PhotoPagePrinter::printCover() {
    const CoverLayout cover = LayOutCover(surface_, input_.doc, input_.layout, input_.year,
                                          input_.printerPage);
    printPhoto(kCoverPhoto, cover.photo);
    surface_.setFont(cover.font);
    surface_.setTextColor(Qt::black);
    for (const PageLine& line : cover.lines) {
        surface_.moveTo(line.x, line.y);
        surface_.printLine(line.text);
    }
}

void PhotoPagePrinter::printPhoto(int slot, QRectF frame) {
    const QImage image = takePhoto(slot, frame);
    if (image.isNull()) return;
    const double s = pixelsPerInch_;
    painter_.drawImage(QRectF(frame.x() * s, frame.y() * s, frame.width() * s, frame.height() * s),
                       image);
}
