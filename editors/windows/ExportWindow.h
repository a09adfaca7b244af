#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
struct AppState;

// "Export Data": choose the kinds of entry, then Export asks for a file name, writes the
// text export and closes the window, also when the file dialog was cancelled. There is no
// cancel button; the window's close box closes it.
class frmExport : public QDialog {
    Q_OBJECT
  public:
    explicit frmExport(AppState& app, QWidget* parent = nullptr);

    // The window's load: every kind checked.
    void Form_Load();
    void cmdBegin_Click();

    QLabel* lblSelect;
    QListWidget* lstChoice;
    QPushButton* cmdBegin;

  private:
    AppState& app_;
};
