#include "editors/windows/EntryEditor.h"

#include "document/AppState.h"
#include "document/windows/SetupWindow.h"
#include "editors/windows/DateControls.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/TypedNumber.h"
#include "platform/widgets/FocusHelpers.h"
#include "platform/widgets/UpDownBar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Wide enough for the longest number the box takes, and a little air.
void fitToDigits(QLineEdit* box, int digits) {
    box->setMaxLength(digits);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(u'0') * (digits + 1) + 14);
}

// A bar as tall as the box it belongs to. A click on it takes the focus, so that a number
// typed into the box is checked before the arrow moves it.
void fitBarTo(UpDownBar* bar, const QLineEdit* box) {
    bar->setFixedHeight(box->sizeHint().height());
    bar->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

EntryEditor::EntryEditor(AppState& app, const EditorTexts& texts, YearRange years, QWidget* parent)
    : QDialog(parent), app_(app), texts_(texts), years_(years) {
    setObjectName(QLatin1String(texts.windowName));
    setWindowTitle(tr(texts.addCaption));
    setModal(true);
    buildNameAndDay();
    buildButtons();
    connectControls();
}

void EntryEditor::buildNameAndDay() {
    lblName = named(new QLabel(tr(texts_.nameLabel), this), texts_.nameLabelObject);
    txtName = named(new QLineEdit(this), "txtName");
    txtName->setMinimumWidth(300);
    lblName->setBuddy(txtName);
    lblMonth = named(new QLabel(tr("Month:"), this), "lblMonth");
    cboMonth = named(new QComboBox(this), "cboMonth");
    cboMonth->setMinimumContentsLength(9); // "September"
    lblDate = named(new QLabel(tr("Day:"), this), "lblDate");
    txtDate = named(new QLineEdit(this), "txtDate");
    fitToDigits(txtDate, 2);
    vsbDate = named(new UpDownBar(this), "vsbDate");
    fitBarTo(vsbDate, txtDate);
    vsbDate->setNumberRange(1, 31);
    vsbYear = named(new UpDownBar(this), "vsbYear");
    vsbYear->setNumberRange(years_.lowest, years_.highest);
    vsbYear->setNumber(years_.lowest);
}

void EntryEditor::buildButtons() {
    cmdAdd = named(new QPushButton(AddCaption(), this), "cmdAdd");
    cmdClose = named(new QPushButton(tr("Close"), this), "cmdClose");
    cmdAdd->setEnabled(false);
    cmdClose->setAutoDefault(false);
}

void EntryEditor::connectControls() {
    connect(txtName, &QLineEdit::textChanged, this, &EntryEditor::txtName_Change);
    SelectAllOnFocus(txtName);
    connect(cboMonth, &QComboBox::currentIndexChanged, this, &EntryEditor::cboMonth_Click);
    connect(vsbDate, &UpDownBar::numberChanged, this, &EntryEditor::vsbDate_Change);
    connect(SelectAllOnFocus(txtDate), &FocusWatcher::lostFocus, this,
            &EntryEditor::txtDate_LostFocus);
    connect(cmdAdd, &QPushButton::clicked, this, &EntryEditor::cmdAdd_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
}

void EntryEditor::setUpdating() {
    setWindowTitle(tr(texts_.updateCaption));
    cmdAdd->setText(UpdateCaption());
    cmdClose->setText(tr("Cancel"));
}

void EntryEditor::setEntryList(frmSetup* setup) {
    entryList_ = setup;
}

EditorMode EntryEditor::mode() const {
    return ModeOfCaption(cmdAdd->text());
}

QString EntryEditor::displayText() const {
    return txtName->text();
}

void EntryEditor::resetMonth() {
    FillMonthList(cboMonth);
}

void EntryEditor::resetName() {
    txtName->setText(tr(texts_.nameTemplate));
}

void EntryEditor::resetDay() {
    vsbDate->setNumber(1);
    txtDate->setText(QStringLiteral("1"));
}

int EntryEditor::monthNumber() const {
    return cboMonth->currentIndex() + 1;
}

int EntryEditor::currentYear() const {
    return years_.clamp(app_.clock.today().year());
}

QHBoxLayout* EntryEditor::boxWithBar(QLineEdit* box, UpDownBar* bar) const {
    auto* row = new QHBoxLayout;
    row->setSpacing(1);
    row->addWidget(box);
    row->addWidget(bar);
    return row;
}

QHBoxLayout* EntryEditor::buttonRow() const {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(cmdAdd);
    row->addWidget(cmdClose);
    return row;
}

void EntryEditor::layOutWindow(QLayout* body) {
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(lblName);
    nameRow->addWidget(txtName, 1);
    auto* all = new QVBoxLayout(this);
    all->setSizeConstraint(QLayout::SetFixedSize);
    all->setSpacing(10);
    all->addLayout(nameRow);
    all->addLayout(body);
    all->addLayout(buttonRow());
}

void EntryEditor::chainTabOrder(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
}

void EntryEditor::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    focusName();
}

void EntryEditor::focusName() {
    txtName->setFocus(Qt::OtherFocusReason);
    SelectAllText(txtName);
}

// Add is possible only with a name that is neither empty nor the template.
void EntryEditor::txtName_Change() {
    const QString& name = txtName->text();
    cmdAdd->setEnabled(!name.isEmpty() && name != tr(texts_.nameTemplate));
    nameChanged();
}

void EntryEditor::focusDay() {
    txtDate->setFocus(Qt::OtherFocusReason);
    SelectAllText(txtDate);
}

// A new month takes the days it has in the year shown; a day kept for another month goes.
void EntryEditor::cboMonth_Click() {
    keptDay_.reset();
    SetDayRange(cboMonth, vsbDate, vsbYear);
}

void EntryEditor::applyDayRange() {
    if (!keptDay_) {
        SetDayRange(cboMonth, vsbDate, vsbYear);
        return;
    }
    const int days = DaysInMonth(monthNumber(), vsbYear->number());
    vsbDate->setNumberRange(1, std::max(days, *keptDay_));
}

// The box follows the bar. A day moved away from a kept day is an ordinary day again.
void EntryEditor::vsbDate_Change(int day) {
    if (keptDay_ && day != *keptDay_) keptDay_.reset();
    txtDate->setText(QString::number(day));
}

// A day that no year of the month has becomes the 1st. When the day stays the same the text
// stays as typed ("05" over a 5).
bool EntryEditor::txtDate_LostFocus() {
    const std::optional<int> day =
        TakeTypedNumber(txtDate->text(), vsbDate->lowest(),
                        std::max(MostDaysIn(monthNumber()), vsbDate->highest()));
    if (!day) {
        vsbDate->setNumber(1);
        txtDate->setText(QStringLiteral("1"));
        return true;
    }
    return takeDay(*day);
}

bool EntryEditor::takeDay(int day) {
    if (day > DaysInMonth(monthNumber(), vsbYear->number())) return takeDayBeyondYear(day);
    keptDay_ = day;
    vsbDate->setNumber(day);
    return true;
}

bool EntryEditor::takeDayBeyondYear(int day) {
    keptDay_ = day;
    applyDayRange();
    vsbDate->setNumber(day);
    return true;
}

void EntryEditor::showDay(int day) {
    if (day >= 1 && day <= MostDaysIn(monthNumber()))
        takeDay(day);
    else
        vsbDate->setNumber(day);
}

bool EntryEditor::takeTypedValues() {
    return txtDate_LostFocus();
}

void EntryEditor::cmdAdd_Click() {
    if (!takeTypedValues() || !dateAccepted()) return;
    const EditorMode mode = this->mode();
    const EntryRecord entry = record();
    const QString entryText = RecordListText(entry);
    if (AsksFirst(mode, app_.Options) && !confirmed(mode, entryText)) return;
    const int index = StoreRecord(app_.Document, entry, mode, app_.EditIndex);
    if (index < 0) {
        reject(); // the record to update is gone; nothing was stored
        return;
    }
    if (entryList_)
        entryList_->ShowStoredEntry(KindOf(entry), index, entryText, mode == EditorMode::Update);
    app_.Document.MarkModified();
    if (app_.CalendarViewOpen) app_.viewsOrNone().redrawCalendarView();
    if (!StaysOpenAfter(mode, app_.Options)) {
        accept();
        return;
    }
    ResetForm();
    focusName();
}

bool EntryEditor::confirmed(EditorMode mode, const QString& entryText) {
    const bool adding = mode == EditorMode::Add;
    const MessageRequest question{ConfirmationText(mode, entryText, displayText()),
                                  tr(adding ? texts_.addTitle : texts_.updateTitle),
                                  MessageIcon::Question,
                                  MessageButtons::YesNo,
                                  Answer::Yes,
                                  this};
    return app_.dialogs.message(question) != Answer::No;
}

DatedEntryEditor::DatedEntryEditor(AppState& app, const EditorTexts& texts, YearRange years,
                                   QWidget* parent)
    : EntryEditor(app, texts, years, parent) {
    lblYear = named(new QLabel(tr("Year:"), this), "lblYear");
    txtYear = named(new QLineEdit(this), "txtYear");
    fitToDigits(txtYear, 4);
    fitBarTo(vsbYear, txtYear);
    connect(vsbYear, &UpDownBar::numberChanged, this, &DatedEntryEditor::vsbYear_Change);
    connect(SelectAllOnFocus(txtYear), &FocusWatcher::lostFocus, this,
            &DatedEntryEditor::txtYear_LostFocus);
}

void DatedEntryEditor::resetYear() {
    resetYearTo(currentYear());
}

void DatedEntryEditor::resetYearTo(int year) {
    vsbYear->setNumber(years_.clamp(year));
    txtYear->setText(QString::number(vsbYear->number()));
}

DateParts DatedEntryEditor::dateParts() const {
    return {monthNumber(), vsbDate->number(), vsbYear->number()};
}

QHBoxLayout* DatedEntryEditor::dateRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(lblMonth);
    row->addWidget(cboMonth);
    row->addSpacing(12);
    row->addWidget(lblDate);
    row->addLayout(boxWithBar(txtDate, vsbDate));
    row->addSpacing(12);
    row->addWidget(lblYear);
    row->addLayout(boxWithBar(txtYear, vsbYear));
    row->addStretch(1);
    return row;
}

