#pragma once

#include "document/HolidayPacks.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
struct AppState;

// "Add Holidays": the countries with their regions, each region a pack of public holidays
// that Add puts into the calendar, Update brings up to the pack as it is now and Remove
// takes out again, never touching the user's own holidays. A region whose pack is in the
// calendar shows in bold. The search box keeps the countries and regions whose name or code
// holds its text.
class frmHolidayPacks : public QDialog {
    Q_OBJECT
  public:
    explicit frmHolidayPacks(AppState& app, HolidayPacks packs, QWidget* parent = nullptr);

    void cmdAdd_Click();
    void cmdUpdate_Click();
    void cmdRemove_Click();
    void txtSearch_Change();

    // The list item of a region, or nothing.
    QTreeWidgetItem* regionItem(const QString& code) const;

    QLineEdit* txtSearch;
    QTreeWidget* lstPacks;
    QLabel* lblStatus;
    QPushButton* cmdAdd;
    QPushButton* cmdUpdate;
    QPushButton* cmdRemove;
    QPushButton* cmdClose;

  signals:
    // Holidays were added or removed and the calendar marked modified.
    void entriesChanged();

  private:
    void buildControls();
    void layOut();
    void fillList();
    void showPackStates();
    void enableButtons();
    HolidayPacks::Found selected() const;
    void finish(const QString& status);

    AppState& app_;
    HolidayPacks packs_;
};
