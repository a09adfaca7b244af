#include "editors/TextExport.h"

#include "calendar_format/WholeFile.h"

#include "document/AppState.h"
#include "document/EntryText.h"
#include "document/FileFolders.h"
#include "platform/Dialogs.h"

#include <QCoreApplication>

namespace {

void addLine(QByteArray& out, const QString& line) {
    out += line.toUtf8();
    out += "\r\n";
}

template <class Entry>
void addSection(QByteArray& out, const char* heading, const EntryTable<Entry>& table) {
    if (table.isEmpty()) return;
    addLine(out, QLatin1String(heading));
    addLine(out, {});
    for (const Entry& e : table)
        addLine(out, EntryDateText(e) + u'\t' + e.Name);
    addLine(out, {});
    addLine(out, {});
}

} // namespace

QByteArray ExportText(const CalendarDocument& doc, const KindChoice& kinds) {
    QByteArray out;
    if (kinds.has(EntryKind::Birthday)) addSection(out, "Birthday data", doc.Birthdays);
    if (kinds.has(EntryKind::Holiday)) addSection(out, "Holiday data", doc.FixedHolidays);
    if (kinds.has(EntryKind::FloatingHoliday))
        addSection(out, "Floating Holiday data", doc.FloatingHolidays);
    if (kinds.has(EntryKind::Anniversary)) addSection(out, "Anniversary data", doc.Anniversaries);
    if (kinds.has(EntryKind::Other)) addSection(out, "Other data", doc.OtherEvents);
    return out;
}

FileResult ExportTextData(const CalendarDocument& doc, const KindChoice& kinds,
                          const QString& fileName) {
    return WriteWholeFile(fileName, ExportText(doc, kinds));
}

std::optional<FileResult> ExportCommand(AppState& app, const KindChoice& kinds, QWidget* owner) {
    const CalendarDocument& doc = app.Document;
    Dialogs& dialogs = app.dialogs;
    FileRequest request;
    request.title = QCoreApplication::translate("TextExport", "Export Vemora File Data");
    request.filter = QCoreApplication::translate("TextExport", kExportTextFilter) +
                     QStringLiteral(";;") +
                     QCoreApplication::translate("TextExport", "All Files (*.*)");
    request.confirmOverwrite = true;
    request.confirmCreate = true;
    request.owner = owner;
    request.defaultSuffix = QStringLiteral(".txt"); // while the text filter is in use
    const auto choice = ChooseFileToSave(app, request);
    if (!choice) return std::nullopt;
    const QString& fileName = choice->path;

    const FileResult result = ExportTextData(doc, kinds, fileName);
    if (result.failed()) {
        dialogs.message({QCoreApplication::translate("TextExport",
                                                     "Daylark could not export the file\n%1\n\n%2")
                             .arg(fileName, result.error),
                         QStringLiteral("Daylark 2.0"), MessageIcon::Critical,
                         MessageButtons::OkCancel, Answer::Ok, owner});
    }
    return result;
}
