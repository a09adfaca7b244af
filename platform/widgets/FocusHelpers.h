#pragma once

#include <QObject>

class QLineEdit;
class QWidget;

// Focus helpers shared by every window with text boxes that are checked when left.

// Selects the whole text of a text box, so that typing replaces it.
void SelectAllText(QLineEdit* box);

// Reports when a box gets or loses the keyboard focus inside its window. A change of the
// active window (a message box coming up, the window closing) and a list's pop-up are not
// reported: the user has not left the box.
class FocusWatcher : public QObject {
    Q_OBJECT
  public:
    // Watches box and lives as its child.
    explicit FocusWatcher(QWidget* box);

  signals:
    void gotFocus();
    void lostFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Makes the box select its whole text whenever it gets the focus, also when a click gave it
// the focus (the click would otherwise put the cursor where it landed). Returns the box's
// watcher, on which its lost-focus check can be connected.
FocusWatcher* SelectAllOnFocus(QLineEdit* box);
