#include "editors/DateRules.h"

#include "document/EntryCaptions.h"

#include <QCoreApplication>
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
    const DateWords words;
    return QCoreApplication::translate("DateRules",
                                       "%1 does not exist.\nPlease correct the day or the year.")
        .arg(words.dated(words.month(month), QString::number(day), QString::number(year)));
}

QString LeapDayHolidayText() {
    return QCoreApplication::translate("DateRules",
                                       "A holiday cannot fall on February 29:\nit comes back "
                                       "every year, and most years have no such day.");
}
