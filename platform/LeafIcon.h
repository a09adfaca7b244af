#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRectF>

class QPainter;

// The calendar leaf both programs draw their icons on: a white page with a coloured top band,
// a frame and two binding rings, laid out on a 64-unit square. Drawn at run time, so the
// icons are sharp at every size.

struct LeafStyle {
    QColor band;
    QColor bandDark;          // the line under the band, when drawn
    double bandHeight = 15.0; // units
    double corner = 7.0;      // the page's corner radius
    bool bandLine = true;     // a line between the band and the page
    bool roundRings = false;  // oval rings instead of rounded bars
};

// The page in the 64-unit square.
inline constexpr QRectF kLeafRect{6.0, 9.0, 52.0, 50.0};

// A square image of `size` pixels with a transparent background: the leaf (with a shadow
// from 32 pixels up), then `drawContent(painter, small)` on the page, in the 64-unit square.
// A size below 1 gives a null image.
QImage LeafIconImage(int size, const LeafStyle& style, void (*drawContent)(QPainter&, bool small));

// The icon sizes of desktops, in pixels: window icons and the installed icon theme alike.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// An icon of the usual sizes (kIconSizes) drawn by `image`.
QIcon IconAtUsualSizes(QImage (*image)(int size));
