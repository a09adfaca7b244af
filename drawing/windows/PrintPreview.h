#pragma once

#include "drawing/PrintJob.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QSpinBox;
struct AppState;

// "Print Preview": the year page when chosen and the chosen months of the display year page by
// page, drawn for the chosen printer exactly as printing draws them, with the present layout. The
// year is shown and can be changed here: another year becomes the display year and the pages are
// drawn afresh. "Print" closes it with Accepted, and the print window then prints those months on
// that printer; "Close" goes back to the print window.
class frmPreview : public QDialog {
    Q_OBJECT
  public:
    frmPreview(AppState& app, QPrinter& printer, std::vector<int> months,
               QWidget* parent = nullptr);
    // The year page first when the plan asks for it, then its months.
    frmPreview(AppState& app, QPrinter& printer, PrintPlan plan, QWidget* parent = nullptr);

    // The pages shown.
    int pageCount() const;

    QPrintPreviewWidget* picPreview;
    QLabel* lblYear;
    QSpinBox* spnYear;
    QLabel* lblPages;
    QPushButton* cmdPrint;
    QPushButton* cmdClose;

  signals:
    // Another year was chosen; it is already the display year.
    void yearChanged(int year);

  private:
    void drawPages(QPrinter* printer);
    void spnYear_Change(int year);

    AppState& app_;
    PrintPlan plan_;
};
