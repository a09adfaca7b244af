#pragma once

#include "drawing/CellEntry.h"
#include "drawing/CellStack.h"
#include "drawing/MonthCommands.h"
#include "drawing/MoonPhases.h"
#include "drawing/PageLine.h"
#include "drawing/PageLocale.h"
#include "drawing/PageRoom.h"
#include "drawing/SmallMonth.h"
#include "platform/DrawingSurface.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class CalendarDocument;
struct LayoutSettings;

// The printed month page: a heading with month and year, the optional title block, a rule,
// the weekday names and a 7 by 6 grid with the day numbers and every entry of the month. All
// measures are inches from the top-left corner of the printer's printable area.
//
// The page is first laid out as plain values (LayOutMonthPage), then painted; the same
// values serve the printer, a PDF file and any preview.

// The size of the printer's page in the orientation it prints, in inches.
struct PaperInches {
    double width = 0;
    double height = 0;
};

// The page and its margins. A custom paper size in the settings replaces the printer's page,
// turned the way the page prints (landscape unless the orientation is portrait). With week
// numbers a narrow column for them goes left of the grid, which is narrower by it.
struct PageFrame {
    double PageWidth = 0;
    double PageHeight = 0;
    double PageTop = 0;
    double PageLeft = 0;
    double PageRight = 0;
    double PageBottom = 0;
    double GridLeft = 0;    // PageLeft, or right of the week numbers' column
    double ColumnWidth = 0; // a seventh of the width from GridLeft to PageRight
};

// The width of the week numbers' column, in inches.
inline constexpr double kWeekNumberColumn = 0.3;
// Week numbers are smaller than the day numbers, and grey.
inline constexpr double kWeekNumberScale = 0.75;
inline const QColor kWeekNumberColor(96, 96, 96);

PageFrame ComputePageFrame(const LayoutSettings& layout, PaperInches printerPage);

// The points of a font size as stored: the number at the start of the text ("10" 10,
// "10.5pt" 10.5, "big" 0).
double FontPoints(const QString& size);

// A ruled box for notes over spare cells: its caption at the top, then rules across.
struct NotesBoxLayout {
    PageBox box;
    PageLine caption;          // "Notes"
    std::vector<double> rules; // y of each rule, from the caption down
    double ruleLeft = 0, ruleRight = 0;
};

// The symbol of a moon phase in the top right corner of its day's cell.
struct MoonMark {
    int day = 0;
    MoonPhase phase = MoonPhase::New;
    double x = 0, y = 0, radius = 0; // the circle's centre and radius
};

// Everything of one page but the entries, placed.
struct MonthPageLayout {
    PageFrame frame;
    MonthGrid grid;
    SurfaceFont headingFont, titleFont, daysFont, datesFont;
    PageLocale locale;                // the page's language and week
    PageLine heading;                 // "March 2027"
    std::vector<PageLine> titleLines; // empty unless the title is shown
    double bandBottom = 0;            // of heading, title and small months beside them
    double ruleY = 0;
    std::array<PageLine, kGridColumns> dayNames; // from the week's first day
    double GridTop = 0;
    double RowHeight = 0;
    std::vector<PageLine> dayNumbers; // day d at index d - 1, written " 7"
    double datesLineHeight = 0;
    SurfaceFont weekNumberFont;
    std::vector<PageLine> weekNumbers; // one per row that holds a day, when they are shown

    // What the layout adds to the plain grid.
    PageExtras extras;
    GridRoom room;                             // the rows drawn and where the extras go in the grid
    std::vector<PlacedEntry> entries;          // every entry of the month, placed
    std::vector<SmallMonthLayout> smallMonths; // the months before and after
    std::optional<NotesBoxLayout> notes;
    std::vector<int> shadedCells; // weekend and holiday cells on the shade colour, ascending
    std::vector<MoonMark> moons;  // the main phases of the month, in the user's time zone

    int rows() const { return room.rows; }
    double cellLeft(int cell) const { return frame.GridLeft + (cell % 7) * frame.ColumnWidth; }
    double cellTop(int cell) const { return GridTop + (cell / 7) * RowHeight; }
    // The room of a cell's entries: 0.05 inch in from its left line, to its right line, down
    // to 0.05 inch below its bottom line.
    CellBox entryBox(int cell) const;
};

// What a page is drawn from.
struct PageInput {
    const CalendarDocument& doc;
    const LayoutSettings& layout;
    int year = 0;
    PaperInches printerPage;
};

// x of one title line in the surface's current font, by the title alignment: "Left",
// "Center" or "Right" between the margins; 0 for any other word.
double TitleX(const DrawingSurface& surface, const QString& alignTitle, const PageFrame& frame,
              const QString& text);

// Lays out the page of month (1 to 12). Measures text with the surface's fonts, so it leaves
// the surface's font changed, but draws nothing.
MonthPageLayout LayOutMonthPage(DrawingSurface& metrics, const PageInput& input, int month);

// Draws month pages onto one surface, page after page. Keeps the page's CellLineY.
class MonthPagePrinter {
  public:
    MonthPagePrinter(DrawingSurface& surface, PageInput input);

    // Draws the whole page of month (1 to 12) of the input's year on the surface's current
    // page; starts and ends no page, and shows no message. A word wider than its column is
    // broken inside; an entry that cannot be shown is left out. A day whose entries do not
    // all fit ends with "+N more" when the layout's MarkOverfullDays says so, else its
    // entries are cut off silently. cellReports() tells what became of every entry.
    void PrintMonthPage(int month);

    double TitleX(const QString& text) const;

    const MonthPageLayout& layout() const { return layout_; }
    const CellLineY& cellLineY() const { return cellLineY_; }
    // What became of the entries of each cell on the page drawn last.
    const std::vector<CellReport>& cellReports() const { return cellReports_; }

  private:
    void drawHeadingAndTitle();
    void drawRuleAndDays();
    void drawGrid();
    void drawGridLine(bool across, int k);
    void drawShading();
    void drawSmallMonthsAndNotes();
    void drawMoons();
    void drawDayNumbers();
    void drawWeekNumbers();
    void drawEntries();

    DrawingSurface& surface_;
    PageInput input_;
    MonthPageLayout layout_;
    CellLineY cellLineY_{};
    std::vector<CellReport> cellReports_;
};
