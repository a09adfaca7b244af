#include "generator/GeneratedFile.h"

#include "calendar_format/CalendarFileAddition.h"
#include "calendar_format/CalendarFileWriter.h"
#include "calendar_format/Scramble.h"
#include "calendar_format/WholeFile.h"
#include "calendar_format/WholeFileReader.h"
#include "generator/Messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace qvfsch {

namespace {

// The entry lines in order, up to the first record without a name.
std::vector<QByteArray> entryLines(const GeneratedEvents& events) {
    std::vector<QByteArray> lines;
    lines.reserve(events.size());
    for (const GeneratedEvent& event : events) {
        if (event.Name.isEmpty()) break;
        lines.push_back(EntryLine(event));
    }
    return lines;
}

// The title line of every generated file.
constexpr char kGeneratedTitle[] = "Kestral Scheduler Data";

// The file without header lines (so that line 3 is the key line), with empty birthday,
// anniversary and holiday runs and the scrambled entry lines as other events.
QByteArray formatLines(const std::vector<QByteArray>& entries, QByteArrayView key) {
    CalendarFileWriter out;
    out.text().reserve(128 + qsizetype(entries.size()) * 48);
    out.prologue(kGeneratedTitle, false, {}, {}, key);
    for (const EntryRun run : {EntryRun::Birthdays, EntryRun::Anniversaries,
                               EntryRun::FixedHolidays, EntryRun::FloatingHolidays}) {
        out.beginRun(run);
        out.endRun();
    }
    out.beginRun(EntryRun::OtherEvents);
    for (const QByteArray& entry : entries)
        out.line(Scramble(entry, key));
    out.endRun();
    out.end();
    return out.takeAll();
}

QString writeFailedText(const QString& path, const QString& reason) {
    return QCoreApplication::translate(
               "GeneratedFile", "%1 cannot save\n%2\n\n%3\n\nNothing was written to this file.")
        .arg(MessageTitle(), QDir::toNativeSeparators(path), reason);
}

QString notAddedText(const QString& path, const QString& reason) {
    return QCoreApplication::translate("GeneratedFile",
                                       "%1 cannot add the events to\n%2\n\n%3\n\nThe file was left "
                                       "as it was.")
        .arg(MessageTitle(), QDir::toNativeSeparators(path), reason);
}

std::optional<QByteArray> readCalendar(const QString& path, QString* error) {
    return ReadWholeFile(path, kLargestCalendarFile, error);
}

} // namespace

QByteArray EntryLine(const GeneratedEvent& event) {
    return event.Date.toUtf8() + ' ' + event.Name.toUtf8();
}

QByteArray FormatGeneratedFile(const GeneratedEvents& events, QByteArrayView key) {
    return formatLines(entryLines(events), key);
}

QString SavedFileText(int entries, const QString& path, bool added) {
    const QString file = QFileInfo(path).fileName();
    if (entries == 1)
        return (added ? QCoreApplication::translate("GeneratedFile", "1 entry added to %1")
                      : QCoreApplication::translate("GeneratedFile", "1 entry written to %1"))
            .arg(file);
    return (added ? QCoreApplication::translate("GeneratedFile", "%1 entries added to %2")
                  : QCoreApplication::translate("GeneratedFile", "%1 entries written to %2"))
        .arg(entries)
        .arg(file);
}

QString WithQvfExtension(const QString& path) {
    return path.endsWith(QLatin1String(".qvf"), Qt::CaseSensitive) ? path
                                                                   : path + QLatin1String(".qvf");
}

SaveResult WriteGeneratedFile(const QString& path, const GeneratedEvents& events,
                              QRandomGenerator& random) {
    const std::vector<QByteArray> entries = entryLines(events);
    const FileResult written =
        WriteWholeFile(path, formatLines(entries, MakeScrambleKey(entries, random)));
    if (written.failed()) return {SaveStatus::WriteFailed, writeFailedText(path, written.error)};
    return {};
}

} // namespace qvfsch

namespace qvfsch {

bool IsCalendarFile(const QString& path) {
    QString error;
    const auto data = readCalendar(path, &error);
    return data && !CheckCalendarFile(*data).failed();
}

SaveResult AddGeneratedEvents(const QString& path, const GeneratedEvents& events,
                              QRandomGenerator& random) {
    if (!QFileInfo::exists(path)) return WriteGeneratedFile(path, events, random);
    QString error;
    const auto data = readCalendar(path, &error);
    if (!data) return {SaveStatus::NotACalendar, notAddedText(path, error)};
    const CalendarFileAddition added = AddOtherEvents(*data, entryLines(events), random);
    if (added.result.failed())
        return {SaveStatus::NotACalendar, notAddedText(path, added.result.error)};
    // The reader refuses larger files, so no save may make one.
    if (added.bytes.size() > kLargestCalendarFile)
        return {SaveStatus::WriteFailed,
                writeFailedText(path, QCoreApplication::translate("GeneratedFile",
                                                                  "The calendar would be too "
                                                                  "large to be opened again."))};
    const FileResult written = WriteWholeFile(path, added.bytes);
    if (written.failed()) return {SaveStatus::WriteFailed, writeFailedText(path, written.error)};
    return {};
}

} // namespace qvfsch
