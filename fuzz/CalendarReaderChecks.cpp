// The rules the calendar-file reader keeps for every input. readCalendar, importCalendar
// and importTextList each get the bytes into an empty calendar and into one that already
// holds entries, and these must hold:
//
// - every table keeps its shape: one blank record, or records that all have a name;
// - Not Readable and Failed leave the document exactly as it was (and Failed says why);
// - Not Readable is given exactly when line 1 is not the version line;
// - reading replaces, importing appends: the result into a filled calendar is the filled
//   calendar's entries followed by what the same bytes give in an empty one, and importing
//   a calendar gives the same entries as reading it;
// - a document that was read or imported, written with formatCalendar and read back, is the
//   same document, and writing it again gives the same bytes; this holds for the entries of
//   the file's own section after "[End of Data]" too, and lines of that section this version
//   cannot read are kept and written back as they were;
// - in a plain file, a text from a line that is valid UTF-8 is read as UTF-8, one from any
//   other line as Windows-1252;
// - LF and CR LF line ends read alike;
// - Unscramble keeps the length and scrambling its result gives the line back;
// - other events can be added to the file (as the generator adds them) exactly when it reads
//   whole, and the new file reads as the old one with the events after its other events
//   (after its classic ones, when the file has its own section), that section unchanged.
//
// The first broken rule ends the checks: it is thrown as RuleBroken and CheckCalendarInput
// returns its description.

#include "fuzz/CalendarReaderChecks.h"
#include "fuzz/TableShape.h"

#include "calendar_format/CalendarFileAddition.h"
#include "calendar_format/CalendarFileReader.h"
#include "document/CalendarDocument.h"
#include "document/CalendarFormat.h"
#include "platform/TextCodec.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace {

struct RuleBroken {
    std::string description;
};

[[noreturn]] void broken(const char* rule, std::string details = {}) {
    throw RuleBroken{std::string(rule) + details};
}

void require(bool holds, const char* rule) {
    if (!holds) broken(rule);
}

// A calendar with entries in four tables (names with spaces and non-ASCII letters) and an
// empty anniversary table, so that both an empty and a filled table are merged into.
CalendarDocument makeFilled() {
    CalendarDocument doc;
    doc.CalendarTitle = QStringLiteral("Family  calendar – Zoë");
    doc.HeaderLine1 = QStringLiteral("Header one");
    doc.HeaderLine2 = QStringLiteral(" Ünïcode header ");
    doc.Birthdays.append({"03071961", QStringLiteral("Anna Müller"), "1"});
    doc.Birthdays.append({"12251999", QStringLiteral(" leading space"), "3"});
    doc.FixedHolidays.append({"0704", QStringLiteral("Independence Day")});
    doc.FloatingHolidays.append({"11", "44", QStringLiteral("Thanksgiving")});
    doc.FloatingHolidays.append({"05", "L1", QStringLiteral("Memorial Day")});
    doc.OtherEvents.append({"01012000", QStringLiteral("Millennium 日本")});
    // Entries of the file's own section: a pack holiday, a moving one, a trip of days.
    doc.FixedHolidays.append({"1003", QStringLiteral("Tag der Einheit"), 1, "DE-BY"});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Ostermontag"), RuleFromText(u"easter+1"), {}});
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    return doc;
}

const CalendarDocument& filled() {
    static const CalendarDocument doc = makeFilled();
    return doc;
}

// The entries of a table: the records before the first empty name.
template <class Entry> std::vector<Entry> entries(const EntryTable<Entry>& table) {
    return {table.begin(), table.end()};
}

// The table of the given type in a document.
template <class Table, class Document> auto& tableIn(Document& doc) {
    if constexpr (std::is_same_v<Table, decltype(doc.Birthdays)>)
        return doc.Birthdays;
    else if constexpr (std::is_same_v<Table, decltype(doc.Anniversaries)>)
        return doc.Anniversaries;
    else if constexpr (std::is_same_v<Table, decltype(doc.FixedHolidays)>)
        return doc.FixedHolidays;
    else if constexpr (std::is_same_v<Table, decltype(doc.FloatingHolidays)>)
        return doc.FloatingHolidays;
    else
        return doc.OtherEvents;
}

