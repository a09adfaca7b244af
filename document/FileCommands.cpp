#include "document/FileCommands.h"

#include "calendar_format/WholeFile.h"
#include "calendar_format/WholeFileReader.h"
#include "document/AppState.h"
#include "document/CalendarFileSize.h"
#include "document/CalendarFormat.h"
#include "document/ICalendar.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>
#include <optional>

namespace {

const char* const kContext = "FileCommands";

void reportNotReadable(AppState& app) {
    showMessage(app.dialogs,
                QCoreApplication::translate(
                    "FileCommands", "This file is not readable using this version of Daylark."),
                QStringLiteral("Daylark"));
}

void refreshAfterRead(AppState& app) {
    if (app.DesktopWeekShown) return;
    app.viewsOrNone().refreshAfterRead();
    app.Document.ClearModified();
}

// What an import did besides its status: whether it changed the tables, and a message
// about what it left out (with every line in details when the notice shows only some).
struct ImportOutcome {
    FileResult result;
    bool changed = true;
    QString notice = {};
    QString details = {};
};

ImportOutcome importData(const QString& path, QByteArrayView data, CalendarDocument& doc) {
    if (path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive)) {
        const ICalImportResult ics = importICalendar(data, doc);
        return {ics, ics.added > 0, ICalImportMessage(ics), ICalImportDetails(ics)};
    }
    if (path.endsWith(QLatin1String("txt"))) {
        const TextListImportResult list = importTextList(data, doc);
        return {list, true, TextListImportMessage(list)};
    }
    const FileResult calendar = importCalendar(data, doc);
    return {calendar, true, calendar.notice};
}

// The reader refuses files over kLargestCalendarFile, so no save or import may make one.
bool tooLargeToSave(const CalendarDocument& doc) {
    return CalendarFileSize(doc) > kLargestCalendarFile;
}

QString tooLargeReason() {
    return QCoreApplication::translate("FileCommands",
                                       "The calendar would be larger than %1 MB as a file, too "
                                       "large to be opened again.")
        .arg(kLargestCalendarFile / (1024 * 1024));
}

// The entry counts of the five tables, for cutting an import back.
struct EntryCounts {
    int birthdays, anniversaries, fixed, floating, other;
};

EntryCounts countEntries(const CalendarDocument& doc) {
    return {doc.Birthdays.entryCount(), doc.Anniversaries.entryCount(),
            doc.FixedHolidays.entryCount(), doc.FloatingHolidays.entryCount(),
            doc.OtherEvents.entryCount()};
}

// An import only appends: removing the records after the first count gives the table back.
template <class Table> void cutBack(Table& table, int count) {
    while (table.upperBound() >= count && table.upperBound() > 0)
        table.remove(table.upperBound());
    if (count == 0) table.reset();
}

void cutBack(CalendarDocument& doc, const EntryCounts& counts) {
    cutBack(doc.Birthdays, counts.birthdays);
    cutBack(doc.Anniversaries, counts.anniversaries);
    cutBack(doc.FixedHolidays, counts.fixed);
    cutBack(doc.FloatingHolidays, counts.floating);
    cutBack(doc.OtherEvents, counts.other);
}

} // namespace

void ReportFileError(AppState& app, FileAction action, const QString& path, const QString& reason) {
    const char* text = QT_TRANSLATE_NOOP("FileCommands", "Daylark cannot open \n%1\n\n%2");
    if (action == FileAction::Save)
        text = QT_TRANSLATE_NOOP("FileCommands", "Daylark cannot save \n%1\n\n%2");
    if (action == FileAction::Import)
        text = QT_TRANSLATE_NOOP("FileCommands", "Daylark cannot import \n%1\n\n%2");
    showMessage(app.dialogs, QCoreApplication::translate(kContext, text).arg(path, reason),
                QCoreApplication::translate("FileCommands", "File Error"));
}

FileResult WriteCalendarFile(AppState& app, const QString& path) {
    if (tooLargeToSave(app.Document)) {
        const FileResult refused{FileStatus::Failed, tooLargeReason()};
        ReportFileError(app, FileAction::Save, path, refused.error);
        return refused;
    }
    const FileResult result =
        WriteWholeFile(path, [&app](QIODevice& file) { return writeCalendar(file, app.Document); });
    if (result.failed()) {
        ReportFileError(app, FileAction::Save, path, result.error);
        return result;
    }
    if (app.viewsOrNone().mainWindowVisible()) app.Document.ClearModified();
    app.viewsOrNone().calendarFileUsed(path);
    return result;
}

FileResult ReadCalendarFile(AppState& app, const QString& path) {
    CalendarDocument& doc = app.Document;
    doc.FileName = path;
    FileResult result{FileStatus::Failed, {}};
    if (const auto data = ReadWholeFile(path, kLargestCalendarFile, &result.error))
        result = readCalendar(*data, doc);
    switch (result.status) {
    case FileStatus::NotReadable:
        reportNotReadable(app);
        return result;
    case FileStatus::Failed:
        ReportFileError(app, FileAction::Open, path, result.error);
        doc.ResetTables();
        doc.CalendarTitle = UntitledTitle();
        doc.FileName.clear();
        refreshAfterRead(app);
        return result;
    case FileStatus::Stopped: // the windows still show what the document now holds
    case FileStatus::Success:
        break;
    }
    refreshAfterRead(app);
    if (!app.DesktopWeekShown) app.viewsOrNone().calendarFileUsed(path);
    if (!result.notice.isEmpty())
        app.dialogs.message(
            MessageRequest{result.notice, QStringLiteral("Daylark"), MessageIcon::Information});
    return result;
}

FileResult ImportCalendarFile(AppState& app, const QString& path) {
    CalendarDocument& doc = app.Document;
    ImportOutcome outcome{{FileStatus::Failed, {}}, false, {}, {}};
    const EntryCounts before = countEntries(doc);
    if (const auto data = ReadWholeFile(path, kLargestCalendarFile, &outcome.result.error))
        outcome = importData(path, *data, doc);
    if (!outcome.result.failed() && outcome.changed && tooLargeToSave(doc)) {
        cutBack(doc, before);
        outcome.result = {FileStatus::Failed, tooLargeReason()};
    }
    const FileResult& result = outcome.result;
    if (result.status == FileStatus::NotReadable) {
        reportNotReadable(app);
        return result;
    }
    if (result.status == FileStatus::Failed) {
        ReportFileError(app, FileAction::Import, path, result.error);
        return result;
    }
    if (!app.DesktopWeekShown && outcome.changed) {
        // The merged entries are not in any file yet: the calendar is modified, so Save is
        // offered and closing asks before they are lost.
        app.viewsOrNone().refreshAfterImport();
        doc.MarkModified();
    }
    if (!outcome.notice.isEmpty()) {
        MessageRequest notice{outcome.notice, QStringLiteral("Daylark"), MessageIcon::Information};
        notice.detailedText = outcome.details;
        app.dialogs.message(notice);
    }
    return result;
}
