#pragma once

#include "calendar_format/HolidayRules.h"

#include <QLocale>
#include <QString>

// A holiday rule as the entry list names it: "Easter + 1", "Orthodox Easter - 2", "Monday on
// or after May 24", "Fourth Thursday of November + 1", "July 4, on Monday when on a Sunday",
// "May 8, from 1995". English for files, exports and the command line; Interface for the
// windows, in their language (the same English texts with no translation installed).
enum class TextLanguage { English, Interface };
QString HolidayRuleText(const HolidayRule& rule, TextLanguage language = TextLanguage::English);

// "Sunday" to "Saturday" for 0 to 6.
QString WeekdayName(int weekday);

// A holiday's name on the day it is observed instead of its own: "Christmas Day (observed)",
// in the page's language where we have its word.
QString ObservedName(const QString& name, bool observed, QLocale::Language language);
