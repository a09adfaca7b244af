#pragma once

#include "document/CalendarDocument.h"
#include "document/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// The calendar file (.qvf): a fixed prologue ("Version 2.0", the title, "Header1=" and
// "Header2=" lines, the key line) and the sections "[Birthday]", "[Anniversary]",
// "[Holiday]" (fixed holidays, an empty line, floating holidays) and "[Other]", each ended by
// an empty line, then "[End of Data]". Entry fields are taken by byte position. When the key
// line is not empty, every entry line is scrambled with that key.
//
// These functions work on bytes in memory and never show anything; FileCommands adds the
// files, the messages and the refresh of the windows.

inline constexpr char kVersionLine[] = "Version 2.0";
inline constexpr char kHeader1[] = "Header1=";
inline constexpr char kHeader2[] = "Header2=";
inline constexpr char kBirthdayHeading[] = "[Birthday]";
inline constexpr char kAnniversaryHeading[] = "[Anniversary]";
inline constexpr char kHolidayHeading[] = "[Holiday]";
inline constexpr char kOtherHeading[] = "[Other]";
inline constexpr char kEndOfData[] = "[End of Data]";

// Where the name starts in each kind of entry line (0-based byte position): after the date,
// style and separators of birthdays and anniversaries, the "F" and date of fixed holidays,
// the rule and month of floating holidays, and the date of other events.
inline constexpr int kDatedNameStart = 11;
inline constexpr int kFixedNameStart = 6;
inline constexpr int kFloatingNameStart = 5;
inline constexpr int kOtherNameStart = 9;

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

// Decodes one scrambled line: byte i (counted from 1) minus the code of the key's byte at
// (i mod key length) + 1, modulo 256. An empty key returns the line unchanged.
QByteArray Unscramble(QByteArrayView line, QByteArrayView key);
