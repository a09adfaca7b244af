#include "editors/DateControls.h"

#include "document/EntryText.h"
#include "editors/DateRules.h"
#include "shell/UpDownBar.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
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

void FillMonthList(QComboBox* cboMonth) {
    {
        const QSignalBlocker quiet(cboMonth);
        cboMonth->clear();
        for (int month = 1; month <= 12; ++month)
            cboMonth->addItem(MonthName(month));
        cboMonth->setCurrentIndex(-1);
    }
    cboMonth->setCurrentIndex(0);
}

void SetDayRange(const QComboBox* cboMonth, UpDownBar* vsbDate, const UpDownBar* vsbYear) {
    const int position = cboMonth->currentIndex();
    if (position < 0) return;
    vsbDate->setNumberRange(1, DaysInMonth(position + 1, vsbYear->number()));
}
