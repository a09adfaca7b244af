#include "document/RuleText.h"

#include "document/EntryText.h"

#include <QStringList>

namespace {

QString ordinalWord(int n) {
    static const char* const kWords[] = {"First", "Second", "Third", "Fourth", "Fifth"};
    return n >= 1 && n <= 5 ? QLatin1String(kWords[n - 1]) : QString::number(n);
}

QString baseText(const HolidayRule& r) {
    switch (r.base) {
    case RuleBase::Fixed:
        return MonthName(r.month) + u' ' + QString::number(r.day);
    case RuleBase::NthWeekday:
        return ordinalWord(r.n) + u' ' + WeekdayName(r.weekday) + QLatin1String(" of ") +
               MonthName(r.month);
    case RuleBase::LastWeekday:
        return QLatin1String("Last ") + WeekdayName(r.weekday) + QLatin1String(" of ") +
               MonthName(r.month);
    case RuleBase::WeekdayOnOrAfter:
        return WeekdayName(r.weekday) + QLatin1String(" on or after ") + MonthName(r.month) + u' ' +
               QString::number(r.day);
    case RuleBase::WesternEaster:
        return QStringLiteral("Easter");
    case RuleBase::OrthodoxEaster:
        return QStringLiteral("Orthodox Easter");
    }
    return {};
}

// ", on Monday when on a Sunday, on Friday when on a Saturday"
QString observanceText(const HolidayRule& r) {
    QStringList parts;
    for (int weekday = 0; weekday < 7; ++weekday) {
        const int shift = r.observed[size_t(weekday)];
        if (shift == 0) continue;
        parts << QLatin1String("on ") + WeekdayName(((weekday + shift) % 7 + 7) % 7) +
                     QLatin1String(" when on a ") + WeekdayName(weekday);
    }
    return parts.isEmpty() ? QString() : QLatin1String(", ") + parts.join(QLatin1String(", "));
}

QString yearsText(const HolidayRule& r) {
    if (r.firstYear && r.lastYear)
        return QStringLiteral(", %1 to %2").arg(r.firstYear).arg(r.lastYear);
    if (r.firstYear) return QStringLiteral(", from %1").arg(r.firstYear);
    if (r.lastYear) return QStringLiteral(", up to %1").arg(r.lastYear);
    return {};
}

} // namespace

QString WeekdayName(int weekday) {
    static const char* const kNames[] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                         "Thursday", "Friday", "Saturday"};
    return weekday >= 0 && weekday <= 6 ? QLatin1String(kNames[weekday]) : QString();
}

QString HolidayRuleText(const HolidayRule& r) {
    QString text = baseText(r);
    if (r.offset > 0) text += QStringLiteral(" + %1").arg(r.offset);
    if (r.offset < 0) text += QStringLiteral(" - %1").arg(-r.offset);
    return text + observanceText(r) + yearsText(r);
}

QString ObservedName(const QString& name, bool observed, QLocale::Language language) {
    if (!observed) return name;
    switch (language) {
    case QLocale::German:
        return name + QLatin1String(" (Ersatztag)");
    case QLocale::French:
        return name + QLatin1String(" (jour férié reporté)");
    case QLocale::Spanish:
        return name + QLatin1String(" (trasladado)");
    default:
        return name + QLatin1String(" (observed)");
    }
}
