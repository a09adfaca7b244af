#pragma once

#include <QFrame>
#include <QLatin1String>
#include <QString>

// Gives a control its object name (the same as its member name, so tests find it with
// findChild) and returns it, for use right where the control is made.
template <class W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

template <class W> W* named(W* widget, const char* name) {
    return named(widget, QString(QLatin1String(name)));
}

// An etched line across a window, named as named() names controls.
inline QFrame* etchedLine(const char* name, QWidget* parent) {
    auto* line = named(new QFrame(parent), name);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}
