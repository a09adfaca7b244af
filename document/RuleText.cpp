#include "document/RuleText.h"

#include "document/EntryText.h"
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// A text and its note for the translators, as QT_TRANSLATE_NOOP3 gives them.
struct Source {
    const char* text;
    const char* comment;
};

// The words of a rule's text: the fixed English ones, or the windows' language.
class RuleWords {
  public:
    explicit RuleWords(TextLanguage language) : interface_(language == TextLanguage::Interface) {}

    // A text of the "RuleText" context, translated for the windows.
    QString text(const Source& s) const {
        return interface_ ? QCoreApplication::translate("RuleText", s.text, s.comment)
                          : QString::fromUtf8(s.text);
    }
    QString month(int month) const {
        // The locale's own case, as within a date ("26 décembre"), not a list's capital.
        return interface_ ? InterfaceLocale().monthName(month) : MonthName(month);
    }
    QString weekday(int weekday) const {
        if (weekday < 0 || weekday > 6) return {};
        return interface_ ? InterfaceLocale().dayName(weekday == 0 ? 7 : weekday)
                          : WeekdayName(weekday);
    }
    QString dayOfMonth(int month, int day) const {
        return text(QT_TRANSLATE_NOOP3("RuleText", "%1 %2", "a day of every year: July 4"))
            .arg(this->month(month), QString::number(day));
    }

  private:
    bool interface_;
};

QString ordinalWord(int n, const RuleWords& words) {
    static const Source kWords[] = {
        QT_TRANSLATE_NOOP3("RuleText", "First", "the week of a holiday: First Monday of May"),
        QT_TRANSLATE_NOOP3("RuleText", "Second", "the week of a holiday: First Monday of May"),
        QT_TRANSLATE_NOOP3("RuleText", "Third", "the week of a holiday: First Monday of May"),
        QT_TRANSLATE_NOOP3("RuleText", "Fourth", "the week of a holiday: First Monday of May"),
        QT_TRANSLATE_NOOP3("RuleText", "Fifth", "the week of a holiday: First Monday of May")};
    return n >= 1 && n <= 5 ? words.text(kWords[n - 1]) : QString::number(n);
}

QString baseText(const HolidayRule& r, const RuleWords& words) {
    switch (r.base) {
    case RuleBase::Fixed:
        return words.dayOfMonth(r.month, r.day);
    case RuleBase::NthWeekday:
        return words
            .text(QT_TRANSLATE_NOOP3("RuleText", "%1 %2 of %3",
                                     "%1 First, %2 Monday, %3 May: First Monday of May"))
            .arg(ordinalWord(r.n, words), words.weekday(r.weekday), words.month(r.month));
    case RuleBase::LastWeekday:
        return words
            .text(QT_TRANSLATE_NOOP3("RuleText", "Last %1 of %2",
                                     "%1 Monday, %2 May: Last Monday of May"))
            .arg(words.weekday(r.weekday), words.month(r.month));
    case RuleBase::WeekdayOnOrAfter:
        return words
            .text(QT_TRANSLATE_NOOP3("RuleText", "%1 on or after %2",
                                     "%1 Monday, %2 May 24: Monday on or after May 24"))
            .arg(words.weekday(r.weekday), words.dayOfMonth(r.month, r.day));
    case RuleBase::WesternEaster:
        return words.text(QT_TRANSLATE_NOOP3("RuleText", "Easter", "Easter Sunday"));
    case RuleBase::OrthodoxEaster:
        return words.text(QT_TRANSLATE_NOOP3("RuleText", "Orthodox Easter", "Easter Sunday"));
    }
    return {};
}

// ", on Monday when on a Sunday, on Friday when on a Saturday"
QString observanceText(const HolidayRule& r, const RuleWords& words) {
    const QString form =
        words.text(QT_TRANSLATE_NOOP3("RuleText", "on %1 when on a %2",
                                      "%1 Monday, %2 Sunday: a holiday observed on another day"));
    QStringList parts;
    for (int weekday = 0; weekday < 7; ++weekday) {
        const int shift = r.observed[size_t(weekday)];
        if (shift == 0) continue;
        parts << form.arg(words.weekday(((weekday + shift) % 7 + 7) % 7), words.weekday(weekday));
    }
    return parts.isEmpty() ? QString() : QLatin1String(", ") + parts.join(QLatin1String(", "));
}

QString yearsText(const HolidayRule& r, const RuleWords& words) {
    if (r.firstYear && r.firstYear == r.lastYear) // a holiday of one year: a jubilee
        return words
            .text(QT_TRANSLATE_NOOP3("RuleText", ", only in %1", "the one year a holiday holds"))
            .arg(r.firstYear);
    if (r.firstYear && r.lastYear)
        return words.text(QT_TRANSLATE_NOOP3("RuleText", ", %1 to %2", "the years a holiday holds"))
            .arg(r.firstYear)
            .arg(r.lastYear);
    if (r.firstYear)
        return words.text(QT_TRANSLATE_NOOP3("RuleText", ", from %1", "the years a holiday holds"))
            .arg(r.firstYear);
    if (r.lastYear)
        return words.text(QT_TRANSLATE_NOOP3("RuleText", ", up to %1", "the years a holiday holds"))
            .arg(r.lastYear);
    return {};
}

} // namespace

QString WeekdayName(int weekday) {
    static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday <= 6 ? QLatin1String(kNames[weekday]) : QString();
}

QString HolidayRuleText(const HolidayRule& r, TextLanguage language) {
    const RuleWords words(language);
    QString text = baseText(r, words);
    if (r.offset > 0) text += QStringLiteral(" + %1").arg(r.offset);
    if (r.offset < 0) text += QStringLiteral(" - %1").arg(-r.offset);
    return text + observanceText(r, words) + yearsText(r, words);
}

QString ObservedName(const QString& name, bool observed, QLocale::Language language) {
    if (!observed) return name;
    switch (language) {
    case QLocale::German:
        return name + QStringLiteral(" (Ersatztag)");
    case QLocale::French:
        return name + QStringLiteral(" (jour férié reporté)");
    case QLocale::Spanish:
        return name + QStringLiteral(" (trasladado)");
    default:
        return name + QLatin1String(" (observed)");
    }
}
