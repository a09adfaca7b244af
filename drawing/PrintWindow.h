#pragma once

#include <QDialog>
#include <QList>
#include <QPrinterInfo>
#include <array>

class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
struct AppState;

// "Print Calendar": choose a printer and all months or some, and print one page per month
// of the display year. Besides the system's printers there is always "Save as PDF", which
// asks for a file name. The program opens it with exec(); Print runs the whole print inside
// its click and closes the window when it succeeded.
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

    QFrame* picPrint;
    QLabel* lblSelPrinter;
    QComboBox* cboPrinters;
    QLabel* lblPrnMonths;
    QRadioButton* optAll;
    QRadioButton* optSelect;
    QListWidget* lstMonths;
    QPushButton* cmdBegin;
    QPushButton* cmdLayout;
    std::array<QFrame*, 2> Line1; // the etched separators

  signals:
    // "Layout..." was clicked: the owner shows the layout dialog; its changes apply to the
    // next print.
    void layoutRequested();
    // The pages were printed: what went where, for the main window's status bar.
    void printed(const QString& report);

  private:
    void buildControls();
    void layOut();
    void connectControls();
    void optAll_Click();
    void optSelect_Click();

    bool pdfChosen() const;
    // Prints on the printer chosen in cboPrinters; false when the user cancelled the PDF
    // file name.
    bool printOnChosenPrinter(const std::vector<int>& months);
    void reportPrinterError(const QString& description);

    AppState& app_;
    QList<QPrinterInfo> printers_;
};
