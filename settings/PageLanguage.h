#pragma once

#include <QLocale>
#include <QString>
#include <vector>

// What the layout's Language and FirstDayOfWeek values name, and the languages the layout
// dialog offers for the calendar.

// English (United States), which the C and POSIX locales stand for.
const QLocale& UsEnglishLocale();

// The locale a stored Language names: "System" (or an empty or unknown name) is the
// program's locale, which is the system's; the C and POSIX locales stand for English (United
// States).
QLocale PageLanguage(const QString& stored);

// Whether text names a language of the calendar: "System", or a locale the toolkit knows
// ("de_DE", "fr_FR", "C").
bool IsPageLanguageName(const QString& text);

// The weekday (0 Sunday to 6 Saturday) a stored FirstDayOfWeek names: "Sunday", "Monday",
// "Saturday", or for anything else ("Locale") the first day of the locale's week.
int FirstDayOfWeek(const QString& stored, const QLocale& locale);

// The languages a calendar can be written in, one per locale the toolkit knows, by name
// ("de_DE") with the label a list shows ("Deutsch (Deutschland)"), in the order of their
// labels.
struct PageLanguageChoice {
    QString name;
    QString label;
};
std::vector<PageLanguageChoice> PageLanguageChoices();
