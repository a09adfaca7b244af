#pragma once

#include "document/CalendarDocument.h"
#include "drawing/MonthCommands.h"
#include "drawing/PageLocale.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

struct LayoutSettings;

// The dates of the desktop week window: a grid of one to four weeks from the first day of
// the current week (the layout's, Sunday unless it says otherwise) with every entry that falls on
// each of its days, and the list of entries that come up from today over the next one to twelve
// months. Plain values only: the window draws them as they are, and the command-line tool prints
// the list.

inline constexpr int kMaxWeeksShown = 4;
inline constexpr int kMaxMonthsListed = 12;

// The stored number of weeks ("1" to "4") and of months to list ("1" to "12") as numbers. A
// number outside the range counts as the nearest number in it, a fraction as the nearest
// whole number, and anything that is not a number as 1, so a damaged setting never stops
// the window from opening.
int WeeksShown(const QString& numWeeks);
int MonthsListed(const QString& listMonths);

// One day of the grid.
struct WeekDay {
    QDate date;
    QString label;     // "Dec 6": abbreviated month name and day ("6. Dez." in German)
    QColor labelColor; // red for today, else black
    // What the day's box shows, top to bottom: birthdays, fixed holidays, floating holidays,
    // anniversaries, other events, each table in its order. The cell of each is the day's
    // index in the grid. Ages and anniversary years count to the year of this day.
    std::vector<PlacedEntry> entries;
};

struct WeekGrid {
    QString caption;                 // the window's caption: "Daylark - " and the calendar's title
    QString heading;                 // "Weeks Starting December 06, 2026 " ("Week" for one week)
    QDate start;                     // the week's first day on or before today
    int todayIndex = 0;              // today's index in days, 0 to 6
    std::array<QString, 7> dayNames; // above the columns, from the week's first day
    std::vector<WeekDay> days;       // 7 per week, from start on
};

// The grid of weeks (1 to 4, kept within that range) that holds today.
WeekGrid MakeWeekGrid(const CalendarDocument& doc, const LayoutSettings& layout, QDate today,
                      int weeks);

// The dates the upcoming list looks at: from today on, up to end. end has today's day number
// in the month that lies months after today's month, and a day that month lacks rolls over
// into the next (31 January and one month give 3 March, or 2 March in a leap year).
struct UpcomingRange {
    QDate first;
    QDate end;
};
UpcomingRange UpcomingRangeFor(QDate today, int months);

// One line of the upcoming list: "2026/12/25 (Holiday) - Christmas" ("25. Dezember 2026
// (Holiday) - Christmas" in German). The name is the entry's plain name, without the age or
// year a day box shows.
struct UpcomingEvent {
    QDate date;
    EntryKind kind = EntryKind::Birthday;
    int index = 0; // record index in the kind's table
    QString line;
    friend bool operator==(const UpcomingEvent&, const UpcomingEvent&) = default;
};

// The entries that occur in the range of months (1 to 12, kept within that range) from
// today, sorted by date, then by the rest of their lines: kind and name. The lines write
// their dates as locale does. Birthdays, anniversaries and
// fixed holidays occur once, on their next day from today on, and are listed when that day
// comes before the range's end; a 29 February in a year without one is listed on 1 March
// when leapDay says so, else on 28 February. Floating holidays are listed on every day of
// the range that their rule names, the range's end included. Other events are listed on
// their own date, before the end.
std::vector<UpcomingEvent> UpcomingEvents(const CalendarDocument& doc, QDate today, int months,
                                          LeapDayPlacement leapDay = LeapDayPlacement::Feb28,
                                          const PageLocale& locale = PageLocale());

// The upcoming list's lines as the week window shows them, one text per line.
QStringList UpcomingEventLines(const CalendarDocument& doc, QDate today, int months,
                               const PageLocale& locale = PageLocale());

// Everything the week window shows, from the stored numbers of weeks and months.
struct WeekList {
    WeekGrid grid;
    std::vector<UpcomingEvent> upcoming;
};
WeekList MakeWeekList(const CalendarDocument& doc, const LayoutSettings& layout, QDate today,
                      const QString& numWeeks, const QString& listMonths);
