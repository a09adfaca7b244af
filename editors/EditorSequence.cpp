#include "editors/EditorSequence.h"

#include <QCoreApplication>

namespace {

// What an update keeps of the record it replaces: the holiday pack an entry came from, which
// no editor shows, so that a corrected pack holiday stays in its pack.
template <class Entry> void keepHidden(const Entry& old, Entry& record) {
    if constexpr (requires { record.Pack; }) record.Pack = old.Pack;
}

template <class Entry>
int store(EntryTable<Entry>& table, Entry record, EditorMode mode, int editIndex) {
    if (mode == EditorMode::Add) return table.append(std::move(record));
    if (editIndex < 0 || editIndex >= table.entryCount()) return -1;
    keepHidden(table[editIndex], record);
    table[editIndex] = std::move(record);
    return editIndex;
}

} // namespace

QString AddCaption() {
    return QCoreApplication::translate("EditorSequence", "Add");
}

QString UpdateCaption() {
    return QCoreApplication::translate("EditorSequence", "Update");
}

EditorMode ModeOfCaption(const QString& addButtonCaption) {
    return addButtonCaption == AddCaption() ? EditorMode::Add : EditorMode::Update;
}

QString ConfirmationText(EditorMode mode, const QString& entryText, const QString& displayText) {
    const QString question =
        mode == EditorMode::Add
            ? QCoreApplication::translate("EditorSequence", "Do you want to add the entry:")
            : QCoreApplication::translate("EditorSequence", "Do you want to update the entry:");
    return question + u'\n' + entryText +
           QCoreApplication::translate("EditorSequence", "\n\nDisplayed as:\n") + displayText;
}

bool AsksFirst(EditorMode mode, const OptionSettings& options) {
    return isTrue(mode == EditorMode::Add ? options.ConfirmAdd : options.ConfirmEdit);
}

bool StaysOpenAfter(EditorMode mode, const OptionSettings& options) {
    return mode == EditorMode::Add && options.AfterAdd == QLatin1String("Remain");
}

int StoreRecord(CalendarDocument& doc, const EntryRecord& record, EditorMode mode, int editIndex) {
    struct Visitor {
        CalendarDocument& doc;
        EditorMode mode;
        int editIndex;
        int operator()(const BirthdayEntry& e) const {
            return store(doc.Birthdays, e, mode, editIndex);
        }
        int operator()(const AnniversaryEntry& e) const {
            return store(doc.Anniversaries, e, mode, editIndex);
        }
        int operator()(const FixedHolidayEntry& e) const {
            return store(doc.FixedHolidays, e, mode, editIndex);
        }
        int operator()(const FloatingHolidayEntry& e) const {
            return store(doc.FloatingHolidays, e, mode, editIndex);
        }
        int operator()(const OtherEntry& e) const {
            return store(doc.OtherEvents, e, mode, editIndex);
        }
    };
    return std::visit(Visitor{doc, mode, editIndex}, record);
}
