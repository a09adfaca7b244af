#include "shell/ToolbarModel.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Paints = std::vector<ToolPaint>;

struct Hit {
    double x;
    double y;
    int tool;
};

TEST(ToolbarHitTest, GroupBoundsAreInclusiveAndGapsHoldNoButton) {
    const std::vector<Hit> hits{
        {1, 10, -1},   {2, 10, 0},    {24, 10, 0},   {25, 10, 1},  {47, 10, 1},  {48, 10, 2},
        {70, 10, 2},   {71, 10, -1},  {72, 10, -1},  {76, 10, -1}, {77, 10, 3},  {99, 10, 3},
        {100, 10, -1}, {105, 10, -1}, {106, 10, 4},  {128, 10, 4}, {129, 10, 5}, {151, 10, 5},
        {152, 10, -1}, {157, 10, -1}, {158, 10, 6},  {180, 10, 6}, {181, 10, 7}, {204, 10, 8},
        {227, 10, 9},  {249, 10, 9},  {250, 10, -1}, {400, 10, -1}};
    for (const Hit& hit : hits)
        EXPECT_EQ(ToolbarModel::toolAt(hit.x, hit.y), hit.tool) << "x = " << hit.x;
}

TEST(ToolbarHitTest, OnlyRowsThreeToTwentyFourAreOverAButton) {
    for (const double x : {10.0, 80.0, 110.0, 200.0}) {
        EXPECT_EQ(ToolbarModel::toolAt(x, 2), -1) << x;
        EXPECT_NE(ToolbarModel::toolAt(x, 3), -1) << x;
        EXPECT_NE(ToolbarModel::toolAt(x, 24), -1) << x;
        EXPECT_EQ(ToolbarModel::toolAt(x, 25), -1) << x;
        EXPECT_EQ(ToolbarModel::toolAt(x, -5), -1) << x;
    }
}

TEST(ToolbarHitTest, DistanceIsRoundedToAWholePixelBeforeDividing) {
    EXPECT_EQ(ToolbarModel::toolAt(24.4, 10), 0);  // 22.4 rounds to 22
    EXPECT_EQ(ToolbarModel::toolAt(24.6, 10), 1);  // 22.6 rounds to 23
    EXPECT_EQ(ToolbarModel::toolAt(70.5, 10), -1); // past the group's right edge
}

TEST(ToolbarHitTest, CellsStartWhereTheirButtonsAreHit) {
    const std::vector<int> lefts{2, 25, 48, 77, 106, 129, 158, 181, 204, 227};
    for (int tool = 0; tool < ToolbarModel::ToolCount; ++tool) {
        EXPECT_EQ(ToolbarModel::toolLeft(tool), lefts[tool]);
        EXPECT_EQ(ToolbarModel::toolAt(lefts[tool], 10), tool);
        EXPECT_EQ(ToolbarModel::toolAt(lefts[tool] + ToolbarModel::ToolWidth - 1, 10), tool);
    }
    EXPECT_EQ(ToolbarModel::toolLeft(-1), -1);
    EXPECT_EQ(ToolbarModel::toolLeft(10), -1);
    EXPECT_EQ(ToolbarModel::toolsRight(), 250);
}

TEST(ToolbarHitTest, Tooltips) {
    const std::vector<QString> texts{
        "New Calendar",  "Open Calendar", "Save Calendar", "Print Calendar", "Options",
        "View Calendar", "Add Entry",     "Delete Entry",  "Edit Entry",     "Resort Entries"};
    for (int tool = 0; tool < ToolbarModel::ToolCount; ++tool)
        EXPECT_EQ(ToolbarModel::toolTipText(tool), texts[tool]);
    EXPECT_TRUE(ToolbarModel::toolTipText(-1).isEmpty());
    EXPECT_TRUE(ToolbarModel::toolTipText(10).isEmpty());
}

TEST(ToolbarHover, RaisesTheButtonUnderTheMouseAndNamesIt) {
    ToolbarModel model;
    EXPECT_EQ(model.ToolUnderMouse(), -1);
    EXPECT_EQ(model.ToolState(), 0);

    ToolbarReaction r = model.mouseMove(10, 10, false);
    EXPECT_EQ(r.paints, (Paints{{-1, 0}, {0, 1}}));
    EXPECT_EQ(r.toolTip, QString("New Calendar"));
    EXPECT_EQ(r.command, -1);
    EXPECT_EQ(model.ToolUnderMouse(), 0);
    EXPECT_EQ(model.ToolState(), 1);

    r = model.mouseMove(20, 12, false); // still on button 0: nothing to do
    EXPECT_TRUE(r.paints.empty());
    EXPECT_FALSE(r.toolTip.has_value());

    r = model.mouseMove(80, 10, false); // across a group gap onto Print
    EXPECT_EQ(r.paints, (Paints{{0, 0}, {3, 1}}));
    EXPECT_EQ(r.toolTip, QString("Print Calendar"));
    EXPECT_EQ(model.ToolUnderMouse(), 3);
}

