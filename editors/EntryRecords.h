#pragma once

#include "document/CalendarDocument.h"

#include <QString>
#include <variant>

// The records the editors write, built from the values of their controls, and the values
// read back from a stored record when an entry is opened for editing. No widgets here.

using EntryRecord = std::variant<BirthdayEntry, AnniversaryEntry, FixedHolidayEntry,
                                 FloatingHolidayEntry, OtherEntry>;

// The table a record belongs to.
EntryKind KindOf(const EntryRecord& record);
// The line the entry list shows for the record.
QString RecordListText(const EntryRecord& record);

// Month, day and year of a dated record; a field that is not digits (a hand-edited file)
// reads as -1.
struct DateParts {
    int month = 1;
    int day = 1;
    int year = 0;
};
DateParts DatePartsOf(const FixedText<8>& date);
// Month and day of a fixed holiday's MMDD.
DateParts MonthDayOf(const FixedText<4>& date);

// "MMDDYYYY" and "MMDD" with leading zeros.
QString DateField(int month, int day, int year);
QString MonthDayField(int month, int day);

// The week character of a floating rule by the week list's position: "1" for First up to
// "4" for Fourth, "L" for Last (position 4). And back: "L" gives 4, a digit d gives d - 1;
// anything else gives First.
QChar WeekCharacter(int weekIndex);
int WeekIndexOf(QChar week);
// The weekday digit "0" (Sunday) to "6" (Saturday) by position, and back (anything else
// gives Sunday).
QChar WeekdayDigit(int dayIndex);
int WeekdayIndexOf(QChar weekday);

// The style digit "1", "2" or "3" by the style option's position, and back; -1 for a style
// character that names no option.
QChar StyleDigit(int styleIndex);
int StyleIndexOf(QChar style);

template <class Entry>
Entry StyledRecord(const DateParts& date, const QString& name, int styleIndex) {
    return Entry{DateField(date.month, date.day, date.year), name, QString(StyleDigit(styleIndex))};
}
FixedHolidayEntry FixedHolidayRecord(int month, int day, const QString& name, int days = 1);
FloatingHolidayEntry FloatingHolidayRecord(int month, int weekIndex, int dayIndex,
                                           const QString& name);
// A holiday by a moving rule; one the classic fields can hold is stored in them.
FloatingHolidayEntry MovingHolidayRecord(const HolidayRule& rule, const QString& name);
OtherEntry OtherRecord(const DateParts& date, const QString& name);
