#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The languages the programs speak besides English, and the loading of their translations.
//
// Each program's texts are translated into a catalog of its own ("daylark", "qvfsch"), built
// into the program as ":/i18n/<catalog>_<language>.qm". With it go Qt's own translations of
// its dialogs (buttons of message boxes, the file, colour and print dialogs), read from the
// folder where the system keeps them (qtbase_<language>.qm).

// The translated languages as two-letter codes: "de", "fr", "es".
QStringList TranslatedLanguages();

// The language to speak for the user's languages in order of preference (as
// QLocale::uiLanguages() gives them: "de-DE", "fr", "en-GB", "C"): the first that is English
// (or the C locale) or one of the available ones. Empty means English, also when none
// matches.
QString ChooseLanguage(const QStringList& preferred, const QStringList& available);

// The languages of the catalog that the program holds.
QStringList AvailableLanguages(const QString& catalog);

// Installs the catalog's translation into language and Qt's own, in place of any installed
// before by these functions. An empty language, or one the catalog lacks, leaves the program
// in English. Returns whether the catalog's translation is installed.
bool InstallTranslations(const QString& catalog, const QString& language);

// Installs the translation of the system's language (QLocale::system().uiLanguages(), which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG); returns the language chosen, or the empty
// text for English.
QString InstallSystemTranslations(const QString& catalog);

// Back to English: the translators installed by these functions are removed.
void RemoveTranslations();

// The language the windows speak: the code of the installed translation ("de"), or "en".
QString InterfaceLanguage();

// The locale of the names of months and weekdays in the windows: the installed translation's
// language, or the C locale (English names) when none is installed.
QLocale InterfaceLocale();

// The name of month 1 to 12 as a list or a label shows it in the windows' language, with a
// capital letter ("January", "März", "Avril"); the empty text for any other number.
QString InterfaceMonthName(int month);

// The name of a weekday by its digit, 0 (Sunday) to 6 (Saturday), as a list or a label shows
// it ("Sunday", "Montag", "Mardi"); the empty text for any other digit.
QString InterfaceDayName(int weekday);

// The text with its first letter a capital as the locale writes capitals, as a name that starts
// a label or heads a page is written ("März", "Lunes").
QString Capitalised(const QString& text, const QLocale& locale);
