#pragma once

#include <QImage>
#include <QPalette>

// The toolbar's picture: an image laid out like the toolbar, `ToolRowHeight` pixels per row,
// row 0 with every button normal, row 1 raised (the mouse over it) and row 2 pressed. The
// gaps between button groups hold an etched separator in every row. Colours come from the
// palette, so the picture matches the desktop's colours.
QImage buildToolbarPicture(const QPalette& palette);

// The icon of one button, `size` pixels square: the desktop icon theme's icon when the theme
// has one, otherwise the drawn glyph.
QImage toolIconImage(int tool, int size);
