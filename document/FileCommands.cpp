#include "document/FileCommands.h"

#include "document/AppState.h"
#include "document/CalendarFormat.h"
#include "platform/Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <optional>

namespace {

const QString kFileErrorTitle = QStringLiteral("File Error");

// No calendar comes near this size; a larger file is refused before it is read into memory.
constexpr qint64 kLargestFile = 256LL * 1024 * 1024;

// The whole file, or nothing with the reason in error.
std::optional<QByteArray> readWholeFile(const QString& path, QString* error) {
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("It is a folder, not a file.");
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return std::nullopt;
    }
    if (file.size() > kLargestFile) {
        *error = QStringLiteral("The file is too large to be a calendar.");
        return std::nullopt;
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        return std::nullopt;
    }
    return data;
}

void reportNotReadable(AppState& app) {
    showMessage(app.dialogs,
                QStringLiteral("This file is not readable using this version of Daylark."),
                QStringLiteral("Daylark"));
}

void reportFileError(AppState& app, const QString& verb, const QString& path,
                     const QString& reason) {
    showMessage(app.dialogs, QStringLiteral("Daylark cannot %1 \n%2\n\n%3").arg(verb, path, reason),
                kFileErrorTitle);
}

void refreshAfterRead(AppState& app) {
    if (app.DesktopWeekShown) return;
    app.viewsOrNone().refreshAfterRead();
    app.Document.ClearModified();
}

ReadResult importData(const QString& path, QByteArrayView data, CalendarDocument& doc) {
    if (path.endsWith(QLatin1String("txt"))) return importTextList(data, doc);
    return importCalendar(data, doc);
}

} // namespace

QString WriteCalendarFile(AppState& app) {
    CalendarDocument& doc = app.Document;
    QSaveFile file(doc.FileName);
    QString error;
    // Unbuffered, so that every failing write is seen here: a buffered save file can lose
    // the error of its last write and still put a truncated file in place.
    const bool written =
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && writeCalendar(file, doc, &error);
    if (!written || !file.commit()) {
        if (error.isEmpty()) error = file.errorString();
        file.cancelWriting();
        reportFileError(app, QStringLiteral("save"), doc.FileName, error);
        return kFailed;
    }
    if (app.viewsOrNone().mainWindowVisible()) doc.ClearModified();
    return kSuccess;
}

QString ReadCalendarFile(AppState& app) {
    CalendarDocument& doc = app.Document;
    QString error;
    ReadResult result{ReadStatus::Failed, {}};
    if (const auto data = readWholeFile(doc.FileName, &error)) {
        result = readCalendar(*data, doc);
        error = result.error;
    }
    switch (result.status) {
    case ReadStatus::NotReadable:
        reportNotReadable(app);
        return kFailed;
    case ReadStatus::Failed:
        reportFileError(app, QStringLiteral("open"), doc.FileName, error);
        doc.ResetTables();
        doc.CalendarTitle = kUntitled;
        doc.FileName.clear();
        refreshAfterRead(app);
        return kFailed;
    case ReadStatus::Stopped:
        // The windows still show what the document now holds.
        refreshAfterRead(app);
        return QString();
    case ReadStatus::Success:
        break;
    }
    refreshAfterRead(app);
    return kSuccess;
}

QString ImportCalendarFile(AppState& app) {
    CalendarDocument& doc = app.Document;
    QString error;
    ReadResult result{ReadStatus::Failed, {}};
    if (const auto data = readWholeFile(app.ImportFileName, &error)) {
        result = importData(app.ImportFileName, *data, doc);
        error = result.error;
    }
    if (result.status == ReadStatus::NotReadable) {
        reportNotReadable(app);
        return kFailed;
    }
    if (result.status == ReadStatus::Failed) {
        reportFileError(app, QStringLiteral("import"), app.ImportFileName, error);
        app.ImportFileName.clear();
        return kFailed;
    }
    if (!app.DesktopWeekShown) {
        // The merged entries are not in any file yet: the calendar is modified, so Save is
        // offered and closing asks before they are lost.
        app.viewsOrNone().refreshAfterImport();
        doc.MarkModified();
    }
    return result.status == ReadStatus::Success ? kSuccess : QString();
}
