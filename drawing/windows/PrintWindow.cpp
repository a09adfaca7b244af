#include "drawing/windows/PrintWindow.h"

#include "document/AppState.h"
#include "document/DisplayYear.h"
#include "document/FileFolders.h"
#include "document/StatusTexts.h"
#include "drawing/windows/PrinterJob.h"
#include "platform/Dialogs.h"
#include "platform/Translations.h"
#include "platform/widgets/NamedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QLabel* boldLabel(const QString& text, const char* name, QWidget* parent) {
    auto* label = named(new QLabel(text, parent), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A system printer's line: its name and where it is ("Laser on Office"); a queue without a
// location is reached through the printing system.
QString printerText(const QPrinterInfo& info) {
    const QString where = info.location().isEmpty() ? QStringLiteral("CUPS") : info.location();
    return QCoreApplication::translate("frmPrint", "%1 on %2", "a printer and its place")
        .arg(info.printerName(), where);
}

} // namespace

frmPrint::frmPrint(AppState& app, QWidget* parent, const QList<QPrinterInfo>& printers)
    : QDialog(parent), app_(app), printers_(printers) {
    setObjectName(QStringLiteral("frmPrint"));
    setWindowTitle(tr("Print Calendar"));
    buildControls();
    buildFitList();
    buildYearPage();
    buildPhotos();
    layOut();
    connectControls();
    connectFitList();
    connectYearPage();
    Form_Load();
}

QString frmPrint::pdfPrinterText() {
    return tr("Save as PDF on file");
}

void frmPrint::buildControls() {
    picPrint = named(new QFrame(this), "picPrint");
    picPrint->setFrameShape(QFrame::StyledPanel);
    lblSelPrinter = boldLabel(tr("Select Printer "), "lblSelPrinter", picPrint);
    cboPrinters = named(new QComboBox(picPrint), "cboPrinters");
    lblPrnMonths = boldLabel(tr("Print Months "), "lblPrnMonths", picPrint);
    lblYear = named(new QLabel(tr("&Year:"), picPrint), "lblYear");
    spnYear = named(new QSpinBox(picPrint), "spnYear");
    spnYear->setRange(kFirstDisplayYear, kLastDisplayYear);
    lblYear->setBuddy(spnYear);
    optAll = named(new QRadioButton(tr("All"), picPrint), "optAll");
    optSelect = named(new QRadioButton(tr("Select:"), picPrint), "optSelect");
    lstMonths = named(new QListWidget(picPrint), "lstMonths");
    lstMonths->setSelectionMode(QAbstractItemView::MultiSelection);
    Line1 = {etchedLine("Line1_0", picPrint), etchedLine("Line1_1", picPrint)};
    cmdBegin = named(new QPushButton(tr("Print"), this), "cmdBegin");
    cmdBegin->setDefault(true);
    cmdLayout = named(new QPushButton(tr("Layout..."), this), "cmdLayout");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdClose->setAutoDefault(false);
}

void frmPrint::layOut() {
    auto* panel = new QVBoxLayout(picPrint);
    panel->addWidget(lblSelPrinter);
    panel->addWidget(cboPrinters);
    panel->addWidget(Line1[0]);
    panel->addWidget(lblPrnMonths);
    auto* year = new QHBoxLayout;
    year->addWidget(lblYear);
    year->addWidget(spnYear);
    year->addStretch();
    panel->addLayout(year);
    auto* choice = new QHBoxLayout;
    choice->addWidget(optAll);
    choice->addWidget(optSelect);
    choice->addStretch();
    panel->addLayout(choice);
    panel->addWidget(lstMonths);
    panel->addWidget(chkYearPage);
    auto* yearPage = new QHBoxLayout;
    yearPage->addSpacing(20);
    yearPage->addWidget(optYearBefore);
    yearPage->addWidget(optYearInstead);
    yearPage->addStretch();
    panel->addLayout(yearPage);
    panel->addWidget(lblPhotos);
    panel->addWidget(Line1[1]);
    panel->addWidget(lblFit);
    panel->addWidget(lstFit);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdBegin);
    buttons->addWidget(cmdPreview);
    buttons->addWidget(cmdLayout);
    buttons->addWidget(cmdPhotos);
    buttons->addStretch();
    buttons->addWidget(cmdClose);

    auto* window = new QHBoxLayout(this);
    window->addWidget(picPrint, 1);
    window->addLayout(buttons);
}

