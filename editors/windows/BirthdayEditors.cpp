#include "editors/windows/BirthdayEditors.h"

#include "document/AppState.h"
#include "document/EntryText.h"
#include "platform/widgets/ClickableLabel.h"
#include "platform/widgets/UpDownBar.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const EditorTexts kBirthdayTexts{
    .windowName = "frmBirthday",
    .addCaption = QT_TRANSLATE_NOOP("EntryEditor", "Add Birthday"),
    .updateCaption = QT_TRANSLATE_NOOP("EntryEditor", "Update Birthday"),
    .addTitle = QT_TRANSLATE_NOOP("EntryEditor", "Add Birthday"),
    .updateTitle = QT_TRANSLATE_NOOP("EntryEditor", "Update Birthday"),
    .nameLabel = QT_TRANSLATE_NOOP("EntryEditor", "Name:"),
    .nameLabelObject = "lblName",
    .nameTemplate = QT_TRANSLATE_NOOP("EntryEditor", "[Person's Name]")};
const EditorTexts kAnnivTexts{
    .windowName = "frmAnniv",
    .addCaption = QT_TRANSLATE_NOOP("EntryEditor", "Add Anniversary"),
    .updateCaption = QT_TRANSLATE_NOOP("EntryEditor", "Update Anniversary"),
    .addTitle = QT_TRANSLATE_NOOP("EntryEditor", "Add Anniversary"),
    .updateTitle = QT_TRANSLATE_NOOP("EntryEditor", "Update Anniversary"),
    .nameLabel = QT_TRANSLATE_NOOP("EntryEditor", "Names:"),
    .nameLabelObject = "lblNames",
    .nameTemplate = QT_TRANSLATE_NOOP("EntryEditor", "[Name1 & Name2  LastName]")};

constexpr int kAnnivNameLength = 50;

} // namespace

StyledEntryEditor::StyledEntryEditor(AppState& app, const EditorTexts& texts, const char* word,
                                     QWidget* parent)
    : DatedEntryEditor(app, texts, kBirthYears, parent), word_(word) {
    fraStyle = named(new QGroupBox(tr("Style"), this), "fraStyle");
    for (int i = 0; i < 3; ++i) {
        optStyle[i] = new QRadioButton(fraStyle);
        optStyle[i]->setObjectName(QStringLiteral("optStyle%1").arg(i));
        // Long names are cut at the window's edge instead of widening the window.
        optStyle[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    }
    optStyle[0]->setChecked(true);
    cmdAdd->setDefault(true);
}

void StyledEntryEditor::ResetForm() {
    resetMonth();
    resetYear();
    resetDay();
    resetName();
    refreshPreviews();
}

int StyledEntryEditor::chosenStyle() const {
    for (int i = 0; i < 3; ++i)
        if (optStyle[i]->isChecked()) return i;
    return 0;
}

std::array<QString, 3> StyledEntryEditor::previews() const {
    const QString name = txtName->text();
    const QString year = QString::number(vsbYear->number());
    const QString word = QLatin1String(word_);
    std::array<QString, 3> texts;
    for (int i = 0; i < 3; ++i)
        texts[i] = StyledEntryText(name, year, StyleDigit(i), app_.DisplayYear, word);
    return texts;
}

QString StyledEntryEditor::displayText() const {
    return previews()[chosenStyle()];
}

QGroupBox* StyledEntryEditor::dateFrame(const char* name, const QString& caption) {
    auto* frame = named(new QGroupBox(caption, this), name);
    frame->setLayout(dateRow()); // the date controls move into the frame
    return frame;
}

frmBirthday::frmBirthday(AppState& app, QWidget* parent)
    : StyledEntryEditor(app, kBirthdayTexts, "Birthday", parent) {
    fraBirthDate = dateFrame("fraBirthDate", tr("Birthdate"));
    layOut();
    ResetForm();
}

void frmBirthday::layOut() {
    auto* styles = new QVBoxLayout(fraStyle);
    for (QRadioButton* option : optStyle)
        styles->addWidget(option);
    auto* body = new QVBoxLayout;
    body->addWidget(fraBirthDate);
    body->addWidget(fraStyle);
    layOutWindow(body);
    chainTabOrder({txtName, cboMonth, txtDate, txtYear, optStyle[0], optStyle[1], optStyle[2],
                   cmdAdd, cmdClose});
}

void frmBirthday::DispAge() {
    const std::array<QString, 3> texts = previews();
    // An option's caption would take "&" for an access key; the name shows as typed.
    for (int i = 0; i < 3; ++i)
        optStyle[i]->setText(QString(texts[i]).replace(u'&', QLatin1String("&&")));
}

EntryRecord frmBirthday::record() const {
    return StyledRecord<BirthdayEntry>(dateParts(), txtName->text(), chosenStyle());
}

frmAnniv::frmAnniv(AppState& app, QWidget* parent)
    : StyledEntryEditor(app, kAnnivTexts, "Anniversary", parent) {
    txtName->setMaxLength(kAnnivNameLength);
    fraAnniv = dateFrame("fraAnniv", tr("Anniversary"));
    for (int i = 0; i < 3; ++i) {
        lblStyle[i] = new ClickableLabel(fraStyle);
        lblStyle[i]->setObjectName(QStringLiteral("lblStyle%1").arg(i));
        lblStyle[i]->setTextFormat(Qt::PlainText);
        lblStyle[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        QRadioButton* option = optStyle[i];
        option->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        connect(lblStyle[i], &ClickableLabel::clicked, option,
                [option] { option->setChecked(true); });
    }
    layOut();
    ResetForm();
}

void frmAnniv::layOut() {
    auto* styles = new QGridLayout(fraStyle);
    styles->setColumnStretch(1, 1);
    for (int i = 0; i < 3; ++i) {
        styles->addWidget(optStyle[i], i, 0);
        styles->addWidget(lblStyle[i], i, 1);
    }
    auto* body = new QVBoxLayout;
    body->addWidget(fraAnniv);
    body->addWidget(fraStyle);
    layOutWindow(body);
    chainTabOrder({txtName, cboMonth, txtDate, txtYear, optStyle[0], optStyle[1], optStyle[2],
                   cmdAdd, cmdClose});
}

void frmAnniv::DispAnniv() {
    const std::array<QString, 3> texts = previews();
    for (int i = 0; i < 3; ++i)
        lblStyle[i]->setText(texts[i]);
}

EntryRecord frmAnniv::record() const {
    return StyledRecord<AnniversaryEntry>(dateParts(), txtName->text(), chosenStyle());
}
