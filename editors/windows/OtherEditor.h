#pragma once

#include "editors/windows/EntryEditor.h"

class QCheckBox;
class QDateEdit;
class QGroupBox;

// Adds and changes other events: one-off entries on one date of one year, or, with Until, on
// every day from that date to another (a trip, school holidays), shown on the calendar by
// their name.
class frmOther : public DatedEntryEditor {
    Q_OBJECT
  public:
    explicit frmOther(AppState& app, QWidget* parent = nullptr);

    void ResetForm() override;

    // Shows the last day of an event that spans days; a blank end is an event of one day.
    void showUntil(const FixedText<8>& until);

    QGroupBox* fraDate;
    QCheckBox* chkUntil;
    QDateEdit* dteUntil;

  protected:
    EntryRecord record() const override;
    bool dateAccepted() override;
};
