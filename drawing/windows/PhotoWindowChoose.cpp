// The photos window's choosing: one photo from a file dialog, or a whole folder's photos.
#include "document/AppState.h"
#include "document/FileFolders.h"
#include "document/PhotoFolder.h"
#include "drawing/PhotoFrame.h"
#include "drawing/PhotoImage.h"
#include "drawing/windows/PhotoWindow.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>

QString frmPhotos::photoFolder(int slot) const {
    if (slot >= 0 && !choices_.photos[slot].empty())
        return QFileInfo(choices_.photos[slot].path).absolutePath();
    for (const PhotoChoice& choice : choices_.photos)
        if (!choice.empty() && QFileInfo(choice.path).absoluteDir().exists())
            return QFileInfo(choice.path).absolutePath();
    return FileDialogFolder(app_);
}

bool frmPhotos::takePhoto(int slot, const QString& path) {
    if (!PhotoSize(path)) {
        showMessage(app_.dialogs,
                    tr("%1 is not a photo that Daylark can read.").arg(QFileInfo(path).fileName()),
                    QStringLiteral("Daylark"), MessageIcon::Exclamation);
        return false;
    }
    choices_.photos[slot] = PhotoChoice{.path = QFileInfo(path).absoluteFilePath()};
    showSlot(slot);
    return true;
}

void frmPhotos::cmdChoose_Click() {
    const int slot = currentSlot();
    if (slot < 0) return;
    const FileRequest request{.title = tr("Choose the Photo for %1").arg(PhotoSlotName(slot)),
                              .filter = PhotoFileFilter(),
                              .owner = this,
                              .folder = photoFolder(slot)};
    const std::optional<FileChoice> file = app_.dialogs.openFile(request);
    if (file && takePhoto(slot, file->path)) changed();
}

void frmPhotos::cmdClear_Click() {
    const int slot = currentSlot();
    if (slot < 0 || choices_.photos[slot].empty()) return;
    choices_.photos[slot] = PhotoChoice{};
    showSlot(slot);
    changed();
}

void frmPhotos::cmdFill_Click() {
    const FileRequest request{
        .title = tr("Fill from Folder"), .owner = this, .folder = photoFolder(-1)};
    const std::optional<QString> folder = app_.dialogs.chooseFolder(request);
    if (!folder) return;
    const FolderPhotos photos = PhotosOfFolder(*folder);
    const QString name = QDir::toNativeSeparators(*folder);
    if (photos.empty()) {
        // An empty folder takes nothing away.
        showMessage(app_.dialogs, tr("There are no photos in %1.").arg(name),
                    QStringLiteral("Daylark"), MessageIcon::Information);
        return;
    }
    if (!choices_.noPhotos()) {
        const MessageRequest question{
            .text =
                tr("Replace the chosen photos with the %n photo(s) of %1?", nullptr, photos.found)
                    .arg(name),
            .title = QStringLiteral("Daylark"),
            .icon = MessageIcon::Question,
            .buttons = MessageButtons::YesNo,
            .defaultButton = Answer::No,
            .owner = this};
        if (app_.dialogs.message(question) != Answer::Yes) return;
    }
    TakeFolderPhotos(choices_, photos);
    for (int slot = 0; slot < kPhotoSlots; ++slot)
        showSlot(slot);
    changed();
    if (photos.leftOver > 0)
        showMessage(app_.dialogs,
                    tr("%n more photo(s) of the folder did not fit: a calendar has twelve months.",
                       nullptr, photos.leftOver),
                    QStringLiteral("Daylark"), MessageIcon::Information);
}
