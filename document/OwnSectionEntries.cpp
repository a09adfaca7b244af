#include "document/OwnSectionEntries.h"

#include "document/PhotoRecords.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

// A name as it goes into a line: UTF-8, any line break as a space so that it cannot split
// its line.
QByteArray nameBytes(const QString& name) {
    QByteArray bytes = encodeText(name);
    for (char& c : bytes)
        if (c == '\r' || c == '\n') c = ' ';
    return bytes;
}

QString nameText(const SectionRecord& r) {
    return decodeText(r.name, r.utf8Line ? FileEncoding::Utf8 : FileEncoding::Windows1252);
}

QString packText(const QByteArray& pack) {
    return QString::fromUtf8(pack);
}

template <class Entry, class Make>
void addRecords(std::vector<SectionRecord>& out, const EntryTable<Entry>& table, Make&& make) {
    int index = 0;
    for (const Entry& e : table) {
        if (InOwnSection(e)) {
            SectionRecord r = make(e);
            r.index = index;
            r.name = nameBytes(e.Name);
            out.push_back(std::move(r));
        }
        ++index;
    }
}

} // namespace

bool InOwnSection(const FixedHolidayEntry& e) {
    return e.Days > 1 || !e.Pack.isEmpty();
}
bool InOwnSection(const FloatingHolidayEntry& e) {
    return e.Moving.has_value() || !e.Pack.isEmpty();
}
bool InOwnSection(const OtherEntry& e) {
    return !e.Until.isBlank();
}

std::optional<std::pair<QString, QString>> ClassicFloatingFields(const HolidayRule& r) {
    const bool nth = r.base == RuleBase::NthWeekday && r.n >= 1 && r.n <= 4;
    if ((!nth && r.base != RuleBase::LastWeekday) || r.offset != 0 || r.hasObservance() ||
        r.firstYear || r.lastYear || r.month < 1 || r.month > 12 || r.weekday < 0 || r.weekday > 6)
        return std::nullopt;
    const QChar week = nth ? QChar(u'0' + r.n) : QChar(u'L');
    return std::pair(QStringLiteral("%1").arg(r.month, 2, 10, QChar(u'0')),
                     QString(week) + QChar(u'0' + r.weekday));
}

std::optional<HolidayRule> FloatingRule(const FloatingHolidayEntry& e) {
    if (e.Moving) return e.Moving;
    HolidayRule r;
    const QChar week = e.Rule.at(0);
    r.base = week == u'L' ? RuleBase::LastWeekday : RuleBase::NthWeekday;
    r.n = week == u'L' ? 1 : week.unicode() - u'0';
    r.weekday = e.Rule.number(1, 1);
    r.month = e.Month.number(0, 2);
    if (!ClassicFloatingFields(r)) return std::nullopt;
    return r;
}

std::vector<SectionRecord> SectionRecordsOf(const CalendarDocument& doc) {
    std::vector<SectionRecord> records;
    addRecords(records, doc.FixedHolidays, [](const FixedHolidayEntry& e) {
        SectionRecord r{SectionKind::Holiday};
        r.date = e.Date.toAscii();
        r.days = std::clamp(e.Days, 1, kLongestSpan);
        r.pack = e.Pack.toUtf8();
        return r;
    });
    addRecords(records, doc.FloatingHolidays, [](const FloatingHolidayEntry& e) {
        SectionRecord r{SectionKind::Moving};
        // A pack's classic rule is written as a rule too; a malformed classic rule of a
        // pack entry (only from a damaged file) becomes the first Sunday of January.
        r.rule = FloatingRule(e).value_or(HolidayRule{RuleBase::NthWeekday});
        r.pack = e.Pack.toUtf8();
        return r;
    });
    addRecords(records, doc.OtherEvents, [](const OtherEntry& e) {
        SectionRecord r{SectionKind::Other};
        r.date = e.Date.toAscii();
        r.until = e.Until.toAscii();
        return r;
    });
    AddPhotoRecords(records, doc.Photos, doc.FileName);
    return records;
}

void PlaceSectionRecords(const std::vector<SectionRecord>& records, SectionTables tables,
                         SectionStarts starts) {
    std::vector<const SectionRecord*> ordered;
    for (const SectionRecord& r : records)
        ordered.push_back(&r);
    // By place, so that each goes in after the ones before it.
    std::stable_sort(
        ordered.begin(), ordered.end(),
        [](const SectionRecord* a, const SectionRecord* b) { return a->index < b->index; });
    for (const SectionRecord* r : ordered) {
        const QString name = nameText(*r);
        switch (r->kind) {
        case SectionKind::Holiday:
            tables.fixed.insert(starts.fixed + r->index, {FixedText<4>::fromAscii(r->date), name,
                                                          r->days, packText(r->pack)});
            break;
        case SectionKind::Moving: {
            FloatingHolidayEntry e{{}, {}, name, r->rule, packText(r->pack)};
            if (const auto fields = ClassicFloatingFields(r->rule)) {
                e.Month = fields->first;
                e.Rule = fields->second;
                e.Moving.reset();
            }
            tables.floating.insert(starts.floating + r->index, std::move(e));
            break;
        }
        case SectionKind::Other:
            tables.other.insert(starts.other + r->index, {FixedText<8>::fromAscii(r->date), name,
                                                          FixedText<8>::fromAscii(r->until)});
            break;
        case SectionKind::Photo: // photo choices are no entries
        case SectionKind::PhotoPages:
            break;
        }
    }
}

std::optional<EventSpan> SpanOf(const OtherEntry& e) {
    if (e.Until.isBlank()) return std::nullopt;
    const QDate first(e.Date.number(4, 4), e.Date.number(0, 2), e.Date.number(2, 2));
    const QDate last(e.Until.number(4, 4), e.Until.number(0, 2), e.Until.number(2, 2));
    if (!first.isValid() || !last.isValid() || last <= first || first.daysTo(last) >= kLongestSpan)
        return std::nullopt;
    return EventSpan{first, last};
}

std::optional<EventSpan> HolidaySpanIn(const FixedHolidayEntry& e, int year) {
    if (e.Days <= 1) return std::nullopt;
    const QDate first(year, e.Date.number(0, 2), e.Date.number(2, 2));
    if (!first.isValid()) return std::nullopt;
    return EventSpan{first, first.addDays(std::min(e.Days, kLongestSpan) - 1)};
}

QString KeptSectionNotice(int unreadLines) {
    if (unreadLines == 1)
        return QCoreApplication::translate(
            "CalendarFormat",
            "Part of this calendar was written by a newer version of Daylark (1 line after "
            "\"[End of Data]\"). This version cannot show it; it is kept and saved back "
            "unchanged.");
    return QCoreApplication::translate(
        "CalendarFormat",
        "Part of this calendar was written by a newer version of Daylark (%n lines after "
        "\"[End of Data]\"). This version cannot show it; it is kept and saved back unchanged.",
        nullptr, unreadLines);
}
