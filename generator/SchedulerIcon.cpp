#include "generator/SchedulerIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

// The leaf is laid out on a 64-unit square; the painter is scaled to the wanted size. Small
// sizes leave out the shadow and draw a heavier arrow so the picture stays legible.
namespace qvfsch {
namespace {

const QColor kBand(0x2e, 0x8b, 0x57);
const QColor kBandDark(0x1f, 0x66, 0x3f);
const QColor kFrame(0x55, 0x5e, 0x69);
const QColor kRing(0x4a, 0x52, 0x5c);

const QRectF kLeaf(6.0, 9.0, 52.0, 50.0);
constexpr double kBandHeight = 13.0;

void drawShadow(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(kLeaf.translated(1.5, 2.5), 6.0, 6.0);
}

void drawLeaf(QPainter& p, double frameWidth) {
    QPainterPath leaf;
    leaf.addRoundedRect(kLeaf, 6.0, 6.0);
    QPainterPath band;
    band.addRect(QRectF(kLeaf.left(), kLeaf.top(), kLeaf.width(), kBandHeight));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(leaf);
    p.setBrush(kBand);
    p.drawPath(leaf.intersected(band));
    p.setPen(QPen(kFrame, frameWidth));
    p.setBrush(Qt::NoBrush);
    p.drawPath(leaf);
}

void drawRings(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(kRing);
    for (const double x : {19.0, 41.0})
        p.drawEllipse(QRectF(x, 4.0, 4.5, 11.0));
}

// Most of a circle below the band, running clockwise from the right and ending at the top
// in an arrowhead that points onwards, to the right.
void drawRepeatArrow(QPainter& p, double width) {
    const QPointF centre(kLeaf.center().x(), kLeaf.top() + kBandHeight + 19.0);
    const double radius = 11.5;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double start = 20.0; // degrees, anticlockwise from three o'clock
    const double span = -290.0;
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, span);
    p.setPen(QPen(kBandDark, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // At the top of the circle the arc runs to the right; the head's base lies across the
    // arc's end.
    const QPointF end(centre.x(), centre.y() - radius);
    const double half = width * 1.2;
    const QPolygonF arrow{end + QPointF(0, -half), end + QPointF(0, half),
                          end + QPointF(width * 1.6, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(kBandDark);
    p.drawPolygon(arrow);
}

} // namespace

QImage schedulerIconImage(int size) {
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
    drawRepeatArrow(p, small ? 6.0 : 4.5);
    return image;
}

QIcon schedulerIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(schedulerIconImage(size)));
    return icon;
}

} // namespace qvfsch
