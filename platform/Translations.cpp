#include "platform/Translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

// The object name of the translators installed here, so that they can be found and replaced.
const QString kOurTranslator = QStringLiteral("daylarkTranslation");

QString catalogPath(const QString& catalog, const QString& language) {
    return QStringLiteral(":/i18n/%1_%2.qm").arg(catalog, language);
}

// The language part of a language name: "de" of "de-DE", "de_DE" or "de".
QString languageOf(const QString& name) {
    return name.section(u'-', 0, 0).section(u'_', 0, 0).toLower();
}

QList<QTranslator*> ourTranslators() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return {};
    return app->findChildren<QTranslator*>(kOurTranslator, Qt::FindDirectChildrenOnly);
}

// Loads and installs one translation file; false when it cannot be read.
bool installFile(const QString& path) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    translator->setObjectName(kOurTranslator);
    if (!translator->load(path) || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return false;
    }
    return true;
}

} // namespace

QStringList TranslatedLanguages() {
    return {QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};
}

QString ChooseLanguage(const QStringList& preferred, const QStringList& available) {
    for (const QString& name : preferred) {
        const QString language = languageOf(name);
        if (language == u"en" || language == u"c" || language == u"posix") return {};
        if (available.contains(language)) return language;
    }
    return {};
}

QStringList AvailableLanguages(const QString& catalog) {
    QStringList languages;
    for (const QString& language : TranslatedLanguages())
        if (QFile::exists(catalogPath(catalog, language))) languages << language;
    return languages;
}

bool InstallTranslations(const QString& catalog, const QString& language) {
    RemoveTranslations();
    if (language.isEmpty() || !QCoreApplication::instance()) return false;
    if (!installFile(catalogPath(catalog, language))) return false;
    // Qt's own texts are a help, not a need: without them its dialogs speak English.
    installFile(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                QStringLiteral("/qtbase_%1.qm").arg(language));
    return true;
}

QString InstallSystemTranslations(const QString& catalog) {
    const QString language =
        ChooseLanguage(QLocale::system().uiLanguages(), AvailableLanguages(catalog));
    return InstallTranslations(catalog, language) ? language : QString();
}

void RemoveTranslations() {
    for (QTranslator* translator : ourTranslators()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

QString InterfaceLanguage() {
    // The catalog's translation is installed first; Qt's own follows it.
    for (const QTranslator* translator : ourTranslators())
        if (translator->filePath().startsWith(QLatin1String(":/i18n/")))
            return languageOf(translator->language());
    return QStringLiteral("en");
}

QLocale InterfaceLocale() {
    const QString language = InterfaceLanguage();
    return language == u"en" ? QLocale::c() : QLocale(language);
}

QString InterfaceMonthName(int month) {
    if (month < 1 || month > 12) return {};
    const QLocale locale = InterfaceLocale();
    return Capitalised(locale.standaloneMonthName(month), locale);
}

QString InterfaceDayName(int weekday) {
    if (weekday < 0 || weekday > 6) return {};
    const QLocale locale = InterfaceLocale();
    return Capitalised(locale.standaloneDayName(weekday == 0 ? 7 : weekday), locale);
}

QString Capitalised(const QString& text, const QLocale& locale) {
    if (text.isEmpty()) return text;
    const qsizetype first = text.front().isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return locale.toUpper(text.left(first)) + text.mid(first);
}
