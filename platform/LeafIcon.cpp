#include "platform/LeafIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const QColor kFrame(0x55, 0x5e, 0x69);
const QColor kRing(0x4a, 0x52, 0x5c);

void drawShadow(QPainter& p, const LeafStyle& style) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(kLeafRect.translated(1.5, 2.5), style.corner, style.corner);
}

void drawLeaf(QPainter& p, const LeafStyle& style, double frameWidth) {
    QPainterPath leaf;
    leaf.addRoundedRect(kLeafRect, style.corner, style.corner);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(leaf);
    QPainterPath band;
    band.addRect(QRectF(kLeafRect.left(), kLeafRect.top(), kLeafRect.width(), style.bandHeight));
    p.setBrush(style.band);
    p.drawPath(leaf.intersected(band));
    if (style.bandLine) {
        p.setPen(QPen(style.bandDark, frameWidth));
        const double bandBottom = kLeafRect.top() + style.bandHeight;
        p.drawLine(QPointF(kLeafRect.left(), bandBottom), QPointF(kLeafRect.right(), bandBottom));
    }
    p.setPen(QPen(kFrame, frameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(leaf);
}

void drawRings(QPainter& p, const LeafStyle& style) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRing);
    for (const double x : {19.0, 41.0}) {
        if (style.roundRings)
            p.drawEllipse(QRectF(x, 4.0, 4.5, 11.0));
        else
            p.drawRoundedRect(QRectF(x, 3.0, 4.5, 13.0), 2.2, 2.2);
    }
}

} // namespace

QImage LeafIconImage(int size, const LeafStyle& style, void (*drawContent)(QPainter&, bool small)) {
    if (size < 1) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / 64.0;
    p.scale(scale, scale);
    const bool small = size < 32;
    if (!small) drawShadow(p, style);
    // The frame is 1.5 units wide, and never thinner than one device pixel.
    drawLeaf(p, style, qMax(1.0 / scale, 1.5));
    drawRings(p, style);
    drawContent(p, small);
    return image;
}

QIcon IconAtUsualSizes(QImage (*image)(int size)) {
    QIcon icon;
    for (const int size : kIconSizes)
        icon.addPixmap(QPixmap::fromImage(image(size)));
    return icon;
}
