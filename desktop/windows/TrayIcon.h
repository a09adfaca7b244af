#pragma once

#include <QObject>
#include <QSystemTrayIcon>
#include <QTimer>

class QMenu;

// The icon in the notification area with the tray menu. A click of either mouse button
// opens the menu; a double-click is reported instead (the first click of a double-click does
// not open the menu).
class frmTray : public QObject {
    Q_OBJECT
  public:
    frmTray(QMenu* menu, QObject* parent = nullptr);

    // Puts the icon up; unload takes it down. The icon is present exactly while loaded.
    void load();
    void unload();
    bool isLoaded() const { return loaded_; }

    QSystemTrayIcon* icon() const { return icon_; }

    // What the icon does with a mouse event on it.
    void handleActivation(QSystemTrayIcon::ActivationReason reason);

  signals:
    void doubleClicked();
    void menuShown();

  private:
    void popUpMenu();

    QSystemTrayIcon* icon_;
    QMenu* menu_;
    QTimer singleClick_;
    bool loaded_ = false;
};
