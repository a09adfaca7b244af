#include "document/CalendarFormat.h"

#include "calendar_format/CalendarFileReader.h"
#include "document/NameCache.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <climits>

namespace {

// Bytes [from, from + count) of a view, cut to the view's end.
QByteArrayView part(QByteArrayView bytes, qsizetype from, qsizetype count = -1) {
    if (from >= bytes.size()) return {};
    const qsizetype available = bytes.size() - from;
    return bytes.sliced(from, count < 0 || count > available ? available : count);
}

// Turns the bytes of a file line into text. Each line is judged on its own, whole (a field
// cut from a line may split a character that the line holds whole): a line that is valid
// UTF-8 is read as UTF-8, any other line as Windows-1252, so that one stray byte of an older
// system's encoding changes the characters of its own line only.
struct TextDecoder {
    // The text of part of line, in the line's encoding.
    static QString text(QByteArrayView line, qsizetype from = 0) {
        return decodeText(part(line, from), lineEncoding(line));
    }
    // Everything from the run's name position on, in the line's encoding; the reader has
    // checked the line's length. Names that repeat share one text.
    QString name(QByteArrayView line, EntryRun run) const {
        return names.decode(part(line, runLayout(run).nameStart), lineEncoding(line));
    }
    template <int N> static FixedText<N> field(QByteArrayView line, qsizetype from) {
        return FixedText<N>::fromAscii(part(line, from, N));
    }

    mutable NameCache names;
};

// The tables a parse fills, committed only when the parse ends without an error. Importing
// starts from copies of the document's tables; reading starts from empty ones and replaces
// all five, so that a read that a stop line ended leaves the tables it never reached empty
// rather than holding the previous calendar's entries.
struct Tables {
    EntryTable<BirthdayEntry> Birthdays;
    EntryTable<AnniversaryEntry> Anniversaries;
    EntryTable<FixedHolidayEntry> FixedHolidays;
    EntryTable<FloatingHolidayEntry> FloatingHolidays;
    EntryTable<OtherEntry> OtherEvents;

    static Tables of(const CalendarDocument& doc) {
        return {doc.Birthdays, doc.Anniversaries, doc.FixedHolidays, doc.FloatingHolidays,
                doc.OtherEvents};
    }
    void moveInto(CalendarDocument& doc) {
        doc.Birthdays = std::move(Birthdays);
        doc.Anniversaries = std::move(Anniversaries);
        doc.FixedHolidays = std::move(FixedHolidays);
        doc.FloatingHolidays = std::move(FloatingHolidays);
        doc.OtherEvents = std::move(OtherEvents);
    }
};

// An entry line whose name is empty carries no entry: kept, it would end its table there
// and hide every entry after it, so it is passed over.
template <class Entry> void addEntry(EntryTable<Entry>& table, Entry entry) {
    if (!entry.Name.isEmpty()) table.append(std::move(entry));
}

template <class Entry> Entry datedEntry(const TextDecoder& d, QByteArrayView line) {
    return {d.field<8>(line, 0), d.name(line, EntryRun::Birthdays), d.field<1>(line, 9)};
}

OtherEntry otherEntry(const TextDecoder& d, QByteArrayView line) {
    return {d.field<8>(line, 0), d.name(line, EntryRun::OtherEvents)};
}

// Reads the five runs into the tables. With replace, each table is emptied when its run is
// reached (reading a calendar); otherwise the entries are appended (importing). Returns
// false when a stop line ended the reading.
bool readSections(CalendarFileReader& r, const TextDecoder& d, Tables& t, bool replace) {
    auto run = [&](EntryRun which, auto& table, auto&& entryOf) {
        r.beginRun(which);
        if (replace) table.reset();
        const qsizetype lines = r.runLength(which);
        table.reserve(int(std::min<qsizetype>(table.nextIndex() + lines, INT_MAX)));
        return r.readRun(which, [&](QByteArrayView l) { addEntry(table, entryOf(l)); });
    };
    return run(EntryRun::Birthdays, t.Birthdays,
               [&](QByteArrayView l) { return datedEntry<BirthdayEntry>(d, l); }) &&
           run(EntryRun::Anniversaries, t.Anniversaries,
               [&](QByteArrayView l) { return datedEntry<AnniversaryEntry>(d, l); }) &&
           run(EntryRun::FixedHolidays, t.FixedHolidays,
               [&](QByteArrayView l) {
                   return FixedHolidayEntry{d.field<4>(l, 1), d.name(l, EntryRun::FixedHolidays)};
               }) &&
           run(EntryRun::FloatingHolidays, t.FloatingHolidays,
               [&](QByteArrayView l) {
                   return FloatingHolidayEntry{d.field<2>(l, 2), d.field<2>(l, 0),
                                               d.name(l, EntryRun::FloatingHolidays)};
               }) &&
           run(EntryRun::OtherEvents, t.OtherEvents,
               [&](QByteArrayView l) { return otherEntry(d, l); });
}

enum class Mode { Read, Import };

FileResult parse(QByteArrayView data, CalendarDocument& doc, Mode mode) {
    CalendarFileReader reader(data);
    try {
        if (!reader.readVersion()) return {FileStatus::NotReadable, {}};
        const CalendarPrologue& prologue = reader.readPrologue();
        Tables tables = mode == Mode::Import ? Tables::of(doc) : Tables{};
        const TextDecoder decoder;
        const bool complete = readSections(reader, decoder, tables, mode == Mode::Read);
        tables.moveInto(doc);
        if (mode == Mode::Read) {
            doc.CalendarTitle = decoder.text(prologue.title);
            if (prologue.hasHeaders) {
                doc.HeaderLine1 = decoder.text(prologue.header1);
                doc.HeaderLine2 = decoder.text(prologue.header2);
            }
        }
        return {complete ? FileStatus::Success : FileStatus::Stopped, {}};
    } catch (const CalendarFormatError& error) {
        return {FileStatus::Failed, error.text};
    }
}

} // namespace

FileResult readCalendar(QByteArrayView data, CalendarDocument& doc) {
    return parse(data, doc, Mode::Read);
}

FileResult importCalendar(QByteArrayView data, CalendarDocument& doc) {
    return parse(data, doc, Mode::Import);
}

FileResult importTextList(QByteArrayView data, CalendarDocument& doc) {
    TextDecoder decoder;
    LineReader lines(data);
    EntryTable<OtherEntry> events = doc.OtherEvents;
    for (bool first = true;; first = false) {
        const auto line = lines.next();
        if (!line) {
            if (first) return {FileStatus::Failed, QStringLiteral("The file is empty.")};
            break;
        }
        if (!first && line->isEmpty()) break;
        if (line->size() < kOtherNameStart)
            return {FileStatus::Failed,
                    QStringLiteral("Line %1 is too short for an event.").arg(lines.lineNumber())};
        addEntry(events, otherEntry(decoder, *line));
    }
    doc.OtherEvents = std::move(events);
    return {};
}
