#pragma once

#include <QListWidget>

// The photo slots of a calendar in a row that wraps: one item per slot, its thumbnail above
// its name and file name. A slot dragged onto another asks for the two photos to change
// places; the slots themselves never move, so the cover and the months keep their order.
class PhotoStrip : public QListWidget {
    Q_OBJECT
  public:
    explicit PhotoStrip(QWidget* parent = nullptr);

  signals:
    // The slot at row from was dropped on the slot at row to.
    void photoDropped(int from, int to);

  protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    int dragged_ = -1;
    int dropTarget(const QDropEvent* event) const;
};
