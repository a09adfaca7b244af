// The print window's look ahead: the preview of the chosen months, and the list of the days
// whose entries will not all show, so that the user can change the font or shorten a name
// before paper is spent.
#include "drawing/windows/PrintWindow.h"

#include "document/AppState.h"
#include "drawing/PrintCheck.h"
#include "drawing/windows/PrintPreview.h"
#include "drawing/windows/PrinterJob.h"
#include "platform/widgets/NamedControl.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>

void frmPrint::buildFitList() {
    cmdPreview = named(new QPushButton(tr("Preview"), this), "cmdPreview");
    lblFit = named(new QLabel(picPrint), "lblFit");
    lblFit->setWordWrap(true);
    lstFit = named(new QListWidget(picPrint), "lstFit");
    lstFit->setSelectionMode(QAbstractItemView::NoSelection);
    // A long line (an entry's name, where the layout can place a 29 February) wraps within
    // the list instead of hiding its end.
    lstFit->setWordWrap(true);
    lstFit->setResizeMode(QListView::Adjust);
    lstFit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lstFit->setSpacing(1);
    lstFit->setToolTip(
        tr("A smaller font for dates and events, or shorter names, make room in a day"));
    // Room for a few whole lines, so that a long list reads without scrolling sideways.
    const QFontMetrics metrics = lstFit->fontMetrics();
    lstFit->setMinimumSize(
        metrics.horizontalAdvance(tr("September 30, 2027: 12 of 15 entries do not fit",
                                     "a line of the list, to size it")) +
            2 * metrics.averageCharWidth() + lstFit->verticalScrollBar()->sizeHint().width(),
        6 * metrics.lineSpacing());
    lstFit->hide();
    // Choosing months one by one or reloading the window asks many times; the list is made
    // once, when the window is idle again.
    fitTimer_ = new QTimer(this);
    fitTimer_->setSingleShot(true);
    fitTimer_->setInterval(0);
    connect(fitTimer_, &QTimer::timeout, this, &frmPrint::refreshFitList);
}

void frmPrint::connectFitList() {
    auto later = [this] { fitTimer_->start(); };
    auto afresh = [this] {
        fitByMonth_.clear();
        fitTimer_->start();
    };
    connect(cboPrinters, &QComboBox::currentIndexChanged, this, afresh);
    connect(optAll, &QRadioButton::toggled, this, later);
    connect(lstMonths, &QListWidget::itemSelectionChanged, this, later);
    // Runs after the owner's layout dialog has closed: its changes show at once.
    connect(cmdLayout, &QPushButton::clicked, this, afresh);
    connect(cmdPreview, &QPushButton::clicked, this, &frmPrint::cmdPreview_Click);
    connect(spnYear, &QSpinBox::valueChanged, this, &frmPrint::spnYear_Change);
}

void frmPrint::spnYear_Change(int year) {
    app_.DisplayYear = year;
    // Another year has other days and other one-off events: its months are checked afresh.
    fitByMonth_.clear();
    fitTimer_->start();
    emit displayYearRequested(year);
}

std::vector<int> frmPrint::chosenMonths() const {
    std::vector<bool> selected;
    for (int row = 0; row < lstMonths->count(); ++row)
        selected.push_back(lstMonths->item(row)->isSelected());
    return MonthsToPrint(optAll->isChecked(), selected);
}

std::unique_ptr<QPrinter> frmPrint::chosenPrinter() const {
    const int index = cboPrinters->currentIndex();
    if (index < 0 || index > printers_.size()) return nullptr;
    std::unique_ptr<QPrinter> printer;
    if (pdfChosen()) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer = std::make_unique<QPrinter>(printers_[index], QPrinter::HighResolution);
    }
    PreparePrinter(*printer, app_.Layout, chosenPlan());
    return printer;
}

void frmPrint::refreshFitList() {
    fitTimer_->stop();
    const PrintPlan plan = chosenPlan();
    const std::vector<int>& months = plan.months;
    const int index = cboPrinters->currentIndex();
    const bool printerChosen = index >= 0 && index <= printers_.size();
    cmdPreview->setEnabled(!plan.empty() && printerChosen);
    // Each month is laid out once on this printer and layout, however the choice of months
    // changes.
    std::vector<int> unchecked;
    for (const int month : months)
        if (!fitByMonth_.contains(month)) unchecked.push_back(month);
    if (!unchecked.empty() && printerChosen) {
        for (const int month : unchecked)
            fitByMonth_[month];
        for (FitProblem& problem : CheckMonthsFit(app_, *chosenPrinter(), unchecked, plan.photos))
            fitByMonth_[problem.month].push_back(std::move(problem));
    }
    std::vector<FitProblem> problems;
    for (const int month : months) {
        const auto known = fitByMonth_.find(month);
        if (known != fitByMonth_.end())
            problems.insert(problems.end(), known->second.begin(), known->second.end());
    }
    const QStringList fitLines =
        FitProblemLines(problems, PageLocale::of(app_.Layout)) +
        HiddenLeapDayLines(app_.Document, app_.Layout, app_.DisplayYear, months);
    QStringList photoLines;
    if (printerChosen)
        for (const QString& line : photoWarnings(plan, *chosenPrinter()))
            photoLines << line;
    lstFit->clear();
    lstFit->addItems(fitLines + photoLines);
    lstFit->setVisible(!fitLines.isEmpty() || !photoLines.isEmpty());
    if (months.empty())
        lblFit->clear();
    else if (!fitLines.isEmpty())
        lblFit->setText(tr("Not everything will be shown:"));
    else if (!photoLines.isEmpty())
        lblFit->setText(tr("Every entry of the chosen months fits in its day; about the photos:"));
    else
        lblFit->setText(tr("Every entry of the chosen months fits in its day."));
    growToFit();
}

void frmPrint::cmdPreview_Click() {
    const PrintPlan plan = chosenPlan();
    const std::unique_ptr<QPrinter> printer = chosenPrinter();
    if (plan.empty() || !printer) return;
    frmPreview preview(app_, *printer, plan, this);
    connect(&preview, &frmPreview::yearChanged, spnYear, &QSpinBox::setValue);
    if (preview.exec() == QDialog::Accepted) cmdBegin_Click();
}
