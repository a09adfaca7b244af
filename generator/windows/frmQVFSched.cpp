#include "generator/windows/frmQVFSched.h"

#include "generator/EventName.h"
#include "generator/Frequency.h"
#include "generator/Messages.h"
#include "generator/ScheduleDates.h"
#include "generator/SchedulerIcon.h"
#include "generator/windows/SpinButton.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/TypedNumber.h"
#include "platform/widgets/FocusHelpers.h"
#include "platform/widgets/NamedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <QValidator>

namespace qvfsch {

namespace {

// The name box's rule: a control character typed or pasted (a line break or tab from a
// pasted text) becomes a space as it comes in, so every name the box holds can be saved.
class EventNameValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        if (FirstControlCharacter(input) >= 0) input = WithoutControlCharacters(input);
        return Acceptable;
    }
};

// The text box beside a spinner: it shows the spinner's value, and a number may be typed
// into it instead of stepping there (see takeTypedValue).
QLineEdit* valueBox(QWidget* parent, const QString& name, const QString& text, int chars) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(chars, u'0')) + 16);
    return box;
}

// A number typed into the box becomes the spinner's value when the spinner can hold it;
// anything else leaves the spinner as it was. The box then shows the spinner's value again.
void takeTypedValue(QLineEdit* box, SpinButton* spinner) {
    if (const auto value = TakeTypedNumber(box->text(), spinner->minimum(), spinner->maximum()))
        spinner->setValue(*value);
    box->setText(QString::number(spinner->value()));
}

// Keeps a spinner's text box showing its value, and takes what is typed into the box when
// the user leaves it.
void showValueIn(SpinButton* spinner, QLineEdit* box) {
    QObject::connect(spinner, &SpinButton::valueChanged, box,
                     [box](int value) { box->setText(QString::number(value)); });
    QObject::connect(SelectAllOnFocus(box), &FocusWatcher::lostFocus, spinner,
                     [box, spinner] { takeTypedValue(box, spinner); });
}

QHBoxLayout* spinnerPair(QLineEdit* box, SpinButton* spinner) {
    auto* pair = new QHBoxLayout;
    pair->setSpacing(1);
    pair->addWidget(box);
    pair->addWidget(spinner);
    return pair;
}

} // namespace

CalendarDay frmQVFSched::DateGroup::value() const {
    return {year->value(), month->currentIndex() + 1, day->value()};
}

frmQVFSched::frmQVFSched(const Clock& clock, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), clock_(clock), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmQVFSched"));
    setWindowTitle(WindowCaption());
    setWindowIcon(schedulerIcon());
    buildWindow();
    connectControls();
    Form_Load();
}

frmQVFSched::DateGroup frmQVFSched::startGroup() const {
    return {cboMonthStart, vsbDateStart, txtDateStart, vsbYearStart, txtYearStart};
}

frmQVFSched::DateGroup frmQVFSched::endGroup() const {
    return {cboMonthEnd, vsbDateEnd, txtDateEnd, vsbYearEnd, txtYearEnd};
}

void frmQVFSched::buildWindow() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildTitle());
    pages_ = new QStackedWidget(this);
    pages_->addWidget(buildDatePage());
    pages_->addWidget(buildFrequencyPage());
    pages_->addWidget(buildNamePage());
    layout->addWidget(pages_, 1);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    layout->addWidget(rule);
    layout->addWidget(buildButtons());
    setFixedSize(sizeHint().expandedTo({460, 300}));
}

QWidget* frmQVFSched::buildTitle() {
    picTitle = named(new QWidget(this), QStringLiteral("picTitle"));
    picTitle->setAutoFillBackground(true);
    QPalette palette = picTitle->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base));
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Text));
    picTitle->setPalette(palette);
    lblTitle =
        named(new QLabel(QStringLiteral("Title text"), picTitle), QStringLiteral("lblTitle"));
    QFont bold = lblTitle->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.15);
    lblTitle->setFont(bold);
    auto* layout = new QHBoxLayout(picTitle);
    layout->setContentsMargins(16, 14, 16, 14);
    layout->addWidget(lblTitle);
    return picTitle;
}

