#include "drawing/windows/PhotoWindow.h"

#include "document/AppState.h"
#include "document/PhotoFolder.h"
#include "drawing/PhotoFrame.h"
#include "drawing/PhotoImage.h"
#include "drawing/PhotoPages.h"
#include "drawing/windows/PhotoLoader.h"
#include "drawing/windows/PhotoPicture.h"
#include "drawing/windows/PhotoStrip.h"
#include "platform/widgets/NamedControl.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QSize kThumbnail(128, 96);

// The thumbnail's place while it is read, and of a slot without a photo.
QIcon blankThumbnail(const QPalette& palette) {
    QPixmap blank(kThumbnail);
    blank.fill(palette.color(QPalette::Mid));
    return QIcon(blank);
}

// A thumbnail centred on a canvas of the thumbnail size, so that every slot lines up.
QIcon thumbnailIcon(const QImage& image, const QPalette& palette) {
    QPixmap canvas(kThumbnail);
    canvas.fill(palette.color(QPalette::Mid));
    QPainter painter(&canvas);
    const QImage fitted = image.scaled(kThumbnail, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    painter.drawImage((kThumbnail.width() - fitted.width()) / 2,
                      (kThumbnail.height() - fitted.height()) / 2, fitted);
    return QIcon(canvas);
}

} // namespace

frmPhotos::frmPhotos(AppState& app, const QPageSize& pageSize, QWidget* parent)
    : QDialog(parent), app_(app), pageSize_(pageSize), choices_(app.Document.Photos) {
    setObjectName(QStringLiteral("frmPhotos"));
    setWindowTitle(tr("Photos"));
    thumbnails_ = new PhotoLoader(this);
    pictures_ = new PhotoLoader(this);
    buildControls();
    layOut();
    connectControls();
    switch (choices_.layout) {
    case PhotoLayout::None:
        optNoPhotos->setChecked(true);
        break;
    case PhotoLayout::Above:
        optAbove->setChecked(true);
        break;
    case PhotoLayout::Facing:
        optFacing->setChecked(true);
        break;
    }
    for (int slot = 0; slot < kPhotoSlots; ++slot) {
        auto* item = new QListWidgetItem(blankThumbnail(palette()), QString(), lstSlots);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled |
                       Qt::ItemIsDropEnabled);
        showSlot(slot);
    }
    // January first: the cover is seldom the first photo chosen.
    lstSlots->setCurrentRow(1);
    refreshWarnings();
}

void frmPhotos::buildControls() {
    optNoPhotos =
        named(new QRadioButton(PhotoLayoutCaption(PhotoLayout::None), this), "optNoPhotos");
    optAbove = named(new QRadioButton(PhotoLayoutCaption(PhotoLayout::Above), this), "optAbove");
    optFacing = named(new QRadioButton(PhotoLayoutCaption(PhotoLayout::Facing), this), "optFacing");
    auto* group = new QButtonGroup(this);
    for (QRadioButton* option : {optNoPhotos, optAbove, optFacing})
        group->addButton(option);
    lstSlots = named(new PhotoStrip(this), "lstSlots");
    lstSlots->setIconSize(kThumbnail);
    lstSlots->setGridSize(kThumbnail + QSize(24, 3 * fontMetrics().lineSpacing() + 12));
    // The cover and the twelve months in two rows, without scrolling.
    lstSlots->setMinimumHeight(2 * lstSlots->gridSize().height() + 2 * lstSlots->frameWidth() + 4);
    lstSlots->setToolTip(tr("Click an empty month to choose its photo; drag a photo onto "
                            "another month to swap them"));
    cmdChoose = named(new QPushButton(tr("&Choose..."), this), "cmdChoose");
    cmdClear = named(new QPushButton(tr("C&lear"), this), "cmdClear");
    cmdFill = named(new QPushButton(tr("&Fill from Folder..."), this), "cmdFill");
    picPhoto = named(new PhotoPicture(this), "picPhoto");
    picPhoto->setToolTip(tr("Click or drag to choose the point the print keeps in view"));
    lblPhoto = named(new QLabel(this), "lblPhoto");
    lblPhoto->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblWarnings = named(new QLabel(this), "lblWarnings");
    lblWarnings->setWordWrap(true);
    lstWarnings = named(new QListWidget(this), "lstWarnings");
    lstWarnings->setSelectionMode(QAbstractItemView::NoSelection);
    lstWarnings->setWordWrap(true);
    lstWarnings->setMaximumHeight(5 * fontMetrics().lineSpacing());
    cmdOK = named(new QPushButton(tr("OK"), this), "cmdOK");
    cmdOK->setDefault(true);
    cmdCancel = named(new QPushButton(tr("Cancel"), this), "cmdCancel");
}

