#include "generator/BatchMode.h"
#include "generator/SchedulerIcon.h"
#include "generator/windows/SchedulerApp.h"
#include "platform/Clock.h"
#include "platform/CommandLineNames.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopDialogs.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QTextStream>
#include <cstdio>

// With arguments the generator runs without windows (see BatchMode.h) and speaks English, as
// scripts expect; without, it is the wizard, in the user's language, and it ends when its
// last window closes.
int main(int argc, char** argv) {
    if (argc > 1) {
        QCoreApplication app(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("qvfsch"));
        QTextStream out(stdout);
        QTextStream err(stderr);
        // A name that has no faithful text is refused rather than saved under another name.
        const DecodedArguments args = DecodeArguments(argc, argv);
        for (const QString& name : args.refused)
            err << NotUtf8Message(name) << Qt::endl;
        if (!args.refused.isEmpty()) return 1;
        return qvfsch::RunBatch(QStringList{QCoreApplication::arguments().value(0)} +
                                    args.arguments,
                                out, err, *QRandomGenerator::global());
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("qvfsch"));
    InstallSystemTranslations(QStringLiteral("qvfsch"));
    QApplication::setWindowIcon(qvfsch::schedulerIcon());
    SystemClock clock;
    DesktopDialogs dialogs;
    qvfsch::SchedulerApp scheduler(clock, dialogs, *QRandomGenerator::global());
    scheduler.start();
    return QApplication::exec();
}