QWidget* frmQVFSched::buildDatePage() {
    picDateSpan = named(new QWidget(this), QStringLiteral("picDateSpan"));
    auto* grid = new QGridLayout(picDateSpan);
    grid->setContentsMargins(24, 24, 24, 24);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(14);
    lblDateStart =
        named(new QLabel(tr("Starting Date:"), picDateSpan), QStringLiteral("lblDateStart"));
    lblDateEnd = named(new QLabel(tr("Ending Date:"), picDateSpan), QStringLiteral("lblDateEnd"));
    grid->addWidget(lblDateStart, 0, 0);
    grid->addWidget(lblDateEnd, 1, 0);
    const DateGroup start = buildDateRow(grid, 0, QStringLiteral("Start"));
    cboMonthStart = start.month;
    vsbDateStart = start.day;
    txtDateStart = start.dayText;
    vsbYearStart = start.year;
    txtYearStart = start.yearText;
    const DateGroup end = buildDateRow(grid, 1, QStringLiteral("End"));
    cboMonthEnd = end.month;
    vsbDateEnd = end.day;
    txtDateEnd = end.dayText;
    vsbYearEnd = end.year;
    txtYearEnd = end.yearText;
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(2, 1);
    return picDateSpan;
}

frmQVFSched::DateGroup frmQVFSched::buildDateRow(QGridLayout* grid, int row,
                                                 const QString& suffix) {
    DateGroup group;
    group.month = named(new QComboBox(picDateSpan), QStringLiteral("cboMonth") + suffix);
    group.month->setMinimumContentsLength(10);
    group.dayText =
        valueBox(picDateSpan, QStringLiteral("txtDate") + suffix, QStringLiteral("#"), 2);
    group.day = named(new SpinButton(picDateSpan), QStringLiteral("vsbDate") + suffix);
    group.day->setRange(1, 31);
    group.yearText =
        valueBox(picDateSpan, QStringLiteral("txtYear") + suffix, QStringLiteral("####"), 4);
    group.year = named(new SpinButton(picDateSpan), QStringLiteral("vsbYear") + suffix);
    group.year->setRange(kFirstYear, kLastYear);
    grid->addWidget(group.month, row, 1);
    grid->addLayout(spinnerPair(group.dayText, group.day), row, 2);
    grid->addLayout(spinnerPair(group.yearText, group.year), row, 3);
    return group;
}

