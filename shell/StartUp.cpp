#include "shell/StartUp.h"

#include "document/AppState.h"
#include "platform/Clock.h"
#include "platform/CommandLineNames.h"
#include "platform/Dialogs.h"
#include "settings/LoadSettings.h"

#include <QCoreApplication>

void StartUp(AppState& app) {
    app.Document.ResetTables();
    Settings settings = LoadSettings(app.store);
    app.Options = std::move(settings.Options);
    app.Layout = std::move(settings.Layout);
    app.Tray = std::move(settings.Tray);
    app.Document.CalendarTitle = UntitledTitle();
    app.DisplayYear = app.clock.today().year();
}

QString CommandLineText(const DecodedArguments& arguments) {
    return arguments.refused.isEmpty() ? arguments.arguments.join(u' ') : QString();
}

void ReportRefusedArguments(AppState& app, const QStringList& refused) {
    for (const QString& name : refused)
        showMessage(app.dialogs,
                    QCoreApplication::translate("FileCommands", "Daylark cannot open \n%1\n\n%2")
                        .arg(name, NotUtf8Reason()),
                    QCoreApplication::translate("FileCommands", "File Error"));
}
