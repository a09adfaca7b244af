#pragma once

#include "editors/windows/EntryEditor.h"

#include <array>

class QFrame;
class QGroupBox;
class QRadioButton;

// Adds and changes holidays: a fixed date (a month and a day) goes into the fixed holidays,
// a floating date (a week of the month, a weekday and a month) into the floating ones. The
// editor shows no year; its hidden year bar keeps a common year for February's length.
class frmHoliday : public EntryEditor {
    Q_OBJECT
  public:
    explicit frmHoliday(AppState& app, QWidget* parent = nullptr);

    void ResetForm() override;
    // Chooses fixed (Holiday) or floating (FloatingHoliday) and disables the other choice,
    // so that the entry cannot move between the two tables.
    void keepToKind(EntryKind kind);
    bool isFloating() const;

    QGroupBox* fraBirthDate;
    std::array<QRadioButton*, 2> optDate;
    QComboBox* cboWeek;
    QComboBox* cboDay;
    std::array<QFrame*, 2> Line1;

  protected:
    EntryRecord record() const override;
    bool takeDayBeyondYear(int day) override;

  private:
    void buildDateChoice();
    void layOut();
    void optDate_Click(int index);
};
