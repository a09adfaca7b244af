#include "settings/PageLanguage.h"

#include "platform/Translations.h"

#include <QSet>
#include <algorithm>

const QLocale& UsEnglishLocale() {
    static const QLocale locale(QLocale::English, QLocale::UnitedStates);
    return locale;
}

QLocale PageLanguage(const QString& stored) {
    const bool named = stored != QLatin1String("System") && IsPageLanguageName(stored);
    // The system's locale is rebuilt from its language, script and territory: the toolkit's
    // own object for it takes its names and date formats from the C library's locale, which
    // under LANGUAGE=de with LANG=C is German in name but English in its months and dates.
    const QLocale system;
    const QLocale locale =
        named ? QLocale(stored) : QLocale(system.language(), system.script(), system.territory());
    return locale.language() == QLocale::C ? UsEnglishLocale() : locale;
}

bool IsPageLanguageName(const QString& text) {
    if (text == QLatin1String("System") || text == QLatin1String("C") ||
        text == QLatin1String("POSIX"))
        return true;
    return !text.trimmed().isEmpty() && QLocale(text).language() != QLocale::C;
}

int FirstDayOfWeek(const QString& stored, const QLocale& locale) {
    if (stored == QLatin1String("Sunday")) return 0;
    if (stored == QLatin1String("Monday")) return 1;
    if (stored == QLatin1String("Saturday")) return 6;
    const QLocale& page = locale.language() == QLocale::C ? UsEnglishLocale() : locale;
    return page.firstDayOfWeek() % 7; // Qt counts Sunday 7
}

std::vector<PageLanguageChoice> PageLanguageChoices() {
    std::vector<PageLanguageChoice> choices;
    QSet<QString> seen;
    for (const QLocale& each : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript,
                                                        QLocale::AnyTerritory)) {
        const QString name = each.name();
        if (each.language() == QLocale::C || seen.contains(name)) continue;
        seen.insert(name);
        const QLocale locale(name); // as the stored name gives it back
        QString language = locale.nativeLanguageName();
        if (language.isEmpty()) language = QLocale::languageToString(locale.language());
        QString territory = locale.nativeTerritoryName();
        if (territory.isEmpty()) territory = QLocale::territoryToString(locale.territory());
        choices.push_back(
            {name, Capitalised(language, locale) + QLatin1String(" (") + territory + u')'});
    }
    std::sort(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
        const int order = QString::localeAwareCompare(a.label, b.label);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return choices;
}
