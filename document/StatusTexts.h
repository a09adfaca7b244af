#pragma once

#include <QString>

class CalendarDocument;

// One-line reports for the main window's status bar, after work that shows nothing else.
// Files are named without their folder.

// "30 entries added from plants.qvf" ("1 entry" for one).
QString EntriesAddedText(int entries, const QString& path);
// "12 pages written to family-2027.pdf" ("1 page" for one).
QString PagesWrittenText(int pages, const QString& path);
// "12 pages sent to Office Laser".
QString PagesSentText(int pages, const QString& printer);

// The entries of all five kinds together.
int TotalEntryCount(const CalendarDocument& doc);
