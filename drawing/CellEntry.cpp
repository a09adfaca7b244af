#include "drawing/CellEntry.h"

#include "drawing/ColorText.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"

namespace {

// Rounding in the page arithmetic must not drop a line that fits exactly.
constexpr double kTolerance = 1e-9;

// The longest leading piece of text that fits: its length in text (up to the blank it was
// cut at), and the piece without blanks at either end. Nothing when no cut makes it fit.
struct Piece {
    qsizetype end;
    QString line;
};

std::optional<Piece> fittingPiece(const QString& text, double maxWidth, const TextMeasure& width) {
    qsizetype end = text.size();
    QString line = text;
    while (width(line) > maxWidth) {
        if (end == 0) return std::nullopt;
        const qsizetype blank = text.lastIndexOf(u' ', end - 1);
        if (blank < 0) return std::nullopt;
        end = blank;
        line = text.left(end).trimmed();
    }
    return Piece{end, line};
}

} // namespace

std::optional<QStringList> WrapCellText(const QString& text, double maxWidth,
                                        const TextMeasure& width) {
    QStringList lines;
    QString rest = text;
    for (;;) {
        const std::optional<Piece> piece = fittingPiece(rest, maxWidth, width);
        if (!piece) return std::nullopt;
        lines << piece->line;
        if (piece->end >= rest.size()) return lines;
        rest = rest.mid(piece->end + 1).trimmed();
        if (rest.isEmpty()) return lines;
    }
}

bool HasWordWiderThan(const QString& text, double maxWidth, const TextMeasure& width) {
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
        if (width(word) > maxWidth) return true;
    return false;
}

bool WriteCellEntry(DrawingSurface& surface, Dialogs& dialogs, const QString& colorText, int cell,
                    const QString& text, const std::function<CellBox(int)>& boxOf,
                    CellLineY& lines) {
    const std::optional<QColor> color = ColorFromText(colorText);
    if (!color || cell < 0 || cell >= kGridCells) {
        ShowEventError(dialogs);
        return false;
    }
    const CellBox box = boxOf(cell);
    const double lineHeight = surface.textHeight(QStringLiteral("W"));
    double y = lines[cell];
    const TextMeasure width = [&](const QString& t) { return surface.textWidth(t); };
    if (y + lineHeight > box.bottom + kTolerance) {
        // A full cell shows nothing more; the entry still fails when a word cannot fit.
        if (!HasWordWiderThan(text, box.textWidth, width)) return true;
        ShowEventError(dialogs);
        return false;
    }
    const std::optional<QStringList> wrapped = WrapCellText(text, box.textWidth, width);
    if (!wrapped) {
        ShowEventError(dialogs);
        return false;
    }
    surface.setTextColor(*color);
    for (const QString& line : *wrapped) {
        if (y + lineHeight > box.bottom + kTolerance) break;
        surface.moveTo(box.textLeft, y);
        surface.printLine(line);
        y = surface.currentY();
    }
    lines[cell] = y;
    return true;
}

void ShowEventError(Dialogs& dialogs) {
    showMessage(dialogs,
                QStringLiteral("There has been an error trying to display an event.\n"
                               "Make sure that all events are able to fit in the grid."),
                QStringLiteral("Daylark 2.5"), MessageIcon::Critical);
}
