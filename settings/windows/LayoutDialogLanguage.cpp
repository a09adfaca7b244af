// The layout dialog's choices of the calendar's language and week: which language writes
// the month and weekday names and the dates, which day the weeks start on, and whether the
// rows carry week numbers.
#include "settings/windows/LayoutDialog.h"

#include "document/AppState.h"
#include "platform/widgets/NamedControl.h"
#include "settings/PageLanguage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

void frmLayout::buildLanguageFrame() {
    fraLanguage = named(new QGroupBox(tr("Language and Week"), picAlignment), "fraLanguage");
    lblLanguage = named(new QLabel(tr("&Language of the calendar:"), fraLanguage), "lblLanguage");
    cboLanguage = named(new QComboBox(fraLanguage), "cboLanguage");
    cboLanguage->setToolTip(tr("The language of the month and weekday names and of the dates "
                               "on the pages, the calendar view and the desktop calendar."));
    cboLanguage->addItem(tr("System"), QStringLiteral("System"));
    for (const PageLanguageChoice& choice : PageLanguageChoices())
        cboLanguage->addItem(choice.label, choice.name);
    cboLanguage->setMaxVisibleItems(20);
    lblLanguage->setBuddy(cboLanguage);

    lblFirstDay = named(new QLabel(tr("&First day of the week:"), fraLanguage), "lblFirstDay");
    cboFirstDay = named(new QComboBox(fraLanguage), "cboFirstDay");
    cboFirstDay->addItem(tr("As the language has it"), QStringLiteral("Locale"));
    cboFirstDay->addItem(tr("Sunday"), QStringLiteral("Sunday"));
    cboFirstDay->addItem(tr("Monday"), QStringLiteral("Monday"));
    cboFirstDay->addItem(tr("Saturday"), QStringLiteral("Saturday"));
    lblFirstDay->setBuddy(cboFirstDay);

    chkWeekNumbers = named(new QCheckBox(tr("&Week numbers"), fraLanguage), "chkWeekNumbers");
    chkWeekNumbers->setToolTip(tr("ISO 8601 week numbers beside each row: the week that holds "
                                  "the row's Thursday."));

    auto* grid = new QGridLayout(fraLanguage);
    grid->addWidget(lblLanguage, 0, 0);
    grid->addWidget(cboLanguage, 0, 1);
    grid->addWidget(lblFirstDay, 1, 0);
    grid->addWidget(cboFirstDay, 1, 1);
    grid->addWidget(chkWeekNumbers, 2, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

// A stored language that is no longer known shows as "System", which is what it prints as.
void frmLayout::loadLanguageFrame() {
    const LayoutSettings& layout = app_.Layout;
    const int language = cboLanguage->findData(layout.Language);
    cboLanguage->setCurrentIndex(IsPageLanguageName(layout.Language) && language >= 0 ? language
                                                                                      : 0);
    cboFirstDay->setCurrentIndex(std::max(cboFirstDay->findData(layout.FirstDayOfWeek), 0));
    chkWeekNumbers->setChecked(isTrue(layout.WeekNumbers));
}

void frmLayout::readLanguageFrame(LayoutControls& controls) const {
    controls.language = cboLanguage->currentData().toString();
    controls.firstDay = cboFirstDay->currentData().toString();
    controls.weekNumbers = chkWeekNumbers->isChecked();
}
