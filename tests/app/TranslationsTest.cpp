#include "platform/Translations.h"
#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "document/ICalendar.h"
#include "drawing/windows/PrintWindow.h"
#include "editors/windows/BirthdayEditors.h"
#include "settings/LoadSettings.h"
#include "shell/MainWindow.h"
#include "shell/StartUp.h"
#include "support/TestApp.h"
#include "support/Translation.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <map>

namespace {

const QString kDaylark = QStringLiteral("daylark");

TEST(Translations, TheUsersFirstLanguageThatTheProgramSpeaksIsChosen) {
    const QStringList available{"de", "fr", "es"};
    struct Case {
        QStringList preferred;
        const char* chosen;
    };
    const Case cases[] = {
        {{"de-DE", "de"}, "de"},
        {{"fr-CA"}, "fr"},
        {{"es_MX.UTF-8"}, "es"},
        {{"ja-JP", "fr-FR"}, "fr"}, // the first one we have
        {{"en-GB", "de-DE"}, ""},   // English preferred before German
        {{"C"}, ""},                // the tests' own locale
        {{"POSIX", "de"}, ""},
        {{"it-IT", "pt-BR"}, ""}, // none we have: English
        {{}, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseLanguage(c.preferred, available), QString::fromLatin1(c.chosen))
            << c.preferred.join(u' ').toStdString();
    EXPECT_EQ(ChooseLanguage({"de-DE"}, {"fr"}), QString());
}

// Each translation is built into the program, speaks its own language, and can be taken out
// again.
TEST(Translations, EveryLanguageIsBuiltInAndInstallsAndUninstalls) {
    ASSERT_EQ(AvailableLanguages(kDaylark), TranslatedLanguages());
    for (const QString& language : TranslatedLanguages()) {
        {
            const Translation translation(kDaylark, language);
            ASSERT_TRUE(translation.installed()) << language.toStdString();
            EXPECT_EQ(InterfaceLanguage(), language);
            EXPECT_EQ(InterfaceLocale().language(), QLocale(language).language());
            EXPECT_NE(QCoreApplication::translate("frmMain", "&File"), QString("&File"));
        }
        EXPECT_EQ(InterfaceLanguage(), QString("en"));
        EXPECT_EQ(QCoreApplication::translate("frmMain", "&File"), QString("&File"));
    }
    EXPECT_FALSE(InstallTranslations(kDaylark, QStringLiteral("it")));
    EXPECT_FALSE(InstallTranslations(kDaylark, QString()));
    EXPECT_EQ(InterfaceLanguage(), QString("en"));
}

TEST(Translations, QtsOwnDialogsSpeakTheLanguageToo) {
    const Translation translation(kDaylark, QStringLiteral("de"));
    // The buttons of message boxes come from Qt's own translation.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QString("&Ja"));
}

// The texts of every action of the window's menus (and the menus themselves), by name.
std::map<QString, QString> menuTexts(const frmMain& window) {
    std::map<QString, QString> texts;
    for (QAction* menu : window.menuBar()->actions()) {
        texts[menu->menu()->objectName()] = menu->text();
        for (QAction* item : menu->menu()->actions())
            if (!item->isSeparator() && !item->objectName().startsWith("mnuFileRecent"))
                texts[item->objectName()] = item->text();
    }
    for (QAction* item : window.mnuTray->actions())
        if (!item->isSeparator()) texts[item->objectName()] = item->text();
    return texts;
}

TEST(Translations, TheMainWindowsMenusSpeakGerman) {
    TestApp t;
    StartUp(t.app);
    const std::map<QString, QString> english = menuTexts(frmMain(t.app, true));
    const Translation german(kDaylark, QStringLiteral("de"));
    StartUp(t.app);
    frmMain window(t.app, true);
    const std::map<QString, QString> translated = menuTexts(window);
    ASSERT_EQ(translated.size(), english.size());
    for (const auto& [name, text] : translated)
        EXPECT_NE(text, english.at(name)) << name.toStdString();
    EXPECT_EQ(translated.at("mnuFile"), QString("&Datei"));
    EXPECT_EQ(translated.at("mnuHelp"), QString("&Hilfe"));
    EXPECT_EQ(t.app.Document.CalendarTitle, QString("[Unbenannt]")); // a new calendar
}

// The access keys of a menu: each "&x" letter, lower case.
QStringList accessKeys(const QList<QAction*>& actions) {
    QStringList keys;
    static const QRegularExpression key(QStringLiteral("&([^&])"));
    for (const QAction* action : actions)
        if (const auto m = key.match(action->text()); m.hasMatch()) keys << m.captured(1).toLower();
    return keys;
}

// In every translation, no two items of a menu (and no two menus of the bar) share an access
// key, and every item has one.
TEST(Translations, EveryMenuHasDistinctAccessKeysInEveryLanguage) {
    for (const QString& language : TranslatedLanguages()) {
        const Translation translation(kDaylark, language);
        TestApp t;
        StartUp(t.app);
        const frmMain window(t.app, true);
        QList<QList<QAction*>> menus{window.menuBar()->actions()};
        for (QAction* menu : window.menuBar()->actions()) {
            QList<QAction*> items;
            for (QAction* item : menu->menu()->actions())
                if (!item->isSeparator() && !item->objectName().startsWith("mnuFileRecent"))
                    items << item;
            menus << items;
        }
        for (const QList<QAction*>& menu : menus) {
            const QStringList keys = accessKeys(menu);
            EXPECT_EQ(keys.size(), menu.size()) << language.toStdString();
            EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()).size(), keys.size())
                << language.toStdString() << ": " << keys.join(u' ').toStdString();
        }
    }
}

