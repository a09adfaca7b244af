#pragma once

#include <optional>

// Stepping the calendar view from month to month. The view shows a month of the display
// year, so a step across a year's end moves the display year, within the display years.

struct ShownMonth {
    int year = 0;
    int month = 1; // 1 to 12
    friend bool operator==(const ShownMonth&, const ShownMonth&) = default;
};

// The month delta months after shown (before it for a negative delta), or nothing when that
// month lies outside the display years.
std::optional<ShownMonth> StepMonth(ShownMonth shown, int delta);

// The month of the given date as the view can show it: a year outside the display years
// becomes the nearest one.
ShownMonth MonthOfDate(int year, int month);
