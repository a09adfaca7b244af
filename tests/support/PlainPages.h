#pragma once

#include "document/SettingsRecords.h"

// Turns off everything the month pages add to the plain grid (small months, fitted rows,
// moon phases, shading, the notes box), for tests of the plain six-row page.
inline void PlainPages(LayoutSettings& layout) {
    for (QString* extra : {&layout.SmallMonths, &layout.FitRows, &layout.MoonPhases,
                           &layout.ShadeWeekends, &layout.ShadeHolidays, &layout.NotesBox})
        *extra = QStringLiteral("False");
}
