#include "editors/windows/HolidayEditor.h"

#include "calendar_format/OwnSection.h"
#include "document/AppState.h"
#include "document/EntryCaptions.h"
#include "document/RuleText.h"
#include "platform/Dialogs.h"
#include "platform/Translations.h"
#include "platform/widgets/UpDownBar.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const EditorTexts kHolidayTexts{.windowName = "frmHoliday",
                                .addCaption = QT_TRANSLATE_NOOP("EntryEditor", "Add Holiday"),
                                .updateCaption = QT_TRANSLATE_NOOP("EntryEditor", "Update Holiday"),
                                .addTitle = QT_TRANSLATE_NOOP("EntryEditor", "Add Holiday"),
                                .updateTitle = QT_TRANSLATE_NOOP("EntryEditor", "Update Holiday"),
                                .nameLabel = QT_TRANSLATE_NOOP("EntryEditor", "Name:"),
                                .nameLabelObject = "lblName",
                                .nameTemplate = QT_TRANSLATE_NOOP("EntryEditor", "[Event Name]")};

// Fills a pick-only list with the texts and selects the first.
void fillList(QComboBox* list, const QStringList& texts) {
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(texts);
    list->setCurrentIndex(0);
}

// "First" to "Fourth" and "Last", the weeks of a floating holiday.
QStringList weekWords() {
    const DateWords words;
    QStringList weeks;
    for (int week = 0; week < 5; ++week)
        weeks << words.week(week);
    return weeks;
}

// The weekdays from Sunday.
QStringList weekdayNames() {
    QStringList days;
    for (int day = 0; day < 7; ++day)
        days << InterfaceDayName(day);
    return days;
}

} // namespace

frmHoliday::frmHoliday(AppState& app, QWidget* parent)
    : EntryEditor(app, kHolidayTexts, kHolidayYears, parent) {
    vsbYear->setNumber(kHolidayYear);
    vsbYear->hide();
    cmdAdd->setDefault(true);
    buildDateChoice();
    buildMovingChoice();
    layOut();
    optDate[0]->setChecked(true);
    ResetForm();
}

void frmHoliday::buildDateChoice() {
    fraBirthDate = named(new QGroupBox(tr("Date"), this), "fraBirthDate");
    const QString captions[] = {tr("Fixed Date"), tr("Floating Date"), tr("Moving Date")};
    for (int i = 0; i < 3; ++i) {
        optDate[i] = new QRadioButton(captions[i], fraBirthDate);
        optDate[i]->setObjectName(QStringLiteral("optDate%1").arg(i));
        connect(optDate[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked) optDate_Click(i);
        });
        Line1[i] = new QFrame(fraBirthDate);
        Line1[i]->setObjectName(QStringLiteral("Line1%1").arg(i));
        Line1[i]->setFrameShape(QFrame::HLine);
        Line1[i]->setFrameShadow(QFrame::Sunken);
    }
    cboWeek = named(new QComboBox(fraBirthDate), "cboWeek");
    cboDay = named(new QComboBox(fraBirthDate), "cboDay");
    cboDay->setMinimumContentsLength(9); // "Wednesday"
    spnDays = named(new QSpinBox(fraBirthDate), "spnDays");
    spnDays->setRange(1, kLongestSpan);
    spnDays->setPrefix(tr("for ", "a count of days follows: for 3 days"));
    spnDays->setSuffix(DaysSuffix(1));
    connect(spnDays, &QSpinBox::valueChanged, spnDays,
            [this](int days) { spnDays->setSuffix(DaysSuffix(days)); });
    spnDays->setToolTip(tr("How many days the holiday lasts from its date"));
}