// Calls f(tableOfA, tableOfB) for the five tables of two documents.
template <class F> void forTablePairs(const CalendarDocument& a, const CalendarDocument& b, F&& f) {
    f(a.Birthdays, b.Birthdays);
    f(a.Anniversaries, b.Anniversaries);
    f(a.FixedHolidays, b.FixedHolidays);
    f(a.FloatingHolidays, b.FloatingHolidays);
    f(a.OtherEvents, b.OtherEvents);
}

template <class F> bool allTablePairs(const CalendarDocument& a, const CalendarDocument& b, F&& f) {
    bool all = true;
    forTablePairs(a, b, [&](const auto& ta, const auto& tb) { all = all && f(ta, tb); });
    return all;
}

void checkShape(const CalendarDocument& doc) {
    require(allTablePairs(doc, doc, [](const auto& t, const auto&) { return wellShaped(t); }),
            "a table holds a record with an empty name (or a blank record with fields)");
}

// For finding the cause of a broken rule: a file's lines, the bytes that are not printable
// ASCII escaped.
std::string dump(const char* what, const QByteArray& bytes) {
    std::string out = std::string("\n--- ") + what + "\n";
    for (const char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n' || (c >= 0x20 && c < 0x7F)) {
            out += ch;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out;
}

// A fixed field holding a character outside ASCII would take more bytes in the file than
// the field's width; the reader must never produce one.
template <class Entry> bool wideFields(const Entry& e) {
    auto wide = [](QStringView text) {
        for (const QChar c : text)
            if (c.unicode() > 0x7F) return true;
        return false;
    };
    if constexpr (requires { e.Style; })
        return wide(e.Date.view()) || wide(e.Style.view());
    else if constexpr (requires { e.Rule; })
        return wide(e.Month.view()) || wide(e.Rule.view());
    else if constexpr (requires { e.Until; })
        return wide(e.Date.view()) || wide(e.Until.view());
    else
        return wide(e.Date.view());
}

bool hasWideFixedField(const CalendarDocument& doc) {
    bool wide = false;
    forTablePairs(doc, doc, [&](const auto& table, const auto&) {
        for (const auto& entry : table)
            wide = wide || wideFields(entry);
    });
    return wide;
}

// The writer turns a line break inside a text into a space, so that no text can split its
// line; a decoded scrambled line or a lone CR can bring one into any field.
QString spaced(QString text) {
    return text.replace(u'\r', u' ').replace(u'\n', u' ');
}
template <int N> FixedText<N> spaced(const FixedText<N>& field) {
    return spaced(field.text());
}
BirthdayEntry spaced(const BirthdayEntry& e) {
    return {spaced(e.Date), spaced(e.Name), spaced(e.Style)};
}
AnniversaryEntry spaced(const AnniversaryEntry& e) {
    return {spaced(e.Date), spaced(e.Name), spaced(e.Style)};
}
FixedHolidayEntry spaced(const FixedHolidayEntry& e) {
    return {spaced(e.Date), spaced(e.Name), e.Days, e.Pack};
}
FloatingHolidayEntry spaced(const FloatingHolidayEntry& e) {
    return {spaced(e.Month), spaced(e.Rule), spaced(e.Name), e.Moving, e.Pack};
}
OtherEntry spaced(const OtherEntry& e) {
    return {spaced(e.Date), spaced(e.Name), spaced(e.Until)};
}

// The document as it should read back after being written.
CalendarDocument asWritten(const CalendarDocument& doc) {
    CalendarDocument out;
    out.CalendarTitle = spaced(doc.CalendarTitle);
    out.HeaderLine1 = spaced(doc.HeaderLine1);
    out.HeaderLine2 = spaced(doc.HeaderLine2);
    out.KeptSection = doc.KeptSection;
    forTablePairs(doc, doc, [&](const auto& table, const auto&) {
        using Table = std::decay_t<decltype(table)>;
        auto& target = tableIn<Table>(out);
        for (const auto& entry : table)
            target.append(spaced(entry));
    });
    return out;
}

// A document the program holds must survive a write and a read unchanged (but for line
// breaks inside its texts).
void checkRoundTrip(const CalendarDocument& doc) {
    require(!hasWideFixedField(doc), "a fixed field holds a character outside ASCII");
    const QByteArray bytes = formatCalendar(doc);
    CalendarDocument back;
    const FileResult result = readCalendar(bytes, back);
    const auto details = [&] {
        return dump("written", bytes) +
               dump("written again after reading it back", formatCalendar(back));
    };
    if (result.status != FileStatus::Success)
        broken("a written calendar does not read back", details());
    if (!back.sameContent(asWritten(doc)))
        broken("a written calendar reads back with other content", details());
    require(formatCalendar(back) == bytes, "writing a calendar read back gives other bytes");
}

// Line n (from 1) as the reader sees it: after a UTF-8 byte-order mark, up to LF, without
// the CR before it. Nothing when the file has fewer lines.
std::optional<QByteArrayView> lineAt(QByteArrayView data, int n) {
    if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
    qsizetype pos = 0;
    for (int i = 1; i < n && pos < data.size(); ++i) {
        const qsizetype end = data.indexOf('\n', pos);
        pos = end < 0 ? data.size() : end + 1;
    }
    if (pos >= data.size()) return std::nullopt;
    const qsizetype end = data.indexOf('\n', pos);
    QByteArrayView line = data.sliced(pos, (end < 0 ? data.size() : end) - pos);
    if (line.endsWith('\r')) line.chop(1);
    return line;
}

// A file without any line has no line 1 to be of another version: it is simply cut short.
bool notReadable(QByteArrayView data) {
    const auto first = lineAt(data, 1);
    return first && *first != QByteArrayView(kVersionLine);
}

bool hasHeaderLines(QByteArrayView data) {
    const auto third = lineAt(data, 3);
    return third && third->startsWith(kHeader1);
}

bool isPlain(QByteArrayView data) {
    const auto key = lineAt(data, hasHeaderLines(data) ? 5 : 3);
    return key && key->isEmpty();
}

// Every LF that has no CR before it gets one.
QByteArray withCrLf(QByteArrayView data) {
    QByteArray out;
    out.reserve(data.size() * 2);
    for (qsizetype i = 0; i < data.size(); ++i) {
        if (data[i] == '\n' && (i == 0 || data[i - 1] != '\r')) out.append('\r');
        out.append(data[i]);
    }
    return out;
}

// The file's lines, those that are valid UTF-8 and the others each joined by LF (which no
// text of a plain file holds, so no text is found across two lines).
struct LinesByEncoding {
    QByteArray utf8, other;
};

LinesByEncoding linesByEncoding(QByteArrayView data) {
    if (data.startsWith("\xEF\xBB\xBF")) data = data.sliced(3);
    LinesByEncoding lines;
    for (qsizetype pos = 0; pos < data.size();) {
        const qsizetype end = data.indexOf('\n', pos);
        QByteArrayView line = data.sliced(pos, (end < 0 ? data.size() : end) - pos);
        if (line.endsWith('\r')) line.chop(1);
        QByteArray& into = line.isValidUtf8() ? lines.utf8 : lines.other;
        into.append(line).append('\n');
        pos = end < 0 ? data.size() : end + 1;
    }
    return lines;
}

// The Windows-1252 bytes of text, or nothing when a character has no byte there.
std::optional<QByteArray> toWindows1252(QStringView text) {
    static const std::vector<char16_t> codes = [] {
        std::vector<char16_t> all(256);
        for (int byte = 0; byte < 256; ++byte) {
            const char ch = static_cast<char>(byte);
            all[byte] = fromWindows1252(QByteArrayView(&ch, 1)).at(0).unicode();
        }
        return all;
    }();
    QByteArray bytes;
    for (const QChar c : text) {
        const auto at = std::find(codes.begin(), codes.end(), c.unicode());
        if (at == codes.end()) return std::nullopt;
        bytes.append(static_cast<char>(at - codes.begin()));
    }
    return bytes;
}

// A text read from a plain file is the UTF-8 of a line that is valid UTF-8 (but for the rest
// of a character cut at the name's position, which comes out as replacement characters), or
// the Windows-1252 of a line that is not: one line in another encoding never changes how the
// others read.
void checkLineEncodings(QByteArrayView data, const CalendarDocument& doc) {
    const LinesByEncoding lines = linesByEncoding(data);
    auto fromItsLine = [&](QStringView text) {
        while (text.startsWith(QChar::ReplacementCharacter))
            text = text.sliced(1);
        if (lines.utf8.contains(text.toUtf8())) return true;
        const auto legacy = toWindows1252(text);
        return legacy && lines.other.contains(*legacy);
    };
    bool own = fromItsLine(doc.CalendarTitle) && fromItsLine(doc.HeaderLine1) &&
               fromItsLine(doc.HeaderLine2);
    forTablePairs(doc, doc, [&](const auto& table, const auto&) {
        for (const auto& entry : table)
            own = own && fromItsLine(entry.Name);
    });
    require(own, "a text was not read in the encoding of its own line");
}

struct Outcome {
    FileResult result;
    CalendarDocument doc;
};

template <class Op> Outcome run(Op op, QByteArrayView data, const CalendarDocument& start) {
    Outcome out{{}, start};
    out.result = op(data, out.doc);
    checkShape(out.doc);
    const FileStatus s = out.result.status;
    if (s == FileStatus::Failed || s == FileStatus::NotReadable) {
        require(out.doc.sameContent(start), "a failed read changed the document");
        require(s == FileStatus::NotReadable || !out.result.error.isEmpty(),
                "a failed read gives no reason");
    } else {
        checkRoundTrip(out.doc);
    }
    return out;
}

bool loaded(const FileResult& r) {
    return r.status == FileStatus::Success || r.status == FileStatus::Stopped;
}

void checkRead(QByteArrayView data) {
    const Outcome fromEmpty = run(readCalendar, data, CalendarDocument{});
    const Outcome fromFilled = run(readCalendar, data, filled());
    const FileStatus s = fromEmpty.result.status;
    require(fromFilled.result.status == s, "reading depends on the calendar read into");
    require((s == FileStatus::NotReadable) == notReadable(data),
            "Not Readable does not match line 1");
    if (!loaded(fromEmpty.result)) return;

    require(fromFilled.doc.CalendarTitle == fromEmpty.doc.CalendarTitle,
            "reading does not replace the title");
    const bool headers = hasHeaderLines(data);
    const CalendarDocument& headerSource = headers ? fromEmpty.doc : filled();
    require(fromFilled.doc.HeaderLine1 == headerSource.HeaderLine1 &&
                fromFilled.doc.HeaderLine2 == headerSource.HeaderLine2,
            "header lines replaced or kept wrongly");
    // Every table is replaced, also after a stop line: the tables it kept the reader from
    // reaching are left empty, never holding the previous calendar's entries.
    require(allTablePairs(fromFilled.doc, fromEmpty.doc,
                          [](const auto& a, const auto& b) { return a == b; }),
            "reading does not replace every table");

    // (Size-limited: the search is quadratic.)
    if (data.size() <= 65536 && isPlain(data)) checkLineEncodings(data, fromEmpty.doc);

    // LF and CR LF line ends read alike.
    CalendarDocument crlf;
    const FileResult r = readCalendar(withCrLf(data), crlf);
    require(r.status == s && crlf.sameContent(fromEmpty.doc), "CR LF and LF read differently");
}

// importedFromEmpty holds what the file adds; after an import into the filled calendar each
// table must be the filled calendar's entries followed by those.
void checkAppended(const CalendarDocument& after, const CalendarDocument& importedFromEmpty) {
    require(after.CalendarTitle == filled().CalendarTitle &&
                after.HeaderLine1 == filled().HeaderLine1 &&
                after.HeaderLine2 == filled().HeaderLine2,
            "an import changed the title or header lines");
    bool appended = true;
    forTablePairs(filled(), importedFromEmpty, [&](const auto& before, const auto& added) {
        auto expected = entries(before);
        const auto more = entries(added);
        expected.insert(expected.end(), more.begin(), more.end());
        using Table = std::decay_t<decltype(before)>;
        appended = appended && entries(tableIn<Table>(after)) == expected;
    });
    require(appended, "an import did not append the file's entries after the old ones");
}

void checkImport(QByteArrayView data) {
    const Outcome fromEmpty = run(importCalendar, data, CalendarDocument{});
    const Outcome fromFilled = run(importCalendar, data, filled());
    const FileStatus s = fromEmpty.result.status;
    require(fromFilled.result.status == s, "importing depends on the calendar imported into");
    require((s == FileStatus::NotReadable) == notReadable(data),
            "Not Readable does not match line 1 (import)");

    // Importing into an empty calendar gives the entries that reading gives.
    CalendarDocument read;
    const FileResult r = readCalendar(data, read);
    require(r.status == s, "import and read disagree on the file");
    if (!loaded(r)) return;
    require(allTablePairs(fromEmpty.doc, read, [](const auto& a, const auto& b) { return a == b; }),
            "import into an empty calendar differs from reading");
    require(fromEmpty.doc.CalendarTitle == kUntitled, "an import changed the title");
    checkAppended(fromFilled.doc, fromEmpty.doc);
}

void checkTextList(QByteArrayView data) {
    const Outcome fromEmpty = run(importTextList, data, CalendarDocument{});
    const Outcome fromFilled = run(importTextList, data, filled());
    const FileStatus s = fromEmpty.result.status;
    require(s == FileStatus::Success || s == FileStatus::Failed,
            "a text list import gave a status other than Success or Failed");
    require(fromFilled.result.status == s, "a text list import depends on the calendar");
    if (s != FileStatus::Success) return;
    checkAppended(fromFilled.doc, fromEmpty.doc);
}

// The first line is the key, the rest is the line.
void checkUnscramble(QByteArrayView data) {
    const qsizetype end = data.indexOf('\n');
    const QByteArrayView key = end < 0 ? QByteArrayView() : data.first(end);
    const QByteArrayView line = end < 0 ? data : data.sliced(end + 1);
    const QByteArray plain = Unscramble(line, key);
    require(plain.size() == line.size(), "Unscramble changed the length");
    if (key.isEmpty()) {
        require(plain == line, "Unscramble with an empty key changed the line");
        return;
    }
    for (qsizetype i = 0; i < plain.size(); ++i) {
        const auto k = static_cast<unsigned char>(key[(i + 1) % key.size()]);
        const auto c = static_cast<unsigned char>(static_cast<unsigned char>(plain[i]) + k);
        require(c == static_cast<unsigned char>(line[i]), "Unscramble does not invert scrambling");
    }
}

// The bytes after the "[End of Data]" line of a file that reads whole.
QByteArray sectionOf(CalendarFileReader& reader) {
    try {
        reader.readVersion();
        reader.readPrologue();
        for (const RunLayout& run : kRuns) {
            reader.beginRun(run.run);
            reader.readRun(run.run, [](QByteArrayView) {});
        }
        return reader.rest().toByteArray();
    } catch (const CalendarFormatError&) {
        return {};
    }
}

void checkAddition(QByteArrayView data) {
    CalendarDocument expected;
    const bool whole = readCalendar(data, expected).status == FileStatus::Success;
    // A name whose UTF-8 lead byte comes close to the line breaks under the usual keys.
    const QString name = QStringLiteral("Bins \u0688");
    QRandomGenerator random(1);
    const CalendarFileAddition added =
        AddOtherEvents(data, {"01042027 " + name.toUtf8(), "02292028 " + name.toUtf8()}, random);
    require(added.result.failed() != whole, "adding to a file disagrees with reading it whole");
    if (!whole) return;
    CalendarDocument after;
    require(readCalendar(added.bytes, after).status == FileStatus::Success,
            "a file with events added does not read whole");
    const OtherEntry first{QStringLiteral("01042027"), name},
        second{QStringLiteral("02292028"), name};
    CalendarFileReader original(data), changed(added.bytes);
    const QByteArray section = sectionOf(original);
    if (section.isEmpty()) {
        expected.OtherEvents.append(first);
        expected.OtherEvents.append(second);
        require(after.sameContent(expected), "adding events changed what the file held");
        return;
    }
    require(section == sectionOf(changed), "adding events changed the file's own section");
    // The events go after the classic ones, where the section's entries may be placed too:
    // without the two added events, the file reads as before.
    std::vector<OtherEntry> events = entries(after.OtherEvents);
    const auto last = std::find(events.rbegin(), events.rend(), second);
    require(last != events.rend(), "an added event is missing");
    events.erase(std::next(last).base());
    const auto before = std::find(events.rbegin(), events.rend(), first);
    require(before != events.rend(), "an added event is missing");
    events.erase(std::next(before).base());
    after.OtherEvents = expected.OtherEvents;
    require(events == entries(expected.OtherEvents) && after.sameContent(expected),
            "adding events changed what the file held");
}

} // namespace

std::optional<std::string> CheckCalendarInput(QByteArrayView data) {
    try {
        checkRead(data);
        checkImport(data);
        checkTextList(data);
        checkUnscramble(data);
        checkAddition(data);
    } catch (RuleBroken& rule) {
        return std::move(rule.description);
    }
    return std::nullopt;
}
