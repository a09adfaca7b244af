#include "desktop/AppIcon.h"
#include "desktop/FileAssociation.h"
#include "document/AppState.h"
#include "drawing/SamplePage.h"
#include "platform/Clock.h"
#include "platform/CommandLineNames.h"
#include "platform/SettingsStore.h"
#include "platform/Translations.h"
#include "platform/widgets/DesktopDialogs.h"
#include "shell/MainWindow.h"
#include "shell/SplashWindow.h"
#include "shell/StartUp.h"

#include <QApplication>
#include <QSystemTrayIcon>
#include <memory>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Daylark"));
    // The windows speak the user's language where the program has it, English otherwise.
    InstallSystemTranslations(QStringLiteral("daylark"));
    QApplication::setWindowIcon(appIcon());
    // The program may live in the tray with no window open; it ends when the main window
    // closes for good.
    QApplication::setQuitOnLastWindowClosed(false);

    SystemClock clock;
    DesktopDialogs dialogs;
    SettingsStore store(SettingsStore::defaultPath());
    AppState app(dialogs, clock, store);
    app.SamplePage = &PaintSamplePage;
    // argv without the options QApplication took for itself.
    const DecodedArguments arguments = DecodeArguments(argc, argv);
    app.CommandLine = CommandLineText(arguments);

    std::unique_ptr<frmMain> mainWindow;
    frmSplash splash(app);
    QObject::connect(&splash, &frmSplash::closed, &application, [&] {
        if (app.SplashAsAbout || mainWindow) return;
        RegisterFileType(appIconImage(64));
        StartUp(app);
        ReportRefusedArguments(app, arguments.refused);
        mainWindow = std::make_unique<frmMain>(app, QSystemTrayIcon::isSystemTrayAvailable());
        QObject::connect(mainWindow.get(), &frmMain::programEnded, &application,
                         &QApplication::quit, Qt::QueuedConnection);
        mainWindow->Form_Load();
    });
    splash.Form_Load();
    return QApplication::exec();
}
