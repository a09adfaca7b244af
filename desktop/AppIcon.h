#pragma once

#include <QIcon>
#include <QImage>

// The program's own icon: a calendar leaf with a red top band, two binding rings and a grid
// of days with one day marked. Drawn at run time, so it is sharp at every size.

// The icon at the usual sizes from 16 to 256 pixels, for window icons and the tray icon.
QIcon appIcon();

// The icon as a square image of `size` pixels with a transparent background (for writing
// an icon file for the file-type association, for instance). A size below 1 gives a null
// image.
QImage appIconImage(int size);
