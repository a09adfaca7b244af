#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QWidget>

// A photo as large as the room allows, the part that prints in its frame marked (the rest
// dimmed) and the focus point crossed. A click or a drag in it moves the focus point there.
class PhotoPicture : public QWidget {
    Q_OBJECT
  public:
    explicit PhotoPicture(QWidget* parent = nullptr);

    // The photo's size as shown (after the camera's orientation) and, once read, its
    // picture; an empty size: no photo. What shows with no photo, or one that cannot be read.
    void setPhoto(QSize photoSize, const QImage& image, const QString& note = {});
    // The frame's shape (empty: nothing is marked) and the focus point in thousandths.
    void setFrame(QSizeF frame, int focusX, int focusY);

    // Where the photo is drawn in the widget; empty without a photo.
    QRect photoRect() const;
    // The focus point, in thousandths, of a point in the widget (clamped into the photo).
    QPoint focusAt(QPoint position) const;

  signals:
    void focusMoved(int focusX, int focusY);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    void paintCrop(QPainter& painter, QRect shown) const;

    QSize photoSize_;
    QImage image_;
    QString note_;
    QSizeF frame_;
    int focusX_ = 500;
    int focusY_ = 500;
};