void frmPhotos::layOut() {
    auto* layouts = new QGroupBox(tr("Page layout"), this);
    auto* options = new QHBoxLayout(layouts);
    for (QRadioButton* option : {optNoPhotos, optAbove, optFacing})
        options->addWidget(option);
    options->addStretch();

    auto* slotButtons = new QHBoxLayout;
    slotButtons->addWidget(cmdChoose);
    slotButtons->addWidget(cmdClear);
    slotButtons->addStretch();
    slotButtons->addWidget(cmdFill);

    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdOK, QDialogButtonBox::AcceptRole);
    buttons->addButton(cmdCancel, QDialogButtonBox::RejectRole);

    auto* window = new QVBoxLayout(this);
    window->addWidget(layouts);
    window->addWidget(lstSlots);
    window->addLayout(slotButtons);
    window->addWidget(picPhoto, 1);
    window->addWidget(lblPhoto);
    window->addWidget(lblWarnings);
    window->addWidget(lstWarnings);
    window->addWidget(buttons);
    resize(7 * lstSlots->gridSize().width() + 40, 900);
}

void frmPhotos::connectControls() {
    for (QRadioButton* option : {optNoPhotos, optAbove, optFacing})
        connect(option, &QRadioButton::clicked, this, &frmPhotos::layout_Click);
    connect(lstSlots, &QListWidget::currentRowChanged, this, &frmPhotos::showPicture);
    connect(lstSlots, &QListWidget::itemClicked, this, &frmPhotos::slot_Clicked);
    connect(lstSlots, &QListWidget::itemActivated, this, &frmPhotos::cmdChoose_Click);
    connect(lstSlots, &PhotoStrip::photoDropped, this, &frmPhotos::swapSlots);
    connect(cmdChoose, &QPushButton::clicked, this, &frmPhotos::cmdChoose_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmPhotos::cmdClear_Click);
    connect(cmdFill, &QPushButton::clicked, this, &frmPhotos::cmdFill_Click);
    connect(picPhoto, &PhotoPicture::focusMoved, this, &frmPhotos::moveFocus);
    connect(thumbnails_, &PhotoLoader::loaded, this, &frmPhotos::thumbnailLoaded);
    connect(pictures_, &PhotoLoader::loaded, this, &frmPhotos::pictureLoaded);
    connect(cmdOK, &QPushButton::clicked, this, &frmPhotos::accept);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
}

int frmPhotos::currentSlot() const {
    return lstSlots->currentRow();
}

void frmPhotos::layout_Click() {
    choices_.layout = optAbove->isChecked()    ? PhotoLayout::Above
                      : optFacing->isChecked() ? PhotoLayout::Facing
                                               : PhotoLayout::None;
    showFrame();
    refreshWarnings();
}

void frmPhotos::slot_Clicked(QListWidgetItem* item) {
    const int slot = lstSlots->row(item);
    if (slot >= 0 && choices_.photos[slot].empty()) cmdChoose_Click();
}

void frmPhotos::showSlot(int slot) {
    QListWidgetItem* item = lstSlots->item(slot);
    const PhotoChoice& choice = choices_.photos[slot];
    const QString file = choice.empty() ? tr("no photo") : QFileInfo(choice.path).fileName();
    item->setText(PhotoSlotName(slot) + u'\n' + file);
    item->setToolTip(choice.path);
    item->setIcon(blankThumbnail(palette()));
    if (!choice.empty()) thumbnails_->load(slot, choice.path, kThumbnail);
}

