#pragma once

#include "document/CalendarDocument.h"

#include <QLocale>
#include <QString>

// How a calendar writes the count of years of a birthday or anniversary (display style "1")
// in its language. English: "45th Birthday", "45th Anniversary"; German: "45. Geburtstag",
// "45. Jahrestag"; French: "45e anniversaire" ("1er" for the first) for both kinds; Spanish:
// "45.º cumpleaños", "45.º aniversario". Any other language takes the English words.

// The ordinal of count as the language writes it: "45th", "45.", "45e", "1er", "45.º".
QString OrdinalNumber(int count, QLocale::Language language);

// The ordinal and the word for the kind (Birthday or Anniversary): "45th Birthday".
QString AgeWords(int count, EntryKind kind, QLocale::Language language);

// The word of a day's "+N more" mark in the language: "more", "weitere", "de plus", "más";
// any other language takes the English word.
QString MoreWord(QLocale::Language language);

// What stands between the name and the age: " -- " in English, a spaced en dash (" – ")
// in the other languages.
QString AgeSeparator(QLocale::Language language);

// The word between the first and last days of a range on a page: "July 10, 2027 to July 20,
// 2027".
QString RangeWord(QLocale::Language language);
