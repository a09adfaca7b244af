#include "calendar_format/HolidayRules.h"

#include <gtest/gtest.h>

namespace {

HolidayRule rule(const char* text) {
    const std::optional<HolidayRule> r = RuleFromText(QString::fromLatin1(text));
    EXPECT_TRUE(r.has_value()) << text;
    return r.value_or(HolidayRule{});
}

QDate date(const char* text, int year) {
    return HolidayDate(rule(text), year).value_or(QDate());
}

} // namespace

// Every form of the text reads back to a rule that writes the same text, and the date the
// rule gives agrees with Qt's date arithmetic.
TEST(HolidayRules, EachFormReadsBackAndGivesItsDate) {
    struct Case {
        const char* text;
        int year;
        QDate expected;
    };
    const QDate easter2027 = WesternEaster(2027);
    const Case cases[] = {
        {"07-04", 2027, QDate(2027, 7, 4)},
        {"4th-thu-11", 2027, QDate(2027, 11, 25)},
        {"4th-thu-11+1", 2027, QDate(2027, 11, 26)},
        {"last-mon-05", 2027, QDate(2027, 5, 31)},
        {"1st-mon-09", 2027, QDate(2027, 9, 6)},
        {"onafter-mon-05-24", 2027, QDate(2027, 5, 24)},
        {"onafter-sat-06-20", 2027, QDate(2027, 6, 26)},
        {"easter", 2027, easter2027},
        {"easter+1", 2027, easter2027.addDays(1)},
        {"easter-2", 2027, easter2027.addDays(-2)},
        {"orthodox", 2027, OrthodoxEaster(2027)},
        {"12-26/sun+2,sat+2", 2027, QDate(2027, 12, 26)},
        {"05-08@1995-", 2027, QDate(2027, 5, 8)},
        {"06-16@-2019", 2027, QDate()},
        {"06-16@1978-2019", 1990, QDate(1990, 6, 16)},
        {"5th-fri-02", 2027, QDate()}, // February 2027 has four Fridays
        {"02-29", 2027, QDate()},
        {"02-29", 2028, QDate(2028, 2, 29)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const HolidayRule r = rule(c.text);
        EXPECT_EQ(RuleToText(r), QLatin1String(c.text));
        EXPECT_EQ(HolidayDate(r, c.year).value_or(QDate()), c.expected);
    }
    for (const char* bad : {"", "easter+", "13-01", "02-30", "6th-mon-05", "last-xyz-05",
                            "07-04/sat", "07-04@2020-2019", "easter+1 ", "onafter-mon-02-30"})
        EXPECT_FALSE(RuleFromText(QString::fromLatin1(bad)).has_value()) << bad;
}

// Easter is always a Sunday, the Western one between 22 March and 25 April, the Orthodox one
// (in the Gregorian calendar, 1900-2099) between 4 April and 8 May; Good Friday is a Friday.
TEST(HolidayRules, EasterSundaysStayInTheirWindows) {
    for (int year = 1880; year <= 2099; ++year) {
        SCOPED_TRACE(year);
        const QDate western = WesternEaster(year);
        EXPECT_EQ(western.dayOfWeek(), Qt::Sunday);
        EXPECT_GE(western, QDate(year, 3, 22));
        EXPECT_LE(western, QDate(year, 4, 25));
        EXPECT_EQ(date("easter-2", year).dayOfWeek(), Qt::Friday);
        const QDate orthodox = OrthodoxEaster(year);
        EXPECT_EQ(orthodox.dayOfWeek(), Qt::Sunday);
        if (year >= 1900) {
            EXPECT_GE(orthodox, QDate(year, 4, 4));
            EXPECT_LE(orthodox, QDate(year, 5, 8));
        }
        EXPECT_GE(orthodox, western); // the Orthodox feast is never before the Western one
    }
}

// A holiday on a weekend is observed on the day its weekday's shift gives; on a weekday it
// stays where it is.
TEST(HolidayRules, ObservanceMovesOnlyTheWeekendDays) {
    const HolidayRule independence = rule("07-04/sun+1,sat-1");
    EXPECT_EQ(ObservedDate(independence, 2026), QDate(2026, 7, 3)); // a Saturday
    EXPECT_EQ(ObservedDate(independence, 2027), QDate(2027, 7, 5)); // a Sunday
    EXPECT_EQ(ObservedDate(independence, 2025), QDate(2025, 7, 4)); // a Friday
    const HolidayRule boxingDay = rule("12-26/sun+2,sat+2");
    EXPECT_EQ(ObservedDate(boxingDay, 2027), QDate(2027, 12, 28));
    EXPECT_EQ(ObservedDate(boxingDay, 2026), QDate(2026, 12, 28));
    EXPECT_EQ(ObservedDate(boxingDay, 2025), QDate(2025, 12, 26));
}
