#pragma once

#include "calendar_format/FileLayout.h"
#include "calendar_format/FileResult.h"
#include "calendar_format/Scramble.h"
#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

class QIODevice;

// The calendar file (.qvf) read into and written from the document; the file's lines, runs
// and field positions are calendar_format's (FileLayout.h).
//
// These functions work on bytes in memory and never show anything; FileCommands adds the
// files, the messages and the refresh of the windows.

// Replaces the title, the header lines (when the file has them), the tables and the photo
// choices with the file's content; a photo's relative path is taken from the folder of
// doc.FileName. On a stop line the tables read so far are replaced and the rest are left
// empty. Not Readable and Failed leave the document untouched.
FileResult readCalendar(QByteArrayView data, CalendarDocument& doc);

// Appends the file's entries to the tables. The file's title, header lines and photos are
// read past but the document keeps its own. Not Readable and Failed leave the document untouched.
FileResult importCalendar(QByteArrayView data, CalendarDocument& doc);

// The outcome of a text list import: Success when at least one event was added, Failed
// (with the reason, the document untouched) when the list holds none.
struct TextListImportResult : FileResult {
    int added = 0;           // other events appended
    QStringList notImported; // 'Line 3: "garden party"' for each line that is not an event
};

// Appends a text list of other events to OtherEvents: every line "MMDDYYYY Name" whose date
// exists becomes an event; blank lines are passed over; any other line is left out and named
// in notImported with its line number.
TextListImportResult importTextList(QByteArrayView data, CalendarDocument& doc);

// The message shown after a text list import that left lines out: how many events were
// imported, then the lines left out (the first twenty, and how many more). The empty text
// when nothing was left out.
QString TextListImportMessage(const TextListImportResult& result);

// The whole file, every line ended by CR LF, text as UTF-8.
QByteArray formatCalendar(const CalendarDocument& doc);

// Writes formatCalendar(doc) to an open device, in pieces; Failed with the device's error
// text. After a failure nothing more is written.
FileResult writeCalendar(QIODevice& device, const CalendarDocument& doc);
