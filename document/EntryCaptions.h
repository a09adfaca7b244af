#pragma once

#include "document/CalendarDocument.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>

// The texts of entries and dates as the windows show them, in the windows' language. With no
// translation installed they are exactly the fixed English texts of EntryText.h ("March 7,
// 1961 - Name", "Fourth Thursday of November - Name"), which files, exports and the command
// line keep whatever the language.

// The words of dates in the windows' language, looked up once for many lines.
class DateWords {
  public:
    DateWords();

    // Month 1 to 12 as a date names it ("March", "März", "mars"); empty for any other.
    QString month(int month) const;
    // A day of a year from its parts as they stand: "March 7, 1961", "7. März 1961".
    QString dated(const QString& month, const QString& day, const QString& year) const;
    // A day of every year: "July 4", "4. Juli".
    QString dayOfMonth(const QString& month, const QString& day) const;
    // A floating rule by its week character ("1" to "4", "L"), weekday digit and month:
    // "Fourth Thursday of November"; empty when a part is not one of the known ones.
    QString floatingRule(QChar week, QChar weekday, int month) const;
    // A date: "March 7, 1961".
    QString date(QDate date) const;
    // The week of a floating rule, 0 to 4: "First" to "Fourth", "Last".
    QString week(int index) const { return index >= 0 && index < 5 ? weeks_[index] : QString(); }

  private:
    std::array<QString, 12> months_;
    std::array<QString, 12> ofMonths_; // "of March": the month in a floating rule
    std::array<QString, 7> weekdays_;  // from Sunday
    std::array<QString, 5> weeks_;     // "First" to "Fourth", "Last"
    QString datedForm_, dayOfMonthForm_, ruleForm_;
};

// The date part of an entry's list line: "March 7, 1961", "July 4",
// "Fourth Thursday of November".
QString EntryDateCaption(const BirthdayEntry& e, const DateWords& words);
QString EntryDateCaption(const AnniversaryEntry& e, const DateWords& words);
QString EntryDateCaption(const FixedHolidayEntry& e, const DateWords& words);
QString EntryDateCaption(const FloatingHolidayEntry& e, const DateWords& words);
QString EntryDateCaption(const OtherEntry& e, const DateWords& words);

// An entry's line in the setup window's list: its date, " - " and its name.
template <class Entry> QString EntryListCaption(const Entry& e, const DateWords& words) {
    return EntryDateCaption(e, words) + QLatin1String(" - ") + e.Name;
}
template <class Entry> QString EntryListCaption(const Entry& e) {
    return EntryListCaption(e, DateWords());
}

// The list lines of every entry of one kind, in table order.
QStringList EntryListCaptions(const CalendarDocument& doc, EntryKind kind);

// The name of a kind as the windows show it: "Birthdays", "Floating Holidays".
QString KindCaption(EntryKind kind);
