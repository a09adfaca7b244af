#include "platform/Clock.h"
#include "platform/DesktopDialogs.h"
#include "platform/SettingsStore.h"
#include "shell/AppState.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daylark"));

    SystemClock clock;
    DesktopDialogs dialogs;
    SettingsStore store(SettingsStore::defaultPath());
    AppState app(dialogs, clock, store);
    app.CommandLine = QApplication::arguments().mid(1).join(u' ');
    StartUp(app);

    frmMain mainWindow(app);
    mainWindow.show();
    return QApplication::exec();
}
