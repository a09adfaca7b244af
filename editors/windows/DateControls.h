#pragma once

class QComboBox;
class UpDownBar;

// The controls of a date group shared by the editors and the calendar view: a month list
// `cboMonth`, a day bar `vsbDate` and a year bar `vsbYear`, with text boxes beside the bars.

// Fills the month list with "January" to "December" at positions 0 to 11 and selects
// January. The list holds exactly these twelve however often it is filled, and its
// selection signal fires once for January, so the window's month handler runs.
void FillMonthList(QComboBox* cboMonth);

// Sets the upper end of the day bar to the number of days of the month selected in
// cboMonth, taking the year from vsbYear for February. A day beyond the new end becomes the
// month's last day (the bar reports the change, so its text box follows).
void SetDayRange(const QComboBox* cboMonth, UpDownBar* vsbDate, const UpDownBar* vsbYear);
