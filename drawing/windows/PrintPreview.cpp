#include "drawing/windows/PrintPreview.h"

#include "document/AppState.h"
#include "document/DisplayYear.h"
#include "drawing/windows/PrinterJob.h"
#include "platform/widgets/NamedControl.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

frmPreview::frmPreview(AppState& app, QPrinter& printer, std::vector<int> months, QWidget* parent)
    : frmPreview(app, printer, PrintPlan{false, std::move(months)}, parent) {}

frmPreview::frmPreview(AppState& app, QPrinter& printer, PrintPlan plan, QWidget* parent)
    : QDialog(parent), app_(app), plan_(std::move(plan)) {
    setObjectName(QStringLiteral("frmPreview"));
    setWindowTitle(tr("Print Preview"));
    picPreview = named(new QPrintPreviewWidget(&printer, this), "picPreview");
    lblYear = named(new QLabel(tr("&Year:"), this), "lblYear");
    spnYear = named(new QSpinBox(this), "spnYear");
    spnYear->setRange(kFirstDisplayYear, kLastDisplayYear);
    spnYear->setValue(app_.DisplayYear);
    lblYear->setBuddy(spnYear);
    lblPages = named(new QLabel(this), "lblPages");
    cmdPrint = named(new QPushButton(tr("Print"), this), "cmdPrint");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdPrint->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblYear);
    buttons->addWidget(spnYear);
    buttons->addSpacing(12);
    buttons->addWidget(lblPages, 1);
    buttons->addWidget(cmdPrint);
    buttons->addWidget(cmdClose);
    auto* window = new QVBoxLayout(this);
    window->addWidget(picPreview, 1);
    window->addLayout(buttons);

    connect(picPreview, &QPrintPreviewWidget::paintRequested, this, &frmPreview::drawPages);
    connect(picPreview, &QPrintPreviewWidget::previewChanged, this, [this] {
        lblPages->setText(pageCount() == 1 ? tr("1 page") : tr("%1 pages").arg(pageCount()));
    });
    connect(spnYear, &QSpinBox::valueChanged, this, &frmPreview::spnYear_Change);
    connect(cmdPrint, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    // Two facing pages of a landscape calendar, where the screen has room for them.
    const QSize screen = QGuiApplication::primaryScreen()
                             ? QGuiApplication::primaryScreen()->availableSize()
                             : QSize(1024, 768);
    resize(screen.width() * 3 / 4, screen.height() * 3 / 4);
    picPreview->setViewMode(QPrintPreviewWidget::SinglePageView);
    picPreview->updatePreview(); // now, so that the pages are drawn once
    picPreview->fitInView();
}

int frmPreview::pageCount() const {
    return picPreview->pageCount();
}

void frmPreview::drawPages(QPrinter* printer) {
    PrintPages(app_, *printer, plan_);
}

void frmPreview::spnYear_Change(int year) {
    app_.DisplayYear = year;
    picPreview->updatePreview();
    emit yearChanged(year);
}
