#include "drawing/YearPage.h"
#include "document/SettingsRecords.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

// The year on one page: which days it marks, and where its twelve months go.

namespace {

LayoutSettings defaultLayout() {
    return DefaultSettings().Layout;
}

} // namespace

TEST(YearPage, MarksEveryDayWithAnEntryAndHolidaysWin) {
    CalendarDocument doc = sampleCalendar();
    doc.Birthdays.append(birthday("07041950", QStringLiteral("Same day as a holiday")));
    doc.Birthdays.append(birthday("02291992", QStringLiteral("Leap")));
    doc.OtherEvents.append(other("01052026", QStringLiteral("Another year")));
    OtherEntry trip = other("08302027", QStringLiteral("Trip"));
    trip.Until = "09022027";
    doc.OtherEvents.append(trip);
    struct Case {
        const char* leapDay;
        QDate day;
        DayMark mark;
    };
    const Case cases[] = {
        {"Hidden", {2027, 3, 7}, DayMark::Entry},     // birthday
        {"Hidden", {2027, 6, 15}, DayMark::Entry},    // anniversary
        {"Hidden", {2027, 1, 5}, DayMark::Entry},     // other event of its own year
        {"Hidden", {2026, 1, 5}, DayMark::Entry},     // the other one, in 2026
        {"Hidden", {2028, 1, 5}, DayMark::None},      // neither in 2028
        {"Hidden", {2027, 7, 4}, DayMark::Holiday},   // a birthday too: the holiday wins
        {"Hidden", {2027, 12, 25}, DayMark::Holiday}, // holiday before the birthday
        {"Hidden", {2027, 11, 25}, DayMark::Holiday}, // fourth Thursday
        {"Hidden", {2027, 5, 31}, DayMark::Holiday},  // last Monday
        {"Hidden", {2027, 8, 31}, DayMark::Entry},    // a span's days, over the month's end
        {"Hidden", {2027, 9, 2}, DayMark::Entry},
        {"Hidden", {2027, 9, 3}, DayMark::None},
        {"Hidden", {2027, 3, 1}, DayMark::None},
        {"Mar1", {2027, 3, 1}, DayMark::Entry}, // 29 February in a common year
        {"Feb28", {2027, 2, 28}, DayMark::Entry},
        {"Hidden", {2028, 2, 29}, DayMark::Entry},
        {"Hidden", {2027, 3, 8}, DayMark::None},
    };
    for (const Case& c : cases) {
        LayoutSettings layout = defaultLayout();
        layout.LeapDayEntries = QLatin1String(c.leapDay);
        const auto marks = YearDayMarks(doc, layout, c.day.year());
        ASSERT_EQ(marks[c.day.month() - 1].size(), std::size_t(c.day.daysInMonth()));
        EXPECT_EQ(marks[c.day.month() - 1][c.day.day() - 1], c.mark)
            << c.day.toString(Qt::ISODate).toStdString() << ' ' << c.leapDay;
    }
}

// On A4 and Letter, either way round, with and without week numbers: the twelve months lie
// within the margins below the heading, January first, none over another, and every day
// number, weekday initial and month name inside its own month.
TEST(YearPage, TwelveMonthsInsideTheMarginsWithoutOverlap) {
    const CalendarDocument doc = sampleCalendar();
    QImage scratch(1, 1, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(qRound(300 * 39.37));
    scratch.setDotsPerMeterY(qRound(300 * 39.37));
    QPainter painter(&scratch);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(scratch));
    struct Case {
        PaperInches paper;
        bool weekNumbers;
        int columns;
    };
    const Case cases[] = {
        {{11.69, 8.27}, false, 4}, {{8.27, 11.69}, false, 3}, {{11, 8.5}, true, 4},
        {{8.5, 11}, true, 3},      {{11, 8.5}, false, 4},     {{8.27, 11.69}, true, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.paper.width << 'x' << c.paper.height);
        LayoutSettings layout = defaultLayout();
        layout.WeekNumbers = c.weekNumbers ? "True" : "False";
        const YearPageLayout page = LayOutYearPage(surface, {doc, layout, 2027, c.paper});
        ASSERT_TRUE(YearPageHasRoom(page));
        // A millionth of an inch for the rounding of the sums.
        const QRectF margins = QRectF(QPointF(page.frame.PageLeft, page.ruleY),
                                      QPointF(page.frame.PageRight, page.frame.PageBottom))
                                   .adjusted(-1e-6, -1e-6, 1e-6, 1e-6);
        EXPECT_LT(page.frame.PageRight, c.paper.width);
        for (int i = 0; i < 12; ++i) {
            const YearMonthLayout& month = page.months[i];
            EXPECT_TRUE(margins.contains(month.box)) << i;
            // Reading order: the next month to the right, or first on the next row.
            if (i > 0 && i % c.columns != 0) {
                EXPECT_GE(month.box.left(), page.months[i - 1].box.right());
            }
            if (i >= c.columns) {
                EXPECT_GE(month.box.top(), page.months[i - c.columns].box.bottom());
            }
            for (int j = 0; j < i; ++j)
                EXPECT_FALSE(month.box.intersects(page.months[j].box)) << i << ' ' << j;
            auto inside = [&](const PageLine& line, SurfaceFont font) {
                surface.setFont(font);
                return month.box.contains(QRectF(line.x, line.y, surface.textWidth(line.text),
                                                 surface.textHeight(line.text)));
            };
            SurfaceFont bold = page.dayFont;
            bold.bold = true;
            EXPECT_TRUE(inside(month.name, page.nameFont)) << month.name.text.toStdString();
            ASSERT_EQ(month.days.size(), std::size_t(QDate(2027, i + 1, 1).daysInMonth()));
            for (const YearDay& day : month.days)
                EXPECT_TRUE(inside(day.line, bold)) << i << ' ' << day.line.text.toStdString();
            for (const PageLine& initial : month.initials)
                EXPECT_TRUE(inside(initial, page.initialFont));
            for (const PageLine& week : month.weekNumbers)
                EXPECT_TRUE(inside(week, page.weekNumberFont));
            EXPECT_EQ(month.weekNumbers.empty(), !c.weekNumbers);
        }
    }
}

// Margins that leave no room for the months are told, not drawn over.
TEST(YearPage, MarginsThatLeaveNoRoomAreTold) {
    const CalendarDocument doc = sampleCalendar();
    QImage scratch(100, 100, QImage::Format_RGB32);
    QPainter painter(&scratch);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(scratch));
    LayoutSettings layout = defaultLayout();
    layout.MarginLeft = 5;
    layout.MarginRight = 5;
    EXPECT_FALSE(YearPageHasRoom(LayOutYearPage(surface, {doc, layout, 2027, {11, 8.5}})));
    layout.MarginLeft = layout.MarginRight = 0.5;
    EXPECT_TRUE(YearPageHasRoom(LayOutYearPage(surface, {doc, layout, 2027, {11, 8.5}})));
}
