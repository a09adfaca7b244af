#include "generator/GeneratedFile.h"
#include "generator/ScheduleRequest.h"
#include "generator/windows/frmQVFSched.h"
#include "platform/Clock.h"
#include "support/ScriptedDialogs.h"
#include "support/Translation.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace qvfsch;

namespace {

const QString kCatalog = QStringLiteral("qvfsch");

TEST(TranslatedWizard, EveryLanguageIsBuiltIn) {
    EXPECT_EQ(AvailableLanguages(kCatalog), TranslatedLanguages());
}

// The wizard's first page, its months and weekdays, and the summary of what it made speak the
// user's language.
TEST(TranslatedWizard, SpeaksGerman) {
    const Translation german(kCatalog, QStringLiteral("de"));
    ASSERT_TRUE(german.installed());
    const FixedClock clock{QDateTime(QDate(2027, 1, 5), QTime(9, 0))};
    ScriptedDialogs dialogs;
    frmQVFSched wizard(clock, dialogs);
    EXPECT_EQ(wizard.windowTitle(), QString("QVF-Terminplaner"));
    EXPECT_EQ(wizard.findChild<QLabel*>("lblTitle")->text(),
              QString("Wählen Sie einen Zeitraum für den Termin"));
    EXPECT_EQ(wizard.findChild<QPushButton*>("cmdNext")->text(), QString("Weiter >"));
    EXPECT_EQ(wizard.findChild<QComboBox*>("cboMonthStart")->itemText(2), QString("März"));
    EXPECT_EQ(wizard.findChild<QCheckBox*>("chkWeekly(1)")->text(), QString("Montag"));

    const ScheduleRequest request{{2027, 1, 5}, {2027, 3, 3}, QStringLiteral("W0100100"), {}};
    EXPECT_EQ(SummaryText(request), QString("Die Termine liegen zwischen dem 5. Januar 2027 und "
                                            "dem 3. März 2027, jede Woche am Montag, Donnerstag."));
    EXPECT_EQ(SavedFileText(20, QStringLiteral("/tmp/familie.qvf"), true),
              QString("20 Einträge zu familie.qvf hinzugefügt"));
}

// Without a translation the texts are the English ones the command line prints.
TEST(TranslatedWizard, SpeaksEnglishWithoutATranslation) {
    const ScheduleRequest daily{{2027, 1, 5}, {2027, 3, 3}, QStringLiteral("D03"), {}};
    EXPECT_EQ(SummaryText(daily), QString("Events occur between January 5, 2027 and March 3, "
                                          "2027 every 3 day(s)."));
    const ScheduleRequest weekly{{2027, 1, 5}, {2027, 3, 3}, QStringLiteral("W0100100"), {}};
    EXPECT_EQ(SummaryText(weekly), QString("Events occur between January 5, 2027 and March 3, "
                                           "2027 every Monday, Thursday of every week."));
}

} // namespace
