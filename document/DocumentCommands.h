#pragma once

#include "platform/Dialogs.h"

struct AppState;

// The File menu's document commands: New, Open, Save, Save As and Import, with the question
// about unsaved changes that guards New, Open and closing the main window.

// "The active calendar file has not been saved. Do you wish to save it?" (Yes, No, Cancel).
Answer AskToSave(AppState& app);

// The guard before the calendar is replaced: asks only when there are unsaved changes. Yes
// saves first. Returns false when the command must stop: the user cancelled, or chose to
// save and the calendar was not saved (so nothing unsaved is ever thrown away).
bool ConfirmDiscardOrSave(AppState& app);

void NewCalendar(AppState& app);
void OpenCalendar(AppState& app);
// Both return true when the calendar was written.
bool SaveCalendar(AppState& app);
bool SaveCalendarAs(AppState& app);
// Merges a calendar file, a text list of other events or an iCalendar file into the calendar.
void ImportCalendar(AppState& app);
// Writes the whole calendar as an iCalendar file chosen in a save dialog; true when written.
bool ExportICalendar(AppState& app);

// The provisional title of a calendar chosen in the open dialog: the file's name up to
// ".qvf", or without its extension when it has no ".qvf".
QString ProvisionalTitle(const QString& fileTitle);

// Opens the calendar file at path (fileTitle: its name as the open dialog gives it) under
// its provisional title until the file's own is read. True when it was read. A file refused
// for its version leaves the open calendar with its own file name and title, so that Save
// writes where it belongs; a broken file leaves an empty calendar without a name.
bool OpenCalendarFile(AppState& app, const QString& path, const QString& fileTitle);
