#pragma once

#include "document/CalendarDocument.h"
#include "document/CalendarFormat.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QTimeZone>

// Exchanging the calendar with other calendar programs through iCalendar files (.ics).
//
// Every entry is written as an all-day event. Birthdays and anniversaries repeat yearly from
// their date, with CATEGORIES "Birthday" or "Anniversary" and the display style in
// X-DAYLARK-STYLE; a 29 February date repeats in leap years only. Holidays carry CATEGORIES
// "Holiday": a fixed holiday repeats yearly from its day in 1880, a floating one by a yearly
// rule such as FREQ=YEARLY;BYMONTH=11;BYDAY=4TH (BYDAY=-1MO for the last Monday). Other
// events are single days. The UID of an event depends only on the entry's kind, date and
// name, so that a receiving calendar updates the events of an earlier export instead of
// adding them again.
//
// Like the calendar file's reader and writer, these functions work on bytes in memory and
// show nothing; the file commands add the files and the messages.

// The whole calendar as an iCalendar file, lines ended by CR LF, text as UTF-8. stamp is the
// time of the export (DTSTAMP). Entries whose date or rule names no day (only possible from a
// hand-edited calendar file) are left out and, when notExported is given, listed there as
// one line each.
QByteArray formatICalendar(const CalendarDocument& doc, const QDateTime& stamp,
                           QStringList* notExported = nullptr);

// The outcome of an iCalendar import. status is Success, or Failed with error saying why
// (the file is not an iCalendar file); a failed import leaves the document untouched.
struct ICalImportResult : FileResult {
    int added = 0;           // entries appended to the tables
    int alreadyPresent = 0;  // events equal in kind, date and name to an entry already there
    QStringList notImported; // one line for each item of the file that has no place here
};

// Appends the events of an iCalendar file to the tables:
// - a yearly all-day event on a fixed date becomes a birthday or an anniversary when its
//   CATEGORIES or X-DAYLARK-STYLE say so, otherwise a fixed holiday;
// - a yearly rule for the first to fourth or the last weekday of one month becomes a
//   floating holiday;
// - a single all-day event becomes an other event; a timed one becomes an other event on
//   the day it starts in userZone (an invalid zone: the system's local time). Its zone is
//   read from the time zone database by name, else from the file's own VTIMEZONE; when
//   neither tells, the event is placed on the date written and listed.
// Yearly events keep the date the file writes, in their own zone. An event over several
// days is added on its first day and listed. An event equal in kind, date and name to an
// entry the calendar holds is not added again, so importing the calendar's own export
// changes nothing. Everything else (other repeat rules, to-dos, dates before 1880 or after
// 2099, events without a title) is listed in notImported, as are lines of the file that
// stand outside its calendars or end nothing. Every calendar of the file is read, and items
// between calendars with the calendar before them. A file that ends in the middle of a
// calendar fails and says where.
ICalImportResult importICalendar(QByteArrayView data, CalendarDocument& doc,
                                 const QTimeZone& userZone = QTimeZone());

// The text of the one message shown after an import that left items out: how many entries
// were added, then the lines of notImported (the first twenty, and how many more). The
// empty text when nothing was left out.
QString ICalImportMessage(const ICalImportResult& result);

// The same message with every line of notImported, when ICalImportMessage shows only some
// of them; else the empty text.
QString ICalImportDetails(const ICalImportResult& result);
