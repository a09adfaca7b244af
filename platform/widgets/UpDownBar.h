#pragma once

#include <QScrollBar>

// A small vertical scroll bar used as a spin button beside a text box: its up arrow raises
// the number and its down arrow lowers it. (A plain vertical scroll bar grows downwards.)
// The scroll bar's own value is the negated number; use number() and numberChanged().
class UpDownBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit UpDownBar(QWidget* parent = nullptr);

    int number() const { return -value(); }
    void setNumber(int number) { setValue(-number); }
    void setNumberRange(int lowest, int highest) { setRange(-highest, -lowest); }
    int lowest() const { return -maximum(); }
    int highest() const { return -minimum(); }

  signals:
    void numberChanged(int number);
};
