#include "shell/ToolbarGlyphs.h"

#include "desktop/AppIcon.h"
#include "shell/ToolbarModel.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

// Every glyph is drawn on a 16-unit square; the painter is scaled to the wanted size.
namespace {

const QColor kOutline(0x3c, 0x41, 0x48);

QPen outlinePen(const QColor& color = kOutline) {
    QPen pen(color, 1.0);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

void drawPage(QPainter& p) {
    p.setPen(outlinePen(QColor(0x5a, 0x62, 0x6c)));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{3.5, 1.5}, {9.5, 1.5}, {13.5, 5.5}, {13.5, 14.5}, {3.5, 14.5}}));
    p.setBrush(QColor(0xdd, 0xe3, 0xea));
    p.drawPolygon(QPolygonF({{9.5, 1.5}, {9.5, 5.5}, {13.5, 5.5}}));
    p.setPen(outlinePen(QColor(0xb4, 0xbe, 0xca)));
    for (const double y : {8.5, 10.5, 12.5})
        p.drawLine(QPointF(5.5, y), QPointF(11.5, y));
}

void drawFolder(QPainter& p) {
    p.setPen(outlinePen(QColor(0x8a, 0x64, 0x10)));
    p.setBrush(QColor(0xd9, 0xa4, 0x2c));
    p.drawPolygon(
        QPolygonF({{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {13.5, 5.0}, {13.5, 13.5}, {1.5, 13.5}}));
    p.setBrush(QColor(0xf6, 0xcf, 0x5c));
    p.drawPolygon(QPolygonF({{1.5, 13.5}, {4.0, 7.5}, {15.5, 7.5}, {13.5, 13.5}}));
}

void drawDisk(QPainter& p) {
    p.setPen(outlinePen(QColor(0x1f, 0x3f, 0x7a)));
    p.setBrush(QColor(0x3b, 0x6e, 0xc2));
    p.drawPolygon(QPolygonF({{1.5, 1.5}, {12.5, 1.5}, {14.5, 3.5}, {14.5, 14.5}, {1.5, 14.5}}));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.0, 2.0, 8.0, 5.0));
    p.setBrush(QColor(0xc9, 0xd2, 0xde));
    p.drawRect(QRectF(4.0, 9.5, 8.0, 5.0));
    p.setBrush(QColor(0x1f, 0x3f, 0x7a));
    p.drawRect(QRectF(9.0, 10.5, 2.0, 3.0));
}

void drawPrinter(QPainter& p) {
    p.setPen(outlinePen(QColor(0x5a, 0x62, 0x6c)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 7.0, 5.0));
    p.setBrush(QColor(0x8c, 0x96, 0xa3));
    p.drawRoundedRect(QRectF(1.5, 6.5, 13.0, 6.0), 1.5, 1.5);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 10.5, 7.0, 4.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0xc4, 0x5a));
    p.drawEllipse(QRectF(11.5, 8.0, 1.8, 1.8));
}

void drawGear(QPainter& p) {
    // Eight teeth: each a flat top on the outer radius with sloped flanks down to the root.
    QPainterPath gear;
    const QPointF c(8.0, 8.0);
    const auto at = [&](double radius, double degrees) {
        const double angle = qDegreesToRadians(degrees);
        return QPointF(c.x() + radius * qCos(angle), c.y() + radius * qSin(angle));
    };
    for (int k = 0; k < 8; ++k) {
        const double a = k * 45.0;
        const QPointF start = at(5.0, a - 16.0);
        k == 0 ? gear.moveTo(start) : gear.lineTo(start);
        gear.lineTo(at(7.2, a - 9.0));
        gear.lineTo(at(7.2, a + 9.0));
        gear.lineTo(at(5.0, a + 16.0));
    }
    gear.closeSubpath();
    QPainterPath hole;
    hole.addEllipse(c, 2.2, 2.2);
    p.setPen(outlinePen(QColor(0x3d, 0x4a, 0x5c)));
    p.setBrush(QColor(0x7d, 0x8d, 0xa3));
    p.drawPath(gear.subtracted(hole));
}

void drawPlus(QPainter& p) {
    // Filled without an outline: at 16 pixels an outline would leave the arms thin.
    QPainterPath upright;
    upright.addRoundedRect(QRectF(5.75, 1.5, 4.5, 13.0), 0.8, 0.8);
    QPainterPath across;
    across.addRoundedRect(QRectF(1.5, 5.75, 13.0, 4.5), 0.8, 0.8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2e, 0x8f, 0x3c));
    p.drawPath(upright.united(across));
}

void drawCross(QPainter& p) {
    QPainterPath bar;
    bar.addRoundedRect(QRectF(-7.0, -2.1, 14.0, 4.2), 0.8, 0.8);
    const auto turned = [&](double degrees) {
        return QTransform().translate(8.0, 8.0).rotate(degrees).map(bar);
    };
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xcc, 0x33, 0x33));
    p.drawPath(turned(45).united(turned(-45)));
}

void drawPencil(QPainter& p) {
    p.translate(8.0, 8.0);
    p.rotate(-45);
    p.setPen(outlinePen(QColor(0x5c, 0x45, 0x12)));
    p.setBrush(QColor(0xf2, 0xc0, 0x3a));
    p.drawRect(QRectF(-4.5, -2.2, 9.0, 4.4));
    p.setBrush(QColor(0xe8, 0x8a, 0x9a));
    p.drawRect(QRectF(4.5, -2.2, 2.6, 4.4));
    p.setBrush(QColor(0xf3, 0xdd, 0xb5));
    p.drawPolygon(QPolygonF({{-4.5, -2.2}, {-8.2, 0.0}, {-4.5, 2.2}}));
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawPolygon(QPolygonF({{-6.8, -0.85}, {-8.2, 0.0}, {-6.8, 0.85}}));
}

void drawSort(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x5a, 0x62, 0x6c));
    p.drawRect(QRectF(1.5, 3.0, 4.0, 2.0));
    p.drawRect(QRectF(1.5, 7.0, 6.5, 2.0));
    p.drawRect(QRectF(1.5, 11.0, 9.0, 2.0));
    p.setBrush(QColor(0x2f, 0x6f, 0xd0));
    p.drawRect(QRectF(12.0, 1.5, 2.0, 9.5));
    p.drawPolygon(QPolygonF({{10.0, 10.5}, {16.0, 10.5}, {13.0, 14.8}}));
}

void drawCalendar(QPainter& p, int size) {
    p.resetTransform();
    p.drawImage(QRect(0, 0, size, size), appIconImage(size));
}

} // namespace

QImage toolGlyph(int tool, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (!ToolbarModel::isTool(tool) || size <= 0) return image;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    switch (static_cast<ToolId>(tool)) {
    case ToolId::NewCalendar:
        drawPage(p);
        break;
    case ToolId::OpenCalendar:
        drawFolder(p);
        break;
    case ToolId::SaveCalendar:
        drawDisk(p);
        break;
    case ToolId::PrintCalendar:
        drawPrinter(p);
        break;
    case ToolId::Options:
        drawGear(p);
        break;
    case ToolId::ViewCalendar:
        drawCalendar(p, size);
        break;
    case ToolId::AddEntry:
        drawPlus(p);
        break;
    case ToolId::DeleteEntry:
        drawCross(p);
        break;
    case ToolId::EditEntry:
        drawPencil(p);
        break;
    case ToolId::ResortEntries:
        drawSort(p);
        break;
    }
    return image;
}
