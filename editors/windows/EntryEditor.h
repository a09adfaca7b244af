#pragma once

#include "editors/DateRules.h"
#include "editors/EditorSequence.h"
#include "platform/widgets/NamedControl.h"

#include <QDialog>
#include <QPointer>
#include <optional>

class QComboBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class UpDownBar;
class frmSetup;
struct AppState;

// The texts that set one editor apart from the others. The captions, titles, label and
// template are translated with the context "EntryEditor".
struct EditorTexts {
    const char* windowName;      // objectName of the window, "frmBirthday"
    const char* addCaption;      // window caption while adding, "Add Birthday"
    const char* updateCaption;   // window caption while updating, "Update Birthday"
    const char* addTitle;        // title of the question before adding
    const char* updateTitle;     // title of the question before updating
    const char* nameLabel;       // "Name:"
    const char* nameLabelObject; // "lblName"
    const char* nameTemplate;    // what the name box holds until a name is typed
};

// What the four entry editors share: the name box with its template, the month list, the
// day box with its bar, a year bar (hidden in the holiday editor), and Add and Close with the
// add/update sequence. The bars' up arrows raise the value; the bar holds the value and the
// box beside it mirrors it and feeds it back when the user leaves the box.
class EntryEditor : public QDialog {
    Q_OBJECT
  public:
    // Puts the editor into its empty state; runs when the window is made and after an add
    // that keeps the editor open.
    virtual void ResetForm() = 0;

    // Switches the editor to updating the record at the program's EditIndex: the window
    // caption, "Update" on the add button and "Cancel" on the close button.
    void setUpdating();
    EditorMode mode() const;

    // The setup window whose entry list the editor keeps in step after storing (none when
    // the setup window is not loaded).
    void setEntryList(frmSetup* setup);

    // Shows a stored day in the day box as if it had been typed: a day that the month lacks
    // in the editor's year is kept and named when the entry is stored, never changed.
    void showDay(int day);

    QLabel* lblName;
    QLineEdit* txtName;
    QLabel* lblMonth;
    QComboBox* cboMonth;
    QLabel* lblDate;
    QLineEdit* txtDate;
    UpDownBar* vsbDate;
    UpDownBar* vsbYear;
    QPushButton* cmdAdd;
    QPushButton* cmdClose;

  protected:
    EntryEditor(AppState& app, const EditorTexts& texts, YearRange years, QWidget* parent);

    // The record the controls describe, and what the calendar will show for it.
    virtual EntryRecord record() const = 0;
    virtual QString displayText() const;
    // The editor's own reaction to a change of the name (after the name rule).
    virtual void nameChanged() {}
    // Checks the numbers typed into the boxes as leaving them would, so that Enter pressed
    // in a box stores what the box shows. False when a box was refused with a message: the
    // entry is not stored then.
    virtual bool takeTypedValues();
    // A day typed into the day box that the month has, but not in the year the editor holds
    // (February 29 in a common year): kept as typed, for the check of the whole date when
    // the entry is stored. An editor may refuse it instead and return false.
    virtual bool takeDayBeyondYear(int day);
    // Checks the whole date before it is stored; false (after saying why) keeps the editor
    // open with what was typed.
    virtual bool dateAccepted() { return true; }
    // Brings the day bar's range into line with the month and the year: the month's days in
    // that year, or up to a typed day kept beyond them.
    void applyDayRange();
    // Puts the focus into the day box with its text selected, for a correction.
    void focusDay();

    // Parts of ResetForm.
    void resetMonth();
    void resetName();
    void resetDay();

    // The month list's position + 1.
    int monthNumber() const;
    // Today's year, brought into the year bar's range.
    int currentYear() const;

    // A text box with its bar right beside it, as one control.
    QHBoxLayout* boxWithBar(QLineEdit* box, UpDownBar* bar) const;
    // Add and Close at the bottom right.
    QHBoxLayout* buttonRow() const;
    // The whole window: the name row, the editor's own body, the buttons.
    void layOutWindow(QLayout* body);
    // The tab order, the name box first.
    void chainTabOrder(std::initializer_list<QWidget*> widgets);

    void showEvent(QShowEvent* event) override;

    AppState& app_;
    const EditorTexts& texts_;
    const YearRange years_;

  private:
    void buildNameAndDay();
    void buildButtons();
    void connectControls();

    void txtName_Change();
    void cboMonth_Click();
    void vsbDate_Change(int day);
    bool txtDate_LostFocus();
    // Takes a day the user typed (or an entry stored) and keeps it as given.
    bool takeDay(int day);
    void cmdAdd_Click();
    bool confirmed(EditorMode mode, const QString& entryText);
    void focusName();

    QPointer<frmSetup> entryList_;
    // The day as the user typed it (or as the entry stored it), kept until the day or the
    // month changes: a year chosen afterwards never moves it, also when that year's month
    // lacks it (February 29 in a common year), which the check on storing then names.
    std::optional<int> keptDay_;
};

// An editor with a year box beside its year bar (birthdays, anniversaries, other events).
class DatedEntryEditor : public EntryEditor {
    Q_OBJECT
  public:
    QLabel* lblYear;
    QLineEdit* txtYear;

  protected:
    DatedEntryEditor(AppState& app, const EditorTexts& texts, YearRange years, QWidget* parent);

    // The editor's own reaction to a change of the year, before the February rule.
    virtual void yearChanged() {}
    bool takeTypedValues() override;
    bool dateAccepted() override;
    // Part of ResetForm: the year starts at today's year.
    void resetYear();
    // Part of ResetForm: the year starts at year, brought into the year bar's range.
    void resetYearTo(int year);
    DateParts dateParts() const;
    // Month, day and year in one row.
    QHBoxLayout* dateRow() const;

  private:
    void vsbYear_Change(int year);
    void txtYear_LostFocus();
};
