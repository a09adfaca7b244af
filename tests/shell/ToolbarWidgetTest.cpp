#include "shell/Toolbar.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int W = Toolbar::ToolWidth;
constexpr int H = Toolbar::ToolRowHeight;

QImage cell(const QImage& image, int tool, int row) {
    return image.copy(ToolbarModel::toolLeft(tool), row * H, W, H);
}

// What the toolbar shows of a button equals the picture's cell in that state's row.
bool shows(const Toolbar& bar, int tool, int state) {
    return cell(bar.face(), tool, 0) == cell(bar.picture(), tool, state);
}

TEST(ToolbarPicture, ThreeRowsOfDistinctCellsWithPlainGaps) {
    Toolbar bar;
    EXPECT_EQ(bar.objectName(), QString("picToolbar"));
    ASSERT_EQ(bar.picture().size(), QSize(250, 3 * H));
    for (int tool = 0; tool < ToolbarModel::ToolCount; ++tool) {
        const QImage normal = cell(bar.picture(), tool, 0);
        const QImage raised = cell(bar.picture(), tool, 1);
        const QImage pressed = cell(bar.picture(), tool, 2);
        EXPECT_NE(normal, raised) << tool;
        EXPECT_NE(raised, pressed) << tool;
        EXPECT_NE(normal, pressed) << tool;
        EXPECT_NE(cell(bar.picture(), tool, 0), cell(bar.picture(), (tool + 1) % 10, 0)) << tool;
    }
    // The gaps between groups carry the same separator in every row.
    for (const int gap : {71, 100, 152}) {
        const QImage row0 = bar.picture().copy(gap, 0, 6, H);
        EXPECT_EQ(row0, bar.picture().copy(gap, H, 6, H)) << gap;
        EXPECT_EQ(row0, bar.picture().copy(gap, 2 * H, 6, H)) << gap;
    }
    EXPECT_EQ(bar.face(), bar.picture().copy(0, 0, 250, H)); // row 0 until a button is drawn
    EXPECT_EQ(bar.sizeHint().height(), H + 2);
}

TEST(ToolbarPicture, PaintToolCopiesOneCellAndIgnoresIndexesOutsideTheButtons) {
    Toolbar bar;
    const QImage before = bar.face();
    bar.PaintTool(-1, 2);
    bar.PaintTool(10, 2);
    bar.PaintTool(0, 3);
    bar.PaintTool(0, -1);
    EXPECT_EQ(bar.face(), before);

    bar.PaintTool(3, 1);
    EXPECT_TRUE(shows(bar, 3, 1));
    EXPECT_EQ(bar.face().copy(0, 0, 77, H), before.copy(0, 0, 77, H));
    EXPECT_EQ(bar.face().copy(100, 0, 150, H), before.copy(100, 0, 150, H));

    bar.PaintTool(9, 2);
    EXPECT_TRUE(shows(bar, 9, 2));
    bar.PaintTool(0, 2);
    EXPECT_TRUE(shows(bar, 0, 2));
    bar.PaintTool(3, 0);
    EXPECT_TRUE(shows(bar, 3, 0));
}

// The mouse is driven through the window system, as a real pointer would be.
class ToolbarMouse : public ::testing::Test {
  protected:
    void SetUp() override {
        bar = std::make_unique<Toolbar>();
        bar->resize(400, bar->sizeHint().height());
        bar->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(bar.get()));
        window = bar->windowHandle();
        spy = std::make_unique<QSignalSpy>(bar.get(), &Toolbar::toolCommand);
    }
    void move(int x, int y) { QTest::mouseMove(window, QPoint(x, y)); }
    void press(int x, int y) { QTest::mousePress(window, Qt::LeftButton, {}, QPoint(x, y)); }
    void release(int x, int y) { QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(x, y)); }
    QList<int> commands() const {
        QList<int> tools;
        for (const QList<QVariant>& args : *spy)
            tools << args.at(0).toInt();
        return tools;
    }

    std::unique_ptr<Toolbar> bar;
    QWindow* window = nullptr;
    std::unique_ptr<QSignalSpy> spy;
};

TEST_F(ToolbarMouse, HoverRaisesAndSetsTheTooltipTheGapClearsIt) {
    move(30, 10);
    EXPECT_EQ(bar->ToolUnderMouse(), 1);
    EXPECT_EQ(bar->ToolState(), 1);
    EXPECT_EQ(bar->toolTip(), QString("Open Calendar"));
    EXPECT_TRUE(shows(*bar, 1, 1));

    move(72, 10);
    EXPECT_EQ(bar->ToolUnderMouse(), -1);
    EXPECT_TRUE(bar->toolTip().isEmpty());
    EXPECT_TRUE(shows(*bar, 1, 0));
    EXPECT_TRUE(spy->isEmpty());
}

TEST_F(ToolbarMouse, ClickEmitsTheButtonOnceAndDrawsItNormalAgain) {
    move(185, 10);
    press(185, 10);
    EXPECT_TRUE(shows(*bar, 7, 2));
    EXPECT_TRUE(spy->isEmpty());
    release(185, 10);
    EXPECT_EQ(commands(), QList<int>{7});
    EXPECT_TRUE(shows(*bar, 7, 0));
}

TEST_F(ToolbarMouse, DragOffBeforeReleasingEmitsNothingDraggingBackEmits) {
    move(50, 10);
    press(50, 10);
    move(80, 10);
    EXPECT_TRUE(shows(*bar, 2, 0));
    release(80, 10);
    EXPECT_TRUE(spy->isEmpty());

    move(50, 10);
    press(50, 10);
    move(50, 26); // below the buttons
    move(52, 12);
    EXPECT_TRUE(shows(*bar, 2, 2));
    release(52, 12);
    EXPECT_EQ(commands(), QList<int>{2});
}

TEST_F(ToolbarMouse, EveryButtonEmitsItsOwnIndex) {
    for (int tool = 0; tool < ToolbarModel::ToolCount; ++tool) {
        const int x = ToolbarModel::toolLeft(tool) + 11;
        move(x, 14);
        press(x, 14);
        release(x, 14);
    }
    EXPECT_EQ(commands(), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ToolbarMouse, ADisabledButtonLooksDisabledAndRunsNothing) {
    const QImage enabled = cell(bar->picture(), 4, 0);
    bar->setToolEnabled(4, false);
    EXPECT_FALSE(bar->toolEnabled(4));
    EXPECT_NE(cell(bar->picture(), 4, 0), enabled);
    EXPECT_EQ(cell(bar->picture(), 4, 1), cell(bar->picture(), 4, 0)); // never rises
    EXPECT_EQ(cell(bar->picture(), 4, 2), cell(bar->picture(), 4, 0)); // never sinks
    const int x = ToolbarModel::toolLeft(4) + 11;
    move(x, 14);
    press(x, 14);
    release(x, 14);
    EXPECT_TRUE(spy->isEmpty());

    bar->setToolEnabled(4, true);
    EXPECT_EQ(cell(bar->face(), 4, 0), enabled);
    press(x, 14);
    release(x, 14);
    EXPECT_EQ(commands(), QList<int>{4});
}

} // namespace
