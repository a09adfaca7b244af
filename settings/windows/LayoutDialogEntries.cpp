// The layout dialog's choices about entries: marking days with more entries than fit, and
// where birthdays and anniversaries of 29 February go in other years.
#include "settings/windows/LayoutDialog.h"

#include "platform/widgets/NamedControl.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

void frmLayout::buildEntriesFrame() {
    fraEntries = named(new QGroupBox(tr("Entries"), picAlignment), "fraEntries");
    chkMarkFull =
        named(new QCheckBox(tr("Mark days with more entries than fit"), fraEntries), "chkMarkFull");
    chkMarkFull->setToolTip(
        tr("A day whose entries do not all fit ends with \"+N more\"; otherwise its last "
           "entries are cut off."));
    lblLeapDay =
        named(new QLabel(tr("29 February birthdays and anniversaries in other years:"), fraEntries),
              "lblLeapDay");
    lblLeapDay->setWordWrap(true);
    cboLeapDay = named(new QComboBox(fraEntries), "cboLeapDay");
    // In the order of LeapDayPlacement.
    cboLeapDay->addItems({tr("Not shown"), tr("On 28 February"), tr("On 1 March")});
    lblLeapDay->setBuddy(cboLeapDay);
    auto* grid = new QGridLayout(fraEntries);
    grid->addWidget(chkMarkFull, 0, 0, 1, 2);
    grid->addWidget(lblLeapDay, 1, 0);
    grid->addWidget(cboLeapDay, 1, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
}
