#pragma once

#include "document/CalendarDocument.h"

#include <QLocale>
#include <QString>
#include <QStringList>
#include <functional>

// "January" to "December" for 1 to 12; the empty text for anything else.
QString MonthName(int month);

// The text of one record as the entry list shows it:
//   birthdays, anniversaries, other events: "March 7, 1961 - Name"
//   fixed holidays:                        "July 4 - Name"
//   floating holidays:                     "Fourth Thursday of November - Name"
//   moving holidays:                       "Easter + 1 - Name"
//   events and holidays of several days:   "July 10, 2027 to July 20, 2027 - Name",
//                                          "July 10 for 3 days - Name"
template <class Entry> QString EntryListText(const Entry& e);

// The date part of those texts, before " - " and the name: "March 7, 1961", "July 4",
// "Fourth Thursday of November".
QString EntryDateText(const BirthdayEntry& e);
QString EntryDateText(const AnniversaryEntry& e);
QString EntryDateText(const FixedHolidayEntry& e);
QString EntryDateText(const FloatingHolidayEntry& e);
QString EntryDateText(const OtherEntry& e);

template <class Entry> QString EntryListText(const Entry& e) {
    return EntryDateText(e) + QLatin1String(" - ") + e.Name;
}

// The list lines of every entry of one kind, in table order.
QStringList EntryListLines(const CalendarDocument& doc, EntryKind kind);
// How a line names a moving holiday: as the list does ("Easter + 1 - Easter Monday"), or
// with the name first ("Easter Monday (Easter + 1)") as qvftool show prints it. Every other
// entry has the list's line in both.
enum class ListStyle { List, NameFirst };

// The same lines one at a time, for a reader that needs never hold them all.
void ForEachEntryListLine(const CalendarDocument& doc, EntryKind kind,
                          const std::function<void(const QString&)>& use,
                          ListStyle style = ListStyle::List);

// "st", "nd", "rd" or "th" for a whole number, as English writes it: by the last digit,
// except that numbers ending in 11, 12 or 13 take "th" (11th, 112th, -13th).
QString OrdinalSuffix(int n);

// The calendar text of a birthday or anniversary for the year the calendar shows, by its
// style digit: "1" the name, " -- ", the count of years and " Birthday" (or " Anniversary");
// "2" the name and the entry's year; "3" the name alone; any other style no text at all.
// word is "Birthday" or "Anniversary"; yearText is the entry's four year characters.
QString StyledEntryText(const QString& name, QStringView yearText, QChar style, int displayYear,
                        QStringView word);

// The same in the language of a calendar page, for kind Birthday or Anniversary: style "1"
// writes the name, AgeSeparator and AgeWords of that language ("N -- 45th Birthday", "N –
// 45. Geburtstag"); styles "2" and "3" have no words.
QString StyledEntryText(const QString& name, QStringView yearText, QChar style, int displayYear,
                        EntryKind kind, QLocale::Language language);

// The calendar text of record index of the Birthdays or Anniversaries table counted against
// displayYear, in the page's language; the empty text for any other kind.
QString EntryDisplayText(const CalendarDocument& doc, int displayYear, EntryKind kind, int index,
                         QLocale::Language language = QLocale::English);

// The name of a kind as the setup window's kind labels show it, without their padding.
QString KindLabel(EntryKind kind);
