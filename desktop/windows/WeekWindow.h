#pragma once

#include "drawing/CellEntry.h"
#include "drawing/WeekView.h"

#include <QImage>
#include <QWidget>
#include <array>

class QLabel;
class QListWidget;
struct AppState;

// The desktop week window: the coming one to four weeks of the desktop calendar's file, each
// day in a box with its entries, and below them the entries of the next months. It reads its
// file into the program's one calendar, which it holds while it is open; the main window is
// hidden meanwhile and waits for it. Closing it empties the calendar again.
//
// The main window creates it for the tray's "Display Desktop Calendar" and runs Form_Load,
// which shows it or (no file chosen, a file that cannot be read) leaves it unshown.
class frmDispWeek : public QWidget {
    Q_OBJECT
  public:
    explicit frmDispWeek(AppState& app, QWidget* parent = nullptr);
    ~frmDispWeek() override;

    // The window's load: reads the chosen file and shows its weeks; true when shown. Without
    // a chosen file it asks whether to open the desktop settings instead, and stays unshown.
    bool Form_Load();
    // Draws the weeks from today and fills the upcoming list, from the calendar as it is.
    void FillWeekWindow();

    // The number of weeks shown, 1 to 4.
    int weeksShown() const { return weeks_; }
    // The next free line of every day box after the last drawing, in the window's pixels.
    const CellLineY& cellLineY() const { return cellLineY_; }

    QLabel* lblWeek;
    std::array<QLabel*, 7> lblDay;
    QWidget* picEvents;
    QLabel* lblEvents;
    QListWidget* lstEvents;
    // The day boxes: box c is shaDate.box(c); the first weeksShown() * 7 are shown.
    static constexpr DayBoxGrid shaDate = WeekViewDesign::shaDate;

  signals:
    // The window took the calendar (true) or gave it back (false): while it holds it, the
    // tray's commands that reach the main window and the settings wait.
    void documentHeld(bool held);
    // No calendar file is chosen and the user asked for the desktop settings. Connected
    // directly: the settings are shown and closed before the load goes on.
    void settingsRequested();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildHeading();
    void buildEvents();
    bool askForFile();
    void Form_Unload();
    void placeOnScreen();

    AppState& app_;
    QImage picture_; // the retained drawing of the boxes
    CellLineY cellLineY_{};
    int weeks_ = 1;
    bool loaded_ = false; // holding the calendar: between a successful load and the unload
};
