#pragma once

#include "calendar_format/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QRandomGenerator;

// Adding other events to a calendar file as it stands, for the generator, which keeps no
// calendar of its own: the events are appended to the file's other events, as the calendar
// program's import appends them, and everything else of the file stays as it was: the title,
// the header lines, every entry of the five runs in its order, any line between the runs and
// whatever follows "[End of Data]".

// Whether data is a calendar file that can be added to: Success; NotReadable when its first
// line is not the version line; Failed with the reason when it is malformed or its entries
// end early at a stop line (events added after that line would never be read).
FileResult CheckCalendarFile(QByteArrayView data);

struct CalendarFileAddition {
    FileResult result; // as CheckCalendarFile; the bytes are empty unless it succeeded
    QByteArray bytes;  // the whole new file
};

// The file with the entry lines ("MMDDYYYY Name", plain) added after its last other event,
// ended like that run's empty line (CR LF or LF). In a scrambled file they are scrambled
// with the file's key, and every existing line stays byte for byte. Only when that key
// would turn an added line into two (a line break among its scrambled bytes) does the file
// get a new key (MakeScrambleKey), and its entry lines are scrambled anew: the same entries
// in other bytes. Failed, as well, when no key carries them all.
CalendarFileAddition AddOtherEvents(QByteArrayView data, const std::vector<QByteArray>& entries,
                                    QRandomGenerator& random);
