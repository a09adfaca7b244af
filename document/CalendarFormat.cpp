#include "document/CalendarFormat.h"

#include "calendar_format/CalendarDates.h"
#include "calendar_format/CalendarFileReader.h"
#include "document/NameCache.h"
#include "document/OwnSectionEntries.h"
#include "document/PhotoRecords.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
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
    SectionStarts counts() const {
        return {FixedHolidays.entryCount(), FloatingHolidays.entryCount(),
                OtherEvents.entryCount()};
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
        const SectionStarts starts = mode == Mode::Import ? tables.counts() : SectionStarts{};
        const bool complete = readSections(reader, decoder, tables, mode == Mode::Read);
        // The file's own section follows a file read whole; a stop line ends it before.
        const OwnSection section = complete ? ReadOwnSection(reader.rest()) : OwnSection{};
        PlaceSectionRecords(section.records,
                            {tables.FixedHolidays, tables.FloatingHolidays, tables.OtherEvents},
                            starts);
        tables.moveInto(doc);
        // An import takes entries only; the calendar keeps its own photos.
        if (mode == Mode::Read) doc.Photos = PhotosOfRecords(section.records, doc.FileName);
        if (mode == Mode::Read)
            doc.KeptSection = section.kept;
        else
            doc.KeptSection += section.kept;
        if (mode == Mode::Read) {
            doc.CalendarTitle = decoder.text(prologue.title);
            if (prologue.hasHeaders) {
                doc.HeaderLine1 = decoder.text(prologue.header1);
                doc.HeaderLine2 = decoder.text(prologue.header2);
            }
        }
        return {complete ? FileStatus::Success : FileStatus::Stopped,
                {},
                section.unreadLines ? KeptSectionNotice(section.unreadLines) : QString()};
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

namespace {

bool allDigits(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool isBlank(QByteArrayView line) {
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// "MMDDYYYY Name": a date that exists, a space (or a tab) and a name that is not only
// spaces.
bool isDatedEvent(QByteArrayView line) {
    if (line.size() <= kOtherNameStart) return false;
    if (line[kOtherNameStart - 1] != ' ' && line[kOtherNameStart - 1] != '\t') return false;
    if (isBlank(line.sliced(kOtherNameStart))) return false;
    const QByteArrayView date = line.first(8);
    if (!allDigits(date)) return false;
    const int month = date.first(2).toInt(), day = date.sliced(2, 2).toInt();
    const int year = date.sliced(4).toInt();
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

// A line that was left out, as the import's message names it: its number and, shortened,
// its text, with control characters shown as spaces.
QString leftOutLine(QByteArrayView line, int number) {
    constexpr qsizetype kLongest = 60;
    QString text = TextDecoder::text(line);
    for (QChar& c : text)
        if (c.category() == QChar::Other_Control) c = u' ';
    if (text.size() > kLongest) text = text.left(kLongest - 1) + QChar(0x2026);
    return QCoreApplication::translate("CalendarFormat", "Line %1: \"%2\"").arg(number).arg(text);
}

QString listOfLines(const QStringList& lines) {
    constexpr int kShown = 20;
    QString text = lines.mid(0, kShown).join(u'\n');
    if (lines.size() > kShown)
        text += QCoreApplication::translate("CalendarFormat", "\n... and %1 more.")
                    .arg(lines.size() - kShown);
    return text;
}

} // namespace

TextListImportResult importTextList(QByteArrayView data, CalendarDocument& doc) {
    TextDecoder decoder;
    LineReader lines(data);
    EntryTable<OtherEntry> events = doc.OtherEvents;
    TextListImportResult result;
    while (const auto line = lines.next()) {
        if (isBlank(*line)) continue;
        if (!isDatedEvent(*line)) {
            result.notImported << leftOutLine(*line, lines.lineNumber());
            continue;
        }
        addEntry(events, otherEntry(decoder, *line));
        ++result.added;
    }
    if (result.added == 0) {
        result.status = FileStatus::Failed;
        result.error =
            result.notImported.isEmpty()
                ? QCoreApplication::translate("CalendarFormat", "The file holds no events.")
                : QCoreApplication::translate(
                      "CalendarFormat", "No line of the file is an event (a date as MMDDYYYY, a "
                                        "space and the name):\n") +
                      listOfLines(result.notImported);
        return result;
    }
    doc.OtherEvents = std::move(events);
    return result;
}

QString TextListImportMessage(const TextListImportResult& result) {
    if (result.failed() || result.notImported.isEmpty()) return {};
    QString text = result.added == 1
                       ? QCoreApplication::translate("CalendarFormat", "1 event was imported.")
                       : QCoreApplication::translate("CalendarFormat", "%1 events were imported.")
                             .arg(result.added);
    text += QCoreApplication::translate(
        "CalendarFormat", "\n\nThese lines are not events (a date as MMDDYYYY, a space "
                          "and the name) and were not imported:\n");
    return text + listOfLines(result.notImported);
}
