#include "document/HolidayPacks.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
    const char* region;
    const char* date;
    const char* name; // the local name, an observed day's with its mark
};

bool hasHoliday(const HolidayPacks& packs, const DateCase& c) {
    const HolidayPacks::Found found = packs.find(QString::fromUtf8(c.region));
    if (!found) return false;
    const QDate date = QDate::fromString(QString::fromLatin1(c.date), Qt::ISODate);
    for (const PackDay& day : RegionDays(*found.pack, *found.region, date.year()))
        if (day.date == date && day.name == QString::fromUtf8(c.name)) return true;
    return false;
}

// Dates the countries' laws fix, where a pack's rule is easy to get wrong: days moved off a
// weekend, rules written out year by year, the Orthodox Easter, a weekday on or after a date.
TEST(HolidayPackDates, LawsGiveTheseDays) {
    const HolidayPacks packs = LoadHolidayPacks();
    const DateCase cases[] = {
        {"NL", "2025-04-26", "Koningsdag"}, // the 27th is a Sunday
        {"NL", "2026-04-27", "Koningsdag"},
        {"IE", "2026-02-02", "St Brigid's Day"},
        {"IE", "2030-02-01", "St Brigid's Day"}, // 1 February is a Friday
        {"NZ", "2027-02-08", "Waitangi Day (observed)"},
        {"AU-WA", "2027-04-26", "Anzac Day (observed)"},
        {"CA-QC", "2029-06-25", "Fête nationale du Québec (jour férié reporté)"},
        {"LV", "2023-11-20", "Latvijas Republikas proklamēšanas diena (observed)"},
        {"BG", "2022-12-27", "Бъдни вечер (observed)"},
        {"BG", "2022-12-28", "Рождество Христово (observed)"},
        {"JP", "2025-02-24", "天皇誕生日 (observed)"},
        {"JP", "2026-05-06", "憲法記念日 (observed)"}, // Golden Week: 4 and 5 May are holidays
        {"RO", "2027-05-02", "Paștele"},
        {"CY", "2027-03-15", "Καθαρά Δευτέρα"},
        {"SE", "2027-06-25", "Midsommarafton"},
        {"FI-01", "2027-06-09", "Självstyrelsedagen"},
        {"MX", "2030-10-01", "Transmisión del Poder Ejecutivo Federal"},
        {"PL", "2025-12-24", "Wigilia Bożego Narodzenia"},
    };
    for (const DateCase& c : cases)
        EXPECT_TRUE(hasHoliday(packs, c)) << c.region << " " << c.date << " " << c.name;
}

// Days that are no holiday: the Sunday a holiday moved away from, holidays abolished or
// never statutory in that region.
TEST(HolidayPackDates, LawsGiveNoHolidayOnTheseDays) {
    const HolidayPacks packs = LoadHolidayPacks();
    const DateCase cases[] = {
        {"NL", "2025-04-27", "Koningsdag"},
        {"IE", "2030-02-04", "St Brigid's Day"},
        {"DK", "2024-04-26", "Store bededag"},
        {"SK", "2025-09-01", "Deň Ústavy Slovenskej republiky"},
        {"HR", "2021-06-25", "Dan državnosti"},
        {"CA", "2027-03-29", "Easter Monday"},
        {"AU-NSW", "2027-04-26", "Anzac Day (observed)"},
        {"CA-QC", "2028-06-26",
         "Fête nationale du Québec (jour férié reporté)"}, // a Saturday stays
    };
    for (const DateCase& c : cases)
        EXPECT_FALSE(hasHoliday(packs, c)) << c.region << " " << c.date << " " << c.name;
}

} // namespace