bool DatedEntryEditor::takeTypedValues() {
    const bool dayTaken = EntryEditor::takeTypedValues();
    txtYear_LostFocus();
    return dayTaken;
}

// A day typed before its year (February 29 while the year box still holds a common year)
// is checked here, with the year, and never changed without a word.
bool DatedEntryEditor::dateAccepted() {
    const DateParts date = dateParts();
    if (DateExists(date.month, date.day, date.year)) return true;
    app_.dialogs.message({MissingDateText(date.month, date.day, date.year),
                          QStringLiteral("Daylark"), MessageIcon::Critical, MessageButtons::Ok,
                          Answer::Ok, this});
    focusDay();
    return false;
}

// The box follows the bar; a new year may change February's length, but not a day typed
// before it.
void DatedEntryEditor::vsbYear_Change(int year) {
    txtYear->setText(QString::number(year));
    yearChanged();
    applyDayRange();
}

// A year that cannot be taken becomes today's year.
void DatedEntryEditor::txtYear_LostFocus() {
    const std::optional<int> year =
        TakeTypedNumber(txtYear->text(), vsbYear->lowest(), vsbYear->highest());
    if (!year) {
        vsbYear->setNumber(currentYear());
        txtYear->setText(QString::number(vsbYear->number()));
        return;
    }
    vsbYear->setNumber(*year);
}
