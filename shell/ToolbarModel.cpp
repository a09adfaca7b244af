#include "shell/ToolbarModel.h"

#include <QCoreApplication>
#include <QtMath>
#include <array>

namespace {

// Buttons come in groups of adjacent cells; the gaps between groups hold no button.
struct ToolGroup {
    int first; // index of the group's first button
    int count; // buttons in the group
    int left;  // x of the group's left edge
    int right() const { return left + count * ToolbarModel::ToolWidth - 1; }
};

constexpr std::array<ToolGroup, 4> kGroups{{{0, 3, 2}, {3, 1, 77}, {4, 2, 106}, {6, 4, 158}}};

const ToolGroup* groupOf(int tool) {
    for (const ToolGroup& group : kGroups)
        if (tool >= group.first && tool < group.first + group.count) return &group;
    return nullptr;
}

} // namespace

int ToolbarModel::toolAt(double x, double y) {
    if (y < ButtonTop || y > ButtonBottom) return -1;
    for (const ToolGroup& group : kGroups) {
        if (x >= group.left && x <= group.right())
            return group.first + qRound(x - group.left) / ToolWidth;
    }
    return -1;
}

int ToolbarModel::toolLeft(int tool) {
    const ToolGroup* group = groupOf(tool);
    return group ? group->left + (tool - group->first) * ToolWidth : -1;
}

int ToolbarModel::toolsRight() {
    return kGroups.back().right() + 1;
}

QString ToolbarModel::toolTipText(int tool) {
    static const std::array<const char*, ToolCount> texts{
        QT_TRANSLATE_NOOP("Toolbar", "New Calendar"),
        QT_TRANSLATE_NOOP("Toolbar", "Open Calendar"),
        QT_TRANSLATE_NOOP("Toolbar", "Save Calendar"),
        QT_TRANSLATE_NOOP("Toolbar", "Print Calendar"),
        QT_TRANSLATE_NOOP("Toolbar", "Options"),
        QT_TRANSLATE_NOOP("Toolbar", "View Calendar"),
        QT_TRANSLATE_NOOP("Toolbar", "Add Entry"),
        QT_TRANSLATE_NOOP("Toolbar", "Delete Entry"),
        QT_TRANSLATE_NOOP("Toolbar", "Edit Entry"),
        QT_TRANSLATE_NOOP("Toolbar", "Resort Entries")};
    return isTool(tool) ? QCoreApplication::translate("Toolbar", texts[tool]) : QString();
}

// Moving without the left button: the button under the mouse is raised and gets the
// tooltip; leaving all buttons draws the last one normal again.
ToolbarReaction ToolbarModel::hover(int tool) {
    ToolbarReaction reaction;
    if (tool >= 0) {
        if (tool == toolUnderMouse_) return reaction;
        reaction.paints.push_back({toolUnderMouse_, Normal});
        toolState_ = Raised;
        toolUnderMouse_ = tool;
        reaction.paints.push_back({toolUnderMouse_, Raised});
        reaction.toolTip = toolTipText(tool);
        return reaction;
    }
    toolState_ = Normal;
    reaction.paints.push_back({toolUnderMouse_, Normal});
    toolUnderMouse_ = -1;
    reaction.toolTip = QString();
    return reaction;
}

ToolbarReaction ToolbarModel::mouseMove(double x, double y, bool leftHeld) {
    const int tool = toolAt(x, y);
    if (!leftHeld) return hover(tool);
    // Dragging: the pressed button shows pressed while the mouse is on it, normal when off.
    ToolbarReaction reaction;
    const int wanted = tool == toolUnderMouse_ ? Pressed : Normal;
    if (wanted != toolState_) {
        toolState_ = wanted;
        reaction.paints.push_back({toolUnderMouse_, toolState_});
    }
    return reaction;
}

ToolbarReaction ToolbarModel::mouseDown(double x, double y) {
    // A press normally follows a move onto the button. When no move was seen since the
    // pointer came back (after a dialog, say), take the hover first, so that the press
    // belongs to the button under the mouse and not to the one hovered before.
    const int tool = toolAt(x, y);
    ToolbarReaction reaction = tool == toolUnderMouse_ ? ToolbarReaction() : hover(tool);
    toolState_ = Pressed;
    reaction.paints.push_back({toolUnderMouse_, Pressed});
    return reaction;
}

ToolbarReaction ToolbarModel::mouseUp() {
    ToolbarReaction reaction;
    if (toolState_ == Pressed && isTool(toolUnderMouse_)) reaction.command = toolUnderMouse_;
    reaction.paints.push_back({toolUnderMouse_, Normal});
    // The button is drawn normal now; keeping the state in step means that a second release
    // (of another mouse button held at the same time) cannot run the command again.
    toolState_ = Normal;
    return reaction;
}

ToolbarReaction ToolbarModel::mouseLeave() {
    return toolUnderMouse_ >= 0 ? hover(-1) : ToolbarReaction();
}
