#include "shell/Toolbar.h"

#include "shell/ToolbarPicture.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QToolTip>

namespace {
constexpr int kFootHeight = 2; // the etched line under the buttons
constexpr int kStates = 3;
} // namespace

Toolbar::Toolbar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picToolbar"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    rebuildPicture();
}

QSize Toolbar::sizeHint() const {
    return {ToolbarModel::toolsRight() + 2, ToolRowHeight + kFootHeight};
}

QSize Toolbar::minimumSizeHint() const {
    return sizeHint();
}

void Toolbar::PaintTool(int nTool, int nState) {
    if (!ToolbarModel::isTool(nTool) || nState < 0 || nState >= kStates) return;
    const int x = ToolbarModel::toolLeft(nTool);
    QPainter p(&face_);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, 0), picture_, QRect(x, ToolRowHeight * nState, ToolWidth, ToolRowHeight));
    p.end();
    update(x, 0, ToolWidth, ToolRowHeight);
}

void Toolbar::setToolEnabled(int tool, bool enabled) {
    if (!ToolbarModel::isTool(tool) || toolEnabled(tool) == enabled) return;
    disabled_.set(tool, !enabled);
    rebuildPicture();
}

bool Toolbar::toolEnabled(int tool) const {
    return ToolbarModel::isTool(tool) && !disabled_.test(tool);
}

// Builds the picture from the current palette and shows its normal row, with the button
// under the mouse in its present state.
void Toolbar::rebuildPicture() {
    picture_ = buildToolbarPicture(palette(), disabled_);
    face_ = picture_.copy(0, 0, picture_.width(), ToolRowHeight);
    PaintTool(model_.ToolUnderMouse(), model_.ToolState());
    update();
}

void Toolbar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    p.drawImage(QPoint(0, 0), face_);
    const int foot = height() - kFootHeight;
    p.setPen(palette().color(QPalette::Mid));
    p.drawLine(0, foot, width() - 1, foot);
    p.setPen(palette().color(QPalette::Light));
    p.drawLine(0, foot + 1, width() - 1, foot + 1);
}

void Toolbar::mouseMoveEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    apply(model_.mouseMove(pos.x(), pos.y(), event->buttons().testFlag(Qt::LeftButton)));
}

void Toolbar::mousePressEvent(QMouseEvent* event) {
    const QPointF pos = event->position();
    apply(model_.mouseDown(pos.x(), pos.y()));
}

void Toolbar::mouseReleaseEvent(QMouseEvent*) {
    const ToolbarReaction reaction = model_.mouseUp();
    if (toolEnabled(reaction.command)) {
        // The command may open a modal window or close the main window; the button stays
        // pressed until it returns, and the toolbar may be gone by then.
        const QPointer<Toolbar> self(this);
        emit toolCommand(reaction.command);
        if (!self) return;
    }
    apply(reaction);
}

void Toolbar::leaveEvent(QEvent* event) {
    apply(model_.mouseLeave());
    QWidget::leaveEvent(event);
}

void Toolbar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::StyleChange)
        rebuildPicture();
    QWidget::changeEvent(event);
}

void Toolbar::apply(const ToolbarReaction& reaction) {
    for (const ToolPaint& paint : reaction.paints)
        PaintTool(paint.tool, paint.state);
    if (reaction.toolTip) showToolTipText(*reaction.toolTip);
}

// Sets the tooltip; one already on screen follows at once instead of showing the text of the
// button the mouse has left.
void Toolbar::showToolTipText(const QString& text) {
    setToolTip(text);
    if (!QToolTip::isVisible()) return;
    if (text.isEmpty()) {
        QToolTip::hideText();
        return;
    }
    const int tool = model_.ToolUnderMouse();
    const QRect button(ToolbarModel::toolLeft(tool), 0, ToolWidth, ToolRowHeight);
    QToolTip::showText(mapToGlobal(button.bottomLeft()), text, this, button);
}
