#include "drawing/windows/CalendarView.h"
#include "drawing/PageLocale.h"
#include "drawing/ViewText.h"
#include "drawing/windows/DayLabels.h"

#include "document/AppState.h"
#include "editors/windows/DateControls.h"
#include "platform/Clock.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QShortcut>
#include <QToolButton>

namespace {

namespace design = MonthViewDesign;

// The month steps sit in the top row, after the year: previous, next, and today's month.
constexpr QRect kPrevMonth{170, 7, 23, 21};
constexpr QRect kNextMonth{195, 7, 23, 21};
constexpr QRect kToday{224, 7, 56, 21};

} // namespace

frmCalendar::frmCalendar(AppState& app, QWidget* parent) : QWidget(parent), app_(app) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Daylark -- ") + UntitledTitle());
    setMinimumSize(design::ClientSize);
    resize(design::ClientSize);
    setAutoFillBackground(true);
    setFont(dayBoxFont());
    buildMonthAndYear();
    buildDayLabels();
    buildMonthSteps();
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &frmCalendar::cboMonth_Click);
}

frmCalendar::~frmCalendar() {
    // Destroyed without a close (its owner went first): the view is gone all the same. A view
    // closed before leaves the flag alone, which may already belong to its successor.
    if (loaded_) app_.CalendarViewOpen = false;
}

void frmCalendar::buildMonthAndYear() {
    cboMonth = new QComboBox(this);
    cboMonth->setObjectName(QStringLiteral("cboMonth"));
    cboMonth->setFont(controlFont(true));
    cboMonth->setGeometry(design::cboMonth);
    cboMonth->setMaxVisibleItems(12);

    lblYear = new QLabel(QStringLiteral("####"), this);
    lblYear->setObjectName(QStringLiteral("lblYear"));
    lblYear->setFont(controlFont(true));
    lblYear->setGeometry(design::lblYear);
}

void frmCalendar::buildDayLabels() {
    lblDay = MakeDayLabels(this, design::lblDay0, design::lblDayStep);
}

void frmCalendar::buildMonthSteps() {
    auto step = [this](const char* name, const QRect& place, const QString& tip) {
        auto* button = new QToolButton(this);
        button->setObjectName(QLatin1String(name));
        button->setFont(controlFont(false));
        button->setGeometry(place);
        button->setToolTip(tip);
        button->setFocusPolicy(Qt::TabFocus);
        return button;
    };
    cmdPrevMonth = step("cmdPrevMonth", kPrevMonth, tr("Previous month (Page Up)"));
    cmdPrevMonth->setArrowType(Qt::LeftArrow);
    cmdNextMonth = step("cmdNextMonth", kNextMonth, tr("Next month (Page Down)"));
    cmdNextMonth->setArrowType(Qt::RightArrow);
    cmdToday = step("cmdToday", kToday, tr("This month"));
    cmdToday->setText(tr("Today"));
    connect(cmdPrevMonth, &QToolButton::clicked, this, [this] { stepMonth(-1); });
    connect(cmdNextMonth, &QToolButton::clicked, this, [this] { stepMonth(1); });
    connect(cmdToday, &QToolButton::clicked, this, &frmCalendar::showToday);
    // Also while the month list has the focus, which would otherwise take these keys to
    // move within the year only.
    for (const auto& [key, delta] : {std::pair{Qt::Key_PageUp, -1}, std::pair{Qt::Key_PageDown, 1}})
        connect(new QShortcut(QKeySequence(key), this, nullptr, nullptr,
                              Qt::WidgetWithChildrenShortcut),
                &QShortcut::activated, this, [this, delta = delta] { stepMonth(delta); });
}

// The weekday names stand above their columns, in a font that grows with the boxes.
void frmCalendar::placeDayLabels() {
    QFont font = controlFont(false);
    font.setPointSizeF(kControlPoints * geometry_.scale);
    for (int i = 0; i < kGridColumns; ++i) {
        lblDay[i]->setFont(font);
        lblDay[i]->setGeometry(geometry_.dayLabel0.translated(i * geometry_.dayLabelStep, 0));
    }
}

void frmCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    geometry_ = MonthViewLayout(size(), isTrue(app_.Layout.WeekNumbers));
    placeDayLabels();
    if (loaded_) RedrawCalendarView();
}

