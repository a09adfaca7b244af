// qvftool: the calendar program's reader and writer on the command line, for scripts and for
// checking calendar files without a display. `qvftool --help` lists the commands and
// `qvftool COMMAND --help` the options of one.

#include "platform/CommandLineNames.h"
#include "tools/ToolCommands.h"

#include <QCommandLineParser>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

QString overview() {
    QString text = QStringLiteral("usage:\n");
    for (const ToolCommand& command : toolCommands())
        text += QStringLiteral("  ") + usageLine(command) + u'\n';
    text += QStringLiteral("\nCommands:\n");
    for (const ToolCommand& command : toolCommands())
        text += QStringLiteral("  %1  %2\n")
                    .arg(QString::fromLatin1(command.name).leftJustified(9),
                         QLatin1String(command.summary));
    text += QStringLiteral("\n`qvftool COMMAND --help` shows the options of a command.\n");
    return text;
}

int runCommand(const ToolCommand& command, const QStringList& args) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QLatin1String(command.summary));
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help."));
    parser.addOption(help);
    command.declare(parser);
    // The program's name, then the arguments after the command's name.
    if (!parser.parse(QStringList{QStringLiteral("qvftool")} + args.mid(1)))
        return usageError(command, parser.errorText());
    if (parser.isSet(help)) {
        printOut(QStringLiteral("usage: ") + usageLine(command) + u'\n' +
                 parser.helpText().section(u'\n', 1));
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (command.arguments != kAnyArguments && positional.size() != command.arguments)
        return usageError(command,
                          QStringLiteral("it takes %1 file name(s).").arg(command.arguments));
    Tool tool;
    return command.run(tool, command, parser, positional);
}

int run(const QStringList& args) {
    const QString name = args.value(0);
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        printOut(overview());
        return 0;
    }
    for (const ToolCommand& command : toolCommands())
        if (name == QLatin1String(command.name)) return runCommand(command, args);
    std::fputs(qPrintable(overview()), stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Printing needs fonts, so a GUI application, but never a display; the other commands
    // need neither.
    std::unique_ptr<QCoreApplication> application;
    if (argc > 1 && std::strcmp(argv[1], "print") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // File names as the file system holds them; a name that has no faithful text is refused
    // rather than taken as the name of another file.
    const DecodedArguments args = DecodeArguments(argc, argv);
    for (const QString& name : args.refused)
        std::fprintf(stderr, "qvftool: %s\n", qPrintable(NotUtf8Message(name)));
    const int status = args.refused.isEmpty() ? run(args.arguments) : 1;
    return finishOutput() ? status : std::max(status, 1);
}