TEST(ToolbarHover, GapDrawsThePreviousButtonNormalAndClearsTheTooltip) {
    ToolbarModel model;
    model.mouseMove(50, 10, false);
    ToolbarReaction r = model.mouseMove(72, 10, false);
    EXPECT_EQ(r.paints, (Paints{{2, 0}}));
    EXPECT_EQ(r.toolTip, QString());
    EXPECT_EQ(model.ToolUnderMouse(), -1);
    EXPECT_EQ(model.ToolState(), 0);

    model.mouseMove(80, 10, false);
    r = model.mouseMove(80, 25, false); // below the buttons counts as no button too
    EXPECT_EQ(r.paints, (Paints{{3, 0}}));
    EXPECT_EQ(model.ToolUnderMouse(), -1);
}

TEST(ToolbarHover, LeavingTheToolbarActsLikeMovingOffTheButtons) {
    ToolbarModel model;
    model.mouseMove(110, 10, false);
    ToolbarReaction r = model.mouseLeave();
    EXPECT_EQ(r.paints, (Paints{{4, 0}}));
    EXPECT_EQ(r.toolTip, QString());
    EXPECT_EQ(model.ToolUnderMouse(), -1);
    EXPECT_TRUE(model.mouseLeave().paints.empty());
}

TEST(ToolbarPress, ClickRunsTheButtonOnRelease) {
    ToolbarModel model;
    model.mouseMove(30, 10, false);
    ToolbarReaction r = model.mouseDown(30, 10);
    EXPECT_EQ(r.paints, (Paints{{1, 2}}));
    EXPECT_EQ(r.command, -1);
    EXPECT_EQ(model.ToolState(), 2);

    r = model.mouseUp();
    EXPECT_EQ(r.command, 1);
    EXPECT_EQ(r.paints, (Paints{{1, 0}}));
    EXPECT_EQ(model.ToolUnderMouse(), 1);
}

TEST(ToolbarPress, DragOffAndReleaseRunsNothingDragBackRuns) {
    ToolbarModel model;
    model.mouseMove(130, 10, false);
    model.mouseDown(130, 10);

    ToolbarReaction r = model.mouseMove(140, 10, true); // still on the pressed button
    EXPECT_TRUE(r.paints.empty());
    r = model.mouseMove(170, 10, true); // onto another button: the pressed one pops up
    EXPECT_EQ(r.paints, (Paints{{5, 0}}));
    EXPECT_EQ(model.ToolState(), 0);
    EXPECT_EQ(model.ToolUnderMouse(), 5); // a drag does not change the button
    r = model.mouseMove(154, 10, true);   // into the gap: already drawn normal
    EXPECT_TRUE(r.paints.empty());

    r = model.mouseUp();
    EXPECT_EQ(r.command, -1);
    EXPECT_EQ(r.paints, (Paints{{5, 0}}));

    model.mouseDown(130, 10);
    model.mouseMove(200, 10, true);
    r = model.mouseMove(131, 9, true); // back on it before releasing
    EXPECT_EQ(r.paints, (Paints{{5, 2}}));
    EXPECT_EQ(model.mouseUp().command, 5);
}

TEST(ToolbarPress, PressInAGapRunsNothing) {
    ToolbarModel model;
    model.mouseMove(102, 10, false);
    model.mouseDown(102, 10);
    model.mouseMove(101, 10, true);
    const ToolbarReaction r = model.mouseUp();
    EXPECT_EQ(r.command, -1);
    EXPECT_EQ(model.ToolUnderMouse(), -1);
}

TEST(ToolbarPress, ASecondReleaseDoesNotRunTheCommandAgain) {
    ToolbarModel model; // e.g. left and right button pressed together, then both released
    model.mouseMove(80, 10, false);
    model.mouseDown(80, 10);
    model.mouseDown(80, 10);
    EXPECT_EQ(model.mouseUp().command, 3);
    EXPECT_EQ(model.mouseUp().command, -1);
    EXPECT_EQ(model.ToolState(), 0);
}

TEST(ToolbarPress, PressWithoutAMoveBelongsToTheButtonUnderTheMouse) {
    ToolbarModel model;
    model.mouseMove(80, 10, false); // Print hovered; then no move arrives before the press
    ToolbarReaction r = model.mouseDown(240, 10);
    EXPECT_EQ(r.paints, (Paints{{3, 0}, {9, 1}, {9, 2}}));
    EXPECT_EQ(r.toolTip, QString("Resort Entries"));
    EXPECT_EQ(model.mouseUp().command, 9);

    model.mouseDown(240, 30); // a press below the buttons drops the stale one
    EXPECT_EQ(model.ToolUnderMouse(), -1);
    EXPECT_EQ(model.mouseUp().command, -1);
}

} // namespace
