#include "calendar_format/CalendarFileAddition.h"

#include "calendar_format/CalendarFileReader.h"
#include "calendar_format/Scramble.h"

#include <QCoreApplication>
#include <optional>

namespace {

// A line of the file: where it starts and how long it is, without its line end.
struct LineAt {
    qsizetype at = 0;
    qsizetype length = 0;
};

// Where the parts of a calendar file lie that an addition writes or rewrites.
struct FileMap {
    QByteArray key;
    LineAt keyLine;
    bool keyIsHeading = false;   // no header lines, and line 3 is "[Birthday]" itself
    std::vector<LineAt> entries; // every entry line of the five runs, in file order
    qsizetype otherEnd = 0;      // where the empty line after the other events starts
    QByteArrayView lineEnd;      // how that empty line ends
};

LineAt lineIn(QByteArrayView data, QByteArrayView line) {
    return {line.data() - data.data(), line.size()};
}

QString notAVersionFile() {
    return QCoreApplication::translate("CalendarFileAddition",
                                       "It is not a calendar file: its first line is not \"%1\".")
        .arg(QLatin1String(kVersionLine));
}

FileResult mapRuns(QByteArrayView data, CalendarFileReader& reader, FileMap& map) {
    for (const RunLayout& layout : kRuns) {
        reader.beginRun(layout.run);
        if (layout.run == EntryRun::Birthdays)
            map.keyIsHeading = reader.currentLine().data() == reader.keyLine().data();
        const bool whole = reader.readRun(layout.run, [&](QByteArrayView) {
            map.entries.push_back(lineIn(data, reader.currentLine()));
        });
        if (!whole)
            return {FileStatus::Failed,
                    QCoreApplication::translate("CalendarFileAddition",
                                                "Its entries end early at a stop line (line %1), "
                                                "so events added after it would never be read.")
                        .arg(reader.lineNumber())};
    }
    map.otherEnd = lineIn(data, reader.currentLine()).at;
    map.lineEnd = data.sliced(map.otherEnd).startsWith("\r\n") ? QByteArrayView("\r\n")
                                                               : QByteArrayView("\n");
    return {};
}

FileResult mapFile(QByteArrayView data, FileMap& map) {
    if (data.isEmpty()) return {FileStatus::NotReadable, notAVersionFile()};
    CalendarFileReader reader(data);
    try {
        if (!reader.readVersion()) return {FileStatus::NotReadable, notAVersionFile()};
        map.key = reader.readPrologue().key;
        map.keyLine = lineIn(data, reader.keyLine());
        return mapRuns(data, reader, map);
    } catch (const CalendarFormatError& error) {
        return {FileStatus::Failed, error.text};
    }
}

bool staysOneLine(QByteArrayView scrambled) {
    return !scrambled.contains('\n') && !scrambled.contains('\r');
}

bool keyCarries(QByteArrayView key, const std::vector<QByteArray>& entries) {
    for (const QByteArray& entry : entries)
        if (!staysOneLine(Scramble(entry, key))) return false;
    return true;
}

void appendEntries(QByteArray& out, const std::vector<QByteArray>& entries, QByteArrayView key,
                   QByteArrayView lineEnd) {
    for (const QByteArray& entry : entries) {
        out.append(Scramble(entry, key));
        out.append(lineEnd);
    }
}

qsizetype addedSize(const std::vector<QByteArray>& entries) {
    qsizetype size = 0;
    for (const QByteArray& entry : entries)
        size += entry.size() + 2;
    return size;
}

QByteArray inserted(QByteArrayView data, const FileMap& map,
                    const std::vector<QByteArray>& entries) {
    QByteArray out;
    out.reserve(data.size() + addedSize(entries));
    out.append(data.first(map.otherEnd));
    appendEntries(out, entries, map.key, map.lineEnd);
    out.append(data.sliced(map.otherEnd));
    return out;
}

// The file under a new key that carries every line, old and added. The key line is written
// anew, or, where it is also the birthday heading, put before that heading as a line of its
// own. Nothing when no key carries them all (lines whose bytes at one position take every
// value, which no typed name makes).
std::optional<QByteArray> rekeyed(QByteArrayView data, const FileMap& map,
                                  const std::vector<QByteArray>& entries,
                                  QRandomGenerator& random) {
    std::vector<QByteArray> plain;
    plain.reserve(map.entries.size() + entries.size());
    for (const LineAt& line : map.entries)
        plain.push_back(Unscramble(data.sliced(line.at, line.length), map.key));
    plain.insert(plain.end(), entries.begin(), entries.end());
    const QByteArray key = MakeScrambleKey(plain, random);
    if (!keyCarries(key, plain)) return std::nullopt;

    QByteArray out;
    out.reserve(data.size() + addedSize(entries) + key.size() + 2);
    qsizetype from = 0;
    const auto copyUpTo = [&](qsizetype at) {
        out.append(data.sliced(from, at - from));
        from = at;
    };
    const auto replace = [&](LineAt line, QByteArrayView bytes) {
        copyUpTo(line.at);
        out.append(bytes);
        from += line.length;
    };
    if (map.keyIsHeading)
        replace({map.keyLine.at, 0}, key + map.lineEnd.toByteArray());
    else
        replace(map.keyLine, key);
    for (size_t i = 0; i < map.entries.size(); ++i)
        replace(map.entries[i], Scramble(plain[i], key));
    copyUpTo(map.otherEnd);
    appendEntries(out, entries, key, map.lineEnd);
    copyUpTo(data.size());
    return out;
}

} // namespace

FileResult CheckCalendarFile(QByteArrayView data) {
    FileMap map;
    return mapFile(data, map);
}

CalendarFileAddition AddOtherEvents(QByteArrayView data, const std::vector<QByteArray>& entries,
                                    QRandomGenerator& random) {
    FileMap map;
    if (FileResult result = mapFile(data, map); result.failed()) return {std::move(result), {}};
    if (keyCarries(map.key, entries)) return {{}, inserted(data, map, entries)};
    if (auto bytes = rekeyed(data, map, entries, random)) return {{}, std::move(*bytes)};
    return {{FileStatus::Failed,
             QCoreApplication::translate("CalendarFileAddition",
                                         "No key of the file can carry both its entries and the "
                                         "events without breaking lines.")},
            {}};
}
