#include "document/CalendarDocument.h"

void CalendarDocument::setModified(bool modified) {
    const bool changed = modified != modified_;
    modified_ = modified;
    if (changed && observer_) observer_(modified_);
}

void CalendarDocument::ResetTables() {
    forEachTable([](auto& table) { table.reset(); });
    Photos = {};
    KeptSection.clear();
}

void CalendarDocument::resetToUntitled() {
    ResetTables();
    CalendarTitle = UntitledTitle();
    HeaderLine1.clear();
    HeaderLine2.clear();
    FileName.clear();
}

bool CalendarDocument::sameContent(const CalendarDocument& other) const {
    return CalendarTitle == other.CalendarTitle && HeaderLine1 == other.HeaderLine1 &&
           HeaderLine2 == other.HeaderLine2 && Birthdays == other.Birthdays &&
           Anniversaries == other.Anniversaries && FixedHolidays == other.FixedHolidays &&
           FloatingHolidays == other.FloatingHolidays && OtherEvents == other.OtherEvents &&
           Photos == other.Photos && KeptSection == other.KeptSection;
}

int CalendarDocument::entryCount(EntryKind kind) const {
    switch (kind) {
    case EntryKind::Birthday:
        return Birthdays.entryCount();
    case EntryKind::Holiday:
        return FixedHolidays.entryCount();
    case EntryKind::FloatingHoliday:
        return FloatingHolidays.entryCount();
    case EntryKind::Anniversary:
        return Anniversaries.entryCount();
    case EntryKind::Other:
        return OtherEvents.entryCount();
    }
    return 0;
}

void CalendarDocument::DeleteEntry(EntryKind kind, int index) {
    switch (kind) {
    case EntryKind::Birthday:
        Birthdays.remove(index);
        break;
    case EntryKind::Holiday:
        FixedHolidays.remove(index);
        break;
    case EntryKind::FloatingHoliday:
        FloatingHolidays.remove(index);
        break;
    case EntryKind::Anniversary:
        Anniversaries.remove(index);
        break;
    case EntryKind::Other:
        OtherEvents.remove(index);
        break;
    }
}
