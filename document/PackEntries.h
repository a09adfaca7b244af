#pragma once

#include "document/CalendarDocument.h"
#include "document/HolidayPacks.h"

// A holiday pack in a calendar: the region's holidays as entries marked with the region's
// code (Pack = "DE-BY") and named in the region's language. A plain date becomes a fixed
// holiday; the first to fourth or last weekday of a month a classic floating holiday; any
// other rule (Easter, an observance, years) a floating holiday with its moving rule.
// The user's own entries, which carry no pack, are never touched, even one with the same
// name and date as a pack's.

struct PackEntries {
    std::vector<FixedHolidayEntry> fixed;
    std::vector<FloatingHolidayEntry> floating;
};
PackEntries EntriesOfPack(const HolidayPack& pack, const PackRegion& region);

// Whether the calendar holds any entry of the pack with that code.
bool HasHolidayPack(const CalendarDocument& doc, const QString& code);

// Each adds or removes entries and marks the calendar modified when it changed anything;
// each returns how many entries it added and removed.
struct PackChange {
    int added = 0;
    int removed = 0;
    bool changed() const { return added || removed; }
};
// Adds the pack's entries that the calendar does not hold yet: adding a pack twice adds
// nothing.
PackChange AddHolidayPack(CalendarDocument& doc, const HolidayPack& pack, const PackRegion& region);
// Replaces the pack's entries with those of the pack as it is now; nothing changes when they
// are the same.
PackChange UpdateHolidayPack(CalendarDocument& doc, const HolidayPack& pack,
                             const PackRegion& region);
// Removes every entry of the pack with that code.
PackChange RemoveHolidayPack(CalendarDocument& doc, const QString& code);
