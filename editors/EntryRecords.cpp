#include "editors/EntryRecords.h"

#include "document/EntryCaptions.h"
#include "document/EntryText.h"
#include "document/OwnSectionEntries.h"

namespace {

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

EntryKind KindOf(const EntryRecord& record) {
    struct Visitor {
        EntryKind operator()(const BirthdayEntry&) const { return EntryKind::Birthday; }
        EntryKind operator()(const AnniversaryEntry&) const { return EntryKind::Anniversary; }
        EntryKind operator()(const FixedHolidayEntry&) const { return EntryKind::Holiday; }
        EntryKind operator()(const FloatingHolidayEntry&) const {
            return EntryKind::FloatingHoliday;
        }
        EntryKind operator()(const OtherEntry&) const { return EntryKind::Other; }
    };
    return std::visit(Visitor{}, record);
}

QString RecordListText(const EntryRecord& record) {
    return std::visit([](const auto& entry) { return EntryListCaption(entry); }, record);
}

DateParts DatePartsOf(const FixedText<8>& date) {
    return {date.number(0, 2), date.number(2, 2), date.number(4, 4)};
}

DateParts MonthDayOf(const FixedText<4>& date) {
    return {date.number(0, 2), date.number(2, 2), 0};
}

QString DateField(int month, int day, int year) {
    return twoDigits(month) + twoDigits(day) +
           QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

QString MonthDayField(int month, int day) {
    return twoDigits(month) + twoDigits(day);
}

QChar WeekCharacter(int weekIndex) {
    return weekIndex == 4 ? QChar(u'L') : QChar(u'1' + weekIndex);
}

int WeekIndexOf(QChar week) {
    if (week == u'L') return 4;
    const int digit = week.digitValue();
    return digit >= 1 && digit <= 4 ? digit - 1 : 0;
}

QChar WeekdayDigit(int dayIndex) {
    return QChar(u'0' + dayIndex);
}

int WeekdayIndexOf(QChar weekday) {
    const int digit = weekday.digitValue();
    return digit >= 0 && digit <= 6 ? digit : 0;
}

QChar StyleDigit(int styleIndex) {
    return QChar(u'1' + styleIndex);
}

int StyleIndexOf(QChar style) {
    const int digit = style.digitValue();
    return digit >= 1 && digit <= 3 ? digit - 1 : -1;
}

FixedHolidayEntry FixedHolidayRecord(int month, int day, const QString& name, int days) {
    return {MonthDayField(month, day), name, days};
}

FloatingHolidayEntry FloatingHolidayRecord(int month, int weekIndex, int dayIndex,
                                           const QString& name) {
    const QString rule = QString(WeekCharacter(weekIndex)) + WeekdayDigit(dayIndex);
    return {twoDigits(month), rule, name};
}

FloatingHolidayEntry MovingHolidayRecord(const HolidayRule& rule, const QString& name) {
    if (const auto fields = ClassicFloatingFields(rule))
        return {fields->first, fields->second, name};
    return {{}, {}, name, rule};
}

OtherEntry OtherRecord(const DateParts& date, const QString& name) {
    return {DateField(date.month, date.day, date.year), name};
}
