#include "drawing/windows/CalendarView.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/RecordingSurface.h"
#include "support/TestApp.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

// The view's boxes are 78 by 57 pixels, box c at x 7 + 77 (c % 7), y 63 + 56 (c / 7). On the
// recording surface a 500-point font is 5 pixels a character and 10 a line, so a box's day
// number ends 11 pixels below its top and four entry lines of at most 14 characters fit
// under it.

namespace {

const QColor kRed(255, 0, 0), kBlue(0, 0, 255), kGreen(0, 128, 0), kGrey(200, 200, 200);

struct ViewFixture : ::testing::Test {
    TestApp t;
    RecordingSurface surface;
    CellLineY lines{};

    ViewFixture() {
        t.app.Layout = LoadSettings(t.store).Layout;
        t.app.Layout.Birthday = QStringLiteral("&HFF");
        t.app.Layout.Holiday = QStringLiteral("&HFF0000");
        t.app.Layout.Anniversary = QStringLiteral("&H8000");
        t.app.Layout.Other = QStringLiteral("&H8000"); // green too: told apart by text
    }
    void draw(int year, int month) {
        const MonthViewInput input{
            t.app.Document, t.app.Layout, year, SurfaceFont{QStringLiteral("Test"), 500}, {kGrey}};
        DrawMonthView(surface, t.dialogs, input, month, lines);
    }
    // Texts drawn as entries in box cell (past the day number), in drawing order.
    std::vector<RecordingSurface::Text> entriesIn(int cell) const {
        const QRect box = frmCalendar::shaDate.box(cell);
        std::vector<RecordingSurface::Text> out;
        for (const auto& x : surface.texts)
            if (x.x == box.left() + 2 && x.y >= box.top() && x.y < box.bottom()) out.push_back(x);
        return out;
    }
    bool write(const QString& color, int cell, const QString& text) {
        return DrawCellEntry(surface, t.dialogs, frmCalendar::shaDate, color, cell, text, lines);
    }
};

} // namespace

TEST_F(ViewFixture, TwentyEightDaysFromSundayFillBoxesUpTo36AndNumberEachDay) {
    draw(2026, 2); // 1 February 2026 is a Sunday
    ASSERT_EQ(surface.boxes.size(), 37u + 28u);
    for (int cell = 0; cell <= 36; ++cell) {
        const auto& box = surface.boxes[cell];
        EXPECT_EQ(QRectF(box.x, box.y, box.width, box.height),
                  QRectF(7 + 77 * (cell % 7), 63 + 56 * (cell / 7), 77, 56));
        EXPECT_EQ(box.color, kGrey);
    }
    EXPECT_EQ(surface.boxes[37 + 27].color, QColor(Qt::white));
    EXPECT_EQ(surface.boxes[37 + 27].y, 63 + 56 * 3);
    const auto* first = surface.find(QStringLiteral(" 1"));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(QPointF(first->x, first->y), QPointF(8, 64));
    EXPECT_EQ(first->color, QColor(Qt::black));
    EXPECT_EQ(surface.find(QStringLiteral(" 28"))->y, 63 + 56 * 3 + 1);
    EXPECT_DOUBLE_EQ(lines[27], 63 + 56 * 3 + 11);
}

TEST_F(ViewFixture, EntriesOfOneDayStackInKindOrderInTheirColours) {
    CalendarDocument& doc = t.app.Document;
    doc.OtherEvents.append(other("03072027", QStringLiteral("Other")));
    doc.OtherEvents.append(other("03072026", QStringLiteral("Last year")));
    doc.Anniversaries.append(anniversary("03071990", QStringLiteral("Anniv"), "3"));
    doc.FloatingHolidays.append(floatingHoliday("03", "L0", QStringLiteral("Last Sunday")));
    doc.FixedHolidays.append(fixedHoliday("0307", QStringLiteral("Fixed")));
    doc.Birthdays.append(birthday("03071961", QStringLiteral("Ann"), "3"));
    draw(2027, 3); // 1 March 2027 is a Monday: day 7 is box 7, day 28 box 28

    const auto stacked = entriesIn(7);
    ASSERT_EQ(stacked.size(), 4u);
    const QStringList order{"Ann", "Fixed", "Anniv", "Other"};
    const QColor colors[] = {kRed, kBlue, kGreen, kGreen};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(stacked[i].text, order[i]);
        EXPECT_EQ(stacked[i].y, 119 + 11 + 10 * i);
        EXPECT_EQ(stacked[i].color, colors[i]);
    }
    ASSERT_EQ(entriesIn(28).size(), 1u);
    EXPECT_EQ(entriesIn(28)[0].text, QStringLiteral("Last Sunday"));
    EXPECT_EQ(surface.find(QStringLiteral("Last year")), nullptr);
    EXPECT_TRUE(t.dialogs.messages.empty());
}

