#include "drawing/MonthPage.h"

#include "document/SettingsRecords.h"
#include "drawing/MonthPageExtras.h"
#include "drawing/PrintJob.h"

#include <algorithm>

namespace {

// Gaps of the page, in inches.
constexpr double kRuleGap = 0.1;    // heading or title block to the rule
constexpr double kDaysGap = 0.2;    // rule to the weekday names
constexpr double kGridGap = 0.1;    // weekday names to the grid
constexpr double kCellInset = 0.05; // cell lines to the day number and the entries
constexpr double kGridPen = 0.01;   // grid lines; the rule is twice as wide
constexpr double kRulePen = 2 * kGridPen;

// x of a text of the given width by an alignment word; other words give `otherwise`.
double alignedX(const QString& align, const PageFrame& frame, double width, double otherwise) {
    if (align == QLatin1String("Left")) return frame.PageLeft;
    if (align == QLatin1String("Center"))
        return frame.PageLeft + (frame.PageRight - frame.PageLeft - width) / 2;
    if (align == QLatin1String("Right")) return frame.PageRight - width;
    return otherwise;
}

SurfaceFont fontOf(const QString& name, const QString& size) {
    return {name, FontPoints(size)};
}

// Heading and title block from PageTop down; returns the y below the last line.
double layOutHeading(DrawingSurface& m, const PageInput& in, MonthPageLayout& page) {
    const LayoutSettings& s = in.layout;
    const PageFrame& f = page.frame;
    page.headingFont = fontOf(s.FontMonthYear, s.FontSizeMonthYear);
    m.setFont(page.headingFont);
    const QString heading = page.locale.monthHeading(page.grid.month, in.year);
    page.heading = {heading, alignedX(s.AlignMonthYear, f, m.textWidth(heading), 0), f.PageTop};
    double y = f.PageTop + m.textHeight(heading);

    page.titleFont = fontOf(s.FontCalTitle, s.FontSizeCalTitle);
    if (!isTrue(s.ShowTitle)) return y;
    m.setFont(page.titleFont);
    QStringList lines{in.doc.CalendarTitle}; // shown even when empty
    for (const QString& header : {in.doc.HeaderLine1, in.doc.HeaderLine2})
        if (!header.isEmpty()) lines << header;
    for (const QString& line : lines) {
        page.titleLines.push_back({line, TitleX(m, s.AlignTitle, f, line), y});
        y += m.textHeight(line);
    }
    return y;
}

void layOutDays(DrawingSurface& m, const PageInput& in, MonthPageLayout& page) {
    const PageFrame& f = page.frame;
    page.daysFont = fontOf(in.layout.FontDays, in.layout.FontSizeDays);
    m.setFont(page.daysFont);
    const double y = page.ruleY + kDaysGap;
    for (int i = 0; i < kGridColumns; ++i) {
        const QString name = page.locale.dayName(page.locale.weekdayOfColumn(i));
        const double x = f.GridLeft + i * f.ColumnWidth + (f.ColumnWidth - m.textWidth(name)) / 2;
        page.dayNames[i] = {name, x, y};
    }
    page.GridTop = y + m.textHeight(page.dayNames[6].text) + kGridGap;
    page.RowHeight = (f.PageBottom - page.GridTop) / page.rows();
}

void layOutDayNumbers(DrawingSurface& m, const PageInput& in, MonthPageLayout& page) {
    page.datesFont = fontOf(in.layout.FontDates, in.layout.FontSizeDates);
    m.setFont(page.datesFont);
    page.datesLineHeight = m.textHeight(QStringLiteral("W"));
    for (int day = 1; day <= page.grid.length; ++day) {
        const int cell = page.grid.cellOfDay(day);
        // A number is written with a blank where a sign would go.
        page.dayNumbers.push_back({u' ' + QString::number(day), page.cellLeft(cell) + kCellInset,
                                   page.cellTop(cell) + kCellInset});
    }
}

// Each number right-aligned in its column, level with the row's day numbers.
void layOutWeekNumbers(DrawingSurface& m, MonthPageLayout& page) {
    if (!page.locale.weekNumbers()) return;
    page.weekNumberFont = page.datesFont;
    page.weekNumberFont.size *= kWeekNumberScale;
    m.setFont(page.weekNumberFont);
    for (int row = 0; row < page.rows(); ++row) {
        const int week = WeekNumberOfRow(page.grid, row);
        if (week == 0) continue;
        const QString text = QString::number(week);
        page.weekNumbers.push_back({text, page.frame.GridLeft - kCellInset - m.textWidth(text),
                                    page.cellTop(row * kGridColumns) + kCellInset});
    }
}

} // namespace

