#include "desktop/windows/TrayIcon.h"

#include "desktop/AppIcon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QStyleHints>

frmTray::frmTray(QMenu* menu, QObject* parent)
    : QObject(parent), icon_(new QSystemTrayIcon(appIcon(), this)), menu_(menu) {
    setObjectName(QStringLiteral("frmTray"));
    icon_->setToolTip(QStringLiteral("Daylark"));
    singleClick_.setSingleShot(true);
    singleClick_.setInterval(QApplication::styleHints()->mouseDoubleClickInterval());
    connect(&singleClick_, &QTimer::timeout, this, &frmTray::popUpMenu);
    connect(icon_, &QSystemTrayIcon::activated, this, &frmTray::handleActivation);
}

void frmTray::load() {
    loaded_ = true;
    icon_->show();
}

void frmTray::unload() {
    loaded_ = false;
    singleClick_.stop();
    icon_->hide();
}

void frmTray::handleActivation(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        singleClick_.start();
        break;
    case QSystemTrayIcon::Context:
        popUpMenu();
        break;
    case QSystemTrayIcon::DoubleClick:
        singleClick_.stop();
        emit doubleClicked();
        break;
    default:
        break;
    }
}

void frmTray::popUpMenu() {
    menu_->popup(QCursor::pos());
    menu_->activateWindow();
    emit menuShown();
}
