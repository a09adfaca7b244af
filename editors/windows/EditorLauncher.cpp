#include "editors/windows/EditorLauncher.h"

#include "document/AppState.h"
#include "editors/windows/BirthdayEditors.h"
#include "editors/windows/HolidayEditor.h"
#include "editors/windows/OtherEditor.h"
#include "platform/widgets/UpDownBar.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

namespace {

std::unique_ptr<EntryEditor> makeEditor(AppState& app, EntryKind kind, QWidget* parent) {
    switch (kind) {
    case EntryKind::Birthday:
        return std::make_unique<frmBirthday>(app, parent);
    case EntryKind::Anniversary:
        return std::make_unique<frmAnniv>(app, parent);
    case EntryKind::Holiday:
    case EntryKind::FloatingHoliday:
        return std::make_unique<frmHoliday>(app, parent);
    case EntryKind::Other:
        return std::make_unique<frmOther>(app, parent);
    }
    return nullptr;
}

// A stored month outside 1 to 12 (a hand-edited file) shows as the nearest month; the bars
// bring days and years into their ranges the same way.
void showMonth(EntryEditor& editor, int month) {
    editor.cboMonth->setCurrentIndex(std::clamp(month, 1, 12) - 1);
}

// A stored name is shown and kept whole, however long: an editor's length limit is for
// typing, and a name read from a file or an import may be longer.
void showName(EntryEditor& editor, const QString& name) {
    if (name.size() > editor.txtName->maxLength()) editor.txtName->setMaxLength(name.size());
    editor.txtName->setText(name);
}

// Birthdays and anniversaries: name, month, year, day, style. The year comes before the
// day so that February 29 of a leap year finds its day; February 29 of a common year (a
// hand-edited file) is shown as stored and named when the entry is updated.
template <class Entry> void fillStyled(StyledEntryEditor& editor, const Entry& entry) {
    const DateParts date = DatePartsOf(entry.Date);
    showName(editor, entry.Name);
    showMonth(editor, date.month);
    editor.vsbYear->setNumber(date.year);
    editor.showDay(date.day);
    const int style = StyleIndexOf(entry.Style.at(0));
    if (style >= 0) editor.optStyle[style]->setChecked(true);
}

// Other events: name, month, year, day (the year before the day, as above).
void fillOther(frmOther& editor, const OtherEntry& entry) {
    const DateParts date = DatePartsOf(entry.Date);
    showName(editor, entry.Name);
    showMonth(editor, date.month);
    editor.vsbYear->setNumber(date.year);
    editor.showDay(date.day);
    editor.showUntil(entry.Until);
}

void fillFixed(frmHoliday& editor, const FixedHolidayEntry& entry) {
    const DateParts date = MonthDayOf(entry.Date);
    editor.keepToKind(EntryKind::Holiday);
    showName(editor, entry.Name);
    showMonth(editor, date.month);
    editor.vsbDate->setNumber(date.day);
    editor.spnDays->setValue(entry.Days);
}

void fillFloating(frmHoliday& editor, const FloatingHolidayEntry& entry) {
    editor.keepToKind(EntryKind::FloatingHoliday);
    showName(editor, entry.Name);
    if (entry.Moving) {
        editor.showMovingRule(*entry.Moving);
        return;
    }
    showMonth(editor, entry.Month.number(0, 2));
    editor.cboWeek->setCurrentIndex(WeekIndexOf(entry.Rule.at(0)));
    editor.cboDay->setCurrentIndex(WeekdayIndexOf(entry.Rule.at(1)));
}

void fillFromRecord(EntryEditor& editor, const CalendarDocument& doc, EntryKind kind, int index) {
    switch (kind) {
    case EntryKind::Birthday:
        fillStyled(static_cast<StyledEntryEditor&>(editor), doc.Birthdays[index]);
        break;
    case EntryKind::Anniversary:
        fillStyled(static_cast<StyledEntryEditor&>(editor), doc.Anniversaries[index]);
        break;
    case EntryKind::Holiday:
        fillFixed(static_cast<frmHoliday&>(editor), doc.FixedHolidays[index]);
        break;
    case EntryKind::FloatingHoliday:
        fillFloating(static_cast<frmHoliday&>(editor), doc.FloatingHolidays[index]);
        break;
    case EntryKind::Other:
        fillOther(static_cast<frmOther&>(editor), doc.OtherEvents[index]);
        break;
    }
}

} // namespace

std::unique_ptr<EntryEditor> PrepareAddEditor(AppState& app, EntryKind kind, AddOrigin origin,
                                              frmSetup* list, QWidget* parent) {
    std::unique_ptr<EntryEditor> editor = makeEditor(app, kind, parent);
    editor->setEntryList(list);
    if (origin == AddOrigin::EntryList &&
        (kind == EntryKind::Holiday || kind == EntryKind::FloatingHoliday))
        static_cast<frmHoliday&>(*editor).keepToKind(kind);
    return editor;
}

std::unique_ptr<EntryEditor> PrepareEditEditor(AppState& app, EntryKind kind, frmSetup* list,
                                               QWidget* parent) {
    const int index = app.EditIndex;
    if (index < 0 || index >= app.Document.entryCount(kind)) return nullptr;
    std::unique_ptr<EntryEditor> editor = makeEditor(app, kind, parent);
    editor->setEntryList(list);
    fillFromRecord(*editor, app.Document, kind, index);
    editor->setUpdating();
    return editor;
}

void OpenAddEditor(AppState& app, EntryKind kind, AddOrigin origin, frmSetup* list,
                   QWidget* parent) {
    PrepareAddEditor(app, kind, origin, list, parent)->exec();
}

void EditSelectedEntry(AppState& app, EntryKind kind, frmSetup* list, QWidget* parent) {
    if (std::unique_ptr<EntryEditor> editor = PrepareEditEditor(app, kind, list, parent))
        editor->exec();
}
