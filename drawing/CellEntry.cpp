#include "drawing/CellEntry.h"

#include "drawing/ColorText.h"
#include "platform/Dialogs.h"
#include "platform/DrawingSurface.h"

#include <QCoreApplication>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <optional>
#include <vector>

namespace {

// Rounding in the page arithmetic must not drop a line that fits exactly.
constexpr double kTolerance = 1e-9;

// Cuts a text into the lines of a cell, one line at a time. A line is the whole remaining
// text when it fits, else the longest piece before one of its blanks that fits, without
// blanks at either end; the rest, without its surrounding blanks, goes on to the next line.
// When not even the first word fits, the line is the longest start of that word that does.
//
// Pieces are tried from the shortest up, and the first one too wide ends the search: a text
// is never narrower than a piece of it, so no longer piece could fit. A line therefore costs
// one measurement per word it holds, plus one for the piece that no longer fits (a broken
// word a few more, see fittingStart), and nothing beyond the lines asked for is measured.
class LineCutter {
  public:
    LineCutter(const QString& text, double maxWidth, const TextMeasure& width)
        : rest_(text), maxWidth_(maxWidth), width_(width) {}

    bool atEnd() const { return atEnd_; }

    QString next() {
        // Most entries fit on one line: a short rest is measured whole first, which settles
        // it with one measurement. A long one is not, so that a line never costs more than
        // the words it holds.
        if (rest_.size() <= kShortText && fits(rest_)) return last(rest_);
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
        // No word fits before a blank: the first one is broken. A long rest without a blank
        // is a single word, and breaking it finds out whether it fits without measuring all
        // of it for every line.
        if (cut < 0 || fittingSize == 0) return breakFirstWord();
        if (!pieceTooWide && !restTooWide && fits(rest_)) return last(rest_);
        return lineUpTo(cut, cut + 1);
    }

  private:
    static constexpr qsizetype kShortText = 48; // characters
    // The characters looked at at once for the places where a word may be broken.
    static constexpr qsizetype kBreakWindow = 128;

    bool fits(QStringView piece) const { return width_(piece.toString()) <= maxWidth_; }

    QString last(QStringView line) {
        atEnd_ = true;
        return line.toString();
    }

    // The line of the rest's first `length` characters, without blanks at its ends; the rest
    // goes on from `from`.
    QString lineUpTo(qsizetype length, qsizetype from) {
        QString line = rest_.left(length).trimmed().toString();
        rest_ = rest_.mid(from).trimmed();
        atEnd_ = rest_.isEmpty();
        return line;
    }

    // The first word may be wider than a line: the line is as much of it as fits.
    QString breakFirstWord() {
        rest_ = rest_.trimmed();
        if (rest_.isEmpty()) return last(rest_); // white space only, and none of it a blank
        qsizetype end = rest_.indexOf(u' ');
        if (end < 0) end = rest_.size();
        const qsizetype length = fittingStart(rest_.left(end));
        return lineUpTo(length, length);
    }

    // The length of the longest start of word that fits and ends between two characters as
    // the reader sees them (never inside a letter with its accents or inside an emoji); at
    // least the first character. Starts of 1, 2, 4, ... characters are measured until one is
    // too wide, then the longest one that fits is found between the last two: a line of n
    // characters costs about 2 log n measurements.
    qsizetype fittingStart(QStringView word) const {
        for (qsizetype window = kBreakWindow;; window *= 2) {
            const QStringView part = word.left(window);
            const std::vector<qsizetype> ends = characterEnds(part, part.size() == word.size());
            // The start up to ends[good - 1] fits, the one up to ends[bad - 1] does not; bad
            // is one past the last end while none was found too wide.
            const qsizetype count = qsizetype(ends.size());
            qsizetype good = 0;
            qsizetype bad = count + 1;
            for (qsizetype probe = 1; probe <= count; probe = std::min(2 * probe, count + 1)) {
                if (!fits(part.left(ends[probe - 1]))) {
                    bad = probe;
                    break;
                }
                good = probe;
            }
            while (bad - good > 1) {
                const qsizetype middle = good + (bad - good) / 2;
                (fits(part.left(ends[middle - 1])) ? good : bad) = middle;
            }
            // Every end in the window fits: the line reaches beyond it.
            if (good == count && part.size() < word.size()) continue;
            return ends[std::max<qsizetype>(good, 1) - 1];
        }
    }

    // The places after each character of part where it may be broken. Its end only counts
    // when part is the whole word, since a character may go on beyond a window, unless it is
    // the only place there is.
    static std::vector<qsizetype> characterEnds(QStringView part, bool wholeWord) {
        std::vector<qsizetype> ends;
        QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, part);
        for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary())
            ends.push_back(at);
        if (!wholeWord && ends.size() > 1) ends.pop_back();
        if (ends.empty()) ends.push_back(part.size());
        return ends;
    }

    QStringView rest_;
    double maxWidth_;
    const TextMeasure& width_;
    bool atEnd_ = false;
};

} // namespace

QStringList WrapCellText(const QString& text, double maxWidth, const TextMeasure& width) {
    QStringList lines;
    LineCutter cutter(text, maxWidth, width);
    while (!cutter.atEnd())
        lines << cutter.next();
    return lines;
}

FittedEntry FitCellEntry(const QString& text, double maxWidth, int maxLines,
                         const TextMeasure& width) {
    LineCutter cutter(text, maxWidth, width);
    FittedEntry fitted;
    while (!cutter.atEnd() && fitted.lines.size() < maxLines)
        fitted.lines << cutter.next();
    fitted.whole = cutter.atEnd();
    return fitted;
}

int LinesFitting(double y, double bottom, double lineHeight) {
    int count = 0;
    for (; lineHeight > 0 && y + lineHeight <= bottom + kTolerance; y += lineHeight)
        ++count;
    return count;
}

EntryFate WriteCellEntryFate(DrawingSurface& surface, const QString& colorText, int cell,
                             const QString& text, const std::function<CellBox(int)>& boxOf,
                             CellLineY& lines) {
    const std::optional<QColor> color = ColorFromText(colorText);
    if (!color || cell < 0 || cell >= kGridCells) return EntryFate::CannotShow;
    const CellBox box = boxOf(cell);
    double y = lines[cell];
    const TextMeasure width = [&](const QString& t) { return surface.textWidth(t); };
    const int room = LinesFitting(y, box.bottom, surface.textHeight(QStringLiteral("W")));
    const FittedEntry shown = FitCellEntry(text, box.textWidth, room, width);
    surface.setTextColor(*color);
    for (const QString& line : shown.lines) {
        surface.moveTo(box.textLeft, y);
        surface.printLine(line);
        y = surface.currentY();
    }
    lines[cell] = y;
    if (shown.whole) return EntryFate::Shown;
    return shown.lines.isEmpty() ? EntryFate::Hidden : EntryFate::Cut;
}

bool WriteCellEntry(DrawingSurface& surface, Dialogs& dialogs, const QString& colorText, int cell,
                    const QString& text, const std::function<CellBox(int)>& boxOf,
                    CellLineY& lines) {
    if (WriteCellEntryFate(surface, colorText, cell, text, boxOf, lines) != EntryFate::CannotShow)
        return true;
    ShowEventError(dialogs);
    return false;
}

void ShowEventError(Dialogs& dialogs) {
    showMessage(dialogs,
                QCoreApplication::translate("CellEntry",
                                            "There has been an error trying to display an "
                                            "event.\nMake sure that all events are able to fit "
                                            "in the grid."),
                QStringLiteral("Daylark 2.5"), MessageIcon::Critical);
}