void frmPhotos::thumbnailLoaded(int slot, const QString& path, const QImage& image) {
    if (choices_.photos[slot].path != path || image.isNull()) return;
    lstSlots->item(slot)->setIcon(thumbnailIcon(image, palette()));
}

void frmPhotos::showPicture() {
    const int slot = currentSlot();
    cmdClear->setEnabled(slot >= 0 && !choices_.photos[slot].empty());
    if (slot < 0 || choices_.photos[slot].empty()) {
        picPhoto->setPhoto({}, {}, tr("No photo chosen for %1").arg(PhotoSlotName(qMax(slot, 0))));
        lblPhoto->clear();
        showFrame();
        return;
    }
    const QString& path = choices_.photos[slot].path;
    const std::optional<QSize> size = PhotoSize(path);
    if (!size) {
        picPhoto->setPhoto({}, {}, tr("%1 cannot be read").arg(QFileInfo(path).fileName()));
        lblPhoto->setText(path);
        return;
    }
    picPhoto->setPhoto(*size, {}, tr("Reading the photo..."));
    lblPhoto->setText(tr("%1, %2 × %3 pixels").arg(path).arg(size->width()).arg(size->height()));
    showFrame();
    // Read once for the largest the picture is likely to be.
    pictures_->load(slot, path, QSize(1600, 1200));
}

void frmPhotos::pictureLoaded(int slot, const QString& path, const QImage& image) {
    if (slot != currentSlot() || choices_.photos[slot].path != path) return;
    const std::optional<QSize> size = PhotoSize(path);
    if (!size || image.isNull())
        picPhoto->setPhoto({}, {}, tr("%1 cannot be read").arg(QFileInfo(path).fileName()));
    else
        picPhoto->setPhoto(*size, image);
}

void frmPhotos::showFrame() {
    const int slot = qMax(currentSlot(), 0);
    const PrintPlan plan{false, {}, choices_.layout};
    const QSizeF frame =
        PhotoSlotFrame(app_, plan, slot, PhotoPaper(pageSize_, app_.Layout, choices_.layout))
            .size();
    const PhotoChoice& choice = choices_.photos[slot];
    picPhoto->setFrame(frame, choice.focusX, choice.focusY);
}

void frmPhotos::moveFocus(int focusX, int focusY) {
    const int slot = currentSlot();
    if (slot < 0 || choices_.photos[slot].empty()) return;
    choices_.photos[slot].focusX = std::clamp(focusX, 0, kFocusScale);
    choices_.photos[slot].focusY = std::clamp(focusY, 0, kFocusScale);
    showFrame();
}

void frmPhotos::swapSlots(int from, int to) {
    if (from < 0 || to < 0 || from >= kPhotoSlots || to >= kPhotoSlots || from == to) return;
    SwapPhotos(choices_, from, to);
    showSlot(from);
    showSlot(to);
    lstSlots->setCurrentRow(to);
    changed();
}

void frmPhotos::changed() {
    showPicture();
    refreshWarnings();
}

void frmPhotos::refreshWarnings() {
    const std::vector<QString> lines = ChoiceWarnings(app_, choices_, pageSize_);
    lstWarnings->clear();
    for (const QString& line : lines)
        lstWarnings->addItem(line);
    lstWarnings->setVisible(!lines.empty());
    if (choices_.layout == PhotoLayout::None)
        lblWarnings->setText(tr("The pages print without photos."));
    else if (lines.empty())
        lblWarnings->setText(tr("Every chosen photo is sharp enough for this paper."));
    else
        lblWarnings->setText(tr("Before you print:"));
}

bool frmPhotos::waitForPictures(int milliseconds) {
    return thumbnails_->waitForAll(milliseconds) && pictures_->waitForAll(milliseconds);
}

void frmPhotos::accept() {
    if (!(choices_ == app_.Document.Photos)) {
        app_.Document.Photos = choices_;
        app_.Document.MarkModified();
    }
    QDialog::accept();
}
