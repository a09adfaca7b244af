#include "desktop/AppIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// The leaf is laid out on a 64-unit square; the painter is scaled to the wanted size. Small
// sizes leave out the shadow and draw fewer, larger day cells so the picture stays legible.
namespace {

const QColor kBand(0xd6, 0x3f, 0x38);
const QColor kBandDark(0xa8, 0x2c, 0x27);
const QColor kFrame(0x55, 0x5e, 0x69);
const QColor kCell(0xd3, 0xd9, 0xe1);
const QColor kRing(0x4a, 0x52, 0x5c);

const QRectF kLeaf(6.0, 9.0, 52.0, 50.0);
constexpr double kBandHeight = 15.0;

QPainterPath leafPath() {
    QPainterPath path;
    path.addRoundedRect(kLeaf, 7.0, 7.0);
    return path;
}

void drawShadow(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(kLeaf.translated(1.5, 2.5), 7.0, 7.0);
}

void drawLeaf(QPainter& p, double frameWidth) {
    const QPainterPath leaf = leafPath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(leaf);
    QPainterPath band;
    band.addRect(QRectF(kLeaf.left(), kLeaf.top(), kLeaf.width(), kBandHeight));
    p.setBrush(kBand);
    p.drawPath(leaf.intersected(band));
    p.setPen(QPen(kBandDark, frameWidth));
    const double bandBottom = kLeaf.top() + kBandHeight;
    p.drawLine(QPointF(kLeaf.left(), bandBottom), QPointF(kLeaf.right(), bandBottom));
    p.setPen(QPen(kFrame, frameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(leaf);
}

void drawRings(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRing);
    for (const double x : {19.0, 41.0})
        p.drawRoundedRect(QRectF(x, 3.0, 4.5, 13.0), 2.2, 2.2);
}

// Day cells below the band; the cell in `marked` (row * columns + column) is red.
void drawDays(QPainter& p, int columns, int rows, int marked) {
    const double top = kLeaf.top() + kBandHeight + 5.0;
    const double bottom = kLeaf.bottom() - 5.0;
    const double left = kLeaf.left() + 5.0;
    const double right = kLeaf.right() - 5.0;
    const double gap = columns > 3 ? 2.5 : 4.0;
    const double w = (right - left - gap * (columns - 1)) / columns;
    const double h = (bottom - top - gap * (rows - 1)) / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            p.setBrush(row * columns + column == marked ? kBand : kCell);
            p.drawRect(QRectF(left + column * (w + gap), top + row * (h + gap), w, h));
        }
    }
}

} // namespace

QImage appIconImage(int size) {
    if (size < 1) return {};
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double scale = size / 64.0;
    p.scale(scale, scale);
    const bool small = size < 32;
    if (!small) drawShadow(p);
    // The frame is 1.5 units wide, and never thinner than one device pixel.
    drawLeaf(p, qMax(1.0 / scale, 1.5));
    drawRings(p);
    if (small)
        drawDays(p, 3, 2, 4);
    else
        drawDays(p, 5, 4, 8);
    return image;
}

QIcon appIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(appIconImage(size)));
    return icon;
}
