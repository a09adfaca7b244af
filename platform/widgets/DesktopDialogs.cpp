#include "platform/widgets/DesktopDialogs.h"

#include "platform/SaveName.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButton toQtButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

Answer fromQtButton(int button, MessageButtons offered) {
    switch (button) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Cancel:
        return Answer::Cancel;
    default:
        break;
    }
    // Closed with Escape or the close box: the gentlest answer the box offered.
    if (offered == MessageButtons::YesNo) return Answer::No;
    if (offered == MessageButtons::Ok) return Answer::Ok;
    return Answer::Cancel;
}

// The folder the request names, and the name it proposes.
void startWhereAsked(QFileDialog& dialog, const FileRequest& request) {
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (!request.proposedName.isEmpty()) dialog.selectFile(request.proposedName);
}

FileChoice choiceFor(const QFileDialog& dialog) {
    const QString path = dialog.selectedFiles().constFirst();
    return {path, QFileInfo(path).fileName(), dialog.selectedNameFilter()};
}

} // namespace

Answer DesktopDialogs::message(const MessageRequest& request) {
    QMessageBox box(toQtIcon(request.icon), request.title, request.text,
                    toQtButtons(request.buttons), request.owner);
    box.setDefaultButton(toQtButton(request.defaultButton));
    if (QAbstractButton* yes = box.button(QMessageBox::Yes); yes && !request.yesText.isEmpty())
        yes->setText(request.yesText);
    if (QAbstractButton* no = box.button(QMessageBox::No); no && !request.noText.isEmpty())
        no->setText(request.noText);
    if (!request.detailedText.isEmpty()) box.setDetailedText(request.detailedText);
    return fromQtButton(box.exec(), request.buttons);
}

std::optional<FileChoice> DesktopDialogs::openFile(const FileRequest& request) {
    QFileDialog dialog(request.owner, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    startWhereAsked(dialog, request);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return choiceFor(dialog);
}

std::optional<FileChoice> DesktopDialogs::saveFile(const FileRequest& request) {
    QFileDialog dialog(request.owner, request.title, QString(), request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The file dialog would ask about the name as typed; the question below is about the
    // name that will be written, extension included, and it is asked once.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    startWhereAsked(dialog, request);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        const QString filter = dialog.selectedNameFilter();
        const QString path = SaveNameFor(request, dialog.selectedFiles().constFirst(), filter);
        const std::optional<MessageRequest> question = SaveQuestionFor(request, path);
        if (!question || message(*question) == Answer::Yes)
            return FileChoice{path, QFileInfo(path).fileName(), filter};
    }
}

std::optional<QColor> DesktopDialogs::chooseColor(const QColor& initial, QWidget* owner) {
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    const QColor chosen = QColorDialog::getColor(initial, owner);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
}

std::optional<QString> DesktopDialogs::chooseFolder(const FileRequest& request) {
    QFileDialog dialog(request.owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}
