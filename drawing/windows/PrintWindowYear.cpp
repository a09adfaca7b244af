// The print window's year page: the twelve months on one page, printed before the chosen
// months or instead of them.
#include "drawing/windows/PrintWindow.h"

#include "document/AppState.h"
#include "platform/widgets/NamedControl.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QListWidget>
#include <QRadioButton>
#include <QTimer>

void frmPrint::buildYearPage() {
    chkYearPage = named(new QCheckBox(tr("Year &page"), picPrint), "chkYearPage");
    chkYearPage->setToolTip(tr("The twelve months of the year on one page"));
    optYearBefore = named(new QRadioButton(tr("&before the months"), picPrint), "optYearBefore");
    optYearInstead =
        named(new QRadioButton(tr("i&nstead of the months"), picPrint), "optYearInstead");
    // A group of their own, apart from "All" and "Select:".
    auto* group = new QButtonGroup(this);
    group->addButton(optYearBefore);
    group->addButton(optYearInstead);
    optYearBefore->setChecked(true);
}

void frmPrint::connectYearPage() {
    connect(chkYearPage, &QCheckBox::toggled, this, &frmPrint::yearPage_Click);
    connect(optYearInstead, &QRadioButton::toggled, this, &frmPrint::yearPage_Click);
    yearPage_Click();
}

void frmPrint::yearPage_Click() {
    const bool yearPage = chkYearPage->isChecked();
    optYearBefore->setEnabled(yearPage);
    optYearInstead->setEnabled(yearPage);
    // With the year page alone no month is chosen; the choice comes back as it was.
    const bool months = !(yearPage && optYearInstead->isChecked());
    optAll->setEnabled(months);
    optSelect->setEnabled(months);
    lstMonths->setEnabled(months && optSelect->isChecked());
    fitTimer_->start();
}

PrintPlan frmPrint::chosenPlan() const {
    const bool yearPage = chkYearPage->isChecked();
    // The year page alone prints as it always has: photos go with months.
    if (yearPage && optYearInstead->isChecked()) return {true, {}};
    return {yearPage, chosenMonths(), app_.Document.Photos.layout};
}
