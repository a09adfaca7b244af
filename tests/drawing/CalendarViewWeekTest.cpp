#include "drawing/windows/CalendarView.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLabel>
#include <gtest/gtest.h>

// The calendar view in the layout's language and week: names, the first column and week
// numbers left of the rows.

namespace design = MonthViewDesign;

TEST(CalendarViewWeek, WeekNumbersTakeRoomLeftOfTheBoxesAndStandBesideTheirRows) {
    const MonthViewGeometry plain = MonthViewLayout(design::ClientSize);
    const MonthViewGeometry numbered = MonthViewLayout(design::ClientSize, true);
    EXPECT_EQ(numbered.boxes.left, plain.boxes.left + design::WeekNumberWidth);
    EXPECT_EQ(numbered.dayLabel0.left(), numbered.boxes.left);
    EXPECT_LE(numbered.boxes.box(41).right(), plain.boxes.box(41).right());
    EXPECT_GT(numbered.boxes.box(41).right(), plain.boxes.box(41).right() - 7);

    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    t.app.Layout.FirstDayOfWeek = QStringLiteral("Monday");
    t.app.Layout.WeekNumbers = QStringLiteral("True");
    RecordingSurface surface;
    CellLineY lines{};
    const MonthViewInput input{t.app.Document,           t.app.Layout, 2027,
                               SurfaceFont{"Test", 500}, {Qt::gray},   numbered.boxes};
    DrawMonthView(surface, t.dialogs, input, 3, lines); // 1 March 2027 is a Monday
    const auto* first = surface.find(QStringLiteral(" 1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->x, numbered.boxes.box(0).left() + 1);
    QStringList weeks;
    for (const auto& x : surface.texts) {
        if (x.x >= numbered.boxes.left) continue;
        weeks << x.text;
        EXPECT_GE(x.x, 0);
    }
    EXPECT_EQ(weeks, QStringList({"9", "10", "11", "12", "13"}));
}

TEST(CalendarViewWeek, TheOpenViewFollowsTheLayoutsLanguageAndWeek) {
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    t.app.DisplayYear = 2027;
    frmCalendar view(t.app);
    view.Form_Load();
    EXPECT_EQ(view.lblDay[0]->text(), "Sunday");
    EXPECT_EQ(view.cboMonth->itemText(2), "March");

    t.app.Layout.Language = QStringLiteral("de_DE");
    t.app.Layout.WeekNumbers = QStringLiteral("True");
    view.cboMonth->setCurrentIndex(2);
    view.RedrawCalendarView();
    EXPECT_EQ(view.lblDay[0]->text(), "Montag");
    EXPECT_EQ(view.lblDay[6]->text(), "Sonntag");
    EXPECT_EQ(view.cboMonth->itemText(2), QString::fromUtf8("März"));
    EXPECT_EQ(view.cboMonth->currentIndex(), 2);
    EXPECT_EQ(view.boxes().left, design::shaDate.left + design::WeekNumberWidth);
    EXPECT_EQ(view.lblDay[0]->x(), view.boxes().left);
    // 1 March is the first box: its number's line is set, the box before the month has none.
    EXPECT_GT(view.cellLineY()[0], view.boxes().box(0).top() + 1);
}
