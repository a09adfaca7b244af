#include "document/EntryCaptions.h"
#include "drawing/FitReport.h"
#include "drawing/WeekList.h"
#include "editors/MovingRules.h"
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

struct RangeCase {
    const char* language;
    const char* locale;
    const char* easter;   // the setup list's line of Easter + 1
    const char* observed; // of December 26, observed on Monday when on a Sunday
    const char* festival; // of a holiday of three days from 10 July
    const char* trip;     // of an event from 10 to 20 July 2027
    const char* upcoming; // the upcoming list's line of the trip
    const char* oneDay;   // the unit after 1 day before or after Easter
    const char* noDays;   // after 0 days
};

// Rules, holidays of several days and spans speak the windows' language in the setup list and
// the holiday editor; the two days of a span in the upcoming list are one date of the page's
// language.
TEST(TranslatedLists, RulesAndSpansSpeakTheirLanguages) {
    const RangeCase cases[] = {
        {"", "en_US", "Easter + 1 - Easter Monday",
         "December 26, on Monday when on a Sunday - Boxing Day", "July 10 for 3 days - Festival",
         "July 10, 2027 to July 20, 2027 - Trip", "2027/07/10 to 2027/07/20 (Other) - Trip", " day",
         " days"},
        {"de", "de_DE", "Ostern + 1 - Easter Monday",
         "26. Dezember, am Montag, wenn auf einem Sonntag - Boxing Day",
         "10. Juli, 3 Tage - Festival", "10. Juli 2027 bis 20. Juli 2027 - Trip",
         "10. Juli 2027 bis 20. Juli 2027 (Sonstiges) - Trip", " Tag", " Tage"},
        {"fr", "fr_FR", "Pâques + 1 - Easter Monday",
         "26 décembre, le lundi s’il tombe un dimanche - Boxing Day",
         "10 juillet pendant 3 jours - Festival", "10 juillet 2027 au 20 juillet 2027 - Trip",
         "10 juillet 2027 au 20 juillet 2027 (Autre) - Trip", " jour", " jour"},
        {"es", "es_ES", "Pascua + 1 - Easter Monday",
         "26 de diciembre, el lunes si cae en domingo - Boxing Day",
         "10 de julio durante 3 días - Festival",
         "10 de julio de 2027 al 20 de julio de 2027 - Trip",
         "10 de julio de 2027 al 20 de julio de 2027 (Otro) - Trip", " día", " días"},
    };
    CalendarDocument doc;
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Easter Monday"), RuleFromText(u"easter+1")});
    doc.FloatingHolidays.append(
        {{}, {}, QStringLiteral("Boxing Day"), RuleFromText(u"12-26/sun+1")});
    doc.FixedHolidays.append({"0710", QStringLiteral("Festival"), 3});
    doc.OtherEvents.append({"07102027", QStringLiteral("Trip"), "07202027"});
    for (const RangeCase& c : cases) {
        const Translation translation(QStringLiteral("daylark"), QString::fromLatin1(c.language));
        TestApp t;
        LayoutSettings layout = LoadSettings(t.store).Layout;
        layout.Language = QString::fromLatin1(c.locale);
        EXPECT_EQ(EntryListCaptions(doc, EntryKind::FloatingHoliday),
                  QStringList({QString::fromUtf8(c.easter), QString::fromUtf8(c.observed)}));
        EXPECT_EQ(EntryListCaptions(doc, EntryKind::Holiday),
                  QStringList{QString::fromUtf8(c.festival)});
        EXPECT_EQ(EntryListCaptions(doc, EntryKind::Other), QStringList{QString::fromUtf8(c.trip)});
        const QStringList upcoming =
            UpcomingEventLines(doc, QDate(2027, 7, 1), 1, PageLocale::of(layout));
        EXPECT_TRUE(upcoming.contains(QString::fromUtf8(c.upcoming)))
            << upcoming.join(u'|').toStdString();
        EXPECT_EQ(DaysSuffix(1), QString::fromUtf8(c.oneDay)) << c.locale;
        EXPECT_EQ(DaysSuffix(0), QString::fromUtf8(c.noDays)) << c.locale;
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
