#include "drawing/windows/CalendarView.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>
#include <gtest/gtest.h>

// The calendar view opens at its designed size and grows with its window.

namespace design = MonthViewDesign;

TEST(MonthViewLayout, KeepsTheDesignAtItsSizeAndSharesOutTheRoomBeyondIt) {
    for (const QSize size : {design::ClientSize, QSize(300, 200)}) {
        const MonthViewGeometry g = MonthViewLayout(size);
        EXPECT_EQ(g.boxes.box(0), design::shaDate.box(0));
        EXPECT_EQ(g.boxes.box(41), design::shaDate.box(41));
        EXPECT_EQ(g.dayLabel0, design::lblDay0);
        EXPECT_EQ(g.lineRight, design::LineRight);
        EXPECT_EQ(g.scale, 1.0);
    }
    struct Case {
        QSize size;
        double scale;
    };
    for (const Case& c : {Case{{1110, 814}, 2.0}, Case{{1920, 407}, 1.0}, Case{{555, 1000}, 1.0}}) {
        const MonthViewGeometry g = MonthViewLayout(c.size);
        const QRect last = g.boxes.box(41);
        // The grid keeps the design's margins to the right and below, give or take the
        // pixels that do not divide into seven columns or six rows.
        EXPECT_LE(last.right(), c.size.width() - 9);
        EXPECT_GT(last.right(), c.size.width() - 9 - 7);
        EXPECT_LE(last.bottom(), c.size.height() - 8);
        EXPECT_GT(last.bottom(), c.size.height() - 8 - 6);
        EXPECT_NEAR(g.scale, c.scale, 0.03) << c.size.width() << 'x' << c.size.height();
        EXPECT_EQ(g.dayLabelStep, g.boxes.columnStep);
        EXPECT_LT(g.dayLabel0.bottom(), g.boxes.top);
    }
}

TEST(MonthViewLayout, BiggerBoxesWrapLessAndHoldMoreEntries) {
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    CalendarDocument& doc = t.app.Document;
    doc.OtherEvents.append(other("03032027", QStringLiteral("Piano lesson with Mrs Miller")));
    for (const char* name : {"One", "Two", "Three", "Four", "Five", "Six"})
        doc.OtherEvents.append(other("03042027", QLatin1String(name)));
    auto draw = [&](QSize size, int scale) {
        const MonthViewGeometry g = MonthViewLayout(size);
        RecordingSurface surface;
        CellLineY lines{};
        const MonthViewInput input{
            doc, t.app.Layout, 2027, SurfaceFont{"Test", 500.0 * scale}, {Qt::gray}, g.boxes};
        DrawMonthView(surface, t.dialogs, input, 3, lines);
        return surface.allTexts();
    };
    // Of the six entries of the 4th, the names shown and the N of "+N more" always add up.
    auto shownAndMore = [](const QStringList& texts) {
        int shown = 0, more = 0;
        for (const QString& text : texts) {
            shown += QStringList{"One", "Two", "Three", "Four", "Five", "Six"}.contains(text);
            if (text.startsWith(u'+')) more = text.section(u' ', 0, 0).mid(1).toInt();
        }
        return std::pair(shown, more);
    };
    // At the designed size a box takes 14 characters a line and four lines under its number.
    const QStringList small = draw(design::ClientSize, 1);
    EXPECT_TRUE(small.contains("Piano lesson") && small.contains("with Mrs"));
    EXPECT_EQ(shownAndMore(small), std::pair(3, 3));
    // Twice the size, with a font twice the size: a box keeps about its lines and words.
    const auto [shownTwice, moreTwice] = shownAndMore(draw(QSize(1110, 814), 2));
    EXPECT_GE(shownTwice, 3);
    EXPECT_EQ(shownTwice + moreTwice, 6);
    // Wider only: the font stays, the name fits on one line, the lines stay four.
    const QStringList wide = draw(QSize(1920, 407), 1);
    EXPECT_TRUE(wide.contains("Piano lesson with Mrs Miller"));
    EXPECT_EQ(shownAndMore(wide), std::pair(3, 3));
}

TEST(CalendarViewWindow, OpensAtItsDesignedSizeAndCanBeMaximised) {
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    t.app.DisplayYear = 2027;
    QMdiArea area;
    area.resize(1400, 1000);
    auto* view = new frmCalendar(t.app);
    QMdiSubWindow* frame = area.addSubWindow(view);
    view->Form_Load();
    frame->adjustSize();
    area.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
    EXPECT_EQ(view->size(), design::ClientSize);
    EXPECT_EQ(view->boxes().box(0), design::shaDate.box(0));

    frame->showMaximized();
    QTest::qWait(0);
    EXPECT_GT(view->width(), 1200);
    EXPECT_GT(view->boxes().box(6).right(), 1100);
    EXPECT_GT(view->lblDay[6]->x(), 1000);
    // January 2027 starts on a Friday: box 5 holds the 1st, drawn at its new place.
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(view->boxes().box(5).center()), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(view->boxes().box(4).center()),
              view->palette().color(QPalette::Disabled, QPalette::WindowText));
}
