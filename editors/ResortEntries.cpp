#include "editors/ResortEntries.h"

#include "document/EntryText.h"

#include <algorithm>

namespace {

// UTF-16 puts the characters beyond the first 65,536 (written as surrogate pairs, units
// D800 to DFFF) before U+E000 to U+FFFF; moving the surrogates above those gives the order of
// the characters' codes.
char16_t codeOrder(char16_t unit) {
    if (unit >= 0xE000) return static_cast<char16_t>(unit - 0x800);
    if (unit >= 0xD800) return static_cast<char16_t>(unit + 0x2000);
    return unit;
}

// Character by character by code; a text that is the start of a longer one comes first.
int compareByCode(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x != y) return codeOrder(x) < codeOrder(y) ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

// The two sort keys of each kind of record.
struct Keys {
    QStringView first;
    QStringView second;
};
Keys keysOf(const BirthdayEntry& e) {
    return {e.Date.view(), e.Name};
}
Keys keysOf(const AnniversaryEntry& e) {
    return {e.Date.view(), e.Name};
}
Keys keysOf(const FixedHolidayEntry& e) {
    return {e.Date.view(), e.Name};
}
Keys keysOf(const FloatingHolidayEntry& e) {
    return {e.Month.view(), e.Rule.view()};
}
Keys keysOf(const OtherEntry& e) {
    return {e.Date.view(), e.Name};
}

template <class Entry> bool sortsBefore(const Entry& a, const Entry& b) {
    const Keys x = keysOf(a);
    const Keys y = keysOf(b);
    const int first = compareByCode(x.first, y.first);
    return first != 0 ? first < 0 : compareByCode(x.second, y.second) < 0;
}

// The entries are sorted apart from the table and stored back over the same records, so the
// table keeps its size and nothing after its entries is touched.
template <class Entry> void sortTable(EntryTable<Entry>& table) {
    std::vector<Entry> entries(table.begin(), table.end());
    std::stable_sort(entries.begin(), entries.end(), sortsBefore<Entry>);
    for (int i = 0; i < static_cast<int>(entries.size()); ++i)
        table[i] = std::move(entries[i]);
}

// Runs f on the kind's table (of a changeable or a read-only document).
template <class Doc, class F> void withTable(Doc& doc, EntryKind kind, F&& f) {
    switch (kind) {
    case EntryKind::Birthday:
        f(doc.Birthdays);
        break;
    case EntryKind::Holiday:
        f(doc.FixedHolidays);
        break;
    case EntryKind::FloatingHoliday:
        f(doc.FloatingHolidays);
        break;
    case EntryKind::Anniversary:
        f(doc.Anniversaries);
        break;
    case EntryKind::Other:
        f(doc.OtherEvents);
        break;
    }
}

// Records of the kind's table as the progress counts them: every record up to the upper
// bound, so an empty table counts its one blank record.
int recordCount(const CalendarDocument& doc, EntryKind kind) {
    int count = 0;
    withTable(doc, kind, [&](const auto& table) { count = table.upperBound() + 1; });
    return count;
}

QString resortingText(EntryKind kind) {
    return QStringLiteral("Resorting %1...").arg(KindLabel(kind));
}

// The second pass of other events shows the same text as the first.
QString rewritingText(EntryKind kind) {
    if (kind == EntryKind::Other) return resortingText(kind);
    return QStringLiteral("Rewriting %1...").arg(KindLabel(kind));
}

} // namespace

void ResortTable(CalendarDocument& doc, EntryKind kind) {
    withTable(doc, kind, [](auto& table) { sortTable(table); });
}

std::vector<ResortStep> ResortStatusSteps(const CalendarDocument& doc, const KindChoice& kinds) {
    int total = 0;
    for (const EntryKind kind : kAllKinds)
        if (kinds.has(kind)) total += 2 * recordCount(doc, kind);

    std::vector<ResortStep> steps;
    steps.reserve(total / 2 + 6);
    int counter = 0;
    for (const EntryKind kind : kAllKinds) {
        if (!kinds.has(kind)) continue;
        const int records = recordCount(doc, kind);
        const QString resorting = resortingText(kind);
        for (int i = 0; i < records; ++i)
            steps.push_back({resorting, ++counter, total});
        steps.push_back({rewritingText(kind), counter, total});
        counter += records; // storing the records back shows nothing new
    }
    steps.push_back({QStringLiteral("Resorting Complete"), total, total});
    return steps;
}

std::vector<ResortStep> ResortTables(CalendarDocument& doc, const KindChoice& kinds) {
    std::vector<ResortStep> steps = ResortStatusSteps(doc, kinds);
    for (const EntryKind kind : kAllKinds)
        if (kinds.has(kind)) ResortTable(doc, kind);
    return steps;
}
