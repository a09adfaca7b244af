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

// The line the status window shows after a save: "120 entries written to weekly.qvf" (the
// file's name without its folder; "1 entry" for one).
QString SavedFileText(int entries, const QString& path);

// The path with ".qvf" appended unless it already ends in exactly ".qvf".
QString WithQvfExtension(const QString& path);

enum class SaveStatus { Saved, WriteFailed };

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

} // namespace qvfsch
