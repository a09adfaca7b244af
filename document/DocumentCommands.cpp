#include "document/DocumentCommands.h"

#include "calendar_format/WholeFile.h"
#include "document/AppState.h"
#include "document/FileCommands.h"
#include "document/FileFolders.h"
#include "document/ICalendar.h"
#include "document/StatusTexts.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString kDaylark = QStringLiteral("Daylark");

FileRequest calendarDialog(const QString& title, QWidget* owner) {
    FileRequest request;
    request.title = title;
    request.owner = owner;
    return request;
}

} // namespace

Answer AskToSave(AppState& app) {
    return app.dialogs.message(
        {QCoreApplication::translate("DocumentCommands",
                                     "The active calendar file has not been saved.\n\n"
                                     "Do you wish to save it?"),
         kDaylark, MessageIcon::Critical, MessageButtons::YesNoCancel, Answer::Yes,
         app.viewsOrNone().mainWindow()});
}

bool ConfirmDiscardOrSave(AppState& app) {
    if (!app.Document.Modified()) return true;
    switch (AskToSave(app)) {
    case Answer::Yes:
        return SaveCalendar(app);
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void NewCalendar(AppState& app) {
    if (!ConfirmDiscardOrSave(app)) return;
    app.Document.resetToUntitled();
    app.viewsOrNone().refreshAfterRead();
    app.Document.ClearModified();
}

QString ProvisionalTitle(const QString& fileTitle) {
    const qsizetype at = fileTitle.indexOf(QLatin1String(".qvf"));
    return at >= 0 ? fileTitle.left(at) : QFileInfo(fileTitle).completeBaseName();
}

bool OpenCalendarFile(AppState& app, const QString& path, const QString& fileTitle) {
    CalendarDocument& doc = app.Document;
    const QString previousFile = doc.FileName;
    const QString previousTitle = doc.CalendarTitle;
    doc.CalendarTitle = ProvisionalTitle(fileTitle);
    if (!ReadCalendarFile(app, path).failed()) return true;
    // A broken file left an empty calendar without a file name; one refused for its version
    // left the old calendar under the new name.
    if (!doc.FileName.isEmpty()) {
        doc.FileName = previousFile;
        doc.CalendarTitle = previousTitle;
    }
    return false;
}

void OpenCalendar(AppState& app) {
    if (!ConfirmDiscardOrSave(app)) return;
    const FileRequest request =
        calendarDialog(QCoreApplication::translate("DocumentCommands", "Open Vemora File"),
                       app.viewsOrNone().mainWindow());
    for (;;) {
        const auto choice = ChooseFileToOpen(app, request);
        if (!choice || OpenCalendarFile(app, choice->path, choice->title)) return;
    }
}

bool SaveCalendar(AppState& app) {
    if (app.Document.FileName.isEmpty()) return SaveCalendarAs(app);
    return !WriteCalendarFile(app, app.Document.FileName).failed();
}

bool SaveCalendarAs(AppState& app) {
    QWidget* owner = app.viewsOrNone().setupWindow();
    FileRequest request = calendarDialog(
        QCoreApplication::translate("DocumentCommands", "Save Vemora File As"), owner);
    request.confirmOverwrite = true;
    request.confirmCreate = true;
    request.defaultSuffix = QStringLiteral(".qvf");
    const auto choice = ChooseFileToSave(app, request);
    if (!choice) return false;
    CalendarDocument& doc = app.Document;
    const QString previousFile = doc.FileName;
    doc.FileName = choice->path;
    app.viewsOrNone().refreshFileName();
    if (!WriteCalendarFile(app, choice->path).failed()) return true;
    // The calendar was not written there: it stays with the file it came from, so the next
    // Save goes where it belongs.
    doc.FileName = previousFile;
    app.viewsOrNone().refreshFileName();
    return false;
}

void ImportCalendar(AppState& app) {
    FileRequest request =
        calendarDialog(QCoreApplication::translate("DocumentCommands", "Import qvf Data"),
                       app.viewsOrNone().mainWindow());
    request.filter += QStringLiteral(";;") +
                      QCoreApplication::translate("DocumentCommands", "Text Lists (*.txt)") +
                      QStringLiteral(";;") +
                      QCoreApplication::translate("DocumentCommands", "iCalendar Files (*.ics)");
    for (;;) {
        const auto choice = ChooseFileToOpen(app, request);
        if (!choice) return;
        const int before = TotalEntryCount(app.Document);
        if (!ImportCalendarFile(app, choice->path).failed()) {
            app.viewsOrNone().showStatus(
                EntriesAddedText(TotalEntryCount(app.Document) - before, choice->path));
            return;
        }
    }
}

bool ExportICalendar(AppState& app) {
    QWidget* owner = app.viewsOrNone().mainWindow();
    FileRequest request =
        calendarDialog(QCoreApplication::translate("DocumentCommands", "Export iCalendar"), owner);
    request.filter = QCoreApplication::translate("DocumentCommands", "iCalendar Files (*.ics)");
    request.confirmOverwrite = true;
    request.defaultSuffix = QStringLiteral(".ics");
    request.suffixCase = Qt::CaseInsensitive;
    const auto choice = ChooseFileToSave(app, request);
    if (!choice) return false;
    const QString& path = choice->path;
    QStringList skipped;
    const FileResult result =
        WriteWholeFile(path, formatICalendar(app.Document, app.clock.now().toUTC(), &skipped));
    if (result.failed()) {
        ReportFileError(app, FileAction::Save, path, result.error);
        return false;
    }
    if (!skipped.isEmpty())
        showMessage(app.dialogs,
                    QCoreApplication::translate("DocumentCommands",
                                                "These entries were not exported because "
                                                "their date names no day:\n") +
                        skipped.join(u'\n'),
                    kDaylark, MessageIcon::Information);
    return true;
}