PageFrame ComputePageFrame(const LayoutSettings& layout, PaperInches printerPage) {
    PageFrame f;
    f.PageWidth = printerPage.width;
    f.PageHeight = printerPage.height;
    // A custom paper without a size of its own prints on the printer's page, as the PDF page
    // does (PdfPageLayout).
    if (layout.PaperSize == QLatin1String("Custom") && layout.PaperSizeWidth > 0 &&
        layout.PaperSizeHeight > 0) {
        // The custom size names the paper, not how it is turned: its short and long sides go
        // across and down as the page prints, landscape unless set to portrait.
        const double shortSide = std::min(layout.PaperSizeWidth, layout.PaperSizeHeight);
        const double longSide = std::max(layout.PaperSizeWidth, layout.PaperSizeHeight);
        const bool portrait = PrintOrientation(layout) == QPageLayout::Portrait;
        f.PageWidth = portrait ? shortSide : longSide;
        f.PageHeight = portrait ? longSide : shortSide;
    }
    f.PageTop = layout.MarginTop;
    f.PageLeft = layout.MarginLeft;
    f.PageRight = f.PageWidth - layout.MarginRight;
    f.PageBottom = f.PageHeight - layout.MarginBottom;
    f.GridLeft = f.PageLeft + (isTrue(layout.WeekNumbers) ? kWeekNumberColumn : 0);
    f.ColumnWidth = (f.PageRight - f.GridLeft) / kGridColumns;
    return f;
}

double FontPoints(const QString& size) {
    const QStringView text = QStringView(size).trimmed();
    qsizetype end = 0;
    bool point = false;
    while (end < text.size() && (text[end].isDigit() || (text[end] == u'.' && !point))) {
        point = point || text[end] == u'.';
        ++end;
    }
    return text.left(end).toDouble(); // "" and "." read as 0
}

CellBox MonthPageLayout::entryBox(int cell) const {
    return {cellLeft(cell) + kCellInset, frame.ColumnWidth - kCellInset,
            cellTop(cell) + RowHeight + kCellInset};
}

double TitleX(const DrawingSurface& surface, const QString& alignTitle, const PageFrame& frame,
              const QString& text) {
    return alignedX(alignTitle, frame, surface.textWidth(text), 0);
}

MonthPageLayout LayOutMonthPage(DrawingSurface& metrics, const PageInput& input, int month) {
    MonthPageLayout page;
    page.frame = ComputePageFrame(input.layout, input.printerPage);
    page.locale = PageLocale::of(input.layout);
    page.grid = MonthGrid::of(input.year, month, page.locale.firstDay());
    page.extras = PageExtras::of(input.layout);
    page.room = PlanGridRoom(page.grid, page.extras);
    page.entries = PlaceMonthEntries(input.doc, input.layout, page.grid);
    const double headingBottom = layOutHeading(metrics, input, page);
    page.bandBottom = HeadingBandBottom(page, headingBottom);
    page.ruleY = page.bandBottom + kRuleGap;
    layOutDays(metrics, input, page);
    layOutDayNumbers(metrics, input, page);
    layOutWeekNumbers(metrics, page);
    LayOutPageExtras(metrics, input, page);
    return page;
}

MonthPagePrinter::MonthPagePrinter(DrawingSurface& surface, PageInput input)
    : surface_(surface), input_(input) {}

void MonthPagePrinter::PrintMonthPage(int month) {
    layout_ = LayOutMonthPage(surface_, input_, month);
    surface_.setTextColor(Qt::black);
    drawHeadingAndTitle();
    drawRuleAndDays();
    drawShading();
    drawGrid();
    drawSmallMonthsAndNotes();
    drawDayNumbers();
    drawMoons();
    drawWeekNumbers();
    drawEntries();
}

