#include "document/AgeText.h"
#include "document/EntryText.h"
#include "support/CalendarBuilder.h"

#include <gtest/gtest.h>

// Ages and years of marriage as each language of the page writes them.

TEST(AgeText, EachLanguageWritesItsOrdinalAndWordForBothKinds) {
    struct Case {
        QLocale::Language language;
        EntryKind kind;
        int count;
        const char* text; // style "1" for the name N
    };
    const Case cases[] = {
        {QLocale::English, EntryKind::Birthday, 45, "N -- 45th Birthday"},
        {QLocale::English, EntryKind::Anniversary, 12, "N -- 12th Anniversary"},
        {QLocale::German, EntryKind::Birthday, 76, "N – 76. Geburtstag"},
        {QLocale::German, EntryKind::Anniversary, 25, "N – 25. Jahrestag"},
        {QLocale::French, EntryKind::Birthday, 42, "N – 42e anniversaire"},
        {QLocale::French, EntryKind::Anniversary, 1, "N – 1er anniversaire"},
        {QLocale::French, EntryKind::Birthday, 0, "N – 0e anniversaire"},
        {QLocale::Spanish, EntryKind::Birthday, 42, "N – 42.º cumpleaños"},
        {QLocale::Spanish, EntryKind::Anniversary, 50, "N – 50.º aniversario"},
        {QLocale::Italian, EntryKind::Birthday, 3, "N -- 3rd Birthday"}, // English words
        {QLocale::German, EntryKind::Birthday, -1, "N – -1. Geburtstag"},
    };
    for (const Case& c : cases) {
        const QString year = QString::number(2000 - c.count);
        EXPECT_EQ(StyledEntryText(QStringLiteral("N"), year, u'1', 2000, c.kind, c.language),
                  QString::fromUtf8(c.text))
            << c.text;
        // The other styles carry no words to translate.
        EXPECT_EQ(StyledEntryText(QStringLiteral("N"), year, u'2', 2000, c.kind, c.language),
                  QStringLiteral("N ") + year);
        EXPECT_EQ(StyledEntryText(QStringLiteral("N"), year, u'3', 2000, c.kind, c.language),
                  QStringLiteral("N"));
        EXPECT_TRUE(
            StyledEntryText(QStringLiteral("N"), year, u'0', 2000, c.kind, c.language).isEmpty());
    }
}

TEST(AgeText, ThePagesDisplayTextTakesTheLanguageAndEnglishStaysAsItWas) {
    CalendarDocument doc;
    doc.Birthdays.append(birthday("03011951", QStringLiteral("Oma Rosa")));
    doc.Anniversaries.append(anniversary("06151985", QStringLiteral("Eltern")));
    EXPECT_EQ(EntryDisplayText(doc, 2027, EntryKind::Birthday, 0, QLocale::German),
              QString::fromUtf8("Oma Rosa – 76. Geburtstag"));
    EXPECT_EQ(EntryDisplayText(doc, 2027, EntryKind::Anniversary, 0, QLocale::German),
              QString::fromUtf8("Eltern – 42. Jahrestag"));
    EXPECT_EQ(EntryDisplayText(doc, 2027, EntryKind::Birthday, 0),
              StyledEntryText(QStringLiteral("Oma Rosa"), u"1951", u'1', 2027, u"Birthday"));
}
