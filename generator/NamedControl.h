#pragma once

#include <QString>
#include <utility>

class QWidget;

namespace qvfsch {

// Creates a child control whose object name is its member name, so that tests can find it.
template <class T, class... Args>
T* makeControl(QWidget* parent, const QString& name, Args&&... args) {
    auto* control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    return control;
}

} // namespace qvfsch
