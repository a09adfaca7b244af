#include "document/EntryText.h"

#include "document/AgeText.h"
#include "document/RuleText.h"

#include <cstdlib>
#include <type_traits>

namespace {

// A number field as the list shows it: without leading zeros; characters that are not a
// number (a hand-edited file) are shown as they are.
template <int N> QString numberText(const FixedText<N>& field, int from, int count) {
    const int value = field.number(from, count);
    return value >= 0 ? QString::number(value) : field.view().mid(from, count).trimmed().toString();
}

template <int N> QString monthOf(const FixedText<N>& field) {
    return MonthName(field.number(0, 2));
}

QString datedText(const FixedText<8>& date) {
    return monthOf(date) + u' ' + numberText(date, 2, 2) + QLatin1String(", ") +
           date.view().mid(4, 4).toString();
}

QString weekWord(QChar c) {
    switch (c.unicode()) {
    case u'1':
        return QStringLiteral("First");
    case u'2':
        return QStringLiteral("Second");
    case u'3':
        return QStringLiteral("Third");
    case u'4':
        return QStringLiteral("Fourth");
    case u'L':
        return QStringLiteral("Last");
    default:
        return {};
    }
}

QString weekdayFragment(QChar c) {
    static const char* const kFragments[] = {" Sun",   " Mon", " Tues", " Wednes",
                                             " Thurs", " Fri", " Satur"};
    const int digit = c.digitValue();
    return digit >= 0 && digit <= 6 ? QLatin1String(kFragments[digit]) : QString();
}

template <class Entry>
void eachLine(const EntryTable<Entry>& table, const std::function<void(const QString&)>& use,
              ListStyle style) {
    for (const Entry& e : table) {
        if constexpr (std::is_same_v<Entry, FloatingHolidayEntry>) {
            if (style == ListStyle::NameFirst && e.Moving) {
                use(e.Name + QLatin1String(" (") + HolidayRuleText(*e.Moving) + u')');
                continue;
            }
        }
        use(EntryListText(e));
    }
}

} // namespace

QString MonthName(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? QLatin1String(kNames[month - 1]) : QString();
}

QString EntryDateText(const BirthdayEntry& e) {
    return datedText(e.Date);
}
QString EntryDateText(const AnniversaryEntry& e) {
    return datedText(e.Date);
}
QString EntryDateText(const OtherEntry& e) {
    if (e.Until.isBlank()) return datedText(e.Date);
    return datedText(e.Date) + QLatin1String(" to ") + datedText(e.Until);
}

QString EntryDateText(const FixedHolidayEntry& e) {
    const QString day = monthOf(e.Date) + u' ' + numberText(e.Date, 2, 2);
    return e.Days > 1 ? day + QStringLiteral(" for %1 days").arg(e.Days) : day;
}

QString EntryDateText(const FloatingHolidayEntry& e) {
    if (e.Moving) return HolidayRuleText(*e.Moving);
    const QString week = weekWord(e.Rule.at(0));
    const QString weekday = weekdayFragment(e.Rule.at(1));
    const QString month = monthOf(e.Month);
    // A rule outside the known sets (a hand-edited file) shows its raw characters.
    if (week.isEmpty() || weekday.isEmpty() || month.isEmpty())
        return e.Rule.text() + u' ' + e.Month.text();
    return week + weekday + QLatin1String("day of ") + month;
}

void ForEachEntryListLine(const CalendarDocument& doc, EntryKind kind,
                          const std::function<void(const QString&)>& use, ListStyle style) {
    switch (kind) {
    case EntryKind::Birthday:
        return eachLine(doc.Birthdays, use, style);
    case EntryKind::Holiday:
        return eachLine(doc.FixedHolidays, use, style);
    case EntryKind::FloatingHoliday:
        return eachLine(doc.FloatingHolidays, use, style);
    case EntryKind::Anniversary:
        return eachLine(doc.Anniversaries, use, style);
    case EntryKind::Other:
        return eachLine(doc.OtherEvents, use, style);
    }
}

QStringList EntryListLines(const CalendarDocument& doc, EntryKind kind) {
    QStringList lines;
    lines.reserve(doc.entryCount(kind));
    ForEachEntryListLine(doc, kind, [&lines](const QString& line) { lines << line; });
    return lines;
}

QString KindLabel(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return QStringLiteral("Birthdays");
    case EntryKind::Holiday:
        return QStringLiteral("Holidays");
    case EntryKind::FloatingHoliday:
        return QStringLiteral("Floating Holidays");
    case EntryKind::Anniversary:
        return QStringLiteral("Anniversaries");
    case EntryKind::Other:
        return QStringLiteral("Other");
    }
    return {};
}

QString OrdinalSuffix(int n) {
    const int lastTwo = std::abs(n % 100);
    if (lastTwo >= 11 && lastTwo <= 13) return QStringLiteral("th");
    switch (std::abs(n % 10)) {
    case 1:
        return QStringLiteral("st");
    case 2:
        return QStringLiteral("nd");
    case 3:
        return QStringLiteral("rd");
    default:
        return QStringLiteral("th");
    }
}

QString StyledEntryText(const QString& name, QStringView yearText, QChar style, int displayYear,
                        QStringView word) {
    switch (style.unicode()) {
    case u'1': {
        const int count = displayYear - yearText.trimmed().toInt();
        return name + QLatin1String(" -- ") + QString::number(count) + OrdinalSuffix(count) + u' ' +
               word.toString();
    }
    case u'2':
        return name + u' ' + yearText.toString();
    case u'3':
        return name;
    default:
        return {};
    }
}

QString StyledEntryText(const QString& name, QStringView yearText, QChar style, int displayYear,
                        EntryKind kind, QLocale::Language language) {
    if (style != u'1') return StyledEntryText(name, yearText, style, displayYear, QStringView());
    const int count = displayYear - yearText.trimmed().toInt();
    return name + AgeSeparator(language) + AgeWords(count, kind, language);
}

QString EntryDisplayText(const CalendarDocument& doc, int displayYear, EntryKind kind, int index,
                         QLocale::Language language) {
    if (kind == EntryKind::Birthday) {
        const BirthdayEntry& e = doc.Birthdays[index];
        return StyledEntryText(e.Name, e.Date.view().mid(4, 4), e.Style.at(0), displayYear, kind,
                               language);
    }
    if (kind == EntryKind::Anniversary) {
        const AnniversaryEntry& e = doc.Anniversaries[index];
        return StyledEntryText(e.Name, e.Date.view().mid(4, 4), e.Style.at(0), displayYear, kind,
                               language);
    }
    return {};
}
