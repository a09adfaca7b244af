#pragma once

#include "drawing/FitReport.h"
#include "drawing/PrintJob.h"

#include <QDialog>
#include <QList>
#include <QPrinterInfo>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTimer;
struct AppState;

// "Print Calendar": choose a printer, the year and all months or some, and print one page
// per month of that year. The year shown is the display year, and choosing another one here
// (or in the preview) makes it the display year. Besides the system's printers there is always
// "Save as PDF", which asks for a file name. The program opens it with exec(); Print runs the whole
// print inside its click and closes the window when it succeeded.
class frmPrint : public QDialog {
    Q_OBJECT
  public:
    // printers: the system's printers (the default lists them from the printing system);
    // "Save as PDF" comes after them.
    explicit frmPrint(AppState& app, QWidget* parent = nullptr,
                      const QList<QPrinterInfo>& printers = QPrinterInfo::availablePrinters());

    // The line of the always-present PDF printer in cboPrinters.
    static QString pdfPrinterText();

    // The window's load: the printer list with the first printer chosen, the months with
    // January chosen, "All" set.
    void Form_Load();
    void cmdBegin_Click();
    // Shows the chosen months as they will print on the chosen printer; printing from there
    // prints them with cmdBegin_Click.
    void cmdPreview_Click();
    // Lists the days of the chosen months whose entries do not all fit on the chosen
    // printer's page, and the entries that cannot be shown. Runs by itself a moment after
    // the printer, the months or the layout change.
    void refreshFitList();
    // Shows the photos window; what it keeps applies to the next preview and print.
    void cmdPhotos_Click();

    QFrame* picPrint;
    QLabel* lblSelPrinter;
    QComboBox* cboPrinters;
    QLabel* lblPrnMonths;
    QLabel* lblYear;
    QSpinBox* spnYear; // the year printed: the display year
    QRadioButton* optAll;
    QRadioButton* optSelect;
    QListWidget* lstMonths;
    QCheckBox* chkYearPage;       // the year on one page as well, or alone
    QRadioButton* optYearBefore;  // the year page, then the chosen months
    QRadioButton* optYearInstead; // only the year page
    QPushButton* cmdBegin;
    QPushButton* cmdPreview;
    QPushButton* cmdLayout;
    QPushButton* cmdPhotos; // the photos of a photo calendar and their page layout
    QLabel* lblPhotos;      // the photo layout chosen; hidden without photos
    QPushButton* cmdClose;  // closes the window without printing, as Escape does
    QLabel* lblFit;
    QListWidget* lstFit;          // the days that do not show every entry
    std::array<QFrame*, 2> Line1; // the etched separators

  signals:
    // "Layout..." was clicked: the owner shows the layout dialog; its changes apply to the
    // next print.
    void layoutRequested();
    // The pages were printed: what went where, for the main window's status bar.
    void printed(const QString& report);
    // Another year was chosen here or in the preview; it is already the display year, and
    // the owner shows it as such.
    void displayYearRequested(int year);

  private:
    void buildControls();
    void layOut();
    void connectControls();
    void optAll_Click();
    void optSelect_Click();
    void spnYear_Change(int year);

    bool pdfChosen() const;
    // Prints on the printer chosen in cboPrinters; false when the user cancelled the PDF
    // file name.
    bool printOnChosenPrinter(const PrintPlan& plan);
    void reportPrinterError(const QString& description);

    // The preview and the list of days that do not fit (PrintWindowCheck.cpp).
    void buildFitList();
    void connectFitList();
    std::vector<int> chosenMonths() const;
    // The year page choice (PrintWindowYear.cpp).
    void buildYearPage();
    void connectYearPage();
    void yearPage_Click();
    // The photo choice (PrintWindowPhotos.cpp).
    void buildPhotos();
    void showPhotoLayout();
    // The window grows when what it shows needs more room than it has.
    void growToFit();
    // The warnings about the chosen photos on the printer's paper.
    std::vector<QString> photoWarnings(const PrintPlan& plan, const QPrinter& printer) const;
    // The pages to print: the chosen months, with or instead of the year page, with the
    // calendar's photos when a photo layout is chosen and months are printed.
    PrintPlan chosenPlan() const;
    // The chosen printer set up as printing sets it up; "Save as PDF" without a file.
    std::unique_ptr<QPrinter> chosenPrinter() const;
    QTimer* fitTimer_ = nullptr;
    // The fit problems of each month checked on the chosen printer with the present layout;
    // forgotten when the printer or the layout changes or the window loads again.
    std::map<int, std::vector<FitProblem>> fitByMonth_;

    AppState& app_;
    QList<QPrinterInfo> printers_;
};
