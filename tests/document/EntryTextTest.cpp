#include "document/EntryText.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(EntryText, MonthNamesCoverOneToTwelveOnly) {
    EXPECT_EQ(MonthName(1), QStringLiteral("January"));
    EXPECT_EQ(MonthName(12), QStringLiteral("December"));
    EXPECT_TRUE(MonthName(0).isEmpty());
    EXPECT_TRUE(MonthName(13).isEmpty());
}

TEST(EntryText, DatedEntriesShowMonthDayYearAndName) {
    EXPECT_EQ(EntryListText(birthday("03071961", QStringLiteral("Ann"))),
              QStringLiteral("March 7, 1961 - Ann"));
    EXPECT_EQ(EntryListText(other("12312027", QStringLiteral("Eve"))),
              QStringLiteral("December 31, 2027 - Eve"));
    EXPECT_EQ(EntryListText(fixedHoliday("0704", QStringLiteral("Fourth"))),
              QStringLiteral("July 4 - Fourth"));
}

TEST(EntryText, FloatingHolidaysSpellTheirRule) {
    EXPECT_EQ(EntryListText(floatingHoliday("11", "44", QStringLiteral("Thanksgiving"))),
              QStringLiteral("Fourth Thursday of November - Thanksgiving"));
    EXPECT_EQ(EntryListText(floatingHoliday("05", "L1", QStringLiteral("Memorial Day"))),
              QStringLiteral("Last Monday of May - Memorial Day"));
    EXPECT_EQ(EntryListText(floatingHoliday("01", "36", QStringLiteral("S"))),
              QStringLiteral("Third Saturday of January - S"));
    EXPECT_EQ(EntryListText(floatingHoliday("02", "20", QStringLiteral("S"))),
              QStringLiteral("Second Sunday of February - S"));
}

TEST(EntryText, RulesOutsideTheKnownSetsShowTheirRawCharacters) {
    EXPECT_EQ(EntryListText(floatingHoliday("11", "57", QStringLiteral("odd"))),
              QStringLiteral("57 11 - odd"));
    EXPECT_EQ(EntryListText(floatingHoliday("13", "11", QStringLiteral("odd"))),
              QStringLiteral("11 13 - odd"));
}

TEST(EntryText, ListLinesFollowTableOrderForEachKind) {
    const CalendarDocument doc = sampleCalendar();
    EXPECT_EQ(EntryListLines(doc, EntryKind::Holiday),
              QStringList({"July 4 - Independence Day", "December 25 - Christmas"}));
    EXPECT_TRUE(EntryListLines(CalendarDocument{}, EntryKind::Other).isEmpty());
}

} // namespace
