#pragma once

#include "calendar_format/FileResult.h"

#include <QByteArray>
#include <QString>

// The program's entry in the desktop's list of programs started at login: a desktop entry
// in $XDG_CONFIG_HOME/autostart that starts the program into the tray. The file's presence is
// the entry's presence; turning the entry off removes the file.

// $XDG_CONFIG_HOME/autostart/daylark.desktop (~/.config when the variable is not set).
QString AutostartPath();

bool HasAutostartEntry(const QString& path = AutostartPath());

// The entry's text for the program at programPath: its Exec line is the quoted path and
// "/tray".
QByteArray AutostartEntry(const QString& programPath);

// Writes the entry (creating its folder), replacing the file only when it is complete.
FileResult WriteAutostartEntry(const QString& programPath, const QString& path = AutostartPath());

// Removes the entry; a missing entry is no error.
FileResult RemoveAutostartEntry(const QString& path = AutostartPath());
