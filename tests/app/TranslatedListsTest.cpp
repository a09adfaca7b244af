#include "drawing/FitReport.h"
#include "drawing/WeekList.h"
#include "settings/LayoutRules.h"
#include "settings/LoadSettings.h"
#include "support/CalendarBuilder.h"
#include "support/TestApp.h"
#include "support/Translation.h"

#include <gtest/gtest.h>

// The lists and headings the windows build outside any window: their words speak the
// window's language and the dates in them follow the calendar's language.

namespace {

struct ListCase {
    const char* language; // of the windows, and with its country of the calendar
    const char* locale;
    const char* heading;  // the week window of 17 March 2027, two weeks, from Monday
    const char* upcoming; // a birthday on 20 March
    const char* fit;      // 3 of 9 entries of 4 July 2027 do not fit
    const char* oneFit;   // 1 of 2 entries does not fit
};

TEST(TranslatedLists, WordsSpeakTheWindowsLanguageAroundTheCalendarsDates) {
    const ListCase cases[] = {
        {"", "en_US", "Weeks Starting March 15, 2027 ", "2027/03/20 (Birthday) - Oma",
         "July 4, 2027: 3 of 9 entries do not fit", "July 4, 2027: 1 of 2 entries does not fit"},
        {"de", "de_DE", "Wochen ab 15. März 2027 ", "20. März 2027 (Geburtstag) - Oma",
         "4. Juli 2027: 3 von 9 Einträgen passen nicht",
         "4. Juli 2027: 1 von 2 Einträgen passt nicht"},
        {"fr", "fr_FR", "Semaines à partir du 15 mars 2027 ", "20 mars 2027 (Anniversaire) - Oma",
         "4 juillet 2027\u00a0: 3 entrées sur 9 ne tiennent pas",
         "4 juillet 2027\u00a0: 1 entrée sur 2 ne tient pas"},
        {"es", "es_ES", "Semanas a partir del 15 de marzo de 2027 ",
         "20 de marzo de 2027 (Cumpleaños) - Oma", "4 de julio de 2027: no caben 3 de 9 entradas",
         "4 de julio de 2027: no cabe 1 de 2 entradas"},
    };
    for (const ListCase& c : cases) {
        const Translation translation(QStringLiteral("daylark"), QString::fromLatin1(c.language));
        TestApp t;
        LayoutSettings layout = LoadSettings(t.store).Layout;
        layout.Language = QString::fromLatin1(c.locale);
        layout.FirstDayOfWeek = QStringLiteral("Monday");
        CalendarDocument doc;
        doc.Birthdays.append(birthday("03201951", QStringLiteral("Oma"), "3"));
        const QDate today(2027, 3, 17);
        const PageLocale locale = PageLocale::of(layout);

        EXPECT_EQ(MakeWeekGrid(doc, layout, today, 2).heading, QString::fromUtf8(c.heading));
        EXPECT_EQ(UpcomingEventLines(doc, today, 1, locale),
                  QStringList{QString::fromUtf8(c.upcoming)});
        EXPECT_EQ(FitProblemLines({{2027, 7, 4, 9, 3, {}}, {2027, 7, 4, 2, 1, {}}}, locale),
                  QStringList({QString::fromUtf8(c.fit), QString::fromUtf8(c.oneFit)}))
            << c.locale;
    }
}

// The layout's refusals of a paper speak the window's language, in the unit of the boxes.
TEST(TranslatedLists, PaperRefusalsSpeakTheWindowsLanguage) {
    TestApp t;
    LayoutSettings layout = LoadSettings(t.store).Layout;
    layout.PaperSize = QStringLiteral("Custom");
    layout.PaperSizeWidth = 200; // more than 100 inches
    layout.PaperSizeHeight = 8.5f;
    const QString english = unkeptPaperMessage(layout, MeasureUnit::Millimetre);
    EXPECT_TRUE(english.endsWith(QStringLiteral("from 25.4 to 2540 mm."))) << english.toStdString();
    const Translation german(QStringLiteral("daylark"), QStringLiteral("de"));
    const QString translated = unkeptPaperMessage(layout, MeasureUnit::Millimetre);
    EXPECT_TRUE(translated.startsWith(QString::fromUtf8("Ungültige Papiermaße.")));
    EXPECT_TRUE(translated.contains(QStringLiteral("2540 mm")));
    EXPECT_TRUE(paperMessage(MeasureUnit::Inch).contains(QStringLiteral("5 Zoll")));
}

} // namespace
