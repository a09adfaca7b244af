#pragma once

#include "drawing/CellEntry.h"
#include "drawing/MonthStep.h"
#include "drawing/MonthView.h"

#include <QImage>
#include <QWidget>
#include <array>

class QComboBox;
class QLabel;
class QToolButton;
struct AppState;

// The calendar view: one month of the open calendar as a grid of day boxes, the month
// chosen in a list and the year the setup window's display year. It lives inside the main
// window's document area. It opens at its designed size and may be resized or maximised:
// the boxes, their text and its wrapping grow with it. What it draws is kept in an image of
// its own, so uncovering the window repaints it without drawing the month again.
//
// The main window creates it when View > Calendar is first chosen, puts it into a sub-window,
// runs Form_Load and shows the sub-window. Closing the sub-window unloads the view.
class frmCalendar : public QWidget {
    Q_OBJECT
  public:
    explicit frmCalendar(AppState& app, QWidget* parent = nullptr);
    ~frmCalendar() override;

    // The window's load: marks the view open, shows the display year and fills the month
    // list, which selects January and so draws it.
    void Form_Load();

    // Draws the month chosen in cboMonth of the display year, and sets the caption. Called
    // whenever the document, the display year or the layout's colours change.
    void RedrawCalendarView();
    // The display year changed: the year label follows and the chosen month is redrawn.
    void ShowDisplayYear();
    // The calendar's title changed: the caption follows ("Daylark - " and the title).
    void ShowCaption();

    // The month before or after the shown one (the buttons beside the year, Page Up and
    // Page Down), and this month (Today). Stepping past December or January moves the
    // display year through displayYearRequested.
    void stepMonth(int delta);
    void showToday();

    // The next free line of every day box after the last drawing, in the view's pixels.
    const CellLineY& cellLineY() const { return cellLineY_; }

    QComboBox* cboMonth;
    QLabel* lblYear;
    QToolButton* cmdPrevMonth;
    QToolButton* cmdNextMonth;
    QToolButton* cmdToday;
    std::array<QLabel*, 7> lblDay;
    // The day boxes at the designed size: box c is shaDate.box(c).
    static constexpr DayBoxGrid shaDate = MonthViewDesign::shaDate;
    // The day boxes at the window's present size.
    const DayBoxGrid& boxes() const { return geometry_.boxes; }

    QSize sizeHint() const override { return MonthViewDesign::ClientSize; }

  signals:
    // The view was closed (the main window clears its menu's check mark).
    void unloaded();
    // The view moved to a month of another year: the display year is to become year (the
    // setup window's year box follows, and the view redraws on the change).
    void displayYearRequested(int year);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildMonthAndYear();
    void buildDayLabels();
    void buildMonthSteps();
    void showMonth(ShownMonth shown);
    void updateMonthSteps();
    void cboMonth_Click(int position);
    void Form_Unload();
    MonthViewInput drawingInput() const;
    void placeDayLabels();
    void followPageLocale();

    AppState& app_;
    QImage picture_; // the retained drawing, transparent outside the boxes
    CellLineY cellLineY_{};
    MonthViewGeometry geometry_;
    bool loaded_ = false; // between Form_Load and the unload
};
