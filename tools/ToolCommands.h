#pragma once

#include "document/AppState.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "tools/ConsoleDialogs.h"

#include <QCommandLineParser>
#include <QStringList>

// The commands of qvftool. Each parses its own arguments (the command's name first) and
// returns the program's exit status: 0 done, 1 failed (the reason went to standard error),
// 2 a usage error.

// A program state without windows: messages go to standard error, no preferences are read
// or written unless a command asks for them.
struct Tool {
    ConsoleDialogs dialogs;
    SystemClock clock;
    SettingsStore store{QString()};
    AppState app{dialogs, clock, store};

    bool read(const QString& path);
    bool write(const QString& path);
    bool import(const QString& path);
};

struct ToolCommand {
    const char* name;
    const char* synopsis; // the arguments after the name, as the usage shows them
    const char* summary;
    // Declares the command's options and positional arguments.
    void (*declare)(QCommandLineParser& parser);
    // Runs the command once its arguments parsed; positional is the arguments after the
    // name. Returns the exit status.
    int (*run)(Tool& tool, const ToolCommand& self, const QCommandLineParser& parser,
               const QStringList& positional);
    int arguments; // how many positional arguments it takes; kAnyArguments: it checks them
};
inline constexpr int kAnyArguments = -1;

const std::vector<ToolCommand>& toolCommands();

// The usage line of one command: "qvftool NAME SYNOPSIS".
QString usageLine(const ToolCommand& command);

// A usage error: the message and the command's usage on standard error; returns 2.
int usageError(const ToolCommand& command, const QString& message);

// Text to standard output, as UTF-8. A failed write is remembered, and nothing more is
// written after it.
void printOut(const QString& text);

// A line to standard error.
void printError(const QString& text);

// Flushes standard output before the program ends. False, with the system's reason on
// standard error, when any of its writes failed (a full disk, a closed pipe): output that
// was lost is never reported as done.
bool finishOutput();
