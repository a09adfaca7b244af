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

namespace {

TEST(EntryText, OrdinalSuffixFollowsEnglish) {
    const std::pair<int, const char*> cases[] = {
        {0, "th"},   {1, "st"},   {2, "nd"},    {3, "rd"},   {4, "th"},   {11, "th"},
        {12, "th"},  {13, "th"},  {21, "st"},   {22, "nd"},  {23, "rd"},  {100, "th"},
        {101, "st"}, {111, "th"}, {112, "th"},  {113, "th"}, {121, "st"}, {-1, "st"},
        {-3, "rd"},  {-11, "th"}, {-112, "th"}, {1002, "nd"}};
    for (const auto& [n, suffix] : cases)
        EXPECT_EQ(OrdinalSuffix(n), QLatin1String(suffix)) << n;
}

TEST(EntryText, DisplayTextCountsYearsAgainstTheShownYear) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03071999", QStringLiteral("N"), "1"));
    doc.Birthdays.append(birthday("03072001", QStringLiteral("N"), "1"));
    doc.Birthdays.append(birthday("03071955", QStringLiteral("N"), "2"));
    doc.Birthdays.append(birthday("03071955", QStringLiteral("N"), "3"));
    doc.Birthdays.append(birthday("03071955", QStringLiteral("N"), "0"));
    doc.Birthdays.append(birthday("03071955", QStringLiteral("N"), " "));
    doc.Anniversaries.append(anniversary("06151979", QStringLiteral("Us"), "1"));
    EXPECT_EQ(EntryDisplayText(doc, 2000, EntryKind::Birthday, 0), "N -- 1st Birthday");
    EXPECT_EQ(EntryDisplayText(doc, 2000, EntryKind::Birthday, 1), "N -- -1st Birthday");
    EXPECT_EQ(EntryDisplayText(doc, 2001, EntryKind::Birthday, 1), "N -- 0th Birthday");
    EXPECT_EQ(EntryDisplayText(doc, 2000, EntryKind::Birthday, 2), "N 1955");
    EXPECT_EQ(EntryDisplayText(doc, 2000, EntryKind::Birthday, 3), "N");
    EXPECT_TRUE(EntryDisplayText(doc, 2000, EntryKind::Birthday, 4).isEmpty());
    EXPECT_TRUE(EntryDisplayText(doc, 2000, EntryKind::Birthday, 5).isEmpty());
    EXPECT_EQ(EntryDisplayText(doc, 2000, EntryKind::Anniversary, 0), "Us -- 21st Anniversary");
    EXPECT_EQ(EntryDisplayText(doc, 2091, EntryKind::Anniversary, 0), "Us -- 112th Anniversary");
    EXPECT_TRUE(EntryDisplayText(doc, 2000, EntryKind::Other, 0).isEmpty());
}

} // namespace