// The names of the weekdays and months and the room for week numbers follow the layout's
// language and week, which the layout dialog may have changed since the last drawing.
void frmCalendar::followPageLocale() {
    const PageLocale locale = PageLocale::of(app_.Layout);
    for (int i = 0; i < kGridColumns; ++i)
        lblDay[i]->setText(locale.dayName(locale.weekdayOfColumn(i)));
    for (int i = 0; i < cboMonth->count(); ++i)
        cboMonth->setItemText(i, locale.monthName(i + 1));
    geometry_ = MonthViewLayout(size(), locale.weekNumbers());
    placeDayLabels();
}

void frmCalendar::Form_Load() {
    loaded_ = true;
    app_.CalendarViewOpen = true;
    lblYear->setText(QString::number(app_.DisplayYear));
    FillMonthList(cboMonth); // selects January, which draws it
    show();
}

void frmCalendar::Form_Unload() {
    if (!loaded_) return;
    loaded_ = false;
    app_.CalendarViewOpen = false;
    emit unloaded();
}

void frmCalendar::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmCalendar::cboMonth_Click(int position) {
    if (position != -1) RedrawCalendarView();
}

void frmCalendar::ShowDisplayYear() {
    lblYear->setText(QString::number(app_.DisplayYear));
    RedrawCalendarView();
}

void frmCalendar::stepMonth(int delta) {
    const std::optional<ShownMonth> to =
        StepMonth({app_.DisplayYear, cboMonth->currentIndex() + 1}, delta);
    if (to) showMonth(*to);
}

void frmCalendar::showToday() {
    const QDate today = app_.clock.today();
    showMonth(MonthOfDate(today.year(), today.month()));
}

void frmCalendar::showMonth(ShownMonth shown) {
    {
        const QSignalBlocker quiet(cboMonth); // drawn once, below
        cboMonth->setCurrentIndex(shown.month - 1);
    }
    if (shown.year == app_.DisplayYear) {
        RedrawCalendarView();
        return;
    }
    emit displayYearRequested(shown.year);
    // Without a setup window to keep the display year, the view keeps it itself.
    if (app_.DisplayYear != shown.year) {
        app_.DisplayYear = shown.year;
        ShowDisplayYear();
    }
}

void frmCalendar::updateMonthSteps() {
    const ShownMonth shown{app_.DisplayYear, cboMonth->currentIndex() + 1};
    cmdPrevMonth->setEnabled(StepMonth(shown, -1).has_value());
    cmdNextMonth->setEnabled(StepMonth(shown, 1).has_value());
}

void frmCalendar::ShowCaption() {
    setWindowTitle(CalendarCaption(app_.Document));
}

MonthViewInput frmCalendar::drawingInput() const {
    MonthViewColors colors;
    colors.emptyBox = palette().color(QPalette::Disabled, QPalette::WindowText);
    const SurfaceFont boxFont{font().family(), font().pointSizeF() * geometry_.scale};
    return {app_.Document, app_.Layout, app_.DisplayYear, boxFont, colors, geometry_.boxes};
}

void frmCalendar::RedrawCalendarView() {
    ShowCaption();
    const int month = cboMonth->currentIndex() + 1;
    if (month < 1) return; // the month list is filled at load
    followPageLocale();
    // Drawn at the screen's resolution, so that text stays sharp on high-density screens.
    const qreal ratio = devicePixelRatioF();
    QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        PainterSurface surface(painter, 1);
        DrawMonthView(surface, app_.dialogs, drawingInput(), month, cellLineY_);
    }
    picture_ = std::move(image);
    updateMonthSteps();
    update();
}

void frmCalendar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
    // The design's lines and box borders lie above the drawing.
    painter.setPen(design::LineGrey);
    painter.drawLine(design::LineLeft, design::Line1Y, geometry_.lineRight, design::Line1Y);
    painter.setPen(Qt::white);
    painter.drawLine(design::LineLeft, design::Line2Y, geometry_.lineRight, design::Line2Y);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    for (int cell = 0; cell < kGridCells; ++cell)
        painter.drawRect(geometry_.boxes.fillArea(cell));
}
