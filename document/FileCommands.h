#pragma once

#include <QString>

struct AppState;

// Reading, writing and importing the open calendar's files. Each returns "Success",
// "Failed", or the empty text when reading ended at a stop line; callers treat everything but
// "Failed" as done. Failures are reported to the user here, through the dialogs.

inline const QString kSuccess = QStringLiteral("Success");
inline const QString kFailed = QStringLiteral("Failed");

// Writes the document to its FileName, replacing the file only once the whole new file has
// been written: a failed write leaves the previous file as it was.
QString WriteCalendarFile(AppState& app);

// Reads the document's FileName into the document. A malformed or unreadable file leaves an
// empty "[Untitled]" calendar; a file of another version leaves the document untouched.
QString ReadCalendarFile(AppState& app);

// Merges app.ImportFileName into the document: a calendar file, or a text list of other
// events when the name ends in "txt". A failed import leaves the document as it was.
QString ImportCalendarFile(AppState& app);
