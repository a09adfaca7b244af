#pragma once

#include <QIcon>
#include <QImage>

namespace qvfsch {

// The generator's own icon: a calendar leaf with a green top band, two binding rings and a
// circular arrow on the page for events that come round again. Drawn at run time, so it is
// sharp at every size.

// The icon at the usual sizes from 16 to 256 pixels, for the window icon.
QIcon schedulerIcon();

// The icon as a square image of `size` pixels with a transparent background (for the icon
// files of the installed program, for instance). A size below 1 gives a null image.
QImage schedulerIconImage(int size);

} // namespace qvfsch
