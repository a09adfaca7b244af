#pragma once

#include <QtGlobal>

class CalendarDocument;

// The size in bytes of the file that formatCalendar makes of doc, worked out without making
// it: a save can be refused before anything is written, and an import before it is merged.
qint64 CalendarFileSize(const CalendarDocument& doc);
