// qvftool: the calendar program's reader and writer on the command line, for scripts and for
// checking calendar files without a display.
//
//   qvftool show FILE                 print the calendar as the setup window lists it
//   qvftool resave IN OUT             read IN and write it again as OUT
//   qvftool import BASE ADDED OUT     merge ADDED into BASE as File > Import does; write OUT

#include "document/EntryText.h"
#include "document/FileCommands.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "shell/AppState.h"
#include "tools/ConsoleDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <cstdio>

namespace {

constexpr char kUsage[] = "usage: qvftool show FILE\n"
                          "       qvftool resave IN OUT\n"
                          "       qvftool import BASE ADDED OUT\n";

struct Tool {
    ConsoleDialogs dialogs;
    SystemClock clock;
    SettingsStore store{QString()}; // no preferences are read or written
    AppState app{dialogs, clock, store};

    bool read(const QString& path) {
        app.Document.FileName = path;
        return ReadCalendarFile(app) != kFailed;
    }
    bool write(const QString& path) {
        app.Document.FileName = path;
        return WriteCalendarFile(app) != kFailed;
    }
    bool import(const QString& path) {
        app.ImportFileName = path;
        return ImportCalendarFile(app) != kFailed;
    }
};

void print(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

int show(Tool& tool, const QString& path) {
    if (!tool.read(path)) return 1;
    const CalendarDocument& doc = tool.app.Document;
    QString out = QStringLiteral("Title: %1\nHeader1: %2\nHeader2: %3\n")
                      .arg(doc.CalendarTitle, doc.HeaderLine1, doc.HeaderLine2);
    for (const EntryKind kind : kAllKinds) {
        const QStringList lines = EntryListLines(doc, kind);
        out += QStringLiteral("\n%1 (%2)\n").arg(KindLabel(kind)).arg(lines.size());
        for (const QString& line : lines) out += line + u'\n';
    }
    print(out);
    return 0;
}

int run(const QStringList& args) {
    Tool tool;
    const QString command = args.value(0);
    if (command == QLatin1String("show") && args.size() == 2) return show(tool, args[1]);
    if (command == QLatin1String("resave") && args.size() == 3)
        return tool.read(args[1]) && tool.write(args[2]) ? 0 : 1;
    if (command == QLatin1String("import") && args.size() == 4)
        return tool.read(args[1]) && tool.import(args[2]) && tool.write(args[3]) ? 0 : 1;
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    return run(QCoreApplication::arguments().mid(1));
}
