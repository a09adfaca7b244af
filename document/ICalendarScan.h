#pragma once

// The first pass over an iCalendar file, before the library parses it: the lines are unfolded,
// the nesting of BEGIN and END lines is checked and mended, and what the library would drop
// or misread without a word is noted in our own words.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <vector>

namespace ical {

// One item of the file (an event, a to-do, a time zone...): a component inside a calendar,
// or one that stands outside every calendar. Items are listed in the order of the file,
// which is the order in which the library's tree holds them.
struct ScannedItem {
    int line = 0;          // where its BEGIN line is
    QByteArray rawSummary; // its SUMMARY as the file writes it, escapes undone, blanks kept
    bool hasSummary = false;
    QString damage; // not empty when a part inside it never ended: what is wrong
};

struct ScannedFile {
    // The file's lines unfolded, one per line, with an END line for every BEGIN: what the
    // library parses. Items left without their END are left out.
    QByteArray text;
    std::vector<ScannedItem> items;
    // Lines for the list of what was not read: lines outside every calendar, END lines that
    // end nothing, items that never end.
    QStringList notes;
    // Not empty when the file cannot be imported (it stops in the middle of a calendar, or
    // nests its parts absurdly deep): why.
    QString refused;
};

// Scans the text of an iCalendar file (without a byte order mark); line numbers are those
// of text. The library reads only the scan's text, so that everything it meets is well
// nested and nothing it would print about broken nesting reaches the terminal.
ScannedFile scanICalendar(QByteArrayView text);

// A UTC offset as files write it: +HHMM or +HHMMSS, also with colons (+HH:MM) or hours only
// (+HH). The seconds east of UTC; false when the text is none of these.
bool parseUtcOffset(QByteArrayView text, int* seconds);

} // namespace ical
