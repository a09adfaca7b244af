#include "generator/SchedulerIcon.h"

#include "platform/LeafIcon.h"

#include <QPainter>
#include <QPainterPath>

// Small sizes draw a heavier arrow so the picture stays legible.
namespace qvfsch {
namespace {

const LeafStyle kStyle{QColor(0x2e, 0x8b, 0x57), QColor(0x1f, 0x66, 0x3f), 13.0, 6.0, false, true};
const QRectF kLeaf = kLeafRect;

// Most of a circle below the band, running clockwise from the right and ending at the top
// in an arrowhead that points onwards, to the right.
void drawRepeatArrow(QPainter& p, double width) {
    const QPointF centre(kLeaf.center().x(), kLeaf.top() + kStyle.bandHeight + 19.0);
    const double radius = 11.5;
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    const double start = 20.0; // degrees, anticlockwise from three o'clock
    const double span = -290.0;
    QPainterPath arc;
    arc.arcMoveTo(circle, start);
    arc.arcTo(circle, start, span);
    p.setPen(QPen(kStyle.bandDark, width, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arc);

    // At the top of the circle the arc runs to the right; the head's base lies across the
    // arc's end.
    const QPointF end(centre.x(), centre.y() - radius);
    const double half = width * 1.2;
    const QPolygonF arrow{end + QPointF(0, -half), end + QPointF(0, half),
                          end + QPointF(width * 1.6, 0)};
    p.setPen(Qt::NoPen);
    p.setBrush(kStyle.bandDark);
    p.drawPolygon(arrow);
}

} // namespace

QImage schedulerIconImage(int size) {
    return LeafIconImage(size, kStyle,
                         [](QPainter& p, bool small) { drawRepeatArrow(p, small ? 6.0 : 4.5); });
}

QIcon schedulerIcon() {
    return IconAtUsualSizes(schedulerIconImage);
}

} // namespace qvfsch
