#pragma once

#include <QString>
#include <QStringList>

struct AppState;
struct DecodedArguments;

// The start of the calendar program once its services exist: empty tables, every stored
// setting read (defaults written back), a new calendar titled "[Untitled]".
void StartUp(AppState& app);

// The command line as the program reads it: its arguments joined by spaces ("/tray", or the
// path of a calendar file to open). Empty when an argument was refused, so that no other
// file is opened in its place.
QString CommandLineText(const DecodedArguments& arguments);

// Tells the user, once the program has started, about each argument that was refused.
void ReportRefusedArguments(AppState& app, const QStringList& refused);
