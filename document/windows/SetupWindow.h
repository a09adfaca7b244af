#pragma once

#include "document/Entries.h"

#include <QWidget>
#include <array>

class ClickableLabel;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class UpDownBar;
struct AppState;

// The calendar's working window: title, two header lines, display year, the five kinds of
// entry and the list of the shown kind with Add, Edit, Delete and Resort.
class frmSetup : public QWidget {
    Q_OBJECT
  public:
    explicit frmSetup(AppState& app, QWidget* parent = nullptr);

    // Whether the window's load reads the calendar named on the command line: only the first
    // load does; a later one shows the calendar the program holds.
    enum class CommandLineFile { Read, Skip };

    // The window's load: the display year, the calendar named on the command line, and the
    // document with its birthdays.
    void Form_Load(CommandLineFile file = CommandLineFile::Read);

    // Rebuilds the list for a kind and marks that kind's label.
    void RefreshEntryList(EntryKind kind);
    // Shows the document as a read or File > New left it: caption, title, header lines and
    // the birthdays.
    void showDocument();
    // The caption: the calendar's file, or "Daylark Setup" while it has none.
    void refreshCaption();

    // After an editor stored the record at index of kind: while the list shows that kind,
    // the line at index is replaced (an update) or inserted (an add) and becomes the one
    // selected line. A list of another kind is left alone.
    void ShowStoredEntry(EntryKind kind, int index, const QString& line, bool replacesLine);

    // The Delete and Edit commands (also run by the toolbar).
    void DeleteCommand();
    void EditCommand();

    QLabel* lblTitle;
    QLineEdit* txtTitle;
    std::array<QLabel*, 2> lblHeader;
    std::array<QLineEdit*, 2> txtHeader;
    QLabel* lblDispYr;
    QLineEdit* txtDispYr;
    UpDownBar* vsbDispYr;
    QLabel* lblCurEntries;
    std::array<ClickableLabel*, 5> lblEvent;
    std::array<ClickableLabel*, 5> imgEvent; // imgBir, imgHol, imgFHol, imgAnn, imgOth
    QListWidget* lstEvents;
    QPushButton* cmdAdd;
    QPushButton* cmdEdit;
    QPushButton* cmdDelete;
    QPushButton* cmdResort;

  signals:
    // The editors open on these: Add for the shown kind, Edit for the record at EditIndex.
    void addRequested(EntryKind kind);
    void editRequested(EntryKind kind);
    void resortRequested();
    // The display year changed (an open calendar view follows it).
    void displayYearChanged(int year);
    // The user changed the calendar's title.
    void titleEdited();

  private:
    void buildTextBoxes();
    void buildKindSelectors();
    void buildButtons();
    void layOut();
    void connectControls();

    void txtTitle_Edited(const QString& text);
    void vsbDispYr_Change(int year);
    void txtDispYr_LostFocus();
    void lstEvents_Click();
    void setButtons(bool add, bool edit, bool remove);
    void readCommandLineFile();

    AppState& app_;
};
