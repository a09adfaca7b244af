#include "editors/DateRules.h"
#include "editors/EditorSequence.h"
#include "platform/TypedNumber.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

namespace {

TEST(DateRules, LeapYearsFollowTheGregorianRule) {
    for (int year : {1880, 1996, 2000, 2004, 2024, 2096})
        EXPECT_TRUE(IsLeapYear(year)) << year;
    for (int year : {1900, 1999, 2001, 2027, 2099, 2100})
        EXPECT_FALSE(IsLeapYear(year)) << year;
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(4, 2027), 30);
    EXPECT_EQ(DaysInMonth(11, 2027), 30);
    EXPECT_EQ(DaysInMonth(12, 2027), 31);
}

TEST(DateRules, TypedNumbersAreReadLikeTheBoxesRead) {
    const std::pair<const char*, long long> cases[] = {{"7x", 7},
                                                       {"ab", 0},
                                                       {"", 0},
                                                       {"  12", 12},
                                                       {"05", 5},
                                                       {"2.5", 2},
                                                       {"3.5", 4},
                                                       {"2.51", 3},
                                                       {"7.49", 7},
                                                       {"-3", -3},
                                                       {"+4", 4},
                                                       {"1 2", 1},
                                                       {"99999999999999999999", 1'000'000'000}};
    for (const auto& [text, number] : cases)
        EXPECT_EQ(TypedNumber(QString::fromLatin1(text)), number) << text;
    EXPECT_EQ(TakeTypedNumber(u"45", 1, 31), std::nullopt);
    EXPECT_EQ(TakeTypedNumber(u"0", 1, 31), std::nullopt);
    EXPECT_EQ(TakeTypedNumber(u"31", 1, 31), 31);
    EXPECT_EQ(TakeTypedNumber(u"9999", 1880, 2099), std::nullopt);
}

TEST(EditorSequence, CaptionsSettingsAndQuestionText) {
    EXPECT_EQ(ModeOfCaption("Add"), EditorMode::Add);
    EXPECT_EQ(ModeOfCaption("Update"), EditorMode::Update);
    EXPECT_EQ(ModeOfCaption("&Add"), EditorMode::Update);
    EXPECT_EQ(ConfirmationText(EditorMode::Update, "July 4 - N", "N"),
              "Do you want to update the entry:\nJuly 4 - N\n\nDisplayed as:\nN");
    OptionSettings options{"True", "Remain", "False", "True"};
    EXPECT_TRUE(AsksFirst(EditorMode::Add, options));
    EXPECT_FALSE(AsksFirst(EditorMode::Update, options));
    EXPECT_TRUE(StaysOpenAfter(EditorMode::Add, options));
    EXPECT_FALSE(StaysOpenAfter(EditorMode::Update, options));
    options.AfterAdd = "remain";
    EXPECT_FALSE(StaysOpenAfter(EditorMode::Add, options));
}

TEST(EditorSequence, AddsAppendAndUpdatesOverwriteOnlyExistingEntries) {
    CalendarDocument doc;
    EXPECT_EQ(StoreRecord(doc, other("01012027", "a"), EditorMode::Add, 5), 0);
    EXPECT_EQ(doc.OtherEvents.upperBound(), 0);
    EXPECT_EQ(StoreRecord(doc, other("01022027", "b"), EditorMode::Add, 0), 1);
    EXPECT_EQ(StoreRecord(doc, other("01032027", "c"), EditorMode::Update, 0), 0);
    EXPECT_EQ(doc.OtherEvents[0].Name, "c");
    EXPECT_EQ(StoreRecord(doc, other("01032027", "d"), EditorMode::Update, 2), -1);
    EXPECT_EQ(StoreRecord(doc, other("01032027", "d"), EditorMode::Update, -1), -1);
    EXPECT_EQ(doc.OtherEvents.entryCount(), 2);
    EXPECT_EQ(StoreRecord(doc, floatingHoliday("11", "44", "T"), EditorMode::Add, 0), 0);
    EXPECT_EQ(doc.FloatingHolidays[0].Rule.text(), "44");
}

} // namespace
