#pragma once

#include "generator/EventGenerator.h"
#include "platform/Dialogs.h"

#include <QWidget>

class Dialogs;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QRandomGenerator;

namespace qvfsch {

// The status window: the event's name, how many entries were created, the summary of the
// series, and "Save Data", which writes the entries as a calendar file or, when the chosen
// file is a calendar and the user says so, adds them to it. It stays open after a save (or a
// failed one), and every save makes a new key.
class frmStatus final : public QWidget {
    Q_OBJECT

  public:
    frmStatus(Dialogs& dialogs, QRandomGenerator& random, QWidget* parent = nullptr);

    // Fills the window from Finish: name box, entry count and summary text.
    void showResult(GenerationResult result);

    // Asks for a file name and writes the file (Save Data).
    void SaveGeneratedFile();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void buildWindow();
    void report(const QString& text);
    // Add (Yes), Replace (No) or Cancel, about the existing calendar at path.
    Answer askAddOrReplace(const QString& path);
    // Writes the file anew, or adds the events to the calendar there.
    void save(const QString& path, bool add);

    Dialogs& dialogs_;
    QRandomGenerator& random_;
    GeneratedEvents events_;

    QLabel* lblTitle = nullptr;
    QLineEdit* txtEventName = nullptr;
    QGroupBox* fraStats = nullptr;
    QLineEdit* txtEntries = nullptr;
    QLabel* lblEntries = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblSaved = nullptr; // what the last save wrote, empty until then
    QPushButton* cmdSave = nullptr;
};

} // namespace qvfsch
