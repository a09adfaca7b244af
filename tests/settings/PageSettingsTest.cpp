#include "platform/SettingsStore.h"
#include "settings/LayoutRules.h"
#include "settings/LoadSettings.h"
#include "settings/PageLanguage.h"
#include "settings/PaperRules.h"
#include "settings/Registry.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// The stored language, week and paper name of the pages, and what they name.

using namespace Registry;

TEST(PageSettings, LanguageWeekAndPaperNameTakeTheirDefaultsAndFirstDayKeepsItsWords) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Daylark.conf")));
    const LayoutSettings first = LoadSettings(store).Layout;
    EXPECT_EQ(first.Language, "System");
    EXPECT_EQ(first.FirstDayOfWeek, "Locale");
    EXPECT_EQ(first.WeekNumbers, "False");
    EXPECT_EQ(first.PaperName, "");
    for (const char* name : {"Language", "FirstDayOfWeek", "WeekNumbers", "PaperName"})
        EXPECT_TRUE(QueryValue(store, kLayoutKey, QLatin1String(name)).isValid()) << name;

    const std::pair<const char*, const char*> days[] = {
        {"Monday", "Monday"}, {"Saturday", "Saturday"}, {"Sunday", "Sunday"},
        {"monday", "Locale"}, {"Tuesday", "Locale"},    {"", "Locale"}};
    for (const auto& [stored, read] : days) {
        SetKeyValue(store, kLayoutKey, "FirstDayOfWeek", QLatin1String(stored));
        EXPECT_EQ(LoadSettings(store).Layout.FirstDayOfWeek, read) << stored;
    }
    SetKeyValue(store, kLayoutKey, "Language", "fr_FR");
    EXPECT_EQ(LoadSettings(store).Layout.Language, "fr_FR");
}

TEST(PageSettings, LanguageNamesAreTheSystemOrLocalesTheToolkitKnows) {
    for (const char* known : {"System", "de_DE", "fr_FR", "es_ES", "ar_EG", "C", "en_US"})
        EXPECT_TRUE(IsPageLanguageName(QLatin1String(known))) << known;
    for (const char* unknown : {"", " ", "xx_YY", "Deutsch", "system"})
        EXPECT_FALSE(IsPageLanguageName(QLatin1String(unknown))) << unknown;
    EXPECT_EQ(PageLanguage(QStringLiteral("de_DE")).language(), QLocale::German);
    // Under the tests' C locale the system's language is English (United States).
    EXPECT_EQ(PageLanguage(QStringLiteral("System")), UsEnglishLocale());
    EXPECT_EQ(PageLanguage(QStringLiteral("xx_YY")), UsEnglishLocale());
    EXPECT_EQ(FirstDayOfWeek(QStringLiteral("Locale"), QLocale(QStringLiteral("ar_EG"))), 6);
    EXPECT_EQ(FirstDayOfWeek(QStringLiteral("Locale"), QLocale::c()), 0);
}

TEST(PageSettings, TheLanguagesOfferedAreNamedInThemselvesOnceEachAndInOrder) {
    const std::vector<PageLanguageChoice> choices = PageLanguageChoices();
    ASSERT_GT(choices.size(), 100u);
    QSet<QString> names;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const PageLanguageChoice& c = choices[i];
        EXPECT_FALSE(names.contains(c.name)) << c.name.toStdString();
        names.insert(c.name);
        EXPECT_TRUE(IsPageLanguageName(c.name)) << c.name.toStdString();
        EXPECT_EQ(QLocale(c.name).name(), c.name); // the stored name gives the locale back
        if (i > 0) {
            EXPECT_LE(QString::localeAwareCompare(choices[i - 1].label, c.label), 0);
        }
    }
    auto labelOf = [&](const char* name) {
        for (const PageLanguageChoice& c : choices)
            if (c.name == QLatin1String(name)) return c.label;
        return QString();
    };
    EXPECT_EQ(labelOf("de_DE"), "Deutsch (Deutschland)");
    EXPECT_EQ(labelOf("fr_FR"), QString::fromUtf8("Français (France)"));
    EXPECT_FALSE(names.contains(QStringLiteral("C")));
}

