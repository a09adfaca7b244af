#pragma once

#include <QStringView>

// The display year: the year the editors start from and the calendar view shows.
inline constexpr int kFirstDisplayYear = 1980;
inline constexpr int kLastDisplayYear = 2099;

// The number of the text's leading digits (after any spaces), as a typed number is read:
// "1995" 1995, "7x" 7, "ab" and "" 0. Very long digit runs saturate instead of overflowing.
int LeadingNumber(QStringView text);

// Today's year as a display year, kept within the range.
int DisplayYearFor(int year);
