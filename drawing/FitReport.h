#pragma once

#include "drawing/CellStack.h"
#include "drawing/PageLocale.h"

#include <QString>
#include <QStringList>
#include <vector>

// The days of printed months whose entries do not all show, and the entries that cannot be
// shown at all, as the print window lists them before printing and qvftool print writes
// them to standard error.

struct FitProblem {
    int year = 0;
    int month = 0;
    int day = 0;         // 0 for entries whose date or rule names no day of the month
    int entries = 0;     // the entries that fall on the day
    int notFitting = 0;  // of those, the ones cut off or left out for want of room
    QStringList reasons; // one per entry that cannot be shown: its text and why
};

// Adds the problems of one month drawn on grid, from the reports of its cells, in day order.
void AddFitProblems(std::vector<FitProblem>& problems, const MonthGrid& grid,
                    const std::vector<CellReport>& reports);

// One line per day that does not show every entry ("July 4, 2027: 3 of 9 entries do not
// fit"), then one per entry that cannot be shown ("July 4, 2027: "Fair" cannot be shown:
// the colour of its kind is not a colour"). The days are written as the pages' locale
// writes dates.
QStringList FitProblemLines(const std::vector<FitProblem>& problems,
                            const PageLocale& locale = PageLocale());

// The birthdays and anniversaries dated 29 February that the pages of a year without that
// day leave out while the layout's LeapDayEntries says they are not shown, when February is
// among the months: one line for each ("February 2027: the birthday of "Leap Lad" (29
// February 1992) is not shown: 2027 has no 29 February"), then one saying where the layout
// can place them. Nothing in a leap year, or when the layout places them.
QStringList HiddenLeapDayLines(const CalendarDocument& doc, const LayoutSettings& layout, int year,
                               const std::vector<int>& months);
