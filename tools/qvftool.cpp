// qvftool: the calendar program's reader and writer on the command line, for scripts and for
// checking calendar files without a display.
//
//   qvftool show FILE                 print the calendar as the setup window lists it
//   qvftool resave IN OUT             read IN and write it again as OUT
//   qvftool import BASE ADDED OUT     merge ADDED into BASE as File > Import does; write OUT
//   qvftool print FILE --year YEAR [--months 3,11] --output OUT.pdf [--settings]
//                                     print month pages of YEAR (all twelve unless --months
//                                     names some) into a PDF file, with the default layout
//                                     or, with --settings, the stored one

#include "document/AppState.h"
#include "document/DisplayYear.h"
#include "document/EntryText.h"
#include "document/FileCommands.h"
#include "drawing/PrintJob.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "settings/LoadSettings.h"
#include "tools/ConsoleDialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

namespace {

constexpr char kUsage[] = "usage: qvftool show FILE\n"
                          "       qvftool resave IN OUT\n"
                          "       qvftool import BASE ADDED OUT\n"
                          "       qvftool print FILE --year YEAR [--months 3,11] --output OUT.pdf"
                          " [--settings]\n";

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

void print(const QString& text) {
    std::fputs(text.toUtf8().constData(), stdout);
}

int show(Tool& tool, const QString& path) {
    if (!tool.read(path)) return 1;
    const CalendarDocument& doc = tool.app.Document;
    QString out = QStringLiteral("Title: %1\nHeader1: %2\nHeader2: %3\n")
                      .arg(doc.CalendarTitle, doc.HeaderLine1, doc.HeaderLine2);
    for (const EntryKind kind : kAllKinds) {
        const QStringList lines = EntryListLines(doc, kind);
        out += QStringLiteral("\n%1 (%2)\n").arg(KindLabel(kind)).arg(lines.size());
        for (const QString& line : lines)
            out += line + u'\n';
    }
    print(out);
    return 0;
}

// The options of the print command.
struct PrintOptions {
    QString file;
    int year = 0;
    std::vector<int> months;
    QString output;
    bool storedSettings = false;
};

// Months as "3,11", each 1 to 12; they print in calendar order, as the print window prints
// them. Empty when any is not a month.
std::vector<int> parseMonths(const QString& text) {
    std::vector<bool> selected(12, false);
    for (const QString& part : text.split(u',')) {
        bool ok = false;
        const int month = part.trimmed().toInt(&ok);
        if (!ok || month < 1 || month > 12) return {};
        selected[month - 1] = true;
    }
    return MonthsToPrint(false, selected);
}

// Nothing when an option is unknown or lacks its value, or FILE, YEAR (a display year) or
// OUT is missing.
std::optional<PrintOptions> parsePrintOptions(const QStringList& args) {
    PrintOptions options{args.value(1), 0, MonthsToPrint(true, {}), {}, false};
    for (int i = 2; i < args.size(); ++i) {
        const QString& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        bool ok = true;
        if (arg == QLatin1String("--settings"))
            options.storedSettings = true;
        else if (arg == QLatin1String("--year") && hasValue)
            options.year = args[++i].toInt(&ok);
        else if (arg == QLatin1String("--months") && hasValue)
            options.months = parseMonths(args[++i]);
        else if (arg == QLatin1String("--output") && hasValue)
            options.output = args[++i];
        else
            return std::nullopt;
        if (!ok) return std::nullopt;
    }
    const bool yearOk = options.year >= kFirstDisplayYear && options.year <= kLastDisplayYear;
    if (options.file.isEmpty() || options.output.isEmpty() || !yearOk || options.months.empty())
        return std::nullopt;
    return options;
}

int printPages(Tool& tool, const PrintOptions& options) {
    if (!tool.read(options.file)) return 1;
    AppState& app = tool.app;
    if (options.storedSettings) {
        SettingsStore userStore(SettingsStore::defaultPath());
        app.Layout = LoadSettings(userStore).Layout;
    } else {
        QTemporaryDir scratch; // the defaults, written back into a store that is thrown away
        SettingsStore defaults(scratch.filePath(QStringLiteral("Daylark.conf")));
        app.Layout = LoadSettings(defaults).Layout;
    }
    app.DisplayYear = options.year;
    const PrintResult result = PrintMonthsToPdf(app, options.output, options.months);
    if (!result.ok) std::fprintf(stderr, "%s\n", qPrintable(result.error));
    return result.ok ? 0 : 1;
}

int run(const QStringList& args) {
    Tool tool;
    const QString command = args.value(0);
    if (command == QLatin1String("show") && args.size() == 2) return show(tool, args[1]);
    if (command == QLatin1String("resave") && args.size() == 3)
        return tool.read(args[1]) && tool.write(args[2]) ? 0 : 1;
    if (command == QLatin1String("import") && args.size() == 4)
        return tool.read(args[1]) && tool.import(args[2]) && tool.write(args[3]) ? 0 : 1;
    if (command == QLatin1String("print"))
        if (const std::optional<PrintOptions> options = parsePrintOptions(args))
            return printPages(tool, *options);
    std::fputs(kUsage, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Printing needs fonts, so a GUI application, but never a display.
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication application(argc, argv);
        return run(QCoreApplication::arguments().mid(1));
    }
    QCoreApplication application(argc, argv);
    return run(QCoreApplication::arguments().mid(1));
}
