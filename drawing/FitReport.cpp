#include "drawing/FitReport.h"

#include "document/EntryText.h"
#include "drawing/ColorText.h"

#include <QChar>

namespace {

QString whyNotShown(const PlacedEntry& entry) {
    if (entry.cell < 0 || entry.cell >= kGridCells)
        return QStringLiteral("its date names no day of the month");
    if (!ColorFromText(entry.colorText))
        return QStringLiteral("the colour of its kind is not a colour");
    return QStringLiteral("a word is wider than the day's column");
}

// "July 4, 2027", or "July 2027" for no day.
QString dayText(const FitProblem& problem) {
    const QString year = QString::number(problem.year);
    if (problem.day == 0) return MonthName(problem.month) + u' ' + year;
    return MonthName(problem.month) + u' ' + QString::number(problem.day) + QLatin1String(", ") +
           year;
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

QStringList FitProblemLines(const std::vector<FitProblem>& problems) {
    QStringList lines;
    for (const FitProblem& p : problems) {
        const QString day = dayText(p);
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
