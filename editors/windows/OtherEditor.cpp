#include "editors/windows/OtherEditor.h"

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
    fraDate->setLayout(dateRow());
    auto* body = new QVBoxLayout;
    body->addWidget(fraDate);
    layOutWindow(body);
    chainTabOrder({txtName, cboMonth, txtDate, txtYear, cmdAdd, cmdClose});
    ResetForm();
}

void frmOther::ResetForm() {
    resetMonth();
    resetName();
    resetDay();
    // A one-off event is most often entered for the year being worked on.
    resetYearTo(app_.DisplayYear);
}

EntryRecord frmOther::record() const {
    return OtherRecord(dateParts(), txtName->text());
}
