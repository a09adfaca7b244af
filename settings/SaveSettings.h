#pragma once

#include "document/SettingsRecords.h"

class QWidget;
struct AppState;

// The Save button of a settings dialog: writes every value of the record the user chose and
// makes sure the settings file was written. When it was not (a read-only or full
// configuration folder), the store gets back the values it held before, the user is told
// where and why in the system's words, and the result is false: the dialog stays open with
// the user's choices and the program goes on with the settings it had. The caller takes the
// chosen record into memory only after a true result.
bool SaveDialogSettings(AppState& app, const OptionSettings& chosen, QWidget* owner);
bool SaveDialogSettings(AppState& app, const LayoutSettings& chosen, QWidget* owner);
bool SaveDialogSettings(AppState& app, const TraySettings& chosen, QWidget* owner);
