#pragma once

#include "calendar_format/HolidayRules.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QByteArrayView>
#include <vector>

class CalendarFileWriter;

// The calendar's own section after the "[End of Data]" line: what the classic entry runs
// cannot hold (holidays by a moving rule, holidays and events that last several days, the
// holiday pack an entry came from, the photos of a photo wall calendar). A reader of the classic
// file stops at "[End of Data]" and never sees it. It opens with a heading that names its version,
// then one line per record, fields in a fixed order separated by single spaces and the name last,
// so that a name may hold any character:
//
//   [Daylark 1]
//   holiday 3 0710 3 - Folk Festival       fixed holiday: index, MMDD, days, pack, name
//   moving 0 easter+1 DE-BY Ostermontag    rule holiday: index, rule, pack, name
//   other 2 07102027 07202027 Trip          other event: index, MMDDYYYY, until, name
//   photopages 0 above                      how pages hold photos: "above" or "facing"
//   photo 3 500 250 photos/beach.jpg        photo: slot (0 cover, 1-12 months), focus x and
//                                           y in thousandths, the file (UTF-8)
//
// The index is the record's place in its table, so that a calendar reads back in its own
// order. A pack of "-" is none. A block of another version, or a line this version cannot
// read, is kept line by line and written back unchanged after this version's records.

inline constexpr char kOwnSectionHeading[] = "[Daylark 1]";

enum class SectionKind { Holiday, Moving, Other, Photo, PhotoPages };

struct SectionRecord {
    SectionKind kind = SectionKind::Holiday;
    int index = 0;
    QByteArray date = {};  // Holiday: MMDD; Other: MMDDYYYY (the fixed field's bytes)
    int days = 1;          // Holiday: how many days it lasts, from its date
    QByteArray until = {}; // Other: MMDDYYYY of its last day
    HolidayRule rule = {}; // Moving
    QByteArray pack = {};  // Holiday, Moving: the pack it came from; empty for the user's own
    int focusX = 500;      // Photo: the point kept in view, in thousandths (0 to 1000)
    int focusY = 500;
    // As in the file (the caller decodes it); Photo: the file's path; PhotoPages: the layout.
    QByteArray name = {};
    bool utf8Line = true; // whether the record's whole line is valid UTF-8
    friend bool operator==(const SectionRecord&, const SectionRecord&) = default;
};

// The longest a holiday or an event may last, in days.
inline constexpr int kLongestSpan = 366;

struct OwnSection {
    std::vector<SectionRecord> records;
    // Lines kept as they stand: blocks of another version with their headings, and lines of
    // this version's block that are not records. Empty lines count only inside a block of
    // another version.
    QByteArrayList kept;
    // How many of the kept lines belong to blocks of another version or could not be read.
    int unreadLines = 0;
};

// Reads what follows the "[End of Data]" line; nothing there gives an empty section.
OwnSection ReadOwnSection(QByteArrayView rest);

// Writes the section after the "[End of Data]" line: the heading and the records when there
// are any, then the kept lines. Writes nothing when both are empty, so that a calendar with
// classic entries only is exactly the classic file.
void WriteOwnSection(CalendarFileWriter& out, const std::vector<SectionRecord>& records,
                     const QByteArrayList& kept);

// A pack as the section writes it: a short word, any space or control byte as "_".
QByteArray PackWord(QByteArrayView pack);
