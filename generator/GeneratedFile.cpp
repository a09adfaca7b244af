#include "generator/GeneratedFile.h"

#include "generator/Messages.h"
#include "generator/Scramble.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace qvfsch {

namespace {

void appendLine(QByteArray& out, QByteArrayView line) {
    out.append(line);
    out.append("\r\n", 2);
}

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

QByteArray formatLines(const std::vector<QByteArray>& entries, QByteArrayView key) {
    QByteArray out;
    out.reserve(128 + qsizetype(entries.size()) * 48);
    for (const char* line : {"Version 2.0", "Kestral Scheduler Data"})
        appendLine(out, line);
    appendLine(out, key);
    for (const char* line :
         {"", "[Birthday]", "", "[Anniversary]", "", "[Holiday]", "", "", "[Other]"})
        appendLine(out, line);
    for (const QByteArray& entry : entries)
        appendLine(out, Scramble(entry, key));
    appendLine(out, "");
    appendLine(out, "[End of Data]");
    return out;
}

QString writeFailedText(const QString& path, const QString& reason) {
    return QStringLiteral("%1 cannot save\n%2\n\n%3\n\nNothing was written to this file.")
        .arg(kMessageTitle, QDir::toNativeSeparators(path), reason);
}

// Writes every byte, or returns false with the system's reason. The file is unbuffered: a
// buffered save file would flush its last bytes while committing and publish a truncated
// file when that flush fails (a full disk), as if all had gone well.
bool writeAll(QSaveFile& file, const QByteArray& bytes, QString* reason) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            *reason = file.errorString();
            return false;
        }
        done += written;
    }
    return true;
}

} // namespace

QByteArray EntryLine(const GeneratedEvent& event) {
    return event.Date.toUtf8() + ' ' + event.Name.toUtf8();
}

QByteArray FormatGeneratedFile(const GeneratedEvents& events, QByteArrayView key) {
    return formatLines(entryLines(events), key);
}

QString SavedFileText(int entries, const QString& path) {
    const QString count =
        entries == 1 ? QStringLiteral("1 entry") : QStringLiteral("%1 entries").arg(entries);
    return QStringLiteral("%1 written to %2").arg(count, QFileInfo(path).fileName());
}

QString WithQvfExtension(const QString& path) {
    return path.endsWith(QLatin1String(".qvf"), Qt::CaseSensitive) ? path
                                                                   : path + QLatin1String(".qvf");
}

SaveResult WriteGeneratedFile(const QString& path, const GeneratedEvents& events,
                              QRandomGenerator& random) {
    const std::vector<QByteArray> entries = entryLines(events);
    const QByteArray bytes = formatLines(entries, MakeScrambleKey(entries, random));
    QSaveFile file(path); // an unfinished file is discarded, never put in place
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {SaveStatus::WriteFailed, writeFailedText(path, file.errorString())};
    QString reason;
    if (!writeAll(file, bytes, &reason))
        return {SaveStatus::WriteFailed, writeFailedText(path, reason)};
    if (!file.commit()) return {SaveStatus::WriteFailed, writeFailedText(path, file.errorString())};
    return {};
}

} // namespace qvfsch
