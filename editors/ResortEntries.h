#pragma once

#include "document/CalendarDocument.h"
#include "editors/KindChoice.h"

#include <cstring>
#include <functional>
#include <vector>

// Putting the entry tables in order: birthdays, anniversaries and other events by their date
// text (month, day, year) and then by name, fixed holidays by month and day and then by name,
// floating holidays by month and then by rule. Texts compare by character code, so digits
// come before capital letters and capital letters before small ones; entries equal in both
// keys keep their order. The sort works in memory: every record stays in its table whatever
// happens.

// One state of the resort window's status strip: its text, and the bar reaching counter out
// of total. A resort of large tables goes through hundreds of thousands of states; their texts
// are a few fixed ones, pointed to rather than copied.
struct ResortStep {
    const char* text = "";
    int counter = 0;
    int total = 0;

    // The bar's share of the strip; with nothing to count (no table chosen) the strip is full.
    double fraction() const { return total > 0 ? static_cast<double>(counter) / total : 1.0; }
    friend bool operator==(const ResortStep& a, const ResortStep& b) {
        return std::strcmp(a.text, b.text) == 0 && a.counter == b.counter && a.total == b.total;
    }
};

// Sorts the chosen tables, in the order of the kind list.
void ResortTables(CalendarDocument& doc, const KindChoice& kinds);

// The states the status strip shows while the chosen tables are resorted, one call of show
// for each, in order. Each table counts every record twice, once as it is sorted and once as
// it is stored back, so the total is twice the records of the chosen tables. A table shows its
// "Resorting" text after each record, then its "Rewriting" text once; the last state is
// "Resorting Complete" on a full bar. Only the sizes of the tables count, which a resort does
// not change. Large tables give hundreds of thousands of states; the window plays them as
// they come instead of keeping them.
void PlayResortSteps(const CalendarDocument& doc, const KindChoice& kinds,
                     const std::function<void(const ResortStep&)>& show);

// The same states as a list.
std::vector<ResortStep> ResortStatusSteps(const CalendarDocument& doc, const KindChoice& kinds);
