#include "document/CalendarFormat.h"

#include "document/LineReader.h"
#include "document/NameCache.h"
#include "platform/TextCodec.h"

#include <algorithm>
#include <climits>

namespace {

// A malformed file. Thrown inside the parser only and turned into a Failed result at the
// parser's edge.
struct FormatError {
    QString text;
};

// Bytes [from, from + count) of a view, cut to the view's end.
QByteArrayView part(QByteArrayView bytes, qsizetype from, qsizetype count = -1) {
    if (from >= bytes.size()) return {};
    const qsizetype available = bytes.size() - from;
    return bytes.sliced(from, count < 0 || count > available ? available : count);
}

// Field layout of one kind of entry line: where the name starts (0-based byte position);
// a line that ends before the name's position is malformed.
struct Layout {
    qsizetype nameStart;
    const char* what; // for the error text
};
constexpr Layout kDatedLayout{kDatedNameStart, "a birthday or anniversary"};
constexpr Layout kFixedLayout{kFixedNameStart, "a fixed holiday"};
constexpr Layout kFloatingLayout{kFloatingNameStart, "a floating holiday"};
constexpr Layout kOtherLayout{kOtherNameStart, "an other event"};

// Turns the bytes of a file line into text. Each line is judged on its own, whole (a field
// cut from a line may split a character that the line holds whole): a line that is valid
// UTF-8 is read as UTF-8, any other line as Windows-1252, so that one stray byte of an older
// system's encoding changes the characters of its own line only.
struct TextDecoder {
    // The text of part of line, in the line's encoding.
    static QString text(QByteArrayView line, qsizetype from = 0) {
        return decodeText(part(line, from), lineEncoding(line));
    }
    // Everything from layout.nameStart on, in the line's encoding; the caller has checked
    // the line's length. Names that repeat share one text.
    QString name(QByteArrayView line, const Layout& layout) const {
        return names.decode(part(line, layout.nameStart), lineEncoding(line));
    }
    template <int N> static FixedText<N> field(QByteArrayView line, qsizetype from) {
        return FixedText<N>::fromAscii(part(line, from, N));
    }

    mutable NameCache names;
};

bool tooShort(QByteArrayView line, const Layout& layout) {
    return line.size() < layout.nameStart;
}

// Parses one calendar file line by line.
class Parser {
  public:
    explicit Parser(QByteArrayView data) : lines_(data) {}

    // Line 1; false when it is not the version line.
    bool readVersion() { return nextLine() == QByteArrayView(kVersionLine); }

    // Lines 2 to 5 (or 2 to 3 without header lines): title, header lines, key line.
    void readPrologue() {
        title_ = decoder.text(nextLine());
        current_ = nextLine();
        if (current_.startsWith(kHeader1)) {
            hasHeaders_ = true;
            header1_ = decoder.text(current_, QByteArrayView(kHeader1).size());
            current_ = nextLine(); // the "Header2=" text itself is not compared
            header2_ = decoder.text(current_, QByteArrayView(kHeader2).size());
            key_ = nextLine().toByteArray();
        } else {
            key_ = current_.toByteArray(); // no header lines: line 3 is the key line
        }
    }

    const QString& title() const { return title_; }
    bool hasHeaders() const { return hasHeaders_; }
    const QString& header1() const { return header1_; }
    const QString& header2() const { return header2_; }

    // Reads lines until one is exactly the heading. The line in hand is looked at first, so
    // a key line that happens to be the heading is found as the heading too.
    void findHeading(const char* heading) {
        while (current_ != QByteArrayView(heading)) {
            if (lines_.atEnd())
                throw FormatError{QStringLiteral("The file ends before the \"%1\" heading.")
                                      .arg(QString::fromLatin1(heading))};
            current_ = nextLine();
        }
    }

    // Reads the entry lines up to the next empty line, handing each decoded line to add.
    // Returns false when a stop line ended the reading.
    template <class Add> bool readRun(Add&& add) {
        for (;;) {
            current_ = nextLine();
            if (current_.isEmpty()) return true;
            if (key_.isEmpty()) {
                add(current_);
                continue;
            }
            const QByteArray decoded = Unscramble(current_, key_);
            if (decoded == "X") return false;
            add(QByteArrayView(decoded));
        }
    }

    // The number of lines of the run after the line in hand that are long enough to be
    // entries.
    qsizetype runLength(qsizetype shortest) const { return lines_.linesBeforeEmpty(shortest); }

    // A line too short for its layout is malformed; its name starts at layout.nameStart.
    void requireLength(QByteArrayView line, const Layout& layout) const {
        if (tooShort(line, layout))
            throw FormatError{QStringLiteral("Line %1 is too short for %2 entry.")
                                  .arg(lines_.lineNumber())
                                  .arg(QLatin1String(layout.what))};
    }

