#include "drawing/CellEntry.h"

#include "drawing/ColorText.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"

#include <algorithm>
#include <limits>
#include <vector>

namespace {

// Rounding in the page arithmetic must not drop a line that fits exactly.
constexpr double kTolerance = 1e-9;

// Cuts a text into the lines of a cell, one line at a time. A line is the whole remaining
// text when it fits, else the longest piece before one of its blanks that fits, without
// blanks at either end; the rest, without its surrounding blanks, goes on to the next line.
//
// Pieces are tried from the shortest up, and the first one too wide ends the search: a text
// is never narrower than a piece of it, so no longer piece could fit. A line therefore costs
// one measurement per word it holds, plus one for the piece that no longer fits, and nothing
// beyond the lines asked for is ever measured.
class LineCutter {
  public:
    LineCutter(const QString& text, double maxWidth, const TextMeasure& width)
        : rest_(text), maxWidth_(maxWidth), width_(width) {}

    bool atEnd() const { return atEnd_; }
    // The text not cut into lines yet; empty at the end.
    QStringView rest() const { return atEnd_ ? QStringView() : rest_; }

    // The next line; nothing when the word at the start of the rest alone is too wide.
    std::optional<QString> next() {
        // Most entries fit on one line: a short rest is measured whole first, which settles
        // it with one measurement. A long one is not, so that a line never costs more than
        // the words it holds.
        if (rest_.size() <= kShortText && fits(rest_)) {
            atEnd_ = true;
            return rest_.toString();
        }
        const bool restTooWide = rest_.size() <= kShortText;
        qsizetype cut = -1;         // the blank before the longest piece that fits so far
        qsizetype fittingSize = -1; // that piece's length: the next blank may give it again
        bool pieceTooWide = false;
        for (qsizetype blank = rest_.indexOf(u' '); blank >= 0;
             blank = rest_.indexOf(u' ', blank + 1)) {
            const QStringView piece = rest_.left(blank).trimmed();
            if (piece.size() != fittingSize && !fits(piece)) {
                pieceTooWide = true;
                break;
            }
            cut = blank;
            fittingSize = piece.size();
        }
        if (!pieceTooWide && !restTooWide && fits(rest_)) {
            atEnd_ = true;
            return rest_.toString();
        }
        if (cut < 0) return std::nullopt;
        QString line = rest_.left(cut).trimmed().toString();
        rest_ = rest_.mid(cut + 1).trimmed();
        atEnd_ = rest_.isEmpty();
        return line;
    }

  private:
    static constexpr qsizetype kShortText = 48; // characters
    bool fits(QStringView piece) const { return width_(piece.toString()) <= maxWidth_; }

    QStringView rest_;
    double maxWidth_;
    const TextMeasure& width_;
    bool atEnd_ = false;
};

// The words of text: the parts between its blanks, without white space at their ends, and
// none that is empty.
std::vector<QStringView> wordsOf(QStringView text) {
    std::vector<QStringView> words;
    for (qsizetype from = 0; from < text.size();) {
        qsizetype blank = text.indexOf(u' ', from);
        if (blank < 0) blank = text.size();
        const QStringView word = text.mid(from, blank - from).trimmed();
        if (!word.isEmpty()) words.push_back(word);
        from = blank + 1;
    }
    return words;
}

} // namespace

std::optional<QStringList> WrapCellText(const QString& text, double maxWidth,
                                        const TextMeasure& width) {
    QStringList lines;
    LineCutter cutter(text, maxWidth, width);
    while (!cutter.atEnd()) {
        std::optional<QString> line = cutter.next();
        if (!line) return std::nullopt;
        lines << *line;
    }
    return lines;
}

bool HasWordWiderThan(QStringView text, double maxWidth, const TextMeasure& width) {
    // A text without a blank is one line or none, taken as it is.
    if (!text.contains(u' ')) return width(text.toString()) > maxWidth;
    const std::vector<QStringView> words = wordsOf(text);
    // Words are measured in runs, as they stand in the text: a run that fits holds no word
    // too wide, since a text is never narrower than a piece of it. The run doubles while runs
    // fit and halves when one does not, staying shorter than the shortest run found too wide,
    // so it settles at about a line's worth of words. Only a single word too wide counts.
    std::size_t run = 1;
    std::size_t tooLong = std::numeric_limits<std::size_t>::max();
    for (std::size_t i = 0; i < words.size();) {
        const std::size_t count = std::min(run, words.size() - i);
        const QStringView last = words[i + count - 1];
        const QStringView piece(words[i].data(), last.data() + last.size());
        if (width(piece.toString()) <= maxWidth) {
            i += count;
            run = std::min(run * 2, tooLong - 1);
        } else {
            if (count == 1) return true;
            tooLong = count;
            run = count / 2;
        }
    }
    return false;
}

std::optional<FittedEntry> FitCellEntry(const QString& text, double maxWidth, int maxLines,
                                        const TextMeasure& width) {
    LineCutter cutter(text, maxWidth, width);
    FittedEntry fitted;
    while (!cutter.atEnd() && fitted.lines.size() < maxLines) {
        std::optional<QString> line = cutter.next();
        if (!line) return std::nullopt;
        fitted.lines << *std::move(line);
    }
    fitted.whole = cutter.atEnd();
    if (!fitted.whole && HasWordWiderThan(cutter.rest(), maxWidth, width)) return std::nullopt;
    return fitted;
}

int LinesFitting(double y, double bottom, double lineHeight) {
    int count = 0;
    for (; lineHeight > 0 && y + lineHeight <= bottom + kTolerance; y += lineHeight)
        ++count;
    return count;
}

EntryFate WriteCellEntryFate(DrawingSurface& surface, Dialogs& dialogs, const QString& colorText,
                             int cell, const QString& text,
                             const std::function<CellBox(int)>& boxOf, CellLineY& lines) {
    const std::optional<QColor> color = ColorFromText(colorText);
    if (!color || cell < 0 || cell >= kGridCells) {
        ShowEventError(dialogs);
        return EntryFate::CannotShow;
    }
    const CellBox box = boxOf(cell);
    double y = lines[cell];
    const TextMeasure width = [&](const QString& t) { return surface.textWidth(t); };
    const int room = LinesFitting(y, box.bottom, surface.textHeight(QStringLiteral("W")));
    const std::optional<FittedEntry> shown = FitCellEntry(text, box.textWidth, room, width);
    if (!shown) {
        ShowEventError(dialogs);
        return EntryFate::CannotShow;
    }
    surface.setTextColor(*color);
    for (const QString& line : shown->lines) {
        surface.moveTo(box.textLeft, y);
        surface.printLine(line);
        y = surface.currentY();
    }
    lines[cell] = y;
    if (shown->whole) return EntryFate::Shown;
    return shown->lines.isEmpty() ? EntryFate::Hidden : EntryFate::Cut;
}

bool WriteCellEntry(DrawingSurface& surface, Dialogs& dialogs, const QString& colorText, int cell,
                    const QString& text, const std::function<CellBox(int)>& boxOf,
                    CellLineY& lines) {
    return WriteCellEntryFate(surface, dialogs, colorText, cell, text, boxOf, lines) !=
           EntryFate::CannotShow;
}

void ShowEventError(Dialogs& dialogs) {
    showMessage(dialogs,
                QStringLiteral("There has been an error trying to display an event.\n"
                               "Make sure that all events are able to fit in the grid."),
                QStringLiteral("Daylark 2.5"), MessageIcon::Critical);
}
