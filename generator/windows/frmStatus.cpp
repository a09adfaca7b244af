#include "generator/windows/frmStatus.h"

#include "generator/GeneratedFile.h"
#include "generator/Messages.h"
#include "generator/SchedulerIcon.h"
#include "platform/Dialogs.h"
#include "platform/widgets/NamedControl.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qvfsch {

namespace {

QLineEdit* displayBox(QWidget* parent, const QString& name, const QString& text) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setReadOnly(true);
    return box;
}

} // namespace

frmStatus::frmStatus(Dialogs& dialogs, QRandomGenerator& random, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), random_(random) {
    setObjectName(QStringLiteral("frmStatus"));
    setWindowTitle(WindowCaption());
    setWindowIcon(schedulerIcon());
    buildWindow();
    connect(cmdSave, &QPushButton::clicked, this, &frmStatus::SaveGeneratedFile);
}

void frmStatus::buildWindow() {
    lblTitle = named(new QLabel(tr("Entries generated for "), this), QStringLiteral("lblTitle"));
    txtEventName = displayBox(this, QStringLiteral("txtEventName"), QStringLiteral("Text1"));
    fraStats = named(new QGroupBox(tr("Event Stats"), this), QStringLiteral("fraStats"));
    txtEntries = displayBox(fraStats, QStringLiteral("txtEntries"), QStringLiteral("0"));
    txtEntries->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtEntries->setFixedWidth(
        txtEntries->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    lblEntries = named(new QLabel(tr("entries created"), fraStats), QStringLiteral("lblEntries"));
    lblStatus = named(new QLabel(tr("Status"), this), QStringLiteral("lblStatus"));
    lblStatus->setWordWrap(true);
    // A save shows nothing else: this line says what was written where.
    lblSaved = named(new QLabel(this), QStringLiteral("lblSaved"));
    cmdSave = named(new QPushButton(tr("Save Data"), this), QStringLiteral("cmdSave"));
    cmdSave->setDefault(true);

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(lblTitle);
    nameRow->addWidget(txtEventName, 1);
    auto* stats = new QHBoxLayout(fraStats);
    stats->addWidget(txtEntries);
    stats->addWidget(lblEntries);
    stats->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(lblSaved, 1);
    buttons->addWidget(cmdSave);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(12);
    layout->addLayout(nameRow);
    layout->addWidget(fraStats);
    layout->addWidget(lblStatus, 1);
    layout->addLayout(buttons);
    setMinimumWidth(420);
}

// Enter anywhere in the window presses Save Data, as in a dialog.
void frmStatus::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier) {
        cmdSave->click();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmStatus::showResult(GenerationResult result) {
    txtEventName->setText(result.name);
    txtEventName->setCursorPosition(0);
    txtEntries->setText(QString::number(result.events.size()));
    lblStatus->setText(result.summary);
    cmdSave->setFocus();
    events_ = std::move(result.events);
}

void frmStatus::SaveGeneratedFile() {
    // The dialog asks before replacing any other file; about a calendar this window asks
    // whether to add the events to it.
    std::optional<QString> calendar;
    const FileRequest request{.title = SaveDialogTitle(),
                              .filter = tr("Vemora Files (*.qvf)"),
                              .confirmOverwrite = true,
                              .confirmCreate = true,
                              .owner = this,
                              .defaultSuffix = QStringLiteral(".qvf"),
                              .callerAsksAbout = [&calendar](const QString& path) {
                                  calendar =
                                      IsCalendarFile(path) ? std::optional(path) : std::nullopt;
                                  return calendar.has_value();
                              }};
    const auto choice = dialogs_.saveFile(request);
    if (!choice) return;
    bool add = calendar == choice->path;
    if (add) {
        const Answer answer = askAddOrReplace(choice->path);
        if (answer != Answer::Yes && answer != Answer::No) return; // cancelled
        add = answer == Answer::Yes;
    }
    save(choice->path, add);
}

Answer frmStatus::askAddOrReplace(const QString& path) {
    const QString events =
        events_.size() == 1 ? tr("the event") : tr("the %1 events").arg(events_.size());
    const QString text = tr("%1 already exists and is a calendar.\nDo you want to add %2 to its "
                            "entries, or replace it?")
                             .arg(QFileInfo(path).fileName(), events);
    return dialogs_.message({text, SaveDialogTitle(), MessageIcon::Question,
                             MessageButtons::YesNoCancel, Answer::Yes, this, tr("Add"),
                             tr("Replace")});
}

void frmStatus::save(const QString& path, bool add) {
    const SaveResult result = add ? AddGeneratedEvents(path, events_, random_)
                                  : WriteGeneratedFile(path, events_, random_);
    if (result.status != SaveStatus::Saved) {
        lblSaved->clear();
        report(result.message);
        return;
    }
    lblSaved->setText(SavedFileText(static_cast<int>(events_.size()), path, add));
}

void frmStatus::report(const QString& text) {
    dialogs_.message(
        {text, MessageTitle(), MessageIcon::Critical, MessageButtons::Ok, Answer::Ok, this});
}

} // namespace qvfsch
