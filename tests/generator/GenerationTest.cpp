#include "generator/EventGenerator.h"
#include "generator/Frequency.h"
#include "generator/ScheduleDates.h"
#include "generator/ScheduleRequest.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace qvfsch;

namespace {

QStringList datesOf(const GeneratedEvents& events) {
    QStringList dates;
    for (const auto& event : events)
        dates << event.Date;
    return dates;
}

int spanDate(const QDate& date) {
    return MakeSpanDate(date.year(), date.month(), date.day());
}

QString entryDate(const QDate& date) {
    return date.toString(QStringLiteral("MMddyyyy"));
}

WeekdaySet days(std::initializer_list<int> indexes) {
    WeekdaySet set{};
    for (const int index : indexes)
        set[index] = true;
    return set;
}

} // namespace

TEST(ScheduleDates, DayCountsAreExactOverTheWholeYearRange) {
    for (int year = kFirstYear; year <= kLastYear; ++year)
        for (int month = 1; month <= 12; ++month)
            ASSERT_EQ(DaysInMonth(month, year), QDate(year, month, 1).daysInMonth())
                << month << "/" << year;
}

TEST(ScheduleDates, AdvanceDateCarriesDaysIntoTheFollowingMonths) {
    EXPECT_EQ(AdvanceDate(20190162), 20190303); // 31 January + 31 days, February of 28
    EXPECT_EQ(AdvanceDate(20190334), 20190403);
    EXPECT_EQ(AdvanceDate(19960231), 19960302); // February 1996 has 29 days
    EXPECT_EQ(AdvanceDate(20000230), 20000301); // 2000 is a leap year
    EXPECT_EQ(AdvanceDate(20991245), 21000114); // past December into the next year
    EXPECT_EQ(AdvanceDate(20190228), 20190228); // a valid date stays
}

TEST(GenerateEvents, DailyRunsAcrossTheTurnOfTheYear) {
    const auto events = GenerateEvents(20191230, 20200102, u"D01", QStringLiteral("Gym"));
    EXPECT_EQ(datesOf(events), QStringList({"12302019", "12312019", "01012020", "01022020"}));
    for (const auto& event : events)
        EXPECT_EQ(event.Name, QStringLiteral("Gym"));
}

TEST(GenerateEvents, StepsOverTheLeapDayAndTheEndOfTheMonth) {
    EXPECT_EQ(datesOf(GenerateEvents(19960227, 19960303, u"D02", QStringLiteral("x"))),
              QStringList({"02271996", "02291996", "03021996"}));
    // A step of 31 from 31 January: the day carries over the short February.
    EXPECT_EQ(datesOf(GenerateEvents(20190131, 20190601, u"D31", QStringLiteral("x"))),
              QStringList({"01312019", "03032019", "04032019", "05042019"}));
}

// Every step over the whole range must land on the same days as plain calendar arithmetic:
// a day count that is off anywhere shifts every later entry.
TEST(GenerateEvents, DailySeriesAgreeWithTheCalendarOverTheWholeRange) {
    const QDate first(kFirstYear, 1, 1);
    const QDate last(kLastYear, 12, 31);
    for (const int step : {1, 7, 13, 29, 31}) {
        QStringList expected;
        for (QDate d = first; d <= last; d = d.addDays(step))
            expected << entryDate(d);
        ASSERT_EQ(datesOf(GenerateEvents(spanDate(first), spanDate(last), DailySpec(step),
                                         QStringLiteral("x"))),
                  expected)
            << "step " << step;
    }
}

TEST(GenerateEvents, WeeklyTakesExactlyTheTickedWeekdaysBothEndsIncluded) {
    // Every day ticked: one entry per day, the first and last day included.
    const auto all = GenerateEvents(20240226, 20240304, u"W1111111", QStringLiteral("x"));
    EXPECT_EQ(datesOf(all), QStringList({"02262024", "02272024", "02282024", "02292024", "03012024",
                                         "03022024", "03032024", "03042024"}));

    // Monday and Friday over several years, checked against the calendar's weekdays.
    const QDate first(1998, 3, 17), last(2031, 8, 2);
    QStringList expected;
    for (QDate d = first; d <= last; d = d.addDays(1))
        if (d.dayOfWeek() == Qt::Monday || d.dayOfWeek() == Qt::Friday) expected << entryDate(d);
    EXPECT_EQ(
        datesOf(GenerateEvents(spanDate(first), spanDate(last), u"W0100010", QStringLiteral("x"))),
        expected);
}

TEST(GenerateEvents, NoMatchingDayOrAMalformedRuleGivesNothing) {
    // 4 to 9 January 2027 is Monday to Saturday: no Sunday in the span.
    EXPECT_TRUE(GenerateEvents(20270104, 20270109, u"W1000000", QStringLiteral("x")).empty());
    // A step of 0 would never move on; a malformed rule must not hang or generate.
    for (const auto* rule : {u"D00", u"D1", u"W011", u"X01", u""})
        EXPECT_TRUE(GenerateEvents(20270101, 20270110, rule, QStringLiteral("x")).empty());
}

TEST(FrequencySpec, DailyAndWeeklyTexts) {
    EXPECT_EQ(DailySpec(7), QStringLiteral("D07"));
    EXPECT_EQ(DailySpec(31), QStringLiteral("D31"));
    EXPECT_EQ(WeeklySpec(days({1, 5})), QStringLiteral("W0100010"));
    EXPECT_EQ(WeeklySpec(days({0, 6})), QStringLiteral("W1000001"));
    EXPECT_TRUE(MissingWeekday(WeeklySpec(days({}))));
    EXPECT_FALSE(MissingWeekday(WeeklySpec(days({3}))));
    EXPECT_FALSE(MissingWeekday(u"D01"));
}

TEST(SummaryText, DailyAndWeeklySentences) {
    ScheduleRequest request{{2019, 1, 5}, {2019, 3, 3}, QStringLiteral("D03"), "x"};
    EXPECT_EQ(SummaryText(request),
              QStringLiteral("Events occur between January 5, 2019 and March 3, 2019 every 3 "
                             "day(s)."));
    request = {{2027, 12, 31}, {2028, 2, 29}, QStringLiteral("W0101000"), "x"};
    EXPECT_EQ(SummaryText(request),
              QStringLiteral("Events occur between December 31, 2027 and February 29, 2028 "
                             "every Monday, Wednesday of every week."));
    request.frequencySpec = QStringLiteral("W1000000");
    EXPECT_TRUE(SummaryText(request).endsWith(QStringLiteral(" every Sunday of every week.")));
    request.frequencySpec = QStringLiteral("W1111111");
    EXPECT_TRUE(SummaryText(request).endsWith(
        QStringLiteral(" every Sunday, Monday, Tuesday, Wednesday, Thursday, Friday, Saturday of "
                       "every week.")));
}
