#include "desktop/windows/WeekWindow.h"

#include "desktop/AppIcon.h"
#include "document/AppState.h"
#include "document/FileCommands.h"
#include "drawing/ViewText.h"
#include "drawing/WeekList.h"
#include "drawing/windows/DayLabels.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/widgets/NamedControl.h"
#include "platform/widgets/ScreenPlace.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>

namespace design = WeekViewDesign;

frmDispWeek::frmDispWeek(AppState& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("frmDispWeek"));
    setWindowTitle(QStringLiteral("Daylark"));
    setWindowIcon(appIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(dayBoxFont());
    buildHeading();
    buildEvents();
    setFixedSize(design::clientSize(kMaxWeeksShown));
}

frmDispWeek::~frmDispWeek() {
    Form_Unload(); // destroyed while open (the program ends): the calendar is given back too
}

void frmDispWeek::buildHeading() {
    lblWeek = named(new QLabel(QStringLiteral("Weeks Starting January 1, 1998 "), this), "lblWeek");
    lblWeek->setFont(controlFont(true));
    lblWeek->setGeometry(design::lblWeek);
    lblDay = MakeDayLabels(this, design::lblDay0, design::lblDayStep);
}

void frmDispWeek::buildEvents() {
    picEvents = named(new QWidget(this), "picEvents");
    lblEvents = named(new QLabel(tr("Upcoming Events "), picEvents), "lblEvents");
    lblEvents->setFont(controlFont(true));
    lblEvents->setGeometry(design::lblEvents);
    lstEvents = named(new QListWidget(picEvents), "lstEvents");
    lstEvents->setFont(controlFont(false));
    lstEvents->setGeometry(design::lstEvents);
    picEvents->setGeometry(0, design::eventsTop(kMaxWeeksShown), design::ClientWidth,
                           design::EventsHeight);
}

bool frmDispWeek::Form_Load() {
    app_.DesktopWeekShown = true;
    const QString path = app_.Tray.FileName;
    if (path.isEmpty()) {
        if (askForFile()) emit settingsRequested();
        app_.DesktopWeekShown = false;
        return false;
    }
    if (ReadCalendarFile(app_, path).failed()) {
        // The reader has told the user why. Nothing of the file may stay behind: a calendar
        // begun later must not take its name and be saved over it.
        app_.DesktopWeekShown = false;
        app_.Document.resetToUntitled();
        app_.Document.ClearModified();
        return false;
    }
    loaded_ = true;
    emit documentHeld(true);
    FillWeekWindow();
    placeOnScreen();
    show();
    return true;
}

bool frmDispWeek::askForFile() {
    const MessageRequest request{
        tr("No Vemora File has been selected.\n\nClick \"OK\" to view the Desktop Calendar "
           "options."),
        QStringLiteral("Daylark"),
        MessageIcon::Information,
        MessageButtons::OkCancel,
        Answer::Ok,
        nullptr};
    return app_.dialogs.message(request) == Answer::Ok;
}

void frmDispWeek::FillWeekWindow() {
    const QDate today = app_.clock.today();
    app_.DisplayYear = today.year(); // the year the week window's ages count from
    const WeekList list =
        MakeWeekList(app_.Document, app_.Layout, today, app_.Tray.NumWeeks, app_.Tray.ListMonths);
    setWindowTitle(list.grid.caption);
    lblWeek->setText(list.grid.heading);
    for (int i = 0; i < 7; ++i)
        lblDay[i]->setText(list.grid.dayNames[i]);
    weeks_ = std::max(1, static_cast<int>(list.grid.days.size()) / 7);

    const QSize size = design::clientSize(weeks_);
    const qreal ratio = devicePixelRatioF(); // sharp text on high-density screens
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, 1);
        const SurfaceFont boxFont{font().family(), font().pointSizeF()};
        DrawWeekView(surface, app_.dialogs, list.grid, boxFont, cellLineY_);
    }
    picture_ = std::move(image);

    lstEvents->clear();
    for (const UpcomingEvent& event : list.upcoming)
        lstEvents->addItem(event.line);
    picEvents->move(0, design::eventsTop(weeks_));
    setFixedSize(size);
    update();
}

void frmDispWeek::placeOnScreen() {
    CenterOnScreen(*this);
}

void frmDispWeek::Form_Unload() {
    if (!loaded_) return;
    loaded_ = false;
    app_.DesktopWeekShown = false;
    app_.Document.resetToUntitled();
    app_.Document.ClearModified();
    emit documentHeld(false);
}

void frmDispWeek::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmDispWeek::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
    const int eventsTop = design::eventsTop(weeks_);
    for (const int y : {design::Line1Y, eventsTop - 3}) {
        painter.setPen(design::LineGrey);
        painter.drawLine(design::LineLeft, y, design::LineRight, y);
        painter.setPen(Qt::white);
        painter.drawLine(design::LineLeft, y + 1, design::LineRight, y + 1);
    }
    // The box borders lie above the drawing.
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    for (int cell = 0; cell < weeks_ * 7; ++cell)
        painter.drawRect(shaDate.fillArea(cell));
}