QWidget* frmQVFSched::buildFrequencyPage() {
    picFreq = named(new QWidget(this), QStringLiteral("picFreq"));
    optDays[0] = named(new QRadioButton(tr("Daily"), picFreq), QStringLiteral("optDays(0)"));
    optDays[1] = named(new QRadioButton(tr("Weekly"), picFreq), QStringLiteral("optDays(1)"));
    optDays[0]->setChecked(true);
    auto* choices = new QVBoxLayout;
    choices->setSpacing(10);
    choices->addWidget(optDays[0]);
    choices->addWidget(optDays[1]);
    choices->addStretch();
    auto* detail = new QGridLayout; // the daily and weekly panels share one place
    detail->addWidget(buildDailyPanel(), 0, 0, Qt::AlignTop | Qt::AlignLeft);
    detail->addWidget(buildWeeklyPanel(), 0, 0, Qt::AlignTop | Qt::AlignLeft);
    auto* rule = new QFrame(picFreq);
    rule->setFrameShape(QFrame::VLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(picFreq);
    layout->setContentsMargins(24, 20, 24, 20);
    layout->setSpacing(18);
    layout->addLayout(choices);
    layout->addWidget(rule);
    layout->addLayout(detail, 1);
    return picFreq;
}

QWidget* frmQVFSched::buildDailyPanel() {
    picDaily = named(new QWidget(picFreq), QStringLiteral("picDaily"));
    lblDaily1 = named(new QLabel(tr("Every"), picDaily), QStringLiteral("lblDaily1"));
    txtDaily = valueBox(picDaily, QStringLiteral("txtDaily"), QStringLiteral("1"), 2);
    vsbDaily = named(new SpinButton(picDaily), QStringLiteral("vsbDaily"));
    vsbDaily->setRange(kMinStep, kMaxStep);
    lblDaily2 = named(new QLabel(tr("day(s)"), picDaily), QStringLiteral("lblDaily2"));
    auto* layout = new QHBoxLayout(picDaily);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(lblDaily1);
    layout->addLayout(spinnerPair(txtDaily, vsbDaily));
    layout->addWidget(lblDaily2);
    layout->addStretch();
    return picDaily;
}

QWidget* frmQVFSched::buildWeeklyPanel() {
    picWeekly = named(new QWidget(picFreq), QStringLiteral("picWeekly"));
    auto* grid = new QGridLayout(picWeekly);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(18);
    grid->setVerticalSpacing(6);
    for (int day = 0; day < 7; ++day) {
        chkWeekly[day] = named(new QCheckBox(WeekdayName(day), picWeekly),
                               QStringLiteral("chkWeekly(%1)").arg(day));
        grid->addWidget(chkWeekly[day], day % 4, day / 4);
    }
    picWeekly->hide();
    return picWeekly;
}

QWidget* frmQVFSched::buildNamePage() {
    picEventName = named(new QWidget(this), QStringLiteral("picEventName"));
    lblEventName =
        named(new QLabel(tr("Event Name:"), picEventName), QStringLiteral("lblEventName"));
    txtEventName = named(new QLineEdit(picEventName), QStringLiteral("txtEventName"));
    txtEventName->setValidator(new EventNameValidator(txtEventName));
    lblEventName->setBuddy(txtEventName);
    auto* layout = new QVBoxLayout(picEventName);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(6);
    layout->addWidget(lblEventName);
    layout->addWidget(txtEventName);
    layout->addStretch();
    return picEventName;
}

QWidget* frmQVFSched::buildButtons() {
    auto* bar = new QWidget(this);
    cmdBack = named(new QPushButton(tr("< Back"), bar), QStringLiteral("cmdBack"));
    cmdNext = named(new QPushButton(tr("Next >"), bar), QStringLiteral("cmdNext"));
    cmdBack->setEnabled(false);
    cmdNext->setDefault(true);
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(12, 10, 12, 12);
    layout->addStretch();
    layout->addWidget(cmdBack);
    layout->addWidget(cmdNext);
    return bar;
}

void frmQVFSched::connectControls() {
    connectDateGroup(startGroup());
    connectDateGroup(endGroup());
    showValueIn(vsbDaily, txtDaily);
    for (int index = 0; index < 2; ++index)
        connect(optDays[index], &QRadioButton::toggled, this, [this, index](bool checked) {
            if (checked) optDays_Click(index);
        });
    connect(txtEventName, &QLineEdit::textChanged, this, &frmQVFSched::txtEventName_Change);
    connect(cmdNext, &QPushButton::clicked, this, &frmQVFSched::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmQVFSched::cmdBack_Click);
}

void frmQVFSched::connectDateGroup(const DateGroup& group) {
    showValueIn(group.day, group.dayText);
    showValueIn(group.year, group.yearText);
    connect(group.month, &QComboBox::currentIndexChanged, this,
            [this, group] { monthChanged(group); });
    connect(group.year, &SpinButton::valueChanged, this, [this, group] { yearChanged(group); });
}

// Enter presses Next without leaving the box the user typed into: what it holds is taken
// first, the year before the day (the year may change February's length).
void frmQVFSched::takeTypedValues() {
    for (const DateGroup& group : {startGroup(), endGroup()}) {
        takeTypedValue(group.yearText, group.year);
        takeTypedValue(group.dayText, group.day);
    }
    takeTypedValue(txtDaily, vsbDaily);
}

// Enter anywhere in the window presses the default button, as in a dialog.
void frmQVFSched::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        if (cmdNext->isEnabled()) cmdNext->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

// The window's start: both dates begin as today, and page 1 shows.
void frmQVFSched::Form_Load() {
    const QDate today = clock_.today();
    loadDateGroup(startGroup(), today);
    loadDateGroup(endGroup(), today);
    lblTitle->setText(DateSpanHeading());
}

void frmQVFSched::loadDateGroup(const DateGroup& group, const QDate& today) {
    {
        const QSignalBlocker blocker(group.month);
        for (int month = 1; month <= 12; ++month)
            group.month->addItem(MonthName(month));
        group.month->setCurrentIndex(today.month() - 1);
    }
    monthChanged(group);
    // A date outside the years offered starts at the nearest year that is.
    group.year->setValue(std::clamp(today.year(), kFirstYear, kLastYear));
    group.yearText->setText(QString::number(group.year->value()));
    yearChanged(group);
    group.day->setValue(today.day());
    group.dayText->setText(QString::number(group.day->value()));
}

// The day spinner's upper end follows the month and year; a day past it drops to it.
void frmQVFSched::monthChanged(const DateGroup& group) {
    group.day->setMaximum(DaysInMonth(group.month->currentIndex() + 1, group.year->value()));
}

void frmQVFSched::yearChanged(const DateGroup& group) {
    if (group.month->currentIndex() + 1 == 2) monthChanged(group);
}

void frmQVFSched::optDays_Click(int index) {
    const bool weekly = index == 1;
    picDaily->setVisible(!weekly);
    picWeekly->setVisible(weekly);
    if (weekly) {
        for (QCheckBox* box : chkWeekly)
            box->setChecked(false);
    } else {
        vsbDaily->setValue(1);
    }
}

void frmQVFSched::txtEventName_Change() {
    cmdNext->setEnabled(!txtEventName->text().isEmpty());
}

frmQVFSched::Page frmQVFSched::page() const {
    return static_cast<Page>(pages_->currentIndex());
}

QString frmQVFSched::frequencySpec() const {
    if (optDays[0]->isChecked()) return DailySpec(vsbDaily->value());
    WeekdaySet days{};
    for (int day = 0; day < 7; ++day)
        days[day] = chkWeekly[day]->isChecked();
    return WeeklySpec(days);
}

ScheduleRequest frmQVFSched::request() const {
    return {startGroup().value(), endGroup().value(), frequencySpec(), txtEventName->text()};
}

void frmQVFSched::showPage(Page page, const QString& heading) {
    pages_->setCurrentIndex(static_cast<int>(page));
    lblTitle->setText(heading);
}

void frmQVFSched::cmdNext_Click() {
    takeTypedValues();
    switch (page()) {
    case Page::DateSpan:
        nextFromDateSpan();
        break;
    case Page::Frequency:
        nextFromFrequency();
        break;
    case Page::EventName:
        finish();
        break;
    }
}

void frmQVFSched::cmdBack_Click() {
    switch (page()) {
    case Page::DateSpan:
        break;
    case Page::Frequency:
        showPage(Page::DateSpan, DateSpanHeading());
        cmdBack->setEnabled(false);
        break;
    case Page::EventName:
        showPage(Page::Frequency, FrequencyHeading());
        cmdNext->setText(tr("Next >"));
        cmdNext->setEnabled(true);
        break;
    }
}

void frmQVFSched::nextFromDateSpan() {
    if (!request().spanIsValid()) {
        dialogs_.message({InvalidSpanText(), SpanMessageTitle(), MessageIcon::Critical,
                          MessageButtons::Ok, Answer::Ok, this});
        return;
    }
    showPage(Page::Frequency, FrequencyHeading());
    cmdBack->setEnabled(true);
}

void frmQVFSched::nextFromFrequency() {
    if (MissingWeekday(frequencySpec())) {
        dialogs_.message({NoWeekdayText(), MessageTitle(), MessageIcon::Critical,
                          MessageButtons::Ok, Answer::Ok, this});
        return;
    }
    showPage(Page::EventName, NameHeading());
    cmdNext->setEnabled(!txtEventName->text().isEmpty());
    cmdNext->setText(tr("Finish"));
    txtEventName->setFocus();
}

// Generates the entries and hands them on; with none, says so and closes, which ends the
// program (this is its only window).
void frmQVFSched::finish() {
    const ScheduleRequest r = request();
    GenerationResult result{GenerateEvents(r.spanStart(), r.spanEnd(), r.frequencySpec, r.name),
                            r.name, SummaryText(r)};
    if (result.events.empty()) {
        dialogs_.message({NoDataText(), MessageTitle(), MessageIcon::Information,
                          MessageButtons::Ok, Answer::Ok, this});
        close();
        return;
    }
    emit finished(result);
}

} // namespace qvfsch
