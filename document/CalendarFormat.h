#pragma once

#include "calendar_format/FileLayout.h"
#include "calendar_format/FileResult.h"
#include "calendar_format/Scramble.h"
#include "document/CalendarDocument.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// The calendar file (.qvf) read into and written from the document; the file's lines, runs
// and field positions are calendar_format's (FileLayout.h).
//
// These functions work on bytes in memory and never show anything; FileCommands adds the
// files, the messages and the refresh of the windows.

// Replaces the title, the header lines (when the file has them) and the tables with the
// file's content. On a stop line the tables read so far are replaced and the rest are left
// empty. Not Readable and Failed leave the document untouched.
FileResult readCalendar(QByteArrayView data, CalendarDocument& doc);

// Appends the file's entries to the tables. The file's title and header lines are read past
// but the document keeps its own. Not Readable and Failed leave the document untouched.
FileResult importCalendar(QByteArrayView data, CalendarDocument& doc);

// Appends a text list of other events (each line "MMDDYYYY Name", up to the first empty
// line) to OtherEvents. Failed leaves the document untouched.
FileResult importTextList(QByteArrayView data, CalendarDocument& doc);

// The whole file, every line ended by CR LF, text as UTF-8.
QByteArray formatCalendar(const CalendarDocument& doc);

// Writes formatCalendar(doc) to an open device, in pieces; Failed with the device's error
// text. After a failure nothing more is written.
FileResult writeCalendar(QIODevice& device, const CalendarDocument& doc);
