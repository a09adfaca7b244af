#pragma once

#include <QString>
#include <optional>
#include <vector>

// The ten buttons of the main window's toolbar, left to right; the value is the button index
// that `Toolbar::toolCommand` carries.
enum class ToolId : int {
    NewCalendar = 0,
    OpenCalendar,
    SaveCalendar,
    PrintCalendar,
    Options,
    ViewCalendar,
    AddEntry,
    DeleteEntry,
    EditEntry,
    ResortEntries,
};

// One drawing request: show button `tool` in state `state` (0 normal, 1 raised, 2 pressed).
// A tool of -1 stands for "no button" and draws nothing.
struct ToolPaint {
    int tool = -1;
    int state = 0;
    friend bool operator==(const ToolPaint&, const ToolPaint&) = default;
};

// What one mouse event asks of the toolbar widget. The widget runs `command` first (a button
// index, or -1 for none), then draws `paints` in order, then sets the tooltip when `toolTip`
// holds a text (an empty text clears it).
struct ToolbarReaction {
    int command = -1;
    std::vector<ToolPaint> paints;
    std::optional<QString> toolTip;
};

// The toolbar without its widget: which button lies under a point, and the hover and press
// states driven by the mouse. Positions are pixels from the toolbar's top-left corner.
class ToolbarModel {
  public:
    static constexpr int ToolCount = 10;
    static constexpr int ToolWidth = 23;     // width of one button cell
    static constexpr int ToolRowHeight = 26; // distance between the rows of the button picture
    static constexpr int ButtonTop = 3;      // the mouse is over a button from this y ...
    static constexpr int ButtonBottom = 24;  // ... to this y, both included
    static constexpr int Normal = 0;
    static constexpr int Raised = 1;
    static constexpr int Pressed = 2;

    static bool isTool(int tool) { return tool >= 0 && tool < ToolCount; }
    // The button under (x, y), or -1 when the point lies outside every button.
    static int toolAt(double x, double y);
    // The x at which the button's cell starts, or -1 for an index that names no button.
    static int toolLeft(int tool);
    // The tooltip of a button; empty for an index that names no button.
    static QString toolTipText(int tool);
    // x just past the last button cell: the width of the toolbar picture.
    static int toolsRight();

    int ToolUnderMouse() const { return toolUnderMouse_; }
    int ToolState() const { return toolState_; }

    // The mouse moved to (x, y); `leftHeld` tells whether the left button is down.
    ToolbarReaction mouseMove(double x, double y, bool leftHeld);
    // A mouse button went down at (x, y).
    ToolbarReaction mouseDown(double x, double y);
    // A mouse button was released.
    ToolbarReaction mouseUp();
    // The mouse left the toolbar with no button held.
    ToolbarReaction mouseLeave();

  private:
    ToolbarReaction hover(int tool);

    int toolUnderMouse_ = -1;
    int toolState_ = Normal;
};
