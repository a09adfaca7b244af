#pragma once

#include <QWidget>

class QToolButton;

namespace qvfsch {

// A spin button beside a text box: an up arrow that raises the value by 1 and a down arrow
// that lowers it, within a range. Up and Down keys and the mouse wheel step it too. Lowering
// the upper end below the value brings the value down to it.
class SpinButton final : public QWidget {
    Q_OBJECT

  public:
    explicit SpinButton(QWidget* parent = nullptr);

    int value() const { return value_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    void setRange(int minimum, int maximum);
    void setMaximum(int maximum) { setRange(minimum_, maximum); }
    void setValue(int value);
    void stepUp() { setValue(value_ + 1); }
    void stepDown() { setValue(value_ - 1); }

    QSize sizeHint() const override;

  signals:
    void valueChanged(int value);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    QToolButton* makeArrow(Qt::ArrowType arrow, const QString& name);
    void updateArrows();

    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int value_ = 0;
    int minimum_ = 0;
    int maximum_ = 99;
};

} // namespace qvfsch
