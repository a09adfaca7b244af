#pragma once

#include <QImage>

// The drawn pictures of the toolbar buttons, used where the desktop's icon theme has no icon
// for a button: a blank page, an open folder, a disk, a printer, a gear, a calendar page, a
// plus, a cross, a pencil and a sort arrow. `size` is the edge of the square image in pixels;
// an index that names no button gives a transparent image.
QImage toolGlyph(int tool, int size);