TEST(Translations, ThePrintWindowSpeaksGerman) {
    const Translation german(kDaylark, QStringLiteral("de"));
    TestApp t;
    t.app.Layout = LoadSettings(t.store).Layout;
    t.app.DisplayYear = 2027;
    frmPrint window(t.app, nullptr, QList<QPrinterInfo>());
    EXPECT_EQ(window.windowTitle(), QString("Kalender drucken"));
    EXPECT_EQ(window.cmdBegin->text(), QString("Drucken"));
    EXPECT_EQ(window.cmdClose->text(), QString("Schließen"));
    EXPECT_EQ(window.optAll->text(), QString("Alle"));
    EXPECT_EQ(window.lstMonths->item(2)->text(), QString("März"));
    EXPECT_EQ(window.cboPrinters->itemText(0), QString("Als PDF-Datei speichern"));
}

// An editor still tells adding from updating by its button when the button speaks German.
TEST(Translations, AGermanEditorAddsAndUpdates) {
    const Translation german(kDaylark, QStringLiteral("de"));
    TestApp t;
    t.app.Options = LoadSettings(t.store).Options;
    t.app.Options.ConfirmAdd = t.app.Options.ConfirmEdit = QStringLiteral("False");
    t.app.Options.AfterAdd = QStringLiteral("Close");
    frmBirthday editor(t.app);
    EXPECT_EQ(editor.windowTitle(), QString("Geburtstag hinzufügen"));
    EXPECT_FALSE(editor.cmdAdd->isEnabled()); // the German name template is no name
    editor.txtName->setText(QStringLiteral("Oma Rosa"));
    editor.cmdAdd->click();
    ASSERT_EQ(t.app.Document.Birthdays.entryCount(), 1);

    t.app.EditIndex = 0;
    frmBirthday update(t.app);
    update.setUpdating();
    update.txtName->setText(QStringLiteral("Oma Rosa Berg"));
    update.cmdAdd->click();
    ASSERT_EQ(t.app.Document.Birthdays.entryCount(), 1);
    EXPECT_EQ(t.app.Document.Birthdays[0].Name, QString("Oma Rosa Berg"));
}

