#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
struct AppState;

// The splash window's clock: a single-precision count of seconds, grown by 0.1 on every
// 100 ms tick. The window closes once the count is above 2 (the twentieth tick), or above
// 0.3 (the fourth tick) when the program starts into the tray.
class SplashClock {
  public:
    explicit SplashClock(bool startingInTray) : tray_(startingInTray) {}
    // One tick; true when the window is to close.
    bool tick() {
        seconds_ = static_cast<float>(static_cast<double>(seconds_) + 0.1);
        return (tray_ && seconds_ > 0.3f) || seconds_ > 2.0f;
    }
    float seconds() const { return seconds_; }

  private:
    bool tray_;
    float seconds_ = 0;
};

// The first window of the program, also shown as the About box. As the About box it has no
// timer and shows "Click to close this window"; a click closes it either way.
class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(AppState& app, QWidget* parent = nullptr);

    // Shows the window; starts the timer unless it is the About box.
    void Form_Load();

    QLabel* lblHelp;
    QTimer* Timer1;

  signals:
    // The window has closed (by its timer or a click).
    void closed();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void Timer1_Timer();

    AppState& app_;
    SplashClock clock_{false};
};