    TextDecoder decoder;

  private:
    QByteArrayView nextLine() {
        const auto line = lines_.next();
        if (!line)
            throw FormatError{QStringLiteral("The file ends unexpectedly after line %1.")
                                  .arg(lines_.lineNumber())};
        return *line;
    }

    LineReader lines_;
    QByteArrayView current_;
    QString title_, header1_, header2_;
    bool hasHeaders_ = false;
    QByteArray key_;
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

template <class Entry> Entry datedEntry(Parser& p, QByteArrayView line) {
    p.requireLength(line, kDatedLayout);
    const TextDecoder& d = p.decoder;
    return {d.field<8>(line, 0), d.name(line, kDatedLayout), d.field<1>(line, 9)};
}

OtherEntry otherEntry(const TextDecoder& d, QByteArrayView line) {
    return {d.field<8>(line, 0), d.name(line, kOtherLayout)};
}

// Reads the four sections into the tables. With replace, each table is emptied when its
// section is reached (reading a calendar); otherwise the entries are appended (importing).
// Returns false when a stop line ended the reading.
bool readSections(Parser& p, Tables& t, bool replace) {
    auto begin = [&](auto& table, const char* heading, const Layout& layout) {
        if (heading) p.findHeading(heading);
        if (replace) table.reset();
        const qsizetype lines = p.runLength(layout.nameStart);
        table.reserve(int(std::min<qsizetype>(table.nextIndex() + lines, INT_MAX)));
    };
    begin(t.Birthdays, kBirthdayHeading, kDatedLayout);
    if (!p.readRun(
            [&](QByteArrayView l) { addEntry(t.Birthdays, datedEntry<BirthdayEntry>(p, l)); }))
        return false;
    begin(t.Anniversaries, kAnniversaryHeading, kDatedLayout);
    if (!p.readRun([&](QByteArrayView l) {
            addEntry(t.Anniversaries, datedEntry<AnniversaryEntry>(p, l));
        }))
        return false;
    begin(t.FixedHolidays, kHolidayHeading, kFixedLayout);
    if (!p.readRun([&](QByteArrayView l) {
            p.requireLength(l, kFixedLayout);
            const TextDecoder& d = p.decoder;
            addEntry(t.FixedHolidays, FixedHolidayEntry{d.field<4>(l, 1), d.name(l, kFixedLayout)});
        }))
        return false;
    begin(t.FloatingHolidays, nullptr,
          kFloatingLayout); // directly after the fixed holidays' empty line
    if (!p.readRun([&](QByteArrayView l) {
            p.requireLength(l, kFloatingLayout);
            const TextDecoder& d = p.decoder;
            addEntry(t.FloatingHolidays, FloatingHolidayEntry{d.field<2>(l, 2), d.field<2>(l, 0),
                                                              d.name(l, kFloatingLayout)});
        }))
        return false;
    begin(t.OtherEvents, kOtherHeading, kOtherLayout);
    return p.readRun([&](QByteArrayView l) {
        p.requireLength(l, kOtherLayout);
        addEntry(t.OtherEvents, otherEntry(p.decoder, l));
    });
}

enum class Mode { Read, Import };

FileResult parse(QByteArrayView data, CalendarDocument& doc, Mode mode) {
    Parser p(data);
    try {
        if (!p.readVersion()) return {FileStatus::NotReadable, {}};
        p.readPrologue();
        Tables tables = mode == Mode::Import ? Tables::of(doc) : Tables{};
        const bool complete = readSections(p, tables, mode == Mode::Read);
        tables.moveInto(doc);
        if (mode == Mode::Read) {
            doc.CalendarTitle = p.title();
            if (p.hasHeaders()) {
                doc.HeaderLine1 = p.header1();
                doc.HeaderLine2 = p.header2();
            }
        }
        return {complete ? FileStatus::Success : FileStatus::Stopped, {}};
    } catch (const FormatError& error) {
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
        if (tooShort(*line, kOtherLayout))
            return {FileStatus::Failed,
                    QStringLiteral("Line %1 is too short for an event.").arg(lines.lineNumber())};
        addEntry(events, otherEntry(decoder, *line));
    }
    doc.OtherEvents = std::move(events);
    return {};
}

QByteArray Unscramble(QByteArrayView line, QByteArrayView key) {
    if (key.isEmpty()) return line.toByteArray();
    QByteArray out(line.size(), Qt::Uninitialized);
    const qsizetype m = key.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        const auto k = static_cast<unsigned char>(key[(i + 1) % m]);
        out[i] = static_cast<char>(static_cast<unsigned char>(c - k));
    }
    return out;
}
