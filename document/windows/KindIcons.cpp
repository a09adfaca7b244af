#include "document/windows/KindIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QPainterPath star(QPointF centre, qreal outer, qreal inner) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF p(centre.x() + r * qCos(angle), centre.y() + r * qSin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(qreal s) {
    QPainterPath path;
    path.moveTo(s * 0.5, s * 0.85);
    path.cubicTo(s * 0.05, s * 0.55, s * 0.05, s * 0.15, s * 0.3, s * 0.15);
    path.cubicTo(s * 0.42, s * 0.15, s * 0.5, s * 0.25, s * 0.5, s * 0.32);
    path.cubicTo(s * 0.5, s * 0.25, s * 0.58, s * 0.15, s * 0.7, s * 0.15);
    path.cubicTo(s * 0.95, s * 0.15, s * 0.95, s * 0.55, s * 0.5, s * 0.85);
    return path;
}

void drawGift(QPainter& p, qreal s) {
    p.setBrush(QColor(0xE0, 0x4F, 0x7A));
    p.drawRoundedRect(QRectF(s * 0.15, s * 0.35, s * 0.7, s * 0.55), s * 0.06, s * 0.06);
    p.setBrush(QColor(0xF5, 0xC2, 0x42));
    p.drawRect(QRectF(s * 0.44, s * 0.35, s * 0.12, s * 0.55));
    p.drawRect(QRectF(s * 0.1, s * 0.25, s * 0.8, s * 0.14));
}

void drawLeafWithStar(QPainter& p, qreal s) {
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.78), s * 0.08, s * 0.08);
    p.setBrush(QColor(0x3B, 0x7D, 0xD8));
    p.drawRect(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.2));
    p.setBrush(QColor(0xF0, 0xA0, 0x20));
    p.drawPath(star(QPointF(s * 0.5, s * 0.6), s * 0.24, s * 0.1));
}

void drawPin(QPainter& p, qreal s) {
    p.setBrush(QColor(0x2E, 0x9E, 0x5B));
    p.drawEllipse(QRectF(s * 0.25, s * 0.1, s * 0.5, s * 0.5));
    p.drawPolygon(QPolygonF(
        {QPointF(s * 0.3, s * 0.45), QPointF(s * 0.7, s * 0.45), QPointF(s * 0.5, s * 0.92)}));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(s * 0.4, s * 0.25, s * 0.2, s * 0.2));
}

} // namespace

QPixmap kindIcon(EntryKind kind, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), qMax(1.0, size / 20.0)));
    const qreal s = size;
    switch (kind) {
    case EntryKind::Birthday:
        drawGift(p, s);
        break;
    case EntryKind::Holiday:
        p.setBrush(QColor(0xF0, 0xA0, 0x20));
        p.drawPath(star(QPointF(s / 2, s * 0.54), s * 0.44, s * 0.18));
        break;
    case EntryKind::FloatingHoliday:
        drawLeafWithStar(p, s);
        break;
    case EntryKind::Anniversary:
        p.setBrush(QColor(0xD0, 0x30, 0x40));
        p.drawPath(heart(s));
        break;
    case EntryKind::Other:
        drawPin(p, s);
        break;
    }
    return pixmap;
}
