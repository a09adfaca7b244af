#include "drawing/windows/PhotoPicture.h"

#include "document/PhotoChoices.h"
#include "drawing/PhotoImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kPadding = 6; // pixels around the photo
constexpr int kCross = 8;   // half the focus cross

} // namespace

PhotoPicture::PhotoPicture(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 270);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setCursor(Qt::CrossCursor);
}

void PhotoPicture::setPhoto(QSize photoSize, const QImage& image, const QString& note) {
    photoSize_ = photoSize;
    image_ = image;
    note_ = note;
    update();
}

void PhotoPicture::setFrame(QSizeF frame, int focusX, int focusY) {
    frame_ = frame;
    focusX_ = focusX;
    focusY_ = focusY;
    update();
}

QRect PhotoPicture::photoRect() const {
    if (photoSize_.isEmpty()) return {};
    const QRect room = rect().adjusted(kPadding, kPadding, -kPadding, -kPadding);
    if (room.isEmpty()) return {};
    const QSize shown = photoSize_.scaled(room.size(), Qt::KeepAspectRatio);
    QRect placed(QPoint(), shown);
    placed.moveCenter(room.center());
    return placed;
}

QPoint PhotoPicture::focusAt(QPoint position) const {
    const QRect shown = photoRect();
    if (shown.isEmpty()) return {focusX_, focusY_};
    auto thousandths = [](int offset, int length) {
        return std::clamp(int(std::lround(double(offset) * kFocusScale / length)), 0, kFocusScale);
    };
    return {thousandths(position.x() - shown.left(), shown.width()),
            thousandths(position.y() - shown.top(), shown.height())};
}

void PhotoPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().dark());
    const QRect shown = photoRect();
    if (shown.isEmpty() || image_.isNull()) {
        painter.setPen(palette().brightText().color());
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, note_);
        if (shown.isEmpty()) return;
    }
    if (!image_.isNull()) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(shown, image_);
    }
    paintCrop(painter, shown);
}

void PhotoPicture::paintCrop(QPainter& painter, QRect shown) const {
    const double scale = double(shown.width()) / photoSize_.width();
    if (!frame_.isEmpty()) {
        const QRectF crop = PhotoCrop(QSizeF(photoSize_), frame_, focusX_, focusY_);
        const QRectF marked(shown.left() + crop.left() * scale, shown.top() + crop.top() * scale,
                            crop.width() * scale, crop.height() * scale);
        QPainterPath outside;
        outside.addRect(QRectF(shown));
        outside.addRect(marked);
        outside.setFillRule(Qt::OddEvenFill);
        painter.fillPath(outside, QColor(0, 0, 0, 150));
        painter.setPen(QPen(Qt::white, 2));
        painter.drawRect(marked);
    }
    const QPointF focus(shown.left() + shown.width() * focusX_ / double(kFocusScale),
                        shown.top() + shown.height() * focusY_ / double(kFocusScale));
    const std::initializer_list<std::pair<QColor, int>> pens{{Qt::black, 3}, {Qt::white, 1}};
    for (const auto& [colour, width] : pens) {
        painter.setPen(QPen(colour, width));
        painter.drawLine(focus - QPointF(kCross, 0), focus + QPointF(kCross, 0));
        painter.drawLine(focus - QPointF(0, kCross), focus + QPointF(0, kCross));
    }
}

void PhotoPicture::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || photoRect().isEmpty()) return;
    const QPoint focus = focusAt(event->position().toPoint());
    emit focusMoved(focus.x(), focus.y());
}

void PhotoPicture::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || photoRect().isEmpty()) return;
    const QPoint focus = focusAt(event->position().toPoint());
    emit focusMoved(focus.x(), focus.y());
}
