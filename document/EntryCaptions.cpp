#include "document/EntryCaptions.h"

#include "document/RuleText.h"
#include "platform/Translations.h"

#include <QCoreApplication>

namespace {

// A number field as the list shows it: without leading zeros; characters that are not a
// number (a hand-edited file) are shown as they are.
template <int N> QString numberText(const FixedText<N>& field, int from, int count) {
    const int value = field.number(from, count);
    return value >= 0 ? QString::number(value) : field.view().mid(from, count).trimmed().toString();
}

template <int N> QString datedCaption(const FixedText<N>& date, const DateWords& words) {
    return words.dated(words.month(date.number(0, 2)), numberText(date, 2, 2),
                       date.view().mid(4, 4).toString());
}

// Whether a month's name begins with a vowel, where some languages shorten the word before
// it ("d'avril").
bool startsWithVowel(const QString& name) {
    if (name.isEmpty()) return false;
    const QChar letter = name.at(0).toLower();
    const QString parts = letter.decomposition(); // "é" is "e" and an accent
    return QStringView(u"aeiouy").contains(parts.isEmpty() ? letter : parts.at(0));
}

} // namespace

DateWords::DateWords() {
    const QLocale locale = InterfaceLocale();
    for (int m = 1; m <= 12; ++m) {
        months_[m - 1] = locale.monthName(m);
        ofMonths_[m - 1] = (startsWithVowel(months_[m - 1])
                                ? QCoreApplication::translate(
                                      "DateWords", "of %1",
                                      "a floating holiday's month, whose name begins with a vowel")
                                : QCoreApplication::translate(
                                      "DateWords", "of %1",
                                      "a floating holiday's month: Fourth Thursday of November"))
                               .arg(months_[m - 1]);
    }
    for (int day = 0; day < 7; ++day)
        weekdays_[day] = locale.dayName(day == 0 ? 7 : day);
    weeks_ = {QCoreApplication::translate("DateWords", "First",
                                          "the week of a floating holiday: First Monday of May"),
              QCoreApplication::translate("DateWords", "Second", "the week of a floating holiday"),
              QCoreApplication::translate("DateWords", "Third", "the week of a floating holiday"),
              QCoreApplication::translate("DateWords", "Fourth", "the week of a floating holiday"),
              QCoreApplication::translate("DateWords", "Last",
                                          "the week of a floating holiday: Last Monday of May")};
    datedForm_ = QCoreApplication::translate("DateWords", "%1 %2, %3",
                                             "a date: %1 month, %2 day, %3 year (March 7, 1961)");
    dayOfMonthForm_ = QCoreApplication::translate("DateWords", "%1 %2",
                                                  "a day of every year: %1 month, %2 day (July 4)");
    ruleForm_ = QCoreApplication::translate(
        "DateWords", "%1 %2 %3", "a floating holiday: %1 First, %2 Thursday, %3 of November");
}

QString DateWords::month(int month) const {
    return month >= 1 && month <= 12 ? months_[month - 1] : QString();
}

QString DateWords::dated(const QString& month, const QString& day, const QString& year) const {
    return datedForm_.arg(month, day, year);
}

QString DateWords::dayOfMonth(const QString& month, const QString& day) const {
    return dayOfMonthForm_.arg(month, day);
}

QString DateWords::floatingRule(QChar week, QChar weekday, int month) const {
    const int weekIndex = week == u'L' ? 4 : week.digitValue() - 1;
    const int day = weekday.digitValue();
    if (weekIndex < 0 || weekIndex > 4 || day < 0 || day > 6 || month < 1 || month > 12) return {};
    return ruleForm_.arg(weeks_[weekIndex], weekdays_[day], ofMonths_[month - 1]);
}

QString DateWords::date(QDate date) const {
    return dated(month(date.month()), QString::number(date.day()), QString::number(date.year()));
}

QString EntryDateCaption(const BirthdayEntry& e, const DateWords& words) {
    return datedCaption(e.Date, words);
}
QString EntryDateCaption(const AnniversaryEntry& e, const DateWords& words) {
    return datedCaption(e.Date, words);
}
QString EntryDateCaption(const OtherEntry& e, const DateWords& words) {
    if (e.Until.isBlank()) return datedCaption(e.Date, words);
    return QCoreApplication::translate("DateWords", "%1 to %2",
                                       "the first and last days of an event that spans days")
        .arg(datedCaption(e.Date, words), datedCaption(e.Until, words));
}

QString EntryDateCaption(const FixedHolidayEntry& e, const DateWords& words) {
    const QString day =
        words.dayOfMonth(words.month(e.Date.number(0, 2)), numberText(e.Date, 2, 2));
    if (e.Days <= 1) return day;
    return QCoreApplication::translate("DateWords", "%1 for %n days",
                                       "a holiday of several days: July 10 for 3 days", e.Days)
        .arg(day);
}

QString EntryDateCaption(const FloatingHolidayEntry& e, const DateWords& words) {
    if (e.Moving) return HolidayRuleText(*e.Moving, TextLanguage::Interface);
    const QString rule = words.floatingRule(e.Rule.at(0), e.Rule.at(1), e.Month.number(0, 2));
    // A rule outside the known sets (a hand-edited file) shows its raw characters.
    return rule.isEmpty() ? e.Rule.text() + u' ' + e.Month.text() : rule;
}

namespace {

template <class Entry>
void captionsOf(const EntryTable<Entry>& table, const DateWords& words, QStringList& lines) {
    for (const Entry& e : table)
        lines << EntryListCaption(e, words);
}

} // namespace

QStringList EntryListCaptions(const CalendarDocument& doc, EntryKind kind) {
    const DateWords words;
    QStringList lines;
    lines.reserve(doc.entryCount(kind));
    switch (kind) {
    case EntryKind::Birthday:
        captionsOf(doc.Birthdays, words, lines);
        break;
    case EntryKind::Holiday:
        captionsOf(doc.FixedHolidays, words, lines);
        break;
    case EntryKind::FloatingHoliday:
        captionsOf(doc.FloatingHolidays, words, lines);
        break;
    case EntryKind::Anniversary:
        captionsOf(doc.Anniversaries, words, lines);
        break;
    case EntryKind::Other:
        captionsOf(doc.OtherEvents, words, lines);
        break;
    }
    return lines;
}

QString KindCaption(EntryKind kind) {
    switch (kind) {
    case EntryKind::Birthday:
        return QCoreApplication::translate("EntryKind", "Birthdays");
    case EntryKind::Holiday:
        return QCoreApplication::translate("EntryKind", "Holidays");
    case EntryKind::FloatingHoliday:
        return QCoreApplication::translate("EntryKind", "Floating Holidays");
    case EntryKind::Anniversary:
        return QCoreApplication::translate("EntryKind", "Anniversaries");
    case EntryKind::Other:
        return QCoreApplication::translate("EntryKind", "Other");
    }
    return {};
}
