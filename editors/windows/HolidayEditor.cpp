#include "editors/windows/HolidayEditor.h"

#include "document/AppState.h"
#include "document/EntryCaptions.h"
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
    layOut();
    optDate[0]->setChecked(true);
    ResetForm();
}

void frmHoliday::buildDateChoice() {
    fraBirthDate = named(new QGroupBox(tr("Date"), this), "fraBirthDate");
    const QString captions[] = {tr("Fixed Date"), tr("Floating Date")};
    for (int i = 0; i < 2; ++i) {
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
    auto* body = new QVBoxLayout;
    body->addWidget(fraBirthDate);
    layOutWindow(body);
    chainTabOrder(
        {txtName, cboMonth, optDate[0], txtDate, optDate[1], cboWeek, cboDay, cmdAdd, cmdClose});
}

void frmHoliday::ResetForm() {
    resetMonth();
    fillList(cboWeek, weekWords());
    fillList(cboDay, weekdayNames());
    resetName();
    resetDay();
}

void frmHoliday::keepToKind(EntryKind kind) {
    const int chosen = kind == EntryKind::FloatingHoliday ? 1 : 0;
    optDate[chosen]->setChecked(true);
    optDate[1 - chosen]->setEnabled(false);
}

bool frmHoliday::isFloating() const {
    return !optDate[0]->isChecked();
}

// The day belongs to a fixed date, the week and weekday to a floating one; the controls of
// the other choice keep their values.
void frmHoliday::optDate_Click(int index) {
    const bool fixed = index == 0;
    txtDate->setEnabled(fixed);
    vsbDate->setEnabled(fixed);
    cboWeek->setEnabled(!fixed);
    cboDay->setEnabled(!fixed);
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
    if (isFloating())
        return FloatingHolidayRecord(monthNumber(), cboWeek->currentIndex(), cboDay->currentIndex(),
                                     txtName->text());
    return FixedHolidayRecord(monthNumber(), vsbDate->number(), txtName->text());
}
