#include "shell/MainWindow.h"

#include "settings/WindowPlaces.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QStatusBar>
#include <QWindow>

// What the main window keeps from one run to the next and tells in its status bar: its own
// place and the calendar view's, stored when the window closes and taken again when it is
// made (and when the view opens).

namespace {

const QString kMainWindow = QStringLiteral("MainWindow");
const QString kCalendarView = QStringLiteral("CalendarView");

// A report stays long enough to be read, and goes before it could be taken for news about
// later work.
constexpr int kStatusMilliseconds = 15000;

QList<QRect> screenAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas << screen->geometry();
    return areas;
}

} // namespace

void frmMain::restoreMainPlace() {
    if (const auto place = StoredWindowPlace(app_.store, kMainWindow, screenAreas()))
        restoreGeometry(*place);
}

// Inside the document area the frame is put back by its rectangle: restoreGeometry would
// place it by the rules for windows on a screen, which keep a title bar's height clear of
// the top and so move a view left in the area's corner.
void frmMain::restoreCalendarViewPlace() {
    if (!calendarFrame_) return;
    const auto place = StoredWindowPlace(app_.store, kCalendarView, {mdiArea_->rect()});
    if (const std::optional<QRect> frame = place ? SavedFrame(*place) : std::nullopt)
        calendarFrame_->setGeometry(*frame);
}

void frmMain::storeCalendarViewPlace() {
    if (calendarFrame_) StoreWindowPlace(app_.store, kCalendarView, calendarFrame_->saveGeometry());
}

// A window never shown (a run that stayed in the tray) has no place of its own to keep; the
// one stored before stays.
void frmMain::storePlaces() {
    if (windowHandle()) StoreWindowPlace(app_.store, kMainWindow, saveGeometry());
    storeCalendarViewPlace();
}

void frmMain::showStatus(const QString& text) {
    statusBar()->showMessage(text, kStatusMilliseconds);
}
