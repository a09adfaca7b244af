#pragma once

#include "calendar_format/FileResult.h"
#include "document/CalendarDocument.h"
#include "editors/KindChoice.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct AppState;
class QWidget;

// The text export of File > Export: the entries of the chosen kinds as a plain text file,
// one line per entry with the date spelled out, a tab and the name, grouped by kind. The
// export only reads the calendar.

// The save dialog's first filter; while it is in use a name gets ".txt". Translated with the
// context "TextExport".
inline constexpr const char* kExportTextFilter =
    QT_TRANSLATE_NOOP("TextExport", "Text Files (*.txt)");

// The whole file: for each chosen kind that has entries, in the order of the kind list, a
// heading ("Birthday data" and so on), an empty line, one line per entry in table order and
// two empty lines. A chosen kind without entries writes nothing, not even its heading.
// UTF-8, every line ending in CR LF.
QByteArray ExportText(const CalendarDocument& doc, const KindChoice& kinds);

// Writes the export to fileName. The file is replaced only once the whole text has been
// written, so a failed export (a full disk, a folder that cannot be written) leaves any
// previous file as it was.
FileResult ExportTextData(const CalendarDocument& doc, const KindChoice& kinds,
                          const QString& fileName);

// The export window's Export: asks for the file name (which gets ".txt" while the text
// filter is in use and the name does not end in exactly ".txt"), writes the export and
// reports a failure. Returns nothing when no file was chosen.
std::optional<FileResult> ExportCommand(AppState& app, const KindChoice& kinds, QWidget* owner);
