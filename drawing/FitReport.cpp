#include "drawing/FitReport.h"

#include "document/EntryText.h"
#include "drawing/ColorText.h"

#include <QChar>
#include <algorithm>

namespace {

QString whyNotShown(const PlacedEntry& entry) {
    if (entry.cell < 0 || entry.cell >= kGridCells)
        return QStringLiteral("its date names no day of the month");
    return QStringLiteral("the colour of its kind is not a colour");
}

// "the birthday of "Leap Lad" (29 February 1992)" for each entry of table dated 29 February.
template <class Table>
void addLeapDayEntries(QStringList& out, const Table& table, const char* kind) {
    for (const auto& entry : table) {
        if (entry.Date.number(0, 2) != 2 || entry.Date.number(2, 2) != 29) continue;
        out << QStringLiteral("the %1 of \"%2\" (29 February %3)")
                   .arg(QLatin1String(kind), entry.Name, entry.Date.view().mid(4, 4));
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
            problem.reasons << u'"' + entry.text + QLatin1String("\" cannot be shown: ") +
                                   whyNotShown(entry);
        if (problem.notFitting > 0 || !problem.reasons.isEmpty())
            problems.push_back(std::move(problem));
    }
}

QStringList FitProblemLines(const std::vector<FitProblem>& problems, const PageLocale& locale) {
    QStringList lines;
    for (const FitProblem& p : problems) {
        const QString day = dayText(p, locale);
        if (p.notFitting > 0)
            lines << QStringLiteral("%1: %2 of %3 %4 %5")
                         .arg(day)
                         .arg(p.notFitting)
                         .arg(p.entries)
                         .arg(QLatin1String(p.entries == 1 ? "entry" : "entries"),
                              QLatin1String(p.notFitting == 1 ? "does not fit" : "do not fit"));
        for (const QString& reason : p.reasons)
            lines << day + QLatin1String(": ") + reason;
    }
    return lines;
}

QStringList HiddenLeapDayLines(const CalendarDocument& doc, const LayoutSettings& layout, int year,
                               const std::vector<int>& months) {
    if (FebruaryDays(year) == 29 ||
        LeapDayRule(layout.LeapDayEntries) != LeapDayPlacement::Hidden ||
        std::find(months.begin(), months.end(), 2) == months.end())
        return {};
    QStringList entries;
    addLeapDayEntries(entries, doc.Birthdays, "birthday");
    addLeapDayEntries(entries, doc.Anniversaries, "anniversary");
    if (entries.isEmpty()) return {};
    const QString prefix = PageLocale::of(layout).monthText(2, year) + QLatin1String(": ");
    const QString why = QStringLiteral(" is not shown: %1 has no 29 February").arg(year);
    QStringList lines;
    for (const QString& entry : entries)
        lines << prefix + entry + why;
    lines << QStringLiteral("The layout can show them on 28 February or on 1 March: \"29 "
                            "February birthdays and anniversaries in other years\", under "
                            "Entries on its Alignment page.");
    return lines;
}
