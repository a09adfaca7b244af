#include "drawing/WeekView.h"
#include "document/SettingsRecords.h"
#include "drawing/WeekList.h"
#include "support/CalendarBuilder.h"
#include "support/RecordingSurface.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

// On the recording surface a 500-point font is 5 pixels a character and 10 a line: a box's
// label ends 11 pixels below its top, and a box of 78 pixels takes 14 characters a line.

TEST(WeekView, DrawsEachDayWithTodaysLabelInRedAndItsEntriesBelow) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("12081990", QStringLiteral("Bob")));
    doc.OtherEvents.append(other("12082026", QStringLiteral("Dentist at nine")));
    doc.OtherEvents.append(other("12192026", QStringLiteral("Party")));
    LayoutSettings layout;
    layout.Birthday = QStringLiteral("&HFF");
    layout.Other = QStringLiteral("&HFF0000");
    // Tuesday 8 December 2026: the grid starts on Sunday the 6th.
    const WeekGrid grid = MakeWeekGrid(doc, layout, QDate(2026, 12, 8), 2);

    RecordingSurface surface;
    ScriptedDialogs dialogs;
    CellLineY lines{};
    lines.fill(-1);
    DrawWeekView(surface, dialogs, grid, SurfaceFont{QStringLiteral("Test"), 500}, lines);

    EXPECT_TRUE(dialogs.messages.empty());
    ASSERT_EQ(surface.boxes.size(), 14u);
    for (int cell = 0; cell < 14; ++cell) {
        const QRect box = WeekViewDesign::shaDate.box(cell);
        EXPECT_EQ(QPointF(surface.boxes[cell].x, surface.boxes[cell].y), QPointF(box.topLeft()));
        EXPECT_EQ(surface.boxes[cell].color, QColor(Qt::white));
        const RecordingSurface::Text* label = surface.find(grid.days[cell].label);
        ASSERT_NE(label, nullptr) << cell;
        EXPECT_EQ(QPointF(label->x, label->y), QPointF(box.left() + 2, box.top() + 1));
        EXPECT_EQ(label->color, cell == 2 ? QColor(Qt::red) : QColor(Qt::black)) << cell;
    }
    // Tuesday's box: the birthday with its age and the event, each wrapped onto two lines.
    const QRect tuesday = WeekViewDesign::shaDate.box(2);
    const RecordingSurface::Text* age = surface.find(QStringLiteral("Bob -- 36th"));
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->y, tuesday.top() + 11);
    EXPECT_EQ(age->color, QColor(255, 0, 0));
    const RecordingSurface::Text* event = surface.find(QStringLiteral("Dentist at"));
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->y, tuesday.top() + 31);
    EXPECT_EQ(event->color, QColor(0, 0, 255));
    EXPECT_EQ(lines[2], tuesday.top() + 51);
    // The second week's Saturday holds the party; no box past the grid is touched.
    EXPECT_EQ(surface.find(QStringLiteral("Party"))->x, WeekViewDesign::shaDate.box(13).left() + 2);
    EXPECT_EQ(lines[14], -1);
}
