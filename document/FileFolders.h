#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <optional>

class CalendarDocument;
struct AppState;

// Where the calendar program's file dialogs start: in the folder of the calendar in use;
// without one, in the folder of the file last chosen in any of them (kept with the
// preferences under the options key as LastFolder, so it outlives the run); else wherever
// the dialog starts by itself (empty).
QString FileDialogFolder(AppState& app);

// Keeps the folder of a file the user chose as the last folder used.
void RememberFileFolder(AppState& app, const QString& chosenPath);

// The open and save dialogs of the calendar program: the request starts in
// FileDialogFolder unless it names a folder itself, and the folder of the chosen file is
// remembered.
std::optional<FileChoice> ChooseFileToOpen(AppState& app, FileRequest request);
std::optional<FileChoice> ChooseFileToSave(AppState& app, FileRequest request);

// The name the PDF save dialog proposes: the calendar's title, or without one the name of
// its file, then "-", the year and ".pdf" ("The Larks-2027.pdf"). Characters that no file
// name may hold become "-"; a calendar without title or file is "Calendar".
QString ProposedPdfName(const CalendarDocument& doc, int year);
