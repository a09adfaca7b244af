#include "drawing/MonthStep.h"

#include <gtest/gtest.h>

TEST(MonthStep, StepsAcrossYearEndsAndStopsAtTheDisplayYears) {
    struct Case {
        ShownMonth from;
        int delta;
        std::optional<ShownMonth> to;
    };
    const Case cases[] = {
        {{2027, 6}, 1, ShownMonth{2027, 7}},   {{2027, 12}, 1, ShownMonth{2028, 1}},
        {{2028, 1}, -1, ShownMonth{2027, 12}}, {{2027, 3}, -15, ShownMonth{2025, 12}},
        {{1980, 1}, -1, std::nullopt},         {{2099, 12}, 1, std::nullopt},
        {{1980, 2}, -1, ShownMonth{1980, 1}},  {{2099, 11}, 1, ShownMonth{2099, 12}},
    };
    for (const Case& c : cases) {
        const auto to = StepMonth(c.from, c.delta);
        EXPECT_EQ(to.has_value(), c.to.has_value()) << c.from.year << "-" << c.from.month;
        if (to && c.to) {
            EXPECT_EQ(*to, *c.to) << c.from.year << "-" << c.from.month;
        }
    }
}

TEST(MonthStep, TodayOutsideTheDisplayYearsShowsTheNearestYear) {
    EXPECT_EQ(MonthOfDate(2027, 3), (ShownMonth{2027, 3}));
    EXPECT_EQ(MonthOfDate(2150, 5), (ShownMonth{2099, 5}));
    EXPECT_EQ(MonthOfDate(1970, 8), (ShownMonth{1980, 8}));
}
