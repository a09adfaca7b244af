#include "drawing/FitReport.h"

#include "document/EntryText.h"
#include "drawing/ColorText.h"

#include <QChar>
#include <QCoreApplication>
#include <algorithm>

// The words of these lines are in the window's language (English in qvftool, which loads
// no translation); the days in them are written as the pages write dates.

namespace {

// ""Fair" cannot be shown: the colour of its kind is not a colour".
QString cannotShowText(const PlacedEntry& entry) {
    if (entry.cell < 0 || entry.cell >= kGridCells)
        return QCoreApplication::translate(
                   "FitReport", "\"%1\" cannot be shown: its date names no day of the month")
            .arg(entry.text);
    return QCoreApplication::translate(
               "FitReport", "\"%1\" cannot be shown: the colour of its kind is not a colour")
        .arg(entry.text);
}

// "July 4, 2027: 3 of 9 entries do not fit"; the counts choose the wording.
QString notFittingText(const QString& day, int notFitting, int entries) {
    const QString form =
        entries == 1 ? QCoreApplication::translate("FitReport", "%1: %2 of %3 entry does not fit")
        : notFitting == 1
            ? QCoreApplication::translate("FitReport", "%1: %2 of %3 entries does not fit")
            : QCoreApplication::translate("FitReport", "%1: %2 of %3 entries do not fit");
    return form.arg(day, QString::number(notFitting), QString::number(entries));
}

// "February 2027: the birthday of "Leap Lad" (29 February 1992) is not shown: 2027 has no 29
// February" for each entry of table dated 29 February; form holds the words of its kind.
template <class Table>
void addLeapDayEntries(QStringList& out, const Table& table, const QString& form,
                       const QString& month, int year) {
    for (const auto& entry : table) {
        if (entry.Date.number(0, 2) != 2 || entry.Date.number(2, 2) != 29) continue;
        out << form.arg(month, entry.Name, entry.Date.view().mid(4, 4), QString::number(year));
    }
}

// "July 4, 2027", or "July 2027" for no day.
QString dayText(const FitProblem& problem, const PageLocale& locale) {
    if (problem.day == 0) return locale.monthText(problem.month, problem.year);
    return locale.dateText(QDate(problem.year, problem.month, problem.day));
}

} // namespace

void AddFitProblems(std::vector<FitProblem>& problems, const MonthGrid& grid,
                    const std::vector<CellReport>& reports) {
    for (const CellReport& report : reports) {
        FitProblem problem{grid.year,           grid.month, 0, int(report.entries.size()),
                           report.notFitting(), {}};
        if (report.cell >= 0) problem.day = grid.dayInCell(report.cell);
        for (const PlacedEntry& entry : report.cannotShow())
            problem.reasons << cannotShowText(entry);
        if (problem.notFitting > 0 || !problem.reasons.isEmpty())
            problems.push_back(std::move(problem));
    }
}

QStringList FitProblemLines(const std::vector<FitProblem>& problems, const PageLocale& locale) {
    QStringList lines;
    for (const FitProblem& p : problems) {
        const QString day = dayText(p, locale);
        if (p.notFitting > 0) lines << notFittingText(day, p.notFitting, p.entries);
        for (const QString& reason : p.reasons)
            lines << QCoreApplication::translate("FitReport", "%1: %2",
                                                 "a day and why an entry of it cannot be shown")
                         .arg(day, reason);
    }
    return lines;
}

QStringList HiddenLeapDayLines(const CalendarDocument& doc, const LayoutSettings& layout, int year,
                               const std::vector<int>& months) {
    if (FebruaryDays(year) == 29 ||
        LeapDayRule(layout.LeapDayEntries) != LeapDayPlacement::Hidden ||
        std::find(months.begin(), months.end(), 2) == months.end())
        return {};
    const QString month = PageLocale::of(layout).monthText(2, year);
    QStringList lines;
    addLeapDayEntries(lines, doc.Birthdays,
                      QCoreApplication::translate(
                          "FitReport",
                          "%1: the birthday of \"%2\" (29 February %3) is not shown: %4 has no 29 "
                          "February"),
                      month, year);
    addLeapDayEntries(lines, doc.Anniversaries,
                      QCoreApplication::translate(
                          "FitReport",
                          "%1: the anniversary of \"%2\" (29 February %3) is not shown: %4 has no "
                          "29 February"),
                      month, year);
    if (lines.isEmpty()) return {};
    lines << QCoreApplication::translate(
        "FitReport",
        "The layout can show them on 28 February or on 1 March: \"29 February birthdays "
        "and anniversaries in other years\", under Entries on its Alignment page.");
    return lines;
}
