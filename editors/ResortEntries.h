#pragma once

#include "document/CalendarDocument.h"
#include "editors/KindChoice.h"

#include <QLatin1StringView>
#include <vector>

// Putting the entry tables in order: birthdays, anniversaries and other events by their date
// text (month, day, year) and then by name, fixed holidays by month and day and then by name,
// floating holidays by month and then by rule. Texts compare by character code, so digits
// come before capital letters and capital letters before small ones; entries equal in both
// keys keep their order. The sort works in memory: every record stays in its table whatever
// happens.

// One state of the resort window's status strip: its text, and the bar reaching counter out
// of total. A resort of large tables goes through hundreds of thousands of states; their texts
// are a few fixed ones, referred to rather than copied.
struct ResortStep {
    QLatin1StringView text;
    int counter = 0;
    int total = 0;

    // The bar's share of the strip; with nothing to count (no table chosen) the strip is full.
    double fraction() const { return total > 0 ? static_cast<double>(counter) / total : 1.0; }
    friend bool operator==(const ResortStep&, const ResortStep&) = default;
};

// Sorts one table in place.
void ResortTable(CalendarDocument& doc, EntryKind kind);

// The states the status strip shows while the chosen tables are resorted. Each table counts
// every record twice, once as it is sorted and once as it is stored back, so the total is
// twice the records of the chosen tables. A table shows its "Resorting" text after each
// record, then its "Rewriting" text once; the last state is "Resorting Complete" on a full
// bar.
std::vector<ResortStep> ResortStatusSteps(const CalendarDocument& doc, const KindChoice& kinds);

// Sorts the chosen tables, in the order of the kind list, and returns the status states of
// the run.
std::vector<ResortStep> ResortTables(CalendarDocument& doc, const KindChoice& kinds);
