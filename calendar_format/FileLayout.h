#pragma once

#include <QByteArrayView>
#include <QtGlobal>
#include <array>

// The calendar file (.qvf), the one format both programs read and write:
//
//   Version 2.0
//   <title>
//   Header1=<first header line>     (the two header lines may be missing: then the key
//   Header2=<second header line>     line is line 3)
//   <key>                           (empty: the entry lines are plain; else scrambled)
//   <empty line>
//   [Birthday]        birthday lines, then an empty line
//   [Anniversary]     anniversary lines, then an empty line
//   [Holiday]         fixed holiday lines, an empty line, floating holiday lines, an empty line
//   [Other]           other event lines, then an empty line
//   [End of Data]
//
// Every line ends with CR LF when written; LF alone is read too. Entry fields are taken by
// byte position; the name runs from its start position to the end of the line.

inline constexpr char kVersionLine[] = "Version 2.0";
inline constexpr char kHeader1[] = "Header1=";
inline constexpr char kHeader2[] = "Header2=";
inline constexpr char kEndOfData[] = "[End of Data]";
// The line a scrambled run may hold, once unscrambled, to end the reading there.
inline constexpr char kStopLine[] = "X";

// The five runs of entry lines in file order.
enum class EntryRun { Birthdays, Anniversaries, FixedHolidays, FloatingHolidays, OtherEvents };

struct RunLayout {
    EntryRun run;
    // The heading line before the run; nullptr for floating holidays, whose run follows the
    // fixed holidays' empty line directly.
    const char* heading;
    // Where the name starts (0-based byte position): after the date, style and separators of
    // birthdays and anniversaries ("MMDDYYYY S Name"), the "F" and date of fixed holidays
    // ("FMMDD Name"), the rule and month of floating holidays ("RRMM Name") and the date of
    // other events ("MMDDYYYY Name"). A shorter line is malformed.
    int nameStart;
    // The error text of a line that is too short, with %1 for its number (translated with
    // the context "CalendarFileReader").
    const char* tooShort;
};

inline constexpr std::array<RunLayout, 5> kRuns{{
    {EntryRun::Birthdays, "[Birthday]", 11,
     QT_TRANSLATE_NOOP("CalendarFileReader",
                       "Line %1 is too short for a birthday or anniversary entry.")},
    {EntryRun::Anniversaries, "[Anniversary]", 11,
     QT_TRANSLATE_NOOP("CalendarFileReader",
                       "Line %1 is too short for a birthday or anniversary entry.")},
    {EntryRun::FixedHolidays, "[Holiday]", 6,
     QT_TRANSLATE_NOOP("CalendarFileReader", "Line %1 is too short for a fixed holiday entry.")},
    {EntryRun::FloatingHolidays, nullptr, 5,
     QT_TRANSLATE_NOOP("CalendarFileReader", "Line %1 is too short for a floating holiday entry.")},
    {EntryRun::OtherEvents, "[Other]", 9,
     QT_TRANSLATE_NOOP("CalendarFileReader", "Line %1 is too short for an other event entry.")},
}};

inline constexpr const RunLayout& runLayout(EntryRun run) {
    return kRuns[static_cast<size_t>(run)];
}

inline constexpr int kDatedNameStart = runLayout(EntryRun::Birthdays).nameStart;
inline constexpr int kFixedNameStart = runLayout(EntryRun::FixedHolidays).nameStart;
inline constexpr int kFloatingNameStart = runLayout(EntryRun::FloatingHolidays).nameStart;
inline constexpr int kOtherNameStart = runLayout(EntryRun::OtherEvents).nameStart;
