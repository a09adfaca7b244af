#include "shell/SplashWindow.h"

#include "desktop/AppIcon.h"
#include "document/AppState.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

frmSplash::frmSplash(AppState& app, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      app_(app) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Daylark"));
    setFixedSize(440, 250);
    lblHelp = new QLabel(tr("Click to close this window"), this);
    lblHelp->setObjectName(QStringLiteral("lblHelp"));
    lblHelp->setStyleSheet(QStringLiteral("color: #fefefe;"));
    lblHelp->adjustSize();
    lblHelp->move(width() - lblHelp->width() - 16, height() - lblHelp->height() - 12);
    lblHelp->hide();
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
}

void frmSplash::Form_Load() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    show();
    if (app_.SplashAsAbout) {
        lblHelp->show();
        Timer1->stop();
    } else {
        clock_ = SplashClock(app_.CommandLine == QLatin1String("/tray"));
        Timer1->start();
    }
}

void frmSplash::Timer1_Timer() {
    if (clock_.tick()) close();
}

void frmSplash::mousePressEvent(QMouseEvent*) {
    close();
}

void frmSplash::closeEvent(QCloseEvent* event) {
    Timer1->stop();
    QWidget::closeEvent(event);
    // What follows the splash (the start, and its messages) must not lie under a window that
    // stays on top: it is off the screen before anyone hears that it closed.
    hide();
    emit closed();
}

void frmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, height());
    sky.setColorAt(0, QColor(0x2B, 0x5D, 0xA8));
    sky.setColorAt(1, QColor(0x16, 0x33, 0x66));
    p.fillRect(rect(), sky);
    p.drawImage(QRect(28, 56, 112, 112), appIconImage(112));
    QFont title = font();
    title.setPointSize(30);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(160, 60, 260, 56), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Daylark"));
    QFont line = font();
    line.setPointSize(11);
    p.setFont(line);
    p.setPen(QColor(0xDD, 0xE6, 0xF5));
    p.drawText(QRect(162, 116, 260, 24), Qt::AlignLeft | Qt::AlignVCenter,
               tr("Your year, printed right."));
    p.drawText(QRect(162, 140, 260, 24), Qt::AlignLeft | Qt::AlignVCenter, tr("Version 2.5"));
    p.setPen(QColor(0xFF, 0xFF, 0xFF, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
