#include "editors/windows/OtherEditor.h"

#include "calendar_format/OwnSection.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>

#include "document/AppState.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The window is "Add Other"; its questions speak of an entry.
const EditorTexts kOtherTexts{.windowName = "frmOther",
                              .addCaption = QT_TRANSLATE_NOOP("EntryEditor", "Add Other"),
                              .updateCaption = QT_TRANSLATE_NOOP("EntryEditor", "Update Other"),
                              .addTitle = QT_TRANSLATE_NOOP("EntryEditor", "Add Entry"),
                              .updateTitle = QT_TRANSLATE_NOOP("EntryEditor", "Update Entry"),
                              .nameLabel = QT_TRANSLATE_NOOP("EntryEditor", "Name:"),
                              .nameLabelObject = "lblName",
                              .nameTemplate = QT_TRANSLATE_NOOP("EntryEditor", "[Event Name]")};

} // namespace

frmOther::frmOther(AppState& app, QWidget* parent)
    : DatedEntryEditor(app, kOtherTexts, kEventYears, parent) {
    cmdAdd->setDefault(true);
    fraDate = named(new QGroupBox(tr("Date"), this), "fraDate");
    auto* rows = new QVBoxLayout(fraDate);
    rows->addLayout(dateRow());
    auto* until = new QHBoxLayout;
    chkUntil = named(new QCheckBox(tr("Until"), fraDate), "chkUntil");
    dteUntil = named(new QDateEdit(fraDate), "dteUntil");
    dteUntil->setCalendarPopup(true);
    dteUntil->setDisplayFormat(tr("MMMM d, yyyy", "how the Until date is shown: July 20, 2027"));
    dteUntil->setToolTip(tr("The last day of an event that lasts several days"));
    until->addWidget(chkUntil);
    until->addWidget(dteUntil);
    until->addStretch(1);
    rows->addLayout(until);
    connect(chkUntil, &QCheckBox::toggled, dteUntil, &QWidget::setEnabled);
    auto* body = new QVBoxLayout;
    body->addWidget(fraDate);
    layOutWindow(body);
    chainTabOrder({txtName, cboMonth, txtDate, txtYear, chkUntil, dteUntil, cmdAdd, cmdClose});
    ResetForm();
}

void frmOther::ResetForm() {
    resetMonth();
    resetName();
    resetDay();
    // A one-off event is most often entered for the year being worked on.
    resetYearTo(app_.DisplayYear);
    showUntil({});
}

void frmOther::showUntil(const FixedText<8>& until) {
    const QDate last(until.number(4, 4), until.number(0, 2), until.number(2, 2));
    chkUntil->setChecked(last.isValid());
    dteUntil->setEnabled(last.isValid());
    const DateParts start = dateParts();
    const QDate first(start.year, start.month, start.day);
    dteUntil->setDate(last.isValid()    ? last
                      : first.isValid() ? first
                                        : QDate(app_.DisplayYear, 1, 1));
}

EntryRecord frmOther::record() const {
    const DateParts start = dateParts();
    OtherEntry entry = OtherRecord(start, txtName->text());
    // An event that ends on its first day is an event of one day.
    if (chkUntil->isChecked() && dteUntil->date() > QDate(start.year, start.month, start.day))
        entry.Until = dteUntil->date().toString(QStringLiteral("MMddyyyy"));
    return entry;
}

// An event that spans days ends on or after its first day, within a year of it.
bool frmOther::dateAccepted() {
    if (!DatedEntryEditor::dateAccepted()) return false;
    if (!chkUntil->isChecked()) return true;
    const DateParts start = dateParts();
    const QDate first(start.year, start.month, start.day);
    const QDate last = dteUntil->date();
    if (last >= first && first.daysTo(last) < kLongestSpan) return true;
    app_.dialogs.message({tr("An event that lasts several days must end on or after its first "
                             "day and last at most %1 days.")
                              .arg(kLongestSpan),
                          QStringLiteral("Daylark"), MessageIcon::Critical, MessageButtons::Ok,
                          Answer::Ok, this});
    return false;
}
