#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class UpDownBar;
class frmTray;
struct AppState;

// "Desktop Calendar Options": whether the desktop calendar and its tray icon are on, how
// many weeks and months the week window shows, which calendar file it shows, and whether the
// program starts at login (into the tray) and opens the week window then. Save writes the
// tray settings, adds or removes the start-up entry and puts the icon up or takes it down at
// once. A file chosen with "..." is taken into the in-memory settings at once; everything
// else is kept only by Save.
//
// Built loaded (the constructor runs Form_Load); the program shows it with exec().
class frmDesktop : public QDialog {
    Q_OBJECT
  public:
    // tray: the icon that Save puts up or takes down (none in tests that leave it out).
    frmDesktop(AppState& app, frmTray* tray, QWidget* parent = nullptr);

    void Form_Load();
    // Opened by the week window because no calendar file is chosen yet: only the file and
    // the numbers may change there.
    void lockTopBoxes();

    void chkEnDesktop_Click();
    void chkLoadStart_Click();
    void cmdTrayFile_Click();
    void txtTrayList_LostFocus();
    void tmrClock_Timer();
    void cmdSave_Click();

    // Whether the options are shown (the desktop calendar is on in the dialog).
    bool expanded() const;
    // The client heights of the two layouts.
    static int expandedHeight();
    static int collapsedHeight();

    // The start-up entry's file, and the program it starts (tests point them elsewhere).
    QString autostartPath;
    QString programPath;

    QWidget* picMain;
    QCheckBox* chkEnDesktop;
    QLabel* lblTime;
    QTimer* tmrClock;
    QLabel* imgIcon;
    QPushButton* cmdSave;

    QWidget* picOptions;
    QLabel* lblDispWeeks;
    QComboBox* cboDispWeeks;
    std::array<QLabel*, 2> lblListEvents;
    QLineEdit* txtTrayList;
    UpDownBar* vsbTrayList;
    QLabel* lblTrayFile;
    QLineEdit* txtTrayFile;
    QPushButton* cmdTrayFile;
    QCheckBox* chkLoadStart;
    QCheckBox* chkDispStart;

  signals:
    // The desktop calendar was turned off while the program lives only in the tray: nothing
    // is left to show, so the program ends.
    void programEndRequested();

  private:
    void buildMain();
    void buildOptions();
    void connectControls();
    void showLayout(bool expand);
    void saveStartupEntry();

    AppState& app_;
    frmTray* tray_;
};
