#pragma once

#include "calendar_format/HolidayRules.h"
#include "document/FixedText.h"

#include <QString>
#include <optional>

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

// Date: MMDD; recurs every year. Days: how many days it lasts from Date (a three-day
// festival). Pack: the holiday pack it came from ("DE-BY"); empty for the user's own.
// A holiday of more than one day or from a pack is kept in the file's own section.
struct FixedHolidayEntry {
    FixedText<4> Date;
    QString Name;
    int Days = 1;
    QString Pack = {};
    friend bool operator==(const FixedHolidayEntry&, const FixedHolidayEntry&) = default;
};

// Month: MM. Rule: week character ("1" to "4" or "L" for the last) and weekday digit ("0"
// Sunday to "6" Saturday); Month 11 with Rule 44 is the fourth Thursday of November.
// Moving: a rule those two fields cannot hold (Easter + 1, the Monday on or after 24 May, a
// date observed on the Monday when it falls on a Sunday); Month and Rule are then blank.
// Pack as for fixed holidays. A moving holiday or one from a pack is kept in the file's own
// section.
struct FloatingHolidayEntry {
    FixedText<2> Month;
    FixedText<2> Rule;
    QString Name;
    std::optional<HolidayRule> Moving = {};
    QString Pack = {};
    friend bool operator==(const FloatingHolidayEntry&, const FloatingHolidayEntry&) = default;
};

// Date: MMDDYYYY. Until: MMDDYYYY of the last day of an event that spans days (a trip from
// 10 to 20 July); blank for an event of one day. An event with an Until is kept in the
// file's own section.
struct OtherEntry {
    FixedText<8> Date;
    QString Name;
    FixedText<8> Until = {};
    friend bool operator==(const OtherEntry&, const OtherEntry&) = default;
};
