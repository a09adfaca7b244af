// Prints months of a calendar from the real print window on a printer of the system, as a
// user would: the printer is chosen in the window's printer list, the months in its month
// list, and Print is pressed. Messages go to standard error.
//
//   print_e2e_driver CALENDAR YEAR PRINTER MONTHS     (MONTHS as 3,11)
//
// Exit status 0 when the window printed and closed, 1 otherwise.
#include "document/AppState.h"
#include "document/FileCommands.h"
#include "drawing/windows/PrintWindow.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "settings/LoadSettings.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: print_e2e_driver CALENDAR YEAR PRINTER MONTHS\n");
        return 2;
    }
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    FixedClock clock(QDateTime(QDate(2027, 1, 10), QTime(9, 0)));
    SettingsStore store(dir.filePath(QStringLiteral("Daylark.conf")));
    AppState app(dialogs, clock, store);
    app.Layout = LoadSettings(store).Layout;
    if (ReadCalendarFile(app, args[1]).failed()) return 1;
    app.DisplayYear = args[2].toInt();

    frmPrint window(app);
    window.show();
    const int printer =
        window.cboPrinters->findText(args[3] + QLatin1String(" on "), Qt::MatchStartsWith);
    if (printer < 0) {
        std::fprintf(stderr, "no printer %s in the print window\n", qPrintable(args[3]));
        return 1;
    }
    window.cboPrinters->setCurrentIndex(printer);
    QTest::mouseClick(window.optSelect, Qt::LeftButton);
    window.lstMonths->clearSelection();
    for (const QString& month : args[4].split(u','))
        window.lstMonths->item(month.toInt() - 1)->setSelected(true);
    QTest::mouseClick(window.cmdBegin, Qt::LeftButton);
    for (const MessageRequest& m : dialogs.messages)
        std::fprintf(stderr, "%s: %s\n", qPrintable(m.title), qPrintable(m.text));
    return window.result() == QDialog::Accepted && dialogs.messages.empty() ? 0 : 1;
}
