#pragma once

#include "document/EntryTable.h"

// An empty table is one blank record; otherwise no record has an empty name. Every reader and
// import must leave each table so.
template <class Entry> bool wellShaped(const EntryTable<Entry>& table) {
    if (table.upperBound() < 0) return false;
    if (table.isEmpty()) return table.upperBound() == 0 && table[0] == Entry{};
    for (int i = 0; i <= table.upperBound(); ++i)
        if (table[i].Name.isEmpty()) return false;
    return true;
}
