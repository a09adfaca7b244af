#include "settings/windows/OptionsDialog.h"

#include "document/AppState.h"
#include "platform/widgets/NamedControl.h"
#include "settings/Registry.h"
#include "settings/SaveSettings.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QLabel* heading(const QString& text, const char* name, QWidget* parent) {
    QLabel* label = named(new QLabel(text, parent), name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmOptions::frmOptions(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr("Daylark Options"));
    buildControls();
    for (QAbstractButton* option :
         {static_cast<QAbstractButton*>(chkConfAdd), static_cast<QAbstractButton*>(chkConfEdit),
          static_cast<QAbstractButton*>(chkConfDel), static_cast<QAbstractButton*>(optAfterAdd[0]),
          static_cast<QAbstractButton*>(optAfterAdd[1])})
        connect(option, &QAbstractButton::clicked, this, &frmOptions::optionClicked);
    connect(cmdLayout, &QPushButton::clicked, this, &frmOptions::layoutRequested);
    connect(cmdDesktop, &QPushButton::clicked, this, &frmOptions::desktopRequested);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    Form_Load();
}

void frmOptions::buildControls() {
    picOptions = named(new QWidget(this), "picOptions");
    lblEntryOptions = heading(tr("Entry Options "), "lblEntryOptions", picOptions);
    chkConfAdd = named(new QCheckBox(tr("Display confirmation after adding entries"), picOptions),
                       "chkConfAdd");
    chkConfEdit = named(new QCheckBox(tr("Display confirmation after editing entries"), picOptions),
                        "chkConfEdit");
    chkConfDel = named(new QCheckBox(tr("Display confirmation when deleting entries"), picOptions),
                       "chkConfDel");
    fraAddEntry = named(new QGroupBox(tr("Adding Entries"), picOptions), "fraAddEntry");
    optAfterAdd[0] = named(new QRadioButton(tr("Remain in window and clear fields"), fraAddEntry),
                           "optAfterAdd0");
    optAfterAdd[1] =
        named(new QRadioButton(tr("Close window and return to previous window"), fraAddEntry),
              "optAfterAdd1");
    lblMoreOptions = heading(tr("More Options "), "lblMoreOptions", picOptions);
    cmdLayout = named(new QPushButton(tr("Calendar Layout..."), picOptions), "cmdLayout");
    cmdDesktop = named(new QPushButton(tr("Desktop Calendar..."), picOptions), "cmdDesktop");
    cmdOK = named(new QPushButton(tr("&Close"), picOptions), "cmdOK");
    cmdOK->setDefault(true);

    auto* frame = new QVBoxLayout(fraAddEntry);
    frame->addWidget(optAfterAdd[0]);
    frame->addWidget(optAfterAdd[1]);
    auto* more = new QHBoxLayout;
    more->addWidget(cmdLayout);
    more->addWidget(cmdDesktop);
    more->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* column = new QVBoxLayout(picOptions);
    column->addWidget(lblEntryOptions);
    for (QWidget* w : {static_cast<QWidget*>(chkConfAdd), static_cast<QWidget*>(chkConfEdit),
                       static_cast<QWidget*>(chkConfDel), static_cast<QWidget*>(fraAddEntry)})
        column->addWidget(w);
    column->addSpacing(6);
    column->addWidget(lblMoreOptions);
    column->addLayout(more);
    column->addSpacing(6);
    column->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(picOptions);
    setFixedSize(sizeHint());
}

void frmOptions::Form_Load() {
    const OptionSettings& options = app_.Options;
    optAfterAdd[options.AfterAdd == QLatin1String("Remain") ? 0 : 1]->setChecked(true);
    chkConfAdd->setChecked(isTrue(options.ConfirmAdd));
    chkConfEdit->setChecked(isTrue(options.ConfirmEdit));
    chkConfDel->setChecked(isTrue(options.ConfirmDelete));
}

void frmOptions::optionClicked() {
    cmdOK->setText(tr("&Save"));
}

// Memory and store change together: a write that fails changes neither, and the dialog
// stays open with the user's choices.
void frmOptions::cmdOK_Click() {
    OptionSettings options;
    options.ConfirmAdd = BoolToText(chkConfAdd->isChecked());
    options.AfterAdd =
        optAfterAdd[0]->isChecked() ? QStringLiteral("Remain") : QStringLiteral("Close");
    options.ConfirmEdit = BoolToText(chkConfEdit->isChecked());
    options.ConfirmDelete = BoolToText(chkConfDel->isChecked());
    if (!SaveDialogSettings(app_, options, this)) return;
    app_.Options = options;
    accept();
}