TEST(PaperRules, NamedSizesAreTheStandardsAndAreKnownAgainOnlyWithTheirSides) {
    struct Case {
        const char* name;
        double width, height; // inches, upright
    };
    const Case cases[] = {{"A3", 297 / 25.4, 420 / 25.4},
                          {"A4", 210 / 25.4, 297 / 25.4},
                          {"A5", 148 / 25.4, 210 / 25.4},
                          {"Letter", 8.5, 11},
                          {"Legal", 8.5, 14},
                          {"Tabloid", 11, 17}};
    ASSERT_EQ(PaperNames().size(), 6);
    for (const Case& c : cases) {
        const std::optional<QSizeF> size = NamedPaperInches(QLatin1String(c.name));
        ASSERT_TRUE(size) << c.name;
        EXPECT_NEAR(size->width(), c.width, 1e-9) << c.name;
        EXPECT_NEAR(size->height(), c.height, 1e-9) << c.name;
    }
    EXPECT_FALSE(NamedPaperInches(QStringLiteral("a4")));

    LayoutSettings layout;
    layout.PaperSize = QStringLiteral("Custom");
    layout.PaperName = QStringLiteral("A4");
    layout.PaperSizeWidth = float(297 / 25.4); // stored across: still A4
    layout.PaperSizeHeight = float(210 / 25.4);
    EXPECT_EQ(ChosenPaperName(layout), "A4");
    layout.PaperSizeWidth = 12; // sides changed by hand: a size of its own
    EXPECT_EQ(ChosenPaperName(layout), "");
    layout.PaperSizeWidth = 8.5f;
    layout.PaperSizeHeight = 11;
    layout.PaperName = QStringLiteral("Letter");
    EXPECT_EQ(ChosenPaperName(layout), "Letter");
    layout.PaperSize = QStringLiteral("Default");
    EXPECT_EQ(ChosenPaperName(layout), "");
}

TEST(PaperRules, BoxesShowMillimetresWhereTheLocaleIsMetricAndStoreInches) {
    EXPECT_EQ(MeasureUnitOf(QLocale::c()), MeasureUnit::Inch);
    EXPECT_EQ(MeasureUnitOf(QLocale(QStringLiteral("en_US"))), MeasureUnit::Inch);
    EXPECT_EQ(MeasureUnitOf(QLocale(QStringLiteral("de_DE"))), MeasureUnit::Millimetre);
    EXPECT_EQ(MeasureUnitOf(QLocale(QStringLiteral("en_GB"))), MeasureUnit::Millimetre);

    const std::pair<float, const char*> shown[] = {
        {0.75f, "19.05"}, {float(210 / 25.4), "210"}, {0.5f, "12.7"}, {0, "0"}};
    for (const auto& [inches, text] : shown) {
        EXPECT_EQ(MeasureText(inches, MeasureUnit::Millimetre), text) << text;
        EXPECT_NEAR(MeasureInches(QLatin1String(text), MeasureUnit::Millimetre), inches, 1e-6);
    }
    EXPECT_EQ(MeasureText(0.75f, MeasureUnit::Inch), "0.75");
    EXPECT_EQ(MeasureInches(QStringLiteral("0.75"), MeasureUnit::Inch), 0.75f);
    EXPECT_EQ(MeasureInches(QStringLiteral("wide"), MeasureUnit::Millimetre), 0.0f);
}

// Small months and fitted rows are on from the start, the other extras off; the shade is a
// light grey. Each is written back, and a stored choice is kept.
TEST(PageSettings, PageExtrasStartWithSmallMonthsAndFittedRowsAndAPaleShade) {
    QTemporaryDir dir;
    SettingsStore store(dir.filePath(QStringLiteral("Daylark.conf")));
    const LayoutSettings first = LoadSettings(store).Layout;
    const std::pair<const char*, const QString LayoutSettings::*> extras[] = {
        {"SmallMonths", &LayoutSettings::SmallMonths},
        {"FitRows", &LayoutSettings::FitRows},
        {"MoonPhases", &LayoutSettings::MoonPhases},
        {"ShadeWeekends", &LayoutSettings::ShadeWeekends},
        {"ShadeHolidays", &LayoutSettings::ShadeHolidays},
        {"NotesBox", &LayoutSettings::NotesBox}};
    for (const auto& [name, field] : extras) {
        const bool on = QLatin1String(name) == "SmallMonths" || QLatin1String(name) == "FitRows";
        EXPECT_EQ(first.*field, on ? "True" : "False") << name;
        EXPECT_EQ(QueryValue(store, kLayoutKey, QLatin1String(name)).toString(), first.*field);
        SetKeyValue(store, kLayoutKey, QLatin1String(name), on ? "False" : "True");
        EXPECT_EQ(LoadSettings(store).Layout.*field, on ? "False" : "True") << name;
    }
    const QColor shade = colorFromText(first.ShadeColor);
    EXPECT_TRUE(shade.red() >= 200 && shade.green() >= 200 && shade.blue() >= 200 &&
                shade != QColor(Qt::white))
        << first.ShadeColor.toStdString();
    EXPECT_TRUE(QueryValue(store, kLayoutKey, "ShadeColor").isValid());
}
