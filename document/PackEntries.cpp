#include "document/PackEntries.h"

#include "document/OwnSectionEntries.h"

#include <algorithm>

namespace {

bool isPlainDate(const HolidayRule& r) {
    return r.base == RuleBase::Fixed && r.offset == 0 && !r.hasObservance() && !r.firstYear &&
           !r.lastYear;
}

FixedText<4> monthDay(const HolidayRule& r) {
    return QStringLiteral("%1%2").arg(r.month, 2, 10, QChar(u'0')).arg(r.day, 2, 10, QChar(u'0'));
}

// Whether the entry came from the pack with code (codes compare without regard to case).
template <class Entry> bool ofPack(const Entry& e, const QString& code) {
    return !e.Pack.isEmpty() && e.Pack.compare(code, Qt::CaseInsensitive) == 0;
}

template <class Entry> bool holds(const EntryTable<Entry>& table, const Entry& entry) {
    return std::find(table.begin(), table.end(), entry) != table.end();
}

template <class Entry> int removePack(EntryTable<Entry>& table, const QString& code) {
    int removed = 0;
    for (int i = table.entryCount() - 1; i >= 0; --i)
        if (ofPack(table[i], code)) {
            table.remove(i);
            ++removed;
        }
    return removed;
}

template <class Entry> int addMissing(EntryTable<Entry>& table, const std::vector<Entry>& entries) {
    int added = 0;
    for (const Entry& e : entries)
        if (!holds(table, e)) {
            table.append(e);
            ++added;
        }
    return added;
}

template <class Entry>
bool samePackEntries(const EntryTable<Entry>& table, const QString& code,
                     const std::vector<Entry>& entries) {
    std::vector<Entry> held;
    for (const Entry& e : table)
        if (ofPack(e, code)) held.push_back(e);
    return held == entries;
}

} // namespace

PackEntries EntriesOfPack(const HolidayPack& pack, const PackRegion& region, int fromYear) {
    PackEntries out;
    for (const PackHoliday* h : pack.holidaysOf(region.code)) {
        const HolidayRule& r = h->rule;
        if (r.lastYear && r.lastYear < fromYear) continue;
        if (isPlainDate(r)) {
            out.fixed.push_back({monthDay(r), h->local, 1, region.code});
        } else if (const auto fields = ClassicFloatingFields(r)) {
            out.floating.push_back({fields->first, fields->second, h->local, {}, region.code});
        } else {
            out.floating.push_back({{}, {}, h->local, r, region.code});
        }
    }
    return out;
}

bool HasHolidayPack(const CalendarDocument& doc, const QString& code) {
    const auto of = [&](const auto& e) { return ofPack(e, code); };
    return std::any_of(doc.FixedHolidays.begin(), doc.FixedHolidays.end(), of) ||
           std::any_of(doc.FloatingHolidays.begin(), doc.FloatingHolidays.end(), of);
}

PackChange AddHolidayPack(CalendarDocument& doc, const HolidayPack& pack, const PackRegion& region,
                          int fromYear) {
    const PackEntries entries = EntriesOfPack(pack, region, fromYear);
    PackChange change;
    change.added = addMissing(doc.FixedHolidays, entries.fixed) +
                   addMissing(doc.FloatingHolidays, entries.floating);
    if (change.changed()) doc.MarkModified();
    return change;
}

PackChange UpdateHolidayPack(CalendarDocument& doc, const HolidayPack& pack,
                             const PackRegion& region, int fromYear) {
    const PackEntries entries = EntriesOfPack(pack, region, fromYear);
    if (samePackEntries(doc.FixedHolidays, region.code, entries.fixed) &&
        samePackEntries(doc.FloatingHolidays, region.code, entries.floating))
        return {};
    PackChange change;
    change.removed =
        removePack(doc.FixedHolidays, region.code) + removePack(doc.FloatingHolidays, region.code);
    change.added = addMissing(doc.FixedHolidays, entries.fixed) +
                   addMissing(doc.FloatingHolidays, entries.floating);
    doc.MarkModified();
    return change;
}

PackChange RemoveHolidayPack(CalendarDocument& doc, const QString& code) {
    PackChange change;
    change.removed = removePack(doc.FixedHolidays, code) + removePack(doc.FloatingHolidays, code);
    if (change.changed()) doc.MarkModified();
    return change;
}
