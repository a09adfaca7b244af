#pragma once

#include "document/CalendarDocument.h"

#include <QString>
#include <QStringList>

// "January" to "December" for 1 to 12; the empty text for anything else.
QString MonthName(int month);

// The text of one record as the entry list shows it:
//   birthdays, anniversaries, other events: "March 7, 1961 - Name"
//   fixed holidays:                        "July 4 - Name"
//   floating holidays:                     "Fourth Thursday of November - Name"
QString EntryListText(const BirthdayEntry& e);
QString EntryListText(const AnniversaryEntry& e);
QString EntryListText(const FixedHolidayEntry& e);
QString EntryListText(const FloatingHolidayEntry& e);
QString EntryListText(const OtherEntry& e);

// The list lines of every entry of one kind, in table order.
QStringList EntryListLines(const CalendarDocument& doc, EntryKind kind);

// The name of a kind as the setup window's kind labels show it, without their padding.
QString KindLabel(EntryKind kind);
