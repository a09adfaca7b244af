#pragma once

#include <QScreen>
#include <QStyle>
#include <QWidget>

// Moves a window of its present size to the middle of its screen's free area (the screen
// without panels and docks).
inline void CenterOnScreen(QWidget& window) {
    if (QScreen* screen = window.screen())
        window.move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                        screen->availableGeometry())
                        .topLeft());
}