void frmHoliday::buildMovingChoice() {
    cboMoving = named(new QComboBox(fraBirthDate), "cboMoving");
    spnOffset = named(new QSpinBox(fraBirthDate), "spnOffset");
    spnOffset->setRange(-kLargestEasterOffset, kLargestEasterOffset);
    spnOffset->setSuffix(DaysSuffix(0));
    connect(spnOffset, &QSpinBox::valueChanged, spnOffset,
            [this](int days) { spnOffset->setSuffix(DaysSuffix(days)); });
    spnOffset->setToolTip(tr("Days after Easter; before it when negative"));
    cboAfterDay = named(new QComboBox(fraBirthDate), "cboAfterDay");
    cboAfterDay->setToolTip(tr("The first of this weekday on or after the day above"));
    cboObserved = named(new QComboBox(fraBirthDate), "cboObserved");
    connect(cboMoving, &QComboBox::currentIndexChanged, this, [this] { enableMovingControls(); });
}

QLayout* frmHoliday::movingRow() {
    auto* rows = new QVBoxLayout;
    rows->setContentsMargins(24, 0, 0, 0);
    rows->addWidget(cboMoving);
    auto* details = new QHBoxLayout;
    details->addWidget(spnOffset);
    details->addWidget(cboAfterDay);
    details->addWidget(cboObserved);
    details->addStretch(1);
    rows->addLayout(details);
    return rows;
}

void frmHoliday::layOut() {
    auto* month = new QHBoxLayout;
    month->addWidget(lblMonth);
    month->addWidget(cboMonth);
    month->addStretch(1);
    auto* day = new QHBoxLayout;
    day->setContentsMargins(24, 0, 0, 0);
    day->addWidget(lblDate);
    day->addLayout(boxWithBar(txtDate, vsbDate));
    day->addWidget(spnDays);
    day->addStretch(1);
    auto* rule = new QHBoxLayout;
    rule->setContentsMargins(24, 0, 0, 0);
    rule->addWidget(cboWeek);
    rule->addWidget(cboDay);
    rule->addStretch(1);
    auto* frame = new QVBoxLayout(fraBirthDate);
    frame->addLayout(month);
    frame->addWidget(Line1[0]);
    frame->addWidget(optDate[0]);
    frame->addLayout(day);
    frame->addWidget(Line1[1]);
    frame->addWidget(optDate[1]);
    frame->addLayout(rule);
    frame->addWidget(Line1[2]);
    frame->addWidget(optDate[2]);
    frame->addLayout(movingRow());
    auto* body = new QVBoxLayout;
    body->addWidget(fraBirthDate);
    layOutWindow(body);
    chainTabOrder({txtName, cboMonth, optDate[0], txtDate, spnDays, optDate[1], cboWeek, cboDay,
                   optDate[2], cboMoving, spnOffset, cboAfterDay, cboObserved, cmdAdd, cmdClose});
}

void frmHoliday::ResetForm() {
    resetMonth();
    fillList(cboWeek, weekWords());
    fillList(cboDay, weekdayNames());
    fillList(cboAfterDay, weekdayNames());
    keptRule_.reset();
    {
        const QSignalBlocker quiet(cboMoving);
        cboMoving->clear();
        cboMoving->addItems({tr("Easter"), tr("Orthodox Easter"), tr("Weekday on or after the day"),
                             tr("The day, observed on a weekday")});
        cboMoving->setCurrentIndex(0);
        cboObserved->clear();
        cboObserved->addItems({tr("On Monday when on a Sunday"),
                               tr("On Monday when on a Saturday or Sunday"),
                               tr("On Friday when on a Saturday, Monday when on a Sunday")});
    }
    spnOffset->setValue(0);
    spnDays->setValue(1);
    resetName();
    resetDay();
    optDate_Click(isFloating() ? (optDate[2]->isChecked() ? 2 : 1) : 0);
}

void frmHoliday::showMovingRule(const HolidayRule& rule) {
    optDate[2]->setChecked(true);
    const std::optional<MovingChoice> choice = MovingChoiceOf(rule);
    if (!choice) {
        keptRule_ = rule;
        const QSignalBlocker quiet(cboMoving);
        cboMoving->clear();
        cboMoving->addItem(tr("As stored: %1").arg(HolidayRuleText(rule, TextLanguage::Interface)));
        enableMovingControls();
        return;
    }
    cboMoving->setCurrentIndex(int(choice->base));
    spnOffset->setValue(choice->offset);
    cboAfterDay->setCurrentIndex(choice->weekday);
    cboObserved->setCurrentIndex(int(choice->observance));
    if (choice->base == MovingBase::WeekdayOnOrAfter || choice->base == MovingBase::ObservedDate) {
        cboMonth->setCurrentIndex(choice->month - 1);
        vsbDate->setNumber(choice->day);
        txtDate->setText(QString::number(choice->day));
    }
    enableMovingControls();
}

