#include "platform/widgets/FocusHelpers.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace {

bool leavesTheWindow(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

void SelectAllText(QLineEdit* box) {
    box->setSelection(0, box->text().size());
}

FocusWatcher::FocusWatcher(QWidget* box) : QObject(box) {
    box->installEventFilter(this);
}

bool FocusWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
        const auto* focus = static_cast<QFocusEvent*>(event);
        if (!leavesTheWindow(focus->reason()))
            event->type() == QEvent::FocusIn ? emit gotFocus() : emit lostFocus();
    }
    return QObject::eventFilter(watched, event);
}

FocusWatcher* SelectAllOnFocus(QLineEdit* box) {
    auto* watcher = new FocusWatcher(box);
    QObject::connect(watcher, &FocusWatcher::gotFocus, box, [box] {
        SelectAllText(box);
        // A mouse click places the cursor after the focus arrived; select again after it.
        QTimer::singleShot(0, box, [box] {
            if (box->hasFocus()) SelectAllText(box);
        });
    });
    return watcher;
}
