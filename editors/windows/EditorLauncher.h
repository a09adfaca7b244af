#pragma once

#include "document/Entries.h"
#include "editors/windows/EntryEditor.h"

#include <memory>

class frmSetup;
class QWidget;
struct AppState;

// Opening the editors: for adding from the main window's Add menu or the setup window's Add,
// and for changing the selected entry from the setup window's Edit. Each editor is made
// afresh and shown modally; the prepare functions return it ready to be shown, so that tests
// can drive it without a modal loop.

// Where an add starts. From the entry list the holiday editor is kept to the listed kind;
// from the Add menu both fixed and floating dates are offered, fixed chosen.
enum class AddOrigin { AddMenu, EntryList };

// The editor of kind (either holiday kind opens the holiday editor), freshly reset and
// adding. list: the setup window whose list the editor keeps in step, or none.
std::unique_ptr<EntryEditor> PrepareAddEditor(AppState& app, EntryKind kind, AddOrigin origin,
                                              frmSetup* list, QWidget* parent);

// The editor of kind filled from the record at the program's EditIndex and updating it;
// none when EditIndex names no entry of the kind's table.
std::unique_ptr<EntryEditor> PrepareEditEditor(AppState& app, EntryKind kind, frmSetup* list,
                                               QWidget* parent);

// Prepare and show modally until the editor closes.
void OpenAddEditor(AppState& app, EntryKind kind, AddOrigin origin, frmSetup* list,
                   QWidget* parent);
void EditSelectedEntry(AppState& app, EntryKind kind, frmSetup* list, QWidget* parent);