MovingChoice frmHoliday::movingChoice() const {
    MovingChoice c;
    c.base = MovingBase(std::max(0, cboMoving->currentIndex()));
    c.offset = spnOffset->value();
    c.weekday = cboAfterDay->currentIndex();
    c.month = monthNumber();
    c.day = vsbDate->number();
    c.observance = Observance(std::max(0, cboObserved->currentIndex()));
    return c;
}

// Easter takes days before or after it; the other moving dates take the month and day above
// and a weekday or where the day is observed.
void frmHoliday::enableMovingControls() {
    const bool moving = optDate[2]->isChecked();
    const bool kept = keptRule_.has_value();
    const auto base = MovingBase(std::max(0, cboMoving->currentIndex()));
    const bool easter = base == MovingBase::WesternEaster || base == MovingBase::OrthodoxEaster;
    cboMoving->setEnabled(moving && !kept);
    spnOffset->setEnabled(moving && !kept && easter);
    cboAfterDay->setEnabled(moving && !kept && base == MovingBase::WeekdayOnOrAfter);
    cboObserved->setEnabled(moving && !kept && base == MovingBase::ObservedDate);
    if (moving) {
        const bool dated = !kept && !easter;
        cboMonth->setEnabled(dated);
        txtDate->setEnabled(dated);
        vsbDate->setEnabled(dated);
    }
}

void frmHoliday::keepToKind(EntryKind kind) {
    const bool floating = kind == EntryKind::FloatingHoliday;
    if (floating != isFloating()) optDate[floating ? 1 : 0]->setChecked(true);
    optDate[0]->setEnabled(!floating);
    optDate[1]->setEnabled(floating);
    optDate[2]->setEnabled(floating);
}

bool frmHoliday::isFloating() const {
    return !optDate[0]->isChecked();
}

// The day belongs to a fixed date, the week and weekday to a floating one, the moving
// controls to a moving one; the controls of the other choices keep their values.
void frmHoliday::optDate_Click(int index) {
    const bool fixed = index == 0;
    cboMonth->setEnabled(index != 2);
    txtDate->setEnabled(fixed);
    vsbDate->setEnabled(fixed);
    spnDays->setEnabled(fixed);
    cboWeek->setEnabled(index == 1);
    cboDay->setEnabled(index == 1);
    enableMovingControls();
}

// A holiday comes back every year, so it cannot fall on February 29. The day is not taken
// without a word: the user is told, and the day starts again from the 1st.
bool frmHoliday::takeDayBeyondYear(int) {
    vsbDate->setNumber(1);
    txtDate->setText(QStringLiteral("1"));
    app_.dialogs.message({LeapDayHolidayText(), QStringLiteral("Daylark"), MessageIcon::Critical,
                          MessageButtons::Ok, Answer::Ok, this});
    // Back into the day box once the box has finished losing the focus (which would take the
    // selection away again), so that the next day typed replaces the 1.
    QTimer::singleShot(0, this, [this] { focusDay(); });
    return false;
}

EntryRecord frmHoliday::record() const {
    if (optDate[2]->isChecked())
        return MovingHolidayRecord(keptRule_ ? *keptRule_ : MovingRuleOf(movingChoice()),
                                   txtName->text());
    if (isFloating())
        return FloatingHolidayRecord(monthNumber(), cboWeek->currentIndex(), cboDay->currentIndex(),
                                     txtName->text());
    return FixedHolidayRecord(monthNumber(), vsbDate->number(), txtName->text(), spnDays->value());
}
