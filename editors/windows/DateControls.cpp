#include "editors/windows/DateControls.h"

#include "editors/DateRules.h"
#include "platform/Translations.h"
#include "platform/widgets/UpDownBar.h"

#include <QComboBox>
#include <QSignalBlocker>

void FillMonthList(QComboBox* cboMonth) {
    {
        const QSignalBlocker quiet(cboMonth);
        cboMonth->clear();
        for (int month = 1; month <= 12; ++month)
            cboMonth->addItem(InterfaceMonthName(month));
        cboMonth->setCurrentIndex(-1);
    }
    cboMonth->setCurrentIndex(0);
}

void SetDayRange(const QComboBox* cboMonth, UpDownBar* vsbDate, const UpDownBar* vsbYear) {
    const int position = cboMonth->currentIndex();
    if (position < 0) return;
    vsbDate->setNumberRange(1, DaysInMonth(position + 1, vsbYear->number()));
}
