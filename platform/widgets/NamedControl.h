#pragma once

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
