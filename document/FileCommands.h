#pragma once

#include "calendar_format/FileResult.h"

#include <QString>

struct AppState;

// Reading, writing and importing the open calendar's files. A failure is reported to the
// user here, through the dialogs, and returned; a read that ended at a stop line returns
// Stopped, which callers treat as done.

// What was done with a file that failed.
enum class FileAction { Open, Save, Import };

// "Daylark cannot open \n<path>\n\n<reason>" (or save, import) titled "File Error", the
// message of every file that cannot be read or written.
void ReportFileError(AppState& app, FileAction action, const QString& path, const QString& reason);

// Writes the document to path, replacing the file only once the whole new file has been
// written: a failed write leaves the previous file as it was. A calendar whose file would be
// too large for the reader is refused before anything is written.
FileResult WriteCalendarFile(AppState& app, const QString& path);

// Reads the file at path into the document, which takes path as its FileName. A malformed
// or unreadable file leaves an empty "[Untitled]" calendar without a file name; a file of
// another version leaves the tables untouched.
FileResult ReadCalendarFile(AppState& app, const QString& path);

// Merges the file at path into the document: a calendar file, or a text list of other events
// when the name ends in "txt". A failed import leaves the document as it was; so does one
// that would make the calendar too large to be saved.
FileResult ImportCalendarFile(AppState& app, const QString& path);
