#pragma once

#include "document/FixedText.h"

#include <QString>

// The kinds of entry. The values index the setup window's kind labels and are the parameter
// of the list and delete operations.
enum class EntryKind { Birthday = 0, Holiday = 1, FloatingHoliday = 2, Anniversary = 3, Other = 4 };

inline constexpr EntryKind kAllKinds[] = {EntryKind::Birthday, EntryKind::Holiday,
                                          EntryKind::FloatingHoliday, EntryKind::Anniversary,
                                          EntryKind::Other};

// Date: MMDDYYYY. Style: "1", "2" or "3".
struct BirthdayEntry {
    FixedText<8> Date;
    QString Name;
    FixedText<1> Style;
    friend bool operator==(const BirthdayEntry&, const BirthdayEntry&) = default;
};

struct AnniversaryEntry {
    FixedText<8> Date;
    QString Name;
    FixedText<1> Style;
    friend bool operator==(const AnniversaryEntry&, const AnniversaryEntry&) = default;
};

// Date: MMDD; recurs every year.
struct FixedHolidayEntry {
    FixedText<4> Date;
    QString Name;
    friend bool operator==(const FixedHolidayEntry&, const FixedHolidayEntry&) = default;
};

// Month: MM. Rule: week character ("1" to "4" or "L" for the last) and weekday digit ("0"
// Sunday to "6" Saturday); Month 11 with Rule 44 is the fourth Thursday of November.
struct FloatingHolidayEntry {
    FixedText<2> Month;
    FixedText<2> Rule;
    QString Name;
    friend bool operator==(const FloatingHolidayEntry&, const FloatingHolidayEntry&) = default;
};

// Date: MMDDYYYY.
struct OtherEntry {
    FixedText<8> Date;
    QString Name;
    friend bool operator==(const OtherEntry&, const OtherEntry&) = default;
};
