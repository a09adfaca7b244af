#pragma once

#include <QByteArrayView>
#include <optional>
#include <string>

// Feeds `data` to the iCalendar import, into an empty calendar and into one that already
// holds entries, and checks the rules that must hold for every input (listed in the source).
// Returns nothing when all hold; otherwise the first broken rule. Shared by the fuzz target,
// which traps on a broken rule, and the test that replays the saved inputs in every build.
std::optional<std::string> CheckICalendarInput(QByteArrayView data);
