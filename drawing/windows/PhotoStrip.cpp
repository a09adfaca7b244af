#include "drawing/windows/PhotoStrip.h"

#include <QDropEvent>

PhotoStrip::PhotoStrip(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setFlow(QListView::LeftToRight);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    // Items stay in their grid places; a drop is a request, handled in dropEvent.
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    // A copy to the view's eyes: a move would make the view take the dragged item away.
    setDefaultDropAction(Qt::CopyAction);
    setWordWrap(true);
    setUniformItemSizes(true);
    setTextElideMode(Qt::ElideMiddle);
}

int PhotoStrip::dropTarget(const QDropEvent* event) const {
    if (event->source() != this) return -1;
    const QModelIndex index = indexAt(event->position().toPoint());
    return index.isValid() ? index.row() : -1;
}

void PhotoStrip::dragEnterEvent(QDragEnterEvent* event) {
    dragged_ = currentRow();
    if (event->source() == this) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PhotoStrip::dragMoveEvent(QDragMoveEvent* event) {
    if (dropTarget(event) >= 0) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void PhotoStrip::dropEvent(QDropEvent* event) {
    const int target = dropTarget(event);
    if (target < 0 || dragged_ < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const int from = dragged_;
    dragged_ = -1;
    if (from != target) emit photoDropped(from, target);
}
