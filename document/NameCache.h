#pragma once

#include "platform/TextCodec.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <array>
#include <cstring>
#include <vector>

// Decodes the names of a file's entry lines, handing out one shared text for a name met
// again: a generated series of thousands of events with one name, or a holiday entered for
// many years, then holds its name once instead of once per entry. Shared texts are copied on
// change, so an entry edited later gets a name of its own. Only the names seen last are
// remembered, in a small table by their bytes and encoding, so that the cache stays small
// however large the file.
class NameCache {
  public:
    QString decode(QByteArrayView bytes, FileEncoding encoding) {
        // An empty name may come as a view without data, which memcmp and memcpy must not
        // be given.
        if (bytes.isEmpty()) return {};
        if (bytes.size() > kLongest) return decodeText(bytes, encoding);
        if (slots_.empty()) slots_.resize(kSlots);
        Slot& slot = slots_[qHash(bytes, size_t(encoding)) % kSlots];
        if (slot.size != bytes.size() || slot.encoding != encoding ||
            std::memcmp(slot.bytes.data(), bytes.data(), size_t(bytes.size())) != 0) {
            std::memcpy(slot.bytes.data(), bytes.data(), size_t(bytes.size()));
            slot.size = bytes.size();
            slot.encoding = encoding;
            slot.text = decodeText(bytes, encoding);
        }
        return slot.text;
    }

  private:
    static constexpr size_t kSlots = 4096;
    static constexpr qsizetype kLongest = 64; // bytes; longer names seldom repeat

    struct Slot {
        QString text;
        qsizetype size = -1; // of bytes; -1 while the slot is unused
        FileEncoding encoding = FileEncoding::Utf8;
        std::array<char, kLongest> bytes;
    };
    std::vector<Slot> slots_;
};
