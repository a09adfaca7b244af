#pragma once

#include "shell/ToolbarModel.h"

#include <QImage>
#include <QPalette>
#include <bitset>

// The toolbar's picture: an image laid out like the toolbar, `ToolRowHeight` pixels per row,
// row 0 with every button normal, row 1 raised (the mouse over it) and row 2 pressed. The
// gaps between button groups hold an etched separator in every row. Colours come from the
// palette, so the picture matches the desktop's colours. A button whose command is not
// available (its bit set in `disabled`) shows a greyed icon in every row: it neither rises
// nor sinks under the mouse.
QImage buildToolbarPicture(const QPalette& palette,
                           std::bitset<ToolbarModel::ToolCount> disabled = {});

// The icon of one button, `size` pixels square: the desktop icon theme's icon when the theme
// has one, otherwise the drawn glyph.
QImage toolIconImage(int tool, int size);
