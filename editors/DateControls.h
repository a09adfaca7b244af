#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;
class QWidget;
class UpDownBar;

// The controls of a date group shared by the editors and the calendar view: a month list
// `cboMonth`, a day bar `vsbDate` and a year bar `vsbYear`, with text boxes beside the bars.

// Selects the whole text of a text box, so that typing replaces it.
void SelectAllText(QLineEdit* box);

// Reports when a box gets or loses the keyboard focus inside its window. A change of the
// active window (a message box coming up, the window closing) and a list's pop-up are not
// reported: the user has not left the box.
class FocusWatcher : public QObject {
    Q_OBJECT
public:
    // Watches box and lives as its child.
    explicit FocusWatcher(QWidget* box);

signals:
    void gotFocus();
    void lostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Makes the box select its whole text whenever it gets the focus, also when a click gave it
// the focus (the click would otherwise put the cursor where it landed). Returns the box's
// watcher, on which its lost-focus check can be connected.
FocusWatcher* SelectAllOnFocus(QLineEdit* box);

// Fills the month list with "January" to "December" at positions 0 to 11 and selects
// January. The list holds exactly these twelve however often it is filled, and its
// selection signal fires once for January, so the window's month handler runs.
void FillMonthList(QComboBox* cboMonth);

// Sets the upper end of the day bar to the number of days of the month selected in
// cboMonth, taking the year from vsbYear for February. A day beyond the new end becomes the
// month's last day (the bar reports the change, so its text box follows).
void SetDayRange(const QComboBox* cboMonth, UpDownBar* vsbDate, const UpDownBar* vsbYear);
