#pragma once

#include "shell/ToolbarModel.h"

#include <QImage>
#include <QWidget>
#include <bitset>

// The main window's painted toolbar (`picToolbar`): ten buttons in four groups, drawn from
// the toolbar picture (one row per state), raised under the mouse, pressed while held. A
// release on the pressed button emits `toolCommand`; dragging off the button before the
// release runs nothing. The toolbar is one button row high plus an etched line at its foot,
// and as wide as its parent lets it be.
class Toolbar : public QWidget {
    Q_OBJECT
  public:
    static constexpr int ToolWidth = ToolbarModel::ToolWidth;
    static constexpr int ToolRowHeight = ToolbarModel::ToolRowHeight;

    explicit Toolbar(QWidget* parent = nullptr);

    // Draws button `nTool` in state `nState` (0 normal, 1 raised, 2 pressed) by copying its
    // cell from the picture row of that state onto the toolbar. An index that names no
    // button, or a state without a row, draws nothing.
    void PaintTool(int nTool, int nState);

    // A button whose command is not available looks disabled and runs nothing when
    // clicked. All buttons start enabled.
    void setToolEnabled(int tool, bool enabled);
    bool toolEnabled(int tool) const;

    // The button under the mouse (0 to 9, or -1) and its drawn state.
    int ToolUnderMouse() const { return model_.ToolUnderMouse(); }
    int ToolState() const { return model_.ToolState(); }

    // The toolbar picture (three rows) and what the toolbar shows now (one row).
    const QImage& picture() const { return picture_; }
    const QImage& face() const { return face_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  signals:
    // A button was released while pressed; `tool` is its index (see ToolId).
    void toolCommand(int tool);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void apply(const ToolbarReaction& reaction);
    void showToolTipText(const QString& text);
    void rebuildPicture();

    ToolbarModel model_;
    std::bitset<ToolbarModel::ToolCount> disabled_;
    QImage picture_;
    QImage face_;
};
