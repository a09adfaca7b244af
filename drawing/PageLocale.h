#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

struct LayoutSettings;

// The language and the week of the calendar's pages, the calendar view and the desktop week
// window: the names of months and weekdays and the dates they write, the weekday their grids
// start on and whether rows carry week numbers. Made from the layout's Language ("System" or
// a locale name such as "de_DE"), FirstDayOfWeek ("Locale", "Sunday", "Monday" or
// "Saturday") and WeekNumbers ("True" or "False").
//
// Every name comes from the toolkit's locale data. English (United States) writes exactly
// the classic texts ("March 2027", "Dec 6", "July 4, 2027"); so does the C (POSIX) locale,
// which stands for it, with weeks from Sunday.
class PageLocale {
  public:
    // English (United States), weeks from Sunday, no week numbers.
    PageLocale();
    PageLocale(const QLocale& locale, int firstDay, bool weekNumbers);

    static PageLocale of(const LayoutSettings& layout);

    const QLocale& locale() const { return locale_; }
    QLocale::Language language() const { return locale_.language(); }
    // The weekday of the grids' first column: 0 (Sunday) to 6 (Saturday).
    int firstDay() const { return firstDay_; }
    bool weekNumbers() const { return weekNumbers_; }
    // English (United States): the classic texts.
    bool classic() const { return classic_; }

    // The weekday (0 Sunday to 6 Saturday) of grid column 0 to 6, and the column of one.
    int weekdayOfColumn(int column) const { return (firstDay_ + column) % 7; }
    int columnOfWeekday(int weekday) const { return ((weekday - firstDay_) % 7 + 7) % 7; }

    // The name of month 1 to 12 as it stands alone, with a capital ("March", "März"); the
    // empty text for any other number.
    QString monthName(int month) const;
    // The name of weekday 0 (Sunday) to 6 as it heads a column, with a capital ("Sunday",
    // "Lunes").
    QString dayName(int weekday) const;
    // The shortest name of weekday 0 (Sunday) to 6, as a small month heads its columns:
    // "S", "M"; "D", "L" in French.
    QString dayInitial(int weekday) const;
    // The heading of a month page: "March 2027", "Mars 2027".
    QString monthHeading(int month, int year) const;

    // A date as a sentence or a list writes it: "July 4, 2027"; elsewhere the locale's long
    // date without the weekday ("4. Juli 2027", "4 juillet 2027", "4 de julio de 2027").
    QString dateText(QDate date) const;
    // A month as a sentence writes it: "July 2027", "juillet 2027".
    QString monthText(int month, int year) const;
    // The first day of the week window's weeks: "December 06, 2026", else as dateText.
    QString weekStartText(QDate date) const;
    // A day of the week window: "Dec 6"; elsewhere the long date without weekday and year,
    // with the month abbreviated ("6. Dez.", "6 déc.").
    QString dayLabel(QDate date) const;
    // The date that starts a line of the upcoming list: "2026/12/25", else as dateText.
    QString listDate(QDate date) const;

  private:
    QLocale locale_;
    int firstDay_ = 0;
    bool weekNumbers_ = false;
    bool classic_ = true;
};
