#include "desktop/AppIcon.h"

#include "platform/LeafIcon.h"

#include <QPainter>

// Small sizes draw fewer, larger day cells so the picture stays legible.
namespace {

const QColor kCell(0xd3, 0xd9, 0xe1);
const LeafStyle kStyle{QColor(0xd6, 0x3f, 0x38), QColor(0xa8, 0x2c, 0x27), 15.0, 7.0, true, false};
const QRectF kLeaf = kLeafRect;

// Day cells below the band; the cell in `marked` (row * columns + column) is red.
void drawDays(QPainter& p, int columns, int rows, int marked) {
    const double top = kLeaf.top() + kStyle.bandHeight + 5.0;
    const double bottom = kLeaf.bottom() - 5.0;
    const double left = kLeaf.left() + 5.0;
    const double right = kLeaf.right() - 5.0;
    const double gap = columns > 3 ? 2.5 : 4.0;
    const double w = (right - left - gap * (columns - 1)) / columns;
    const double h = (bottom - top - gap * (rows - 1)) / rows;
    p.setPen(Qt::NoPen);
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            p.setBrush(row * columns + column == marked ? kStyle.band : kCell);
            p.drawRect(QRectF(left + column * (w + gap), top + row * (h + gap), w, h));
        }
    }
}

void drawAllDays(QPainter& p, bool small) {
    if (small)
        drawDays(p, 3, 2, 4);
    else
        drawDays(p, 5, 4, 8);
}

} // namespace

QImage appIconImage(int size) {
    return LeafIconImage(size, kStyle, drawAllDays);
}

QIcon appIcon() {
    return IconAtUsualSizes(appIconImage);
}
