#pragma once

#include "drawing/MonthPage.h"

#include <QRectF>
#include <array>
#include <vector>

// The year on one page: the year and the calendar's title at the top, a rule, and the twelve
// months as small grids, four across and three down on a page wider than high, three across
// and four down otherwise. Days with entries are bold, holidays in the holiday colour. As the
// month page, it is laid out as plain values in inches first, then painted by one routine
// for the printer, a PDF file and the preview.

// What a day of the year page shows of its entries.
enum class DayMark { None, Entry, Holiday };

// The marks of every day of year: index [month - 1][day - 1]. A day has an entry when any
// entry is placed on it as the month page places them (with the layout's rule for 29
// February); a day with a holiday among its entries is a holiday.
std::array<std::vector<DayMark>, 12> YearDayMarks(const CalendarDocument& doc,
                                                  const LayoutSettings& layout, int year);

// The twelve month boxes inside area in reading order, January top left, with gaps between
// them and none at the area's edges.
std::array<QRectF, 12> YearMonthBoxes(const QRectF& area);

struct YearDay {
    PageLine line; // the day's number
    DayMark mark = DayMark::None;
};

// One month's small grid: its name over it, the weekday initials, then its days in the rows
// of the week (always room for six, so that the months line up).
struct YearMonthLayout {
    QRectF box;
    PageLine name;
    std::array<PageLine, kGridColumns> initials;
    std::vector<YearDay> days; // day d at index d - 1
    std::vector<PageLine> weekNumbers;
};

struct YearPageLayout {
    PageFrame frame;
    PageLocale locale;
    SurfaceFont headingFont, titleFont, nameFont, initialFont, dayFont, weekNumberFont;
    PageLine heading;                 // the year
    std::vector<PageLine> titleLines; // the title, and the header lines when the title is shown
    double ruleY = 0;
    QRectF monthsArea; // below the rule, within the margins
    std::array<YearMonthLayout, 12> months;
};

// Lays out the year page of input.year; measures with the surface's fonts and draws nothing.
YearPageLayout LayOutYearPage(DrawingSurface& metrics, const PageInput& input);

// Whether the margins, the heading and the title leave the months any room.
bool YearPageHasRoom(const YearPageLayout& page);

// Draws the year page on the surface's current page; starts and ends no page.
void PrintYearPage(DrawingSurface& surface, const PageInput& input);
