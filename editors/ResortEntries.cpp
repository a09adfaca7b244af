#include "editors/ResortEntries.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

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

// A record's place in the sort: its first key (floating holidays: month and rule) packed into
// 128 bits and the first four characters of its name into 64, 16 bits per character in code
// order, so that most comparisons are a few integer comparisons. Names are compared in full
// only when all of that is equal, and the record's index decides last, which keeps equal
// records in their order.
struct SortKey {
    quint64 high = 0;
    quint64 low = 0;
    quint64 name = 0;
    int index = 0;
};

void packUnit(quint64& high, quint64& low, char16_t unit) {
    high = (high << 16) | (low >> 48);
    low = (low << 16) | codeOrder(unit);
}

template <int N> void pack(SortKey& key, const FixedText<N>& field) {
    static_assert(N <= 8);
    for (int i = 0; i < N; ++i)
        packUnit(key.high, key.low, field.at(i).unicode());
}

// A shorter name is padded with zero units; equal prefixes go on to the full comparison, so a
// name that holds zero units itself still sorts right.
void packName(SortKey& key, const QString& name) {
    quint64 unused = 0;
    for (int i = 0; i < 4; ++i)
        packUnit(unused, key.name, i < name.size() ? name[i].unicode() : char16_t(0));
}

// Birthdays, anniversaries, fixed holidays and other events: by date text, then by name.
template <class Entry> void packKey(SortKey& key, const Entry& e) {
    pack(key, e.Date);
    packName(key, e.Name);
}
// Floating holidays are sorted by month and rule only; their names do not count.
void packKey(SortKey& key, const FloatingHolidayEntry& e) {
    pack(key, e.Month);
    pack(key, e.Rule);
}

// The order of the table's entries into keys: keys[i].index is the index of the entry that
// goes to place i.
template <class Entry>
void sortOrder(const EntryTable<Entry>& table, int count, std::vector<SortKey>& keys) {
    keys.assign(count, SortKey{});
    constexpr int kAhead = 8; // the names' characters live apart from the records
    for (int i = 0; i < count; ++i) {
        if (i + kAhead < count) __builtin_prefetch(table[i + kAhead].Name.constData());
        keys[i].index = i;
        packKey(keys[i], table[i]);
    }
    std::sort(keys.begin(), keys.end(), [&](const SortKey& a, const SortKey& b) {
        if (a.high != b.high) return a.high < b.high;
        if (a.low != b.low) return a.low < b.low;
        if (a.name != b.name) return a.name < b.name;
        if constexpr (!std::is_same_v<Entry, FloatingHolidayEntry>) {
            const int names = compareByCode(table[a.index].Name, table[b.index].Name);
            if (names != 0) return names < 0;
        }
        return a.index < b.index;
    });
}

// The working memory of sorting, kept from one table to the next.
struct SortBuffers {
    std::vector<SortKey> order;
    std::vector<bool> placed;
};

// Puts the entries in order by swapping records along the cycles of the order: records are
// only ever exchanged, which cannot fail, so the table ends with every record it had.
template <class Entry> void sortTable(EntryTable<Entry>& table, SortBuffers& buffers) {
    const int count = table.entryCount();
    sortOrder(table, count, buffers.order);
    const std::vector<SortKey>& order = buffers.order;
    std::vector<bool>& placed = buffers.placed;
    placed.assign(count, false);
    for (int start = 0; start < count; ++start) {
        if (placed[start]) continue;
        // The record that was at start travels along its cycle; each swap puts one record in
        // its place.
        int at = start;
        while (order[at].index != start) {
            const int from = order[at].index;
            __builtin_prefetch(&table[order[from].index]);
            std::swap(table[at], table[from]);
            placed[at] = true;
            at = from;
        }
        placed[at] = true;
    }
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

// The status texts of each kind's two passes (translated with the context "ResortEntries");
// the second pass of other events shows the same text as the first.
struct PassTexts {
    const char* resorting;
    const char* rewriting;
};

PassTexts passTexts(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return {QT_TRANSLATE_NOOP("ResortEntries", "Resorting Birthdays..."),
                QT_TRANSLATE_NOOP("ResortEntries", "Rewriting Birthdays...")};
    case EntryKind::Holiday:
        return {QT_TRANSLATE_NOOP("ResortEntries", "Resorting Holidays..."),
                QT_TRANSLATE_NOOP("ResortEntries", "Rewriting Holidays...")};
    case EntryKind::FloatingHoliday:
        return {QT_TRANSLATE_NOOP("ResortEntries", "Resorting Floating Holidays..."),
                QT_TRANSLATE_NOOP("ResortEntries", "Rewriting Floating Holidays...")};
    case EntryKind::Anniversary:
        return {QT_TRANSLATE_NOOP("ResortEntries", "Resorting Anniversaries..."),
                QT_TRANSLATE_NOOP("ResortEntries", "Rewriting Anniversaries...")};
    case EntryKind::Other:
        return {QT_TRANSLATE_NOOP("ResortEntries", "Resorting Other..."),
                QT_TRANSLATE_NOOP("ResortEntries", "Resorting Other...")};
    }
    return {};
}

} // namespace

void ResortTables(CalendarDocument& doc, const KindChoice& kinds) {
    SortBuffers buffers;
    for (const EntryKind kind : kAllKinds) {
        if (kinds.has(kind)) withTable(doc, kind, [&](auto& table) { sortTable(table, buffers); });
    }
}

void PlayResortSteps(const CalendarDocument& doc, const KindChoice& kinds,
                     const std::function<void(const ResortStep&)>& show) {
    int total = 0;
    for (const EntryKind kind : kAllKinds)
        if (kinds.has(kind)) total += 2 * recordCount(doc, kind);

    int counter = 0;
    for (const EntryKind kind : kAllKinds) {
        if (!kinds.has(kind)) continue;
        const int records = recordCount(doc, kind);
        const PassTexts texts = passTexts(kind);
        for (int i = 0; i < records; ++i)
            show({texts.resorting, ++counter, total});
        show({texts.rewriting, counter, total});
        counter += records; // storing the records back shows nothing new
    }
    show({QT_TRANSLATE_NOOP("ResortEntries", "Resorting Complete"), total, total});
}

std::vector<ResortStep> ResortStatusSteps(const CalendarDocument& doc, const KindChoice& kinds) {
    std::vector<ResortStep> steps;
    PlayResortSteps(doc, kinds, [&](const ResortStep& step) { steps.push_back(step); });
    return steps;
}
