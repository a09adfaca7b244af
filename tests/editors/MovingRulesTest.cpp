#include "editors/MovingRules.h"

#include <gtest/gtest.h>

// Every choice the editor offers gives a rule that reads back to the same choice, so that an
// updated holiday shows what was stored.
TEST(MovingRules, ChoicesReadBackFromTheirRules) {
    const MovingChoice choices[] = {
        {MovingBase::WesternEaster, 39},
        {MovingBase::OrthodoxEaster, -kLargestEasterOffset},
        {MovingBase::WeekdayOnOrAfter, 0, 6, 6, 20},
        {MovingBase::ObservedDate, 0, 1, 7, 4, Observance::SaturdayToFridaySundayToMonday},
        {MovingBase::ObservedDate, 0, 1, 12, 25, Observance::WeekendToMonday},
    };
    for (const MovingChoice& c : choices) {
        const HolidayRule rule = MovingRuleOf(c);
        EXPECT_EQ(MovingChoiceOf(rule), c) << RuleToText(rule).toStdString();
        EXPECT_EQ(RuleFromText(RuleToText(rule)), rule);
    }
}

// A rule no choice gives is not shown as a choice that would change it on update.
TEST(MovingRules, RulesBeyondTheChoicesAreNotChoices) {
    for (const char* text : {"4th-thu-11+1", "easter+1@2000-", "05-08@1995-", "07-04/sun+2",
                             "onafter-mon-05-24+1", "easter+1/sun+1", "07-04"})
        EXPECT_FALSE(MovingChoiceOf(*RuleFromText(QString::fromLatin1(text))).has_value()) << text;
}

// The unit after the days before or after Easter agrees with the count shown beside it.
TEST(MovingRules, DaysSuffixAgreesWithTheCount) {
    const struct {
        int days;
        const char* suffix;
    } cases[] = {{1, " day"}, {-1, " day"}, {0, " days"}, {2, " days"}, {-39, " days"}};
    for (const auto& c : cases)
        EXPECT_EQ(DaysSuffix(c.days), QString::fromLatin1(c.suffix)) << c.days;
}
