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

namespace {

constexpr size_t kReadsAhead = 2; // one for each core of a small machine

} // namespace

PhotoPagePrinter::PhotoPagePrinter(QPainter& painter, DrawingSurface& surface,
                                   const PageInput& input, const PhotoChoices& photos,
                                   std::vector<Placed> order)
    : painter_(painter), surface_(surface), input_(input), photos_(photos),
      pixelsPerInch_(PainterSurface::pixelsPerInch(*painter.device())), order_(std::move(order)) {
    readAhead();
}

PhotoPagePrinter::~PhotoPagePrinter() {
    for (Reading& r : reading_)
        if (r.image.valid()) r.image.wait();
}

void PhotoPagePrinter::readAhead() {
    while (reading_.size() < kReadsAhead && nextRead_ < order_.size()) {
        const Placed placed = order_[nextRead_++];
        const PhotoChoice choice = photos_.photos[size_t(placed.slot)];
        reading_.push_back({placed, std::async(std::launch::async, [choice, placed] {
                                return PhotoForFrame(choice, placed.frame.size());
                            })});
    }
}

QImage PhotoPagePrinter::takePhoto(int slot, QRectF frame) {
    if (!reading_.empty() && reading_.front().placed.slot == slot &&
        reading_.front().placed.frame == frame) {
        QImage image = reading_.front().image.get();
        reading_.pop_front();
        readAhead();
        return image;
    }
    return PhotoForFrame(photos_.photos[size_t(slot)], frame.size());
}

void PhotoPagePrinter::printCover() {
    const CoverLayout cover =
        LayOutCover(surface_, input_.doc, input_.layout, input_.year, input_.printerPage);
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
