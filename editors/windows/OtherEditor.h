#pragma once

#include "editors/windows/EntryEditor.h"

class QGroupBox;

// Adds and changes other events: one-off entries on one date of one year, shown on the
// calendar by their name.
class frmOther : public DatedEntryEditor {
    Q_OBJECT
  public:
    explicit frmOther(AppState& app, QWidget* parent = nullptr);

    void ResetForm() override;

    QGroupBox* fraDate;

  protected:
    EntryRecord record() const override;
};