double MonthPagePrinter::TitleX(const QString& text) const {
    return ::TitleX(surface_, input_.layout.AlignTitle, layout_.frame, text);
}

void MonthPagePrinter::drawHeadingAndTitle() {
    auto print = [this](const PageLine& line) {
        surface_.moveTo(line.x, line.y);
        surface_.printLine(line.text);
    };
    surface_.setFont(layout_.headingFont);
    print(layout_.heading);
    surface_.setFont(layout_.titleFont);
    for (const PageLine& line : layout_.titleLines)
        print(line);
}

void MonthPagePrinter::drawRuleAndDays() {
    const PageFrame& f = layout_.frame;
    surface_.setPenWidth(kRulePen);
    surface_.drawLine(f.PageLeft, layout_.ruleY, f.PageRight, layout_.ruleY, Qt::black);
    surface_.setFont(layout_.daysFont);
    for (const PageLine& name : layout_.dayNames) {
        surface_.moveTo(name.x, name.y);
        surface_.printLine(name.text);
    }
}

void MonthPagePrinter::drawGrid() {
    surface_.setPenWidth(kGridPen);
    for (int k = 0; k <= layout_.rows(); ++k)
        drawGridLine(true, k);
    for (int k = 0; k <= kGridColumns; ++k)
        drawGridLine(false, k);
}

// Line k across (between rows k - 1 and k) or down (between columns k - 1 and k), left out
// where both its sides belong to one small month or the notes box.
void MonthPagePrinter::drawGridLine(bool across, int k) {
    const PageFrame& f = layout_.frame;
    const int pieces = across ? kGridColumns : layout_.rows();
    const double start = across ? f.GridLeft : layout_.GridTop;
    const double end = across ? f.PageRight : f.PageBottom;
    const double step = across ? f.ColumnWidth : layout_.RowHeight;
    const double at =
        across ? layout_.GridTop + k * layout_.RowHeight : f.GridLeft + k * f.ColumnWidth;
    auto edge = [&](int i) { return i == pieces ? end : start + i * step; };
    const bool outer = k == 0 || k == (across ? layout_.rows() : kGridColumns);
    auto hidden = [&](int i) {
        if (outer) return false;
        return across ? JoinedInGrid(layout_, (k - 1) * kGridColumns + i, k * kGridColumns + i)
                      : JoinedInGrid(layout_, i * kGridColumns + k - 1, i * kGridColumns + k);
    };
    for (int i = 0; i < pieces;) {
        if (hidden(i)) {
            ++i;
            continue;
        }
        int j = i;
        while (j < pieces && !hidden(j))
            ++j;
        if (across)
            surface_.drawLine(edge(i), at, edge(j), at, Qt::black);
        else
            surface_.drawLine(at, edge(i), at, edge(j), Qt::black);
        i = j;
    }
}

void MonthPagePrinter::drawDayNumbers() {
    // Cells without a day start their lines where a day number would be.
    for (int cell = 0; cell < kGridCells; ++cell)
        cellLineY_[cell] = layout_.cellTop(cell) + kCellInset;
    surface_.setFont(layout_.datesFont);
    surface_.setTextColor(Qt::black);
    for (int day = 1; day <= layout_.grid.length; ++day) {
        const PageLine& number = layout_.dayNumbers[day - 1];
        surface_.moveTo(number.x, number.y);
        surface_.printLine(number.text);
        cellLineY_[layout_.grid.cellOfDay(day)] = surface_.currentY();
    }
}

void MonthPagePrinter::drawWeekNumbers() {
    if (layout_.weekNumbers.empty()) return;
    surface_.setFont(layout_.weekNumberFont);
    surface_.setTextColor(kWeekNumberColor);
    for (const PageLine& number : layout_.weekNumbers) {
        surface_.moveTo(number.x, number.y);
        surface_.printLine(number.text);
    }
    // The entries that follow are written in the day numbers' font.
    surface_.setFont(layout_.datesFont);
    surface_.setTextColor(Qt::black);
}

void MonthPagePrinter::drawEntries() {
    cellReports_ = WriteMonthEntries(
        surface_, layout_.entries, [this](int c) { return layout_.entryBox(c); }, cellLineY_,
        FullCellRule(input_.layout), layout_.locale.language());
}