void frmPrint::connectControls() {
    connect(optAll, &QRadioButton::clicked, this, &frmPrint::optAll_Click);
    connect(optSelect, &QRadioButton::clicked, this, &frmPrint::optSelect_Click);
    connect(cmdBegin, &QPushButton::clicked, this, &frmPrint::cmdBegin_Click);
    connect(cmdLayout, &QPushButton::clicked, this, &frmPrint::layoutRequested);
    connect(cmdPhotos, &QPushButton::clicked, this, &frmPrint::cmdPhotos_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void frmPrint::Form_Load() {
    {
        // Showing the display year does not change it.
        const QSignalBlocker quiet(spnYear);
        spnYear->setValue(app_.DisplayYear);
    }
    cboPrinters->clear();
    for (const QPrinterInfo& info : printers_)
        cboPrinters->addItem(printerText(info));
    cboPrinters->addItem(pdfPrinterText());
    cboPrinters->setCurrentIndex(0);

    // The months in the language of the window, like every other caption here.
    lstMonths->clear();
    for (int m = 1; m <= 12; ++m)
        lstMonths->addItem(InterfaceMonthName(m));
    // Every month in sight, also when the list of days that do not fit takes its room.
    lstMonths->setMinimumHeight(lstMonths->sizeHintForRow(0) * lstMonths->count() +
                                2 * lstMonths->frameWidth());
    // January has the focus, but only the months the user picks are selected.
    lstMonths->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    optAll->setChecked(true);
    optAll_Click();
    showPhotoLayout();
}

void frmPrint::optAll_Click() {
    lstMonths->setEnabled(!optAll->isChecked() && optAll->isEnabled());
}

void frmPrint::optSelect_Click() {
    lstMonths->setEnabled(optSelect->isChecked() && optSelect->isEnabled());
}

bool frmPrint::pdfChosen() const {
    return cboPrinters->currentIndex() == printers_.size();
}

void frmPrint::cmdBegin_Click() {
    const PrintPlan plan = chosenPlan();
    // Nothing chosen prints nothing; there is no file to ask for.
    if (plan.empty() || printOnChosenPrinter(plan)) accept();
}

bool frmPrint::printOnChosenPrinter(const PrintPlan& plan) {
    const int index = cboPrinters->currentIndex();
    if (index < 0 || index > printers_.size()) {
        reportPrinterError(tr("No printer is chosen"));
        return false;
    }
    PrintResult result;
    QString pdfPath;
    if (pdfChosen()) {
        // The dialog adds ".pdf" before it asks about replacing, so it asks about the file
        // that will be written.
        const FileRequest request{.title = tr("Save as PDF"),
                                  .filter = tr("PDF Files (*.pdf)"),
                                  .confirmOverwrite = true,
                                  .owner = this,
                                  .defaultSuffix = QStringLiteral(".pdf"),
                                  .suffixCase = Qt::CaseInsensitive,
                                  .proposedName = ProposedPdfName(app_.Document, app_.DisplayYear)};
        const std::optional<FileChoice> file = ChooseFileToSave(app_, request);
        if (!file) return false;
        pdfPath = file->path;
        result = PrintPagesToPdf(app_, pdfPath, plan);
    } else {
        result = PrintPages(app_, *chosenPrinter(), plan);
    }
    if (result.noRoom) {
        showMessage(app_.dialogs, result.error, QStringLiteral("Daylark"), MessageIcon::Critical);
        return false;
    }
    if (!result.ok) {
        reportPrinterError(result.error);
        return false;
    }
    emit printed(pdfPath.isEmpty() ? PagesSentText(result.pages, printers_[index].printerName())
                                   : PagesWrittenText(result.pages, pdfPath));
    return true;
}

void frmPrint::reportPrinterError(const QString& description) {
    showMessage(app_.dialogs,
                tr("There has been an error with your printer.\nMake sure it is turned on and "
                   "operational before retrying."),
                description, MessageIcon::Critical);
}
