#include "drawing/CellStack.h"

#include "document/AgeText.h"
#include "document/SettingsRecords.h"
#include "drawing/ColorText.h"
#include "platform/DrawingSurface.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <optional>

namespace {

// Writes the lines of one entry from lineY down and moves lineY below them.
void writeLines(DrawingSurface& surface, const CellBox& box, const QStringList& lines,
                double& lineY) {
    for (const QString& line : lines) {
        surface.moveTo(box.textLeft, lineY);
        surface.printLine(line);
        lineY = surface.currentY();
    }
}

CellReport writeCut(DrawingSurface& surface, int cell, std::vector<PlacedEntry> entries,
                    const std::function<CellBox(int)>& boxOf, CellLineY& lines) {
    CellReport report{cell, std::move(entries), {}, 0};
    for (const PlacedEntry& e : report.entries)
        report.fates.push_back(
            WriteCellEntryFate(surface, e.colorText, cell, e.text, boxOf, lines));
    return report;
}

// One entry of a marked cell, fitted into the room the entries before it left: its colour
// and lines, or nothing when its colour is no colour.
struct Fitted {
    QColor color;
    std::optional<FittedEntry> fit;
};

// The cell's entries fitted one below the other into `room` lines. Once one does not fit
// whole, the rest are not looked at.
std::vector<Fitted> fitEntries(const std::vector<PlacedEntry>& entries, double textWidth, int room,
                               const TextMeasure& width) {
    std::vector<Fitted> fitted;
    int used = 0;
    bool full = false;
    for (const PlacedEntry& e : entries) {
        Fitted f;
        const std::optional<QColor> color = ColorFromText(e.colorText);
        if (color) {
            f.color = *color;
            f.fit = FitCellEntry(e.text, textWidth, full ? 0 : room - used, width);
        }
        if (f.fit && !f.fit->whole)
            full = true;
        else if (f.fit)
            used += int(f.fit->lines.size());
        fitted.push_back(std::move(f));
    }
    return fitted;
}

bool allWhole(const std::vector<Fitted>& fitted) {
    return std::all_of(fitted.begin(), fitted.end(),
                       [](const Fitted& f) { return f.fit && f.fit->whole; });
}

CellReport writeMarked(DrawingSurface& surface, int cell, std::vector<PlacedEntry> entries,
                       const CellBox& box, const TextMeasure& width, double& lineY,
                       QLocale::Language language) {
    CellReport report{cell, std::move(entries), {}, 0};
    const double lineHeight = surface.textHeight(QStringLiteral("W"));
    const double top = lineY;
    const int room = LinesFitting(top, box.bottom, lineHeight);
    const std::vector<Fitted> fitted = fitEntries(report.entries, box.textWidth, room, width);
    // When something is left out, the last line is the mark's.
    const bool marked = !allWhole(fitted);
    const int keep = marked ? room - 1 : room;
    int written = 0;
    bool stopped = false;
    for (const Fitted& f : fitted) {
        if (!f.fit) {
            report.fates.push_back(EntryFate::CannotShow);
            continue;
        }
        const int count = int(f.fit->lines.size());
        stopped = stopped || !f.fit->whole || written + count > keep;
        report.fates.push_back(stopped ? EntryFate::Hidden : EntryFate::Shown);
        if (stopped) continue;
        surface.setTextColor(f.color);
        writeLines(surface, box, f.fit->lines, lineY);
        written += count;
    }
    if (!marked || room < 1) return report;
    report.more = int(std::count_if(report.fates.begin(), report.fates.end(),
                                    [](EntryFate fate) { return fate != EntryFate::Shown; }));
    double markY = top;
    for (int line = 1; line < room; ++line)
        markY += lineHeight;
    const QString mark = MoreText(report.more, box.textWidth, width, language);
    surface.setTextColor(Qt::black);
    lineY = markY;
    writeLines(surface, box, {mark}, lineY);
    return report;
}

} // namespace

FullCell FullCellRule(const LayoutSettings& layout) {
    return isTrue(layout.MarkOverfullDays) ? FullCell::MarkMore : FullCell::Cut;
}

int CellReport::notFitting() const {
    return int(std::count_if(fates.begin(), fates.end(), [](EntryFate fate) {
        return fate == EntryFate::Cut || fate == EntryFate::Hidden;
    }));
}

std::vector<PlacedEntry> CellReport::cannotShow() const {
    std::vector<PlacedEntry> out;
    for (std::size_t i = 0; i < entries.size() && i < fates.size(); ++i)
        if (fates[i] == EntryFate::CannotShow) out.push_back(entries[i]);
    return out;
}

QString MoreText(int hidden, double maxWidth, const std::function<double(const QString&)>& width,
                 QLocale::Language language) {
    const QString full = QStringLiteral("+%1 ").arg(hidden) + MoreWord(language);
    return width(full) <= maxWidth ? full : QStringLiteral("+%1").arg(hidden);
}

std::vector<CellReport> WriteMonthEntries(DrawingSurface& surface,
                                          const std::vector<PlacedEntry>& placed,
                                          const std::function<CellBox(int)>& boxOf,
                                          CellLineY& lines, FullCell rule,
                                          QLocale::Language language) {
    std::array<std::vector<PlacedEntry>, kGridCells> byCell;
    CellReport unplaceable{kUnplaceable, {}, {}, 0};
    for (const PlacedEntry& entry : placed) {
        if (entry.cell >= 0 && entry.cell < kGridCells) {
            byCell[entry.cell].push_back(entry);
        } else {
            unplaceable.entries.push_back(entry);
            unplaceable.fates.push_back(EntryFate::CannotShow);
        }
    }
    // The same texts come back within a month (a weekly event, the pieces of a wrapped
    // name), and every entry is written in the one font: each text is measured once.
    QHash<QString, double> widths;
    const TextMeasure width = [&](const QString& text) {
        const auto known = widths.constFind(text);
        return known != widths.cend() ? *known : *widths.insert(text, surface.textWidth(text));
    };
    std::vector<CellReport> reports;
    if (!unplaceable.entries.empty()) reports.push_back(std::move(unplaceable));
    for (int cell = 0; cell < kGridCells; ++cell) {
        if (byCell[cell].empty()) continue;
        reports.push_back(rule == FullCell::Cut
                              ? writeCut(surface, cell, std::move(byCell[cell]), boxOf, lines)
                              : writeMarked(surface, cell, std::move(byCell[cell]), boxOf(cell),
                                            width, lines[cell], language));
    }
    return reports;
}
