#include "shell/ToolbarPicture.h"

#include "shell/ToolbarGlyphs.h"
#include "shell/ToolbarModel.h"

#include <QIcon>
#include <QPainter>
#include <QStringList>
#include <array>

namespace {

constexpr int kIconSize = 16;

// Icon theme names per button, the preferred name first.
QStringList themeNames(int tool) {
    static const std::array<QStringList, ToolbarModel::ToolCount> names{{
        {QStringLiteral("document-new")},
        {QStringLiteral("document-open")},
        {QStringLiteral("document-save")},
        {QStringLiteral("document-print")},
        {QStringLiteral("preferences-system")},
        {QStringLiteral("x-office-calendar")},
        {QStringLiteral("list-add")},
        {QStringLiteral("list-remove")},
        {QStringLiteral("document-edit"), QStringLiteral("accessories-text-editor")},
        {QStringLiteral("view-sort-ascending")},
    }};
    return ToolbarModel::isTool(tool) ? names[tool] : QStringList();
}

// The button face inside a cell: as wide as the cell, covering the rows the mouse can hit.
QRect buttonRect(int tool, int rowTop) {
    return {ToolbarModel::toolLeft(tool), rowTop + ToolbarModel::ButtonTop, ToolbarModel::ToolWidth,
            ToolbarModel::ButtonBottom - ToolbarModel::ButtonTop + 1};
}

// A one-pixel bevel: `topLeft` along the top and left edges, `bottomRight` along the others.
void drawBevel(QPainter& p, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    p.setPen(topLeft);
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(bottomRight);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

// The icon as a disabled command shows it: grey and faint.
QImage greyed(const QImage& icon) {
    QImage grey = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]) * 2 / 5);
        }
    }
    return grey;
}

void drawDisabledCell(QPainter& p, int tool, int rowTop) {
    const QRect face = buttonRect(tool, rowTop);
    p.drawImage(QPoint(face.left() + (face.width() - kIconSize) / 2,
                       face.top() + (face.height() - kIconSize) / 2),
                greyed(toolIconImage(tool, kIconSize)));
}

void drawCell(QPainter& p, const QPalette& palette, int tool, int state) {
    const int rowTop = state * ToolbarModel::ToolRowHeight;
    const QRect face = buttonRect(tool, rowTop);
    const QColor window = palette.color(QPalette::Window);
    if (state == ToolbarModel::Raised) {
        p.fillRect(face, window.lighter(104));
        drawBevel(p, face, palette.color(QPalette::Light), palette.color(QPalette::Mid));
    } else if (state == ToolbarModel::Pressed) {
        p.fillRect(face, window.darker(108));
        drawBevel(p, face, palette.color(QPalette::Mid), palette.color(QPalette::Light));
    }
    // The icon sits centred on the face; pressed, it moves one pixel right and down.
    const int shift = state == ToolbarModel::Pressed ? 1 : 0;
    const QPoint iconAt(face.left() + (face.width() - kIconSize) / 2 + shift,
                        face.top() + (face.height() - kIconSize) / 2 + shift);
    p.drawImage(iconAt, toolIconImage(tool, kIconSize));
}

// An etched vertical line in the middle of each gap between two button groups.
void drawSeparators(QPainter& p, const QPalette& palette, int rowTop) {
    for (int tool = 0; tool + 1 < ToolbarModel::ToolCount; ++tool) {
        const int gapLeft = ToolbarModel::toolLeft(tool) + ToolbarModel::ToolWidth;
        const int gapRight = ToolbarModel::toolLeft(tool + 1) - 1;
        if (gapRight < gapLeft) continue;
        const int x = (gapLeft + gapRight) / 2;
        const int top = rowTop + ToolbarModel::ButtonTop + 1;
        const int bottom = rowTop + ToolbarModel::ButtonBottom - 1;
        p.setPen(palette.color(QPalette::Mid));
        p.drawLine(x, top, x, bottom);
        p.setPen(palette.color(QPalette::Light));
        p.drawLine(x + 1, top, x + 1, bottom);
    }
}

} // namespace

QImage toolIconImage(int tool, int size) {
    for (const QString& name : themeNames(tool)) {
        if (!QIcon::hasThemeIcon(name)) continue;
        const QPixmap pixmap = QIcon::fromTheme(name).pixmap(QSize(size, size), 1.0);
        if (!pixmap.isNull())
            return pixmap.toImage().scaled(size, size, Qt::KeepAspectRatio,
                                           Qt::SmoothTransformation);
    }
    return toolGlyph(tool, size);
}

QImage buildToolbarPicture(const QPalette& palette, std::bitset<ToolbarModel::ToolCount> disabled) {
    constexpr int rows = 3;
    QImage picture(ToolbarModel::toolsRight(), rows * ToolbarModel::ToolRowHeight,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(palette.color(QPalette::Window));
    QPainter p(&picture);
    for (int state = 0; state < rows; ++state) {
        drawSeparators(p, palette, state * ToolbarModel::ToolRowHeight);
        for (int tool = 0; tool < ToolbarModel::ToolCount; ++tool) {
            if (disabled.test(tool))
                drawDisabledCell(p, tool, state * ToolbarModel::ToolRowHeight);
            else
                drawCell(p, palette, tool, state);
        }
    }
    return picture;
}
