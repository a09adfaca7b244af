#include "shell/MainWindow.h"

#include "shell/AppState.h"

#include <QMdiArea>

frmMain::frmMain(AppState& app, QWidget* parent) : QMainWindow(parent), app_(app) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Daylark"));
    auto* area = new QMdiArea(this);
    area->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(area);
    resize(800, 600);
    app_.Document.ClearModified();
}
