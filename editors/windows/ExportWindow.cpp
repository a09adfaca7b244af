#include "editors/windows/ExportWindow.h"

#include "document/AppState.h"
#include "editors/TextExport.h"
#include "editors/windows/KindCheckList.h"
#include "platform/widgets/NamedControl.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

frmExport::frmExport(AppState& app, QWidget* parent) : QDialog(parent), app_(app) {
    setObjectName(QStringLiteral("frmExport"));
    setWindowTitle(tr("Export Data"));
    lblSelect =
        named(new QLabel(tr("Select the event types you want exported."), this), "lblSelect");
    lstChoice = MakeKindCheckList(this);
    cmdBegin = named(new QPushButton(tr("Export"), this), "cmdBegin");
    cmdBegin->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdBegin);
    buttons->addStretch();
    auto* choice = new QHBoxLayout;
    choice->addWidget(lstChoice, 1);
    choice->addLayout(buttons);
    auto* window = new QVBoxLayout(this);
    window->addWidget(lblSelect);
    window->addLayout(choice);

    connect(cmdBegin, &QPushButton::clicked, this, &frmExport::cmdBegin_Click);
    Form_Load();
}

void frmExport::Form_Load() {
    FillKindCheckList(lstChoice);
}

void frmExport::cmdBegin_Click() {
    ExportCommand(app_, CheckedKinds(lstChoice), this);
    accept(); // also after a cancelled dialog or a failed export
}
