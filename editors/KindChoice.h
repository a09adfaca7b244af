#pragma once

#include "document/Entries.h"

#include <array>
#include <initializer_list>

// Which of the five kinds of entry a command works on: the check marks of the resort and
// export windows' kind lists, whose lines are in the order of the EntryKind values.
class KindChoice {
  public:
    KindChoice() = default;
    KindChoice(std::initializer_list<EntryKind> kinds) {
        for (const EntryKind kind : kinds)
            set(kind, true);
    }
    static KindChoice all() {
        KindChoice choice;
        for (const EntryKind kind : kAllKinds)
            choice.set(kind, true);
        return choice;
    }

    bool has(EntryKind kind) const { return chosen_[static_cast<int>(kind)]; }
    void set(EntryKind kind, bool chosen) { chosen_[static_cast<int>(kind)] = chosen; }

  private:
    std::array<bool, 5> chosen_{};
};
