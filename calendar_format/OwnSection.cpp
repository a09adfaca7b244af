#include "calendar_format/OwnSection.h"

#include "calendar_format/CalendarFileWriter.h"
#include "calendar_format/LineReader.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kNoPack[] = "-";
constexpr char kHoliday[] = "holiday";
constexpr char kMoving[] = "moving";
constexpr char kOther[] = "other";
constexpr char kPhoto[] = "photo";
constexpr char kPhotoPages[] = "photopages";
constexpr int kMostFocus = 1000;
constexpr int kPhotoSlots = 13;

bool isHeading(QByteArrayView line) {
    return line.startsWith("[Daylark ") && line.endsWith(']');
}

// Takes the text up to the next space off the front of line; nothing when there is no
// space or the word is empty.
std::optional<QByteArrayView> takeWord(QByteArrayView& line) {
    const qsizetype space = line.indexOf(' ');
    if (space <= 0) return std::nullopt;
    const QByteArrayView word = line.first(space);
    line = line.sliced(space + 1);
    return word;
}

std::optional<int> number(std::optional<QByteArrayView> word, int largest) {
    if (!word || word->size() > 9) return std::nullopt;
    for (const char c : *word)
        if (c < '0' || c > '9') return std::nullopt;
    const int value = word->toInt();
    return value <= largest ? std::optional(value) : std::nullopt;
}

// A fixed field of width bytes and the space after it.
std::optional<QByteArray> takeField(QByteArrayView& line, qsizetype width) {
    if (line.size() <= width || line[width] != ' ') return std::nullopt;
    const QByteArray field = line.first(width).toByteArray();
    line = line.sliced(width + 1);
    return field;
}

std::optional<QByteArray> takePack(QByteArrayView& line) {
    const auto word = takeWord(line);
    if (!word) return std::nullopt;
    return *word == QByteArrayView(kNoPack) ? QByteArray() : word->toByteArray();
}

// One record line; nothing for a line that is not one.
std::optional<SectionRecord> readRecord(QByteArrayView line) {
    SectionRecord r;
    const auto kind = takeWord(line);
    const auto index = number(takeWord(line), 99'999'999);
    if (!kind || !index) return std::nullopt;
    r.index = *index;
    if (*kind == QByteArrayView(kHoliday)) {
        r.kind = SectionKind::Holiday;
        const auto date = takeField(line, 4);
        const auto days = number(takeWord(line), kLongestSpan);
        const auto pack = date && days ? takePack(line) : std::nullopt;
        if (!pack || *days < 1) return std::nullopt;
        r.date = *date, r.days = *days, r.pack = *pack;
    } else if (*kind == QByteArrayView(kMoving)) {
        r.kind = SectionKind::Moving;
        const auto word = takeWord(line);
        const auto rule = word ? RuleFromText(QString::fromLatin1(*word)) : std::nullopt;
        const auto pack = rule ? takePack(line) : std::nullopt;
        if (!pack) return std::nullopt;
        r.rule = *rule, r.pack = *pack;
    } else if (*kind == QByteArrayView(kOther)) {
        r.kind = SectionKind::Other;
        const auto date = takeField(line, 8);
        const auto until = date ? takeField(line, 8) : std::nullopt;
        if (!until) return std::nullopt;
        r.date = *date, r.until = *until;
    } else if (*kind == QByteArrayView(kPhoto)) {
        r.kind = SectionKind::Photo;
        const auto x = number(takeWord(line), kMostFocus);
        const auto y = x ? number(takeWord(line), kMostFocus) : std::nullopt;
        if (!y || r.index >= kPhotoSlots) return std::nullopt;
        r.focusX = *x, r.focusY = *y;
    } else if (*kind == QByteArrayView(kPhotoPages)) {
        r.kind = SectionKind::PhotoPages;
    } else {
        return std::nullopt;
    }
    if (line.isEmpty()) return std::nullopt; // a record without a name
    r.name = line.toByteArray();
    return r;
}

void writeRecord(QByteArray& line, const SectionRecord& r) {
    const QByteArray pack = r.pack.isEmpty() ? QByteArray(kNoPack) : PackWord(r.pack);
    switch (r.kind) {
    case SectionKind::Holiday:
        line += kHoliday + (' ' + QByteArray::number(r.index)) + ' ' + r.date + ' ' +
                QByteArray::number(r.days) + ' ' + pack;
        break;
    case SectionKind::Moving:
        line += kMoving + (' ' + QByteArray::number(r.index)) + ' ' +
                RuleToText(r.rule).toLatin1() + ' ' + pack;
        break;
    case SectionKind::Other:
        line += kOther + (' ' + QByteArray::number(r.index)) + ' ' + r.date + ' ' + r.until;
        break;
    case SectionKind::Photo:
        line += kPhoto + (' ' + QByteArray::number(r.index)) + ' ' +
                QByteArray::number(std::clamp(r.focusX, 0, kMostFocus)) + ' ' +
                QByteArray::number(std::clamp(r.focusY, 0, kMostFocus));
        break;
    case SectionKind::PhotoPages:
        line += kPhotoPages + (' ' + QByteArray::number(r.index));
        break;
    }
    line += ' ';
    line += r.name;
}

} // namespace

QByteArray PackWord(QByteArrayView pack) {
    QByteArray word = pack.toByteArray();
    for (char& c : word)
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F) c = '_';
    if (word == kNoPack) word = "_";
    return word;
}

OwnSection ReadOwnSection(QByteArrayView rest) {
    OwnSection section;
    LineReader lines(rest);
    // Lines before any heading are read as this version's, as they are written back after its
    // heading.
    bool ownBlock = true, otherBlock = false;
    while (const auto line = lines.next()) {
        if (isHeading(*line)) {
            ownBlock = *line == QByteArrayView(kOwnSectionHeading);
            otherBlock = !ownBlock;
            if (otherBlock) {
                section.kept << line->toByteArray();
                ++section.unreadLines;
            }
            continue;
        }
        if (line->isEmpty() && !otherBlock) continue;
        std::optional<SectionRecord> record;
        if (ownBlock) record = readRecord(*line);
        if (record) {
            record->utf8Line = line->isValidUtf8();
            section.records.push_back(std::move(*record));
            continue;
        }
        section.kept << line->toByteArray();
        if (!line->isEmpty()) ++section.unreadLines;
    }
    return section;
}

void WriteOwnSection(CalendarFileWriter& out, const std::vector<SectionRecord>& records,
                     const QByteArrayList& kept) {
    if (!records.empty()) out.line(kOwnSectionHeading);
    for (const SectionRecord& r : records) {
        writeRecord(out.text(), r);
        out.endLine();
    }
    for (const QByteArray& line : kept)
        out.line(line);
}
