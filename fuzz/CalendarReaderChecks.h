#pragma once

#include <QByteArrayView>
#include <optional>
#include <string>

// Feeds `data` to the calendar-file reader, the calendar import, the text-list import and
// Unscramble, and checks the rules that must hold for every input (listed in the source).
// Returns nothing when all hold; otherwise the first broken rule (when a written calendar
// does not read back the same, followed by the bytes written and those written again).
// Shared by the fuzz target, which traps on a broken rule, and the test that replays the
// saved inputs in every build.
std::optional<std::string> CheckCalendarInput(QByteArrayView data);
