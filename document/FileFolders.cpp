#include "document/FileFolders.h"

#include "document/AppState.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The key of the option settings, which also keeps the recent calendars.
const QString kOptionsKey = QStringLiteral("Software\\Daylark\\Options");
const QString kLastFolder = QStringLiteral("LastFolder");

QString existingFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

} // namespace

QString FileDialogFolder(AppState& app) {
    const QString& calendar = app.Document.FileName;
    if (!calendar.isEmpty()) {
        const QString folder = existingFolder(QFileInfo(calendar).absolutePath());
        if (!folder.isEmpty()) return folder;
    }
    return existingFolder(app.store.value(kOptionsKey, kLastFolder).toString());
}

void RememberFileFolder(AppState& app, const QString& chosenPath) {
    const QString folder = QFileInfo(chosenPath).absolutePath();
    if (app.store.value(kOptionsKey, kLastFolder).toString() != folder)
        app.store.setValue(kOptionsKey, kLastFolder, folder);
}

std::optional<FileChoice> ChooseFileToOpen(AppState& app, FileRequest request) {
    if (request.folder.isEmpty()) request.folder = FileDialogFolder(app);
    std::optional<FileChoice> choice = app.dialogs.openFile(request);
    if (choice) RememberFileFolder(app, choice->path);
    return choice;
}

std::optional<FileChoice> ChooseFileToSave(AppState& app, FileRequest request) {
    if (request.folder.isEmpty()) request.folder = FileDialogFolder(app);
    std::optional<FileChoice> choice = app.dialogs.saveFile(request);
    if (choice) RememberFileFolder(app, choice->path);
    return choice;
}

QString ProposedPdfName(const CalendarDocument& doc, int year) {
    QString name = doc.CalendarTitle.trimmed();
    if (name.isEmpty() || IsUntitled(name)) name = QFileInfo(doc.FileName).completeBaseName();
    for (QChar& c : name)
        if (c.unicode() < 0x20 || QStringView(u"/\\:*?\"<>|").contains(c)) c = u'-';
    name = name.trimmed();
    if (name.isEmpty()) name = QCoreApplication::translate("FileFolders", "Calendar");
    return name + u'-' + QString::number(year) + QStringLiteral(".pdf");
}
