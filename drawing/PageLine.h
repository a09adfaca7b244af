#pragma once

#include "platform/DrawingSurface.h"

#include <QString>
#include <vector>

// One line of text on the page, top-left corner at (x, y), in inches.
struct PageLine {
    QString text;
    double x = 0;
    double y = 0;
};

// Writes each line at its place in the surface's current font and text colour.
inline void DrawPageLines(DrawingSurface& surface, const std::vector<PageLine>& lines) {
    for (const PageLine& line : lines) {
        surface.moveTo(line.x, line.y);
        surface.printLine(line.text);
    }
}