TEST(Translations, EntryDatesReadAsEachLanguageWritesThem) {
    const BirthdayEntry birthday{"03071961", "Oma", "1"};
    const FixedHolidayEntry holiday{"0704", "Fest"};
    const FloatingHolidayEntry thanksgiving{"11", "44", "Dank"};
    const FloatingHolidayEntry april{"04", "L1", "Frühling"};
    struct Case {
        const char* language;
        const char* birthday;
        const char* holiday;
        const char* thanksgiving;
        const char* april;
    };
    const Case cases[] = {
        {"de", "7. März 1961", "4. Juli", "Vierter Donnerstag im November",
         "Letzter Montag im April"},
        {"fr", "7 mars 1961", "4 juillet", "Quatrième jeudi de novembre", "Dernier lundi d’avril"},
        {"es", "7 de marzo de 1961", "4 de julio", "Cuarto jueves de noviembre",
         "Último lunes de abril"},
    };
    for (const Case& c : cases) {
        const Translation translation(kDaylark, QString::fromLatin1(c.language));
        const DateWords words;
        EXPECT_EQ(EntryDateCaption(birthday, words), QString::fromUtf8(c.birthday));
        EXPECT_EQ(EntryDateCaption(holiday, words), QString::fromUtf8(c.holiday));
        EXPECT_EQ(EntryDateCaption(thanksgiving, words), QString::fromUtf8(c.thanksgiving));
        EXPECT_EQ(EntryDateCaption(april, words), QString::fromUtf8(c.april));
    }
}

// The iCalendar import's messages are whole sentences in each language: what was left out of
// an import, and why a file cut short could not be read. (An event longer than a span may
// be is still added on its first day only; a shorter one keeps its end.)
TEST(Translations, ICalendarImportMessagesSpeakTheLanguage) {
    const QByteArray cut = "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:Trip\r\n";
    const QByteArray leftOut = "BEGIN:VCALENDAR\r\n"
                               "BEGIN:VTODO\r\nSUMMARY:Shopping\r\nEND:VTODO\r\n"
                               "BEGIN:VEVENT\r\nSUMMARY:Trip\r\nDTSTART;VALUE=DATE:20270307\r\n"
                               "DTEND;VALUE=DATE:20280310\r\nEND:VEVENT\r\n"
                               "END:VCALENDAR\r\nX-STRAY:1\r\n";
    struct Case {
        const char* language;
        const char* cutShort;
        const char* toDo;
        const char* trip;
        const char* stray;
    };
    const Case cases[] = {
        {"de",
         "Die Datei ist keine vollständige iCalendar-Datei: Sie endet in Zeile 3, mitten im Teil "
         "(Termin), der in Zeile 2 beginnt.",
         "„Shopping“ ist eine Aufgabe, kein Termin.",
         "„Trip“ (7. März 2027) dauert 369 Tage und wurde nur an seinem ersten Tag eingetragen.",
         "Zeile 11 steht außerhalb aller Kalender der Datei; sie wurde nicht gelesen."},
        {"fr",
         "Le fichier n’est pas un fichier iCalendar complet\u00a0: il s’arrête à la ligne 3, au "
         "milieu de l’élément (événement) qui commence à la ligne 2.",
         "«\u00a0Shopping\u00a0» est une tâche, pas un événement.",
         "«\u00a0Trip\u00a0» (7 mars 2027) dure 369 jours et n’a été ajouté qu’à son premier jour.",
         "La ligne 11 se trouve hors de tout calendrier du fichier\u00a0; elle n’a pas été lue."},
        {"es",
         "El archivo no es un archivo iCalendar completo: termina en la línea 3, en mitad del "
         "elemento (evento) que empieza en la línea 2.",
         "«Shopping» es una tarea, no un evento.",
         "«Trip» (7 de marzo de 2027) dura 369 días y solo se añadió en su primer día.",
         "La línea 11 está fuera de todos los calendarios del archivo; no se leyó."},
    };
    for (const Case& c : cases) {
        const Translation translation(kDaylark, QString::fromLatin1(c.language));
        CalendarDocument doc;
        EXPECT_EQ(importICalendar(cut, doc).error, QString::fromUtf8(c.cutShort)) << c.language;
        const ICalImportResult result = importICalendar(leftOut, doc);
        EXPECT_EQ(result.added, 1);
        EXPECT_EQ(result.notImported,
                  QStringList({QString::fromUtf8(c.toDo), QString::fromUtf8(c.trip),
                               QString::fromUtf8(c.stray)}))
            << c.language;
    }
}

} // namespace
