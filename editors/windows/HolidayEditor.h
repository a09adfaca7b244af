#pragma once

#include "editors/MovingRules.h"
#include "editors/windows/EntryEditor.h"

#include <array>
#include <optional>

class QFrame;
class QGroupBox;
class QRadioButton;
class QSpinBox;

// Adds and changes holidays: a fixed date (a month and a day) goes into the fixed holidays,
// a floating date (a week of the month, a weekday and a month) and a moving one (Easter plus
// or minus days, a weekday on or after a date, a date observed on a weekday when it falls on
// a weekend) into the floating ones. The editor shows no year; its hidden year bar keeps a
// common year for February's length.
class frmHoliday : public EntryEditor {
    Q_OBJECT
  public:
    explicit frmHoliday(AppState& app, QWidget* parent = nullptr);

    void ResetForm() override;
    // Chooses fixed (Holiday) or floating (FloatingHoliday) and disables the other choice,
    // so that the entry cannot move between the two tables.
    void keepToKind(EntryKind kind);
    bool isFloating() const;
    // Shows a moving holiday's rule; a rule the choices cannot give is kept as it is and
    // shown by its text as the only moving choice.
    void showMovingRule(const HolidayRule& rule);

    QGroupBox* fraBirthDate;
    std::array<QRadioButton*, 3> optDate;
    QComboBox* cboWeek;
    QComboBox* cboDay;
    std::array<QFrame*, 3> Line1;
    QSpinBox* spnDays;      // how many days a fixed holiday lasts (a festival of three days)
    QComboBox* cboMoving;   // Easter, Orthodox Easter, weekday on or after, observed date
    QSpinBox* spnOffset;    // days after Easter (before, when negative)
    QComboBox* cboAfterDay; // the weekday on or after the date
    QComboBox* cboObserved; // where a date on a weekend is observed

  protected:
    EntryRecord record() const override;
    bool takeDayBeyondYear(int day) override;

  private:
    void buildDateChoice();
    void layOut();
    void buildMovingChoice();
    QLayout* movingRow();
    void optDate_Click(int index);
    void enableMovingControls();
    MovingChoice movingChoice() const;

    std::optional<HolidayRule> keptRule_; // a stored rule the choices cannot give
};
