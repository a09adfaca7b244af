#pragma once

#include "document/SettingsRecords.h"
#include "editors/EntryRecords.h"

#include <QString>

// The decisions of the editors' add/update sequence, without widgets.

// An editor adds while its add button reads exactly "Add" (in the windows' language); any
// other caption means it updates the record it was opened for.
enum class EditorMode { Add, Update };
EditorMode ModeOfCaption(const QString& addButtonCaption);
// The add button's two captions: "Add" and "Update".
QString AddCaption();
QString UpdateCaption();

// The question shown before storing: the entry's list line and what the calendar will show.
QString ConfirmationText(EditorMode mode, const QString& entryText, const QString& displayText);

// Whether the settings ask for that question first.
bool AsksFirst(EditorMode mode, const OptionSettings& options);
// Whether the editor stays open, empty, for the next entry: only after adding with
// AfterAdd "Remain". An update always closes the editor.
bool StaysOpenAfter(EditorMode mode, const OptionSettings& options);

// Writes the record into its table: adding appends it (at index 0 into an empty table),
// updating overwrites the record at editIndex. Returns the index written, or -1 when
// editIndex names no entry of the table (nothing is written then).
int StoreRecord(CalendarDocument& doc, const EntryRecord& record, EditorMode mode, int editIndex);
