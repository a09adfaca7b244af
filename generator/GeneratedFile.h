#pragma once

#include "generator/EventGenerator.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QRandomGenerator;

// The calendar file the generator writes: the prologue without header lines, so that line 3
// is the key line, empty birthday, anniversary and holiday sections, and one scrambled line
// per entry in the run of other events. Every line ends with CR LF; text is UTF-8.
namespace qvfsch {

// "MMDDYYYY Name", the name as UTF-8.
QByteArray EntryLine(const GeneratedEvent& event);

// The whole file with the entry lines scrambled by key. The entries end at the first record
// with an empty name.
QByteArray FormatGeneratedFile(const GeneratedEvents& events, QByteArrayView key);

// The line the status window shows after a save: "120 entries written to weekly.qvf", or
// after adding "120 entries added to family.qvf" (the file's name without its folder;
// "1 entry" for one).
QString SavedFileText(int entries, const QString& path, bool added = false);

// The path with ".qvf" appended unless it already ends in exactly ".qvf".
QString WithQvfExtension(const QString& path);

enum class SaveStatus {
    Saved,
    WriteFailed,
    NotACalendar // adding: the file is not a calendar that can be added to; left untouched
};

struct SaveResult {
    SaveStatus status = SaveStatus::Saved;
    QString message; // for the user, when not saved
};

// Makes a new key and writes the file. Every name gets a key under which its lines stay
// whole (see MakeScrambleKey), so only the file system can make a save fail. Written through
// a temporary file that replaces the target only when complete, so a failed write leaves
// whatever was there before.
SaveResult WriteGeneratedFile(const QString& path, const GeneratedEvents& events,
                              QRandomGenerator& random);

// Whether path names an existing calendar file that events can be added to.
bool IsCalendarFile(const QString& path);

// Adds the entries to the calendar file at path after its other events and keeps everything
// else of it (see AddOtherEvents): its title, header lines and every entry. A file that is
// not a calendar, or not a regular file, is refused with a message and left as it was; a
// path where nothing exists yet gets a new file as WriteGeneratedFile writes it. The new
// file replaces the old one only when complete.
SaveResult AddGeneratedEvents(const QString& path, const GeneratedEvents& events,
                              QRandomGenerator& random);

} // namespace qvfsch
