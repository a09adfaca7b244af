#include "editors/DateRules.h"

#include "document/EntryText.h"

#include <algorithm>

int YearRange::clamp(int year) const {
    return std::clamp(year, lowest, highest);
}

int MostDaysIn(int month) {
    return DaysInMonth(month, 2000); // a leap year
}

bool DateExists(int month, int day, int year) {
    return month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(month, year);
}

QString MissingDateText(int month, int day, int year) {
    return QStringLiteral("%1 %2, %3 does not exist.\nPlease correct the day or the year.")
        .arg(MonthName(month))
        .arg(day)
        .arg(year);
}

QString LeapDayHolidayText() {
    return QStringLiteral("A holiday cannot fall on February 29:\n"
                          "it comes back every year, and most years have no such day.");
}
