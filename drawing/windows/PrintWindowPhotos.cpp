// The print window's photos: the button to the photos window, the line that says which photo
// layout is chosen, and the photos that will look soft on the chosen printer's paper.
#include "document/AppState.h"
#include "drawing/PhotoFrame.h"
#include "drawing/PhotoPages.h"
#include "drawing/windows/PhotoWindow.h"
#include "drawing/windows/PrintWindow.h"
#include "platform/widgets/NamedControl.h"

#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

void frmPrint::buildPhotos() {
    cmdPhotos = named(new QPushButton(tr("P&hotos..."), this), "cmdPhotos");
    cmdPhotos->setToolTip(tr("A photo for each month and for the cover"));
    lblPhotos = named(new QLabel(picPrint), "lblPhotos");
    lblPhotos->setWordWrap(true);
    lblPhotos->hide();
}

void frmPrint::showPhotoLayout() {
    const PhotoChoices& photos = app_.Document.Photos;
    int chosen = 0;
    for (const PhotoChoice& photo : photos.photos)
        chosen += photo.empty() ? 0 : 1;
    lblPhotos->setText(tr("Photos: %1 (%2 of %3 chosen)")
                           .arg(PhotoLayoutCaption(photos.layout))
                           .arg(chosen)
                           .arg(kPhotoSlots));
    lblPhotos->setVisible(photos.layout != PhotoLayout::None);
    growToFit();
}

void frmPrint::growToFit() {
    // A line or a list that has just appeared needs room the window may not have yet; the
    // window grows to the size its controls ask for, as far as the screen has room.
    if (!isVisible()) return;
    QSize wanted = size().expandedTo(sizeHint());
    if (const QScreen* room = screen()) wanted = wanted.boundedTo(room->availableSize());
    if (wanted != size()) resize(wanted);
}

void frmPrint::cmdPhotos_Click() {
    const std::unique_ptr<QPrinter> printer = chosenPrinter();
    const QPageSize paper = printer ? printer->pageLayout().pageSize() : DefaultPdfPaper();
    frmPhotos photos(app_, paper, this);
    if (photos.exec() != QDialog::Accepted) return;
    showPhotoLayout();
    // Another layout turns the pages: every month is checked afresh.
    fitByMonth_.clear();
    fitTimer_->start();
}

std::vector<QString> frmPrint::photoWarnings(const PrintPlan& plan, const QPrinter& printer) const {
    const QRectF page = printer.pageLayout().fullRect(QPageLayout::Inch);
    return PhotoWarnings(app_, plan, PaperInches{page.width(), page.height()});
}
