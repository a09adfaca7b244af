#pragma once

#include <cassert>
#include <vector>

// A growable table of records indexed from 0 that always holds at least one record. Its
// entries are the records before the first one with an empty Name. An empty table is
// exactly one blank record; apart from that, no record has an empty Name: appending fills
// the blank record 0 or adds after the last, deleting closes the gap.
template <class Entry> class EntryTable {
  public:
    EntryTable() : records_(1) {}

    int upperBound() const { return static_cast<int>(records_.size()) - 1; }
    bool isEmpty() const { return records_.front().Name.isEmpty(); }
    // The number of entries: records before the first empty Name.
    int entryCount() const {
        int n = 0;
        while (n < static_cast<int>(records_.size()) && !records_[n].Name.isEmpty())
            ++n;
        return n;
    }

    const Entry& operator[](int index) const { return records_.at(index); }
    Entry& operator[](int index) { return records_.at(index); }

    // Index that the next appended record takes: 0 while the table is empty, else after the
    // last record.
    int nextIndex() const { return isEmpty() ? 0 : upperBound() + 1; }

    int append(Entry entry) {
        const int index = nextIndex();
        if (index > upperBound()) records_.resize(index + 1);
        records_[index] = std::move(entry);
        return index;
    }

    // Puts entry at index, moving the records from there one place on; an index past the
    // entries appends.
    int insert(int index, Entry entry) {
        const int count = entryCount();
        if (index >= count) return append(std::move(entry));
        records_.insert(records_.begin() + index, std::move(entry));
        return index;
    }

    // Removes the record at index. The only record of a table is blanked instead, so the
    // table keeps its one record.
    void remove(int index) {
        assert(index >= 0 && index <= upperBound());
        if (upperBound() == 0) {
            records_[0] = Entry{};
            return;
        }
        records_.erase(records_.begin() + index);
    }

    void reset() { records_.assign(1, Entry{}); }

    void reserve(int count) { records_.reserve(count); }

    auto begin() const { return records_.begin(); }
    auto end() const { return records_.begin() + entryCount(); }

    friend bool operator==(const EntryTable&, const EntryTable&) = default;

  private:
    std::vector<Entry> records_;
};
