#pragma once

#include "calendar_format/OwnSection.h"
#include "document/CalendarDocument.h"

#include <QDate>
#include <vector>

// Which entries live in the file's own section rather than in the classic entry runs, and
// the section's records made from the document and put back into it.

// True for an entry with anything the classic runs cannot hold: a holiday of several days
// or from a pack, a moving holiday, an event with an end date.
inline bool InOwnSection(const BirthdayEntry&) {
    return false;
}
inline bool InOwnSection(const AnniversaryEntry&) {
    return false;
}
bool InOwnSection(const FixedHolidayEntry& e);
bool InOwnSection(const FloatingHolidayEntry& e);
bool InOwnSection(const OtherEntry& e);

// The records of the document's section entries, each with its place in its table, and of
// its photo choices (paths relative to the folder of the document's file where they can be).
std::vector<SectionRecord> SectionRecordsOf(const CalendarDocument& doc);

// The classic floating-holiday fields of a rule they can hold (the first to fourth or last
// weekday of a month, nothing more), as {Month, Rule}; nothing for any other rule.
std::optional<std::pair<QString, QString>> ClassicFloatingFields(const HolidayRule& rule);
// The rule of a floating holiday: its Moving rule, or the one its classic fields give.
std::optional<HolidayRule> FloatingRule(const FloatingHolidayEntry& e);

// The tables that section records are put back into.
struct SectionTables {
    EntryTable<FixedHolidayEntry>& fixed;
    EntryTable<FloatingHolidayEntry>& floating;
    EntryTable<OtherEntry>& other;
};

// Puts the records into the tables at their places, each counted from the given start (the
// entries a calendar held before an import); a place past a table's end appends.
struct SectionStarts {
    int fixed = 0, floating = 0, other = 0;
};
void PlaceSectionRecords(const std::vector<SectionRecord>& records, SectionTables tables,
                         SectionStarts starts);

// The first and last day of an event with an end date: nothing for an event of one day, or
// one whose dates are not days, whose end is before its start or more than kLongestSpan days
// on (it then shows on its first day only).
struct EventSpan {
    QDate first, last;
};
std::optional<EventSpan> SpanOf(const OtherEntry& e);
// The days of a holiday of several days in the year it begins (into the next year for one
// that begins late in December): nothing for a holiday of one day or a date year lacks.
std::optional<EventSpan> HolidaySpanIn(const FixedHolidayEntry& e, int year);

// The message for a file whose own section held lines this version cannot read.
QString KeptSectionNotice(int unreadLines);