TEST_F(ViewFixture, LongEntriesWrapToTheBoxWidthAndStopAtItsBottom) {
    draw(2027, 3);
    const double top = 119; // box 7
    EXPECT_TRUE(write("&HFF", 7, "Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel India Jul"));
    QStringList shown;
    for (const auto& x : entriesIn(7))
        shown << x.text;
    // The fifth line would end at 61 pixels, past the box's 57.
    EXPECT_EQ(shown, QStringList({"Alpha Bravo", "Charlie Delta", "Echo Foxtrot", "Golf Hotel"}));
    EXPECT_DOUBLE_EQ(lines[7], top + 51); // after the last line shown, not before the entry
    EXPECT_TRUE(write("&HFF", 7, "Later"));
    EXPECT_EQ(entriesIn(7).size(), 4u);

    // Lines may be 74 pixels wide: a word of 14 characters fits, one of 15 is broken after
    // its 14th and goes on on the next line.
    EXPECT_TRUE(write("&HFF", 8, "Abcdefghijklmn"));
    ASSERT_EQ(entriesIn(8).size(), 1u);
    const double below = lines[9];
    EXPECT_TRUE(write("&HFF", 9, "Abcdefghijklmno"));
    ASSERT_EQ(entriesIn(9).size(), 2u);
    EXPECT_EQ(entriesIn(9)[0].text, QStringLiteral("Abcdefghijklmn"));
    EXPECT_EQ(entriesIn(9)[1].text, QStringLiteral("o"));
    EXPECT_GT(lines[9], below);
    EXPECT_TRUE(t.dialogs.messages.empty());
    // An entry that cannot be shown is still reported by the view.
    EXPECT_FALSE(write("blue", 10, "Fair"));
    ASSERT_EQ(t.dialogs.messages.size(), 1u);
    EXPECT_EQ(t.dialogs.messages[0].title, QStringLiteral("Daylark 2.5"));
}

namespace {

// The view as the main window holds it, drawn and grabbed as the screen shows it.
struct WindowFixture : ::testing::Test {
    TestApp t;
    QMdiArea area;
    frmCalendar* view = new frmCalendar(t.app);
    QMdiSubWindow* frame = area.addSubWindow(view);

    WindowFixture() {
        t.app.Layout = LoadSettings(t.store).Layout;
        t.app.Layout.Birthday = QStringLiteral("&HFF");
        t.app.DisplayYear = 2027;
        frame->setAttribute(Qt::WA_DeleteOnClose);
        view->Form_Load();
        area.show();
    }
    QImage shown() const { return view->grab().toImage(); }
    QColor inside(int cell) const {
        return shown().pixelColor(frmCalendar::shaDate.box(cell).center());
    }
    // How many pixels of box cell are drawn in red (text edges are blended with white).
    int redPixels(int cell) const {
        const QImage image = shown();
        const QRect box = frmCalendar::shaDate.box(cell);
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = image.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 120 && c.blue() < 120;
            }
        return count;
    }
};

} // namespace

TEST_F(WindowFixture, LoadOpensTheViewOnJanuaryOfTheDisplayYearWithTheTitleInTheCaption) {
    EXPECT_TRUE(t.app.CalendarViewOpen);
    EXPECT_EQ(view->lblYear->text(), QStringLiteral("2027"));
    ASSERT_EQ(view->cboMonth->count(), 12);
    EXPECT_EQ(view->cboMonth->currentText(), QStringLiteral("January"));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Daylark - [Untitled]"));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Daylark - [Untitled]"));
    // 1 January 2027 is a Friday: boxes 0 to 4 are grey, 5 to 35 white, 37 to 41 untouched.
    const QColor grey = view->palette().color(QPalette::Disabled, QPalette::WindowText);
    EXPECT_EQ(inside(4), grey);
    EXPECT_EQ(inside(5), QColor(Qt::white));
    EXPECT_EQ(inside(36), grey);
    EXPECT_EQ(inside(40), view->palette().color(QPalette::Window));

    t.app.Document.CalendarTitle = QStringLiteral("Family");
    view->ShowCaption();
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Daylark - Family"));
}

TEST_F(WindowFixture, MonthListAndDisplayYearRedrawKeepingTheOtherChoice) {
    view->cboMonth->setCurrentIndex(2); // March 2027 starts on a Monday
    EXPECT_EQ(inside(0), view->palette().color(QPalette::Disabled, QPalette::WindowText));
    EXPECT_EQ(inside(1), QColor(Qt::white));
    // March 31st (box 31) is numbered like the 1st.
    EXPECT_DOUBLE_EQ(view->cellLineY()[31] - 56 * 4, view->cellLineY()[1]);

    t.app.DisplayYear = 2028; // March 2028 starts on a Wednesday
    view->ShowDisplayYear();
    EXPECT_EQ(view->lblYear->text(), QStringLiteral("2028"));
    EXPECT_EQ(view->cboMonth->currentIndex(), 2);
    EXPECT_NE(inside(1), QColor(Qt::white));
    EXPECT_EQ(inside(3), QColor(Qt::white));
}

TEST_F(WindowFixture, AnEntryAddedWhileOpenAppearsAtTheNextRedraw) {
    // 15 January 2027 is box 19.
    EXPECT_EQ(redPixels(19), 0);
    t.app.Document.Birthdays.append(birthday("01151961", QStringLiteral("Ann Smith")));
    view->RedrawCalendarView();
    EXPECT_GT(redPixels(19), 10);
    EXPECT_EQ(redPixels(20), 0);
}

TEST_F(WindowFixture, ClosingTheWindowUnloadsTheViewOnce) {
    QSignalSpy unloaded(view, &frmCalendar::unloaded);
    const QPointer<frmCalendar> closed = view;
    frame->close();
    EXPECT_FALSE(t.app.CalendarViewOpen);
    EXPECT_EQ(unloaded.count(), 1);
    // A new view opened before the closed one is deleted keeps the view marked open.
    t.app.CalendarViewOpen = true;
    for (int i = 0; i < 50 && !closed.isNull(); ++i)
        QTest::qWait(10);
    EXPECT_TRUE(closed.isNull());
    EXPECT_TRUE(t.app.CalendarViewOpen);
}

TEST_F(WindowFixture, DeletingTheOpenViewUnloadsItToo) {
    delete frame;
    EXPECT_FALSE(t.app.CalendarViewOpen);
}
