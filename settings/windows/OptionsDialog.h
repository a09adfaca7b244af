#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;
struct AppState;

// "Daylark Options": whether the editors confirm an add or an edit and the setup window a
// delete, and whether an editor stays open after adding. Its close button saves the four
// choices (memory and store together) whatever its caption, which turns from "&Close" to
// "&Save" at the first change; the close box discards them. It also leads on to the layout
// dialog and the desktop calendar settings, which the main window opens on its signals.
//
// Built loaded (the constructor runs Form_Load); the program shows it with exec().
class frmOptions : public QDialog {
    Q_OBJECT
  public:
    explicit frmOptions(AppState& app, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();

    QWidget* picOptions;
    QLabel* lblEntryOptions;
    QCheckBox* chkConfAdd;
    QCheckBox* chkConfEdit;
    QCheckBox* chkConfDel;
    QGroupBox* fraAddEntry;
    std::array<QRadioButton*, 2> optAfterAdd; // "Remain", "Close"
    QLabel* lblMoreOptions;
    QPushButton* cmdLayout;
    QPushButton* cmdDesktop;
    QPushButton* cmdOK;

  signals:
    void layoutRequested();
    void desktopRequested();

  private:
    void buildControls();
    void optionClicked();

    AppState& app_;
};
