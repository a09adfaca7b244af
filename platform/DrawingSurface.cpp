#include "platform/DrawingSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace {

QFont makeFont(const SurfaceFont& font) {
    QFont f(font.name);
    // A size of 0 or less has no meaning for a font; the smallest real size stands in.
    f.setPointSizeF(font.size > 0 ? font.size : 1);
    f.setBold(font.bold);
    f.setItalic(font.italic);
    return f;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter, double pixelsPerUnit)
    : painter_(painter), scale_(pixelsPerUnit), qfont_(makeFont(font_)),
      metrics_(qfont_, painter.device()) {}

double PainterSurface::pixelsPerInch(const QPaintDevice& device) {
    return device.logicalDpiY();
}

void PainterSurface::setFont(const SurfaceFont& font) {
    if (font == font_) return;
    font_ = font;
    qfont_ = makeFont(font);
    metrics_ = QFontMetricsF(qfont_, painter_.device());
}

double PainterSurface::textWidth(const QString& text) const {
    return metrics_.horizontalAdvance(text) / scale_;
}

double PainterSurface::textHeight(const QString&) const {
    return metrics_.lineSpacing() / scale_;
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2, const QColor& color) {
    QPen pen(color);
    pen.setWidthF(penWidth_ * scale_);
    painter_.setPen(pen);
    painter_.drawLine(QPointF(x1 * scale_, y1 * scale_), QPointF(x2 * scale_, y2 * scale_));
}

void PainterSurface::fillBox(double x, double y, double width, double height, const QColor& color) {
    painter_.fillRect(QRectF(x * scale_, y * scale_, width * scale_, height * scale_), color);
}

void PainterSurface::drawCircle(double x, double y, double radius, CircleFill fill,
                                const QColor& color) {
    const QRectF box((x - radius) * scale_, (y - radius) * scale_, 2 * radius * scale_,
                     2 * radius * scale_);
    QPen pen(color);
    pen.setWidthF(penWidth_ * scale_);
    painter_.setPen(pen);
    painter_.setBrush(fill == CircleFill::Whole ? QBrush(color) : QBrush(Qt::NoBrush));
    painter_.drawEllipse(box);
    if (fill == CircleFill::Left || fill == CircleFill::Right) {
        // Angles in sixteenths of a degree, counter-clockwise from three o'clock.
        painter_.setBrush(color);
        painter_.drawPie(box, (fill == CircleFill::Left ? 90 : -90) * 16, 180 * 16);
    }
    painter_.setBrush(Qt::NoBrush);
}

void PainterSurface::drawText(double x, double y, const QString& text) {
    if (text.isEmpty()) return;
    painter_.setFont(qfont_);
    painter_.setPen(textColor_);
    // QPainter places text by its baseline; the surface's position is the line's top.
    painter_.drawText(QPointF(x * scale_, y * scale_ + metrics_.ascent()), text);
}
