#include "drawing/YearPage.h"

#include "document/SettingsRecords.h"
#include "drawing/ColorText.h"

#include <algorithm>

namespace {

constexpr double kRuleGap = 0.1;     // heading or title to the rule
constexpr double kMonthsGap = 0.2;   // rule to the first row of months
constexpr double kGridPen = 0.02;    // the rule under the heading
constexpr double kMinimumBox = 0.75; // inches a month needs at least across and down
constexpr double kMaximumPoints = 14;
// A month's height in lines of its day numbers: its name takes one and a half, the weekday
// initials one, and six weeks six.
constexpr double kNameLines = 1.5;
constexpr double kMonthLines = kNameLines + 1 + kGridRows;

// The size in points at which text in font fills at most the given width and height.
double fittedPoints(DrawingSurface& m, SurfaceFont font, const QString& text, double width,
                    double height) {
    constexpr double kProbe = 10;
    font.size = kProbe;
    m.setFont(font);
    const double w = m.textWidth(text), h = m.textHeight(text);
    if (w <= 0 || h <= 0) return kProbe;
    return std::min(kProbe * std::min(width / w, height / h), kMaximumPoints);
}

// Heading, title and rule from the top margin down.
void layOutHeading(DrawingSurface& m, const PageInput& in, YearPageLayout& page) {
    const LayoutSettings& s = in.layout;
    page.headingFont = {s.FontMonthYear, FontPoints(s.FontSizeMonthYear)};
    m.setFont(page.headingFont);
    const QString year = QString::number(in.year);
    page.heading = {year, TitleX(m, s.AlignMonthYear, page.frame, year), page.frame.PageTop};
    double y = page.frame.PageTop + m.textHeight(year);
    // The calendar's title is what the year page is about; the header lines come with it
    // where the layout shows the title block.
    QStringList lines;
    if (!in.doc.CalendarTitle.isEmpty()) lines << in.doc.CalendarTitle;
    if (isTrue(s.ShowTitle))
        for (const QString& header : {in.doc.HeaderLine1, in.doc.HeaderLine2})
            if (!header.isEmpty()) lines << header;
    page.titleFont = {s.FontCalTitle, FontPoints(s.FontSizeCalTitle)};
    m.setFont(page.titleFont);
    for (const QString& line : lines) {
        page.titleLines.push_back({line, TitleX(m, s.AlignTitle, page.frame, line), y});
        y += m.textHeight(line);
    }
    page.ruleY = y + kRuleGap;
    const PageFrame& f = page.frame;
    page.monthsArea =
        QRectF(QPointF(f.PageLeft, page.ruleY + kMonthsGap), QPointF(f.PageRight, f.PageBottom));
}

// The fonts of the months, sized so that the widest name and a two-digit day in bold fit
// the smallest box there is (they are all alike).
void sizeMonthFonts(DrawingSurface& m, const PageInput& in, YearPageLayout& page) {
    const QRectF box = page.months[0].box;
    const double columns = kGridColumns + (page.locale.weekNumbers() ? 1 : 0);
    const double cellWidth = box.width() / columns, line = box.height() / kMonthLines;
    page.dayFont = {in.layout.FontDates, 0, true};
    page.dayFont.size =
        fittedPoints(m, page.dayFont, QStringLiteral("28"), 0.75 * cellWidth, 0.85 * line);
    page.dayFont.bold = false;
    page.initialFont = {in.layout.FontDays, page.dayFont.size};
    page.weekNumberFont = {in.layout.FontDates, page.dayFont.size * kWeekNumberScale};
    page.nameFont = {in.layout.FontDays, 0, true};
    double nameSize = page.dayFont.size * 1.3;
    for (int month = 1; month <= 12; ++month)
        nameSize = std::min(nameSize, fittedPoints(m, page.nameFont, page.locale.monthName(month),
                                                   0.95 * box.width(), kNameLines * line));
    page.nameFont.size = nameSize;
}

void layOutMonth(DrawingSurface& m, const YearPageLayout& page, int year, int month,
                 YearMonthLayout& out) {
    const QRectF box = out.box;
    const bool weeks = page.locale.weekNumbers();
    const double cellWidth = box.width() / (kGridColumns + (weeks ? 1 : 0));
    const double line = box.height() / kMonthLines;
    const double gridLeft = box.left() + (weeks ? cellWidth : 0);
    const double inset = 0.15 * cellWidth;
    m.setFont(page.nameFont);
    const QString name = page.locale.monthName(month);
    out.name = {name, box.left() + (box.width() - m.textWidth(name)) / 2, box.top()};
    m.setFont(page.initialFont);
    for (int column = 0; column < kGridColumns; ++column) {
        const QString initial = page.locale.dayInitial(page.locale.weekdayOfColumn(column));
        const double x = gridLeft + column * cellWidth + (cellWidth - m.textWidth(initial)) / 2;
        out.initials[column] = {initial, x, box.top() + kNameLines * line};
    }
    const MonthGrid grid = MonthGrid::of(year, month, page.locale.firstDay());
    auto rowTop = [&](int row) { return box.top() + (kNameLines + 1 + row) * line; };
    SurfaceFont bold = page.dayFont;
    bold.bold = true;
    m.setFont(bold); // right-aligned by the bold width, so that plain and bold days line up
    for (int day = 1; day <= grid.length; ++day) {
        const int cell = grid.cellOfDay(day);
        const QString text = QString::number(day);
        const double right = gridLeft + (cell % kGridColumns + 1) * cellWidth - inset;
        out.days.push_back({{text, right - m.textWidth(text), rowTop(cell / kGridColumns)}});
    }
    if (!weeks) return;
    m.setFont(page.weekNumberFont);
    for (int row = 0; row < kGridRows; ++row)
        if (const int week = WeekNumberOfRow(grid, row); week != 0) {
            const QString text = QString::number(week);
            out.weekNumbers.push_back({text, gridLeft - inset - m.textWidth(text), rowTop(row)});
        }
}

void drawMonth(DrawingSurface& s, const YearPageLayout& page, const YearMonthLayout& month,
               const QColor& holiday) {
    s.setTextColor(Qt::black);
    s.setFont(page.nameFont);
    DrawPageLines(s, {month.name});
    s.setFont(page.initialFont);
    DrawPageLines(s, {month.initials.begin(), month.initials.end()});
    for (const YearDay& day : month.days) {
        SurfaceFont font = page.dayFont;
        font.bold = day.mark != DayMark::None;
        s.setFont(font);
        s.setTextColor(day.mark == DayMark::Holiday ? holiday : QColor(Qt::black));
        DrawPageLines(s, {day.line});
    }
    s.setFont(page.weekNumberFont);
    s.setTextColor(kWeekNumberColor);
    DrawPageLines(s, month.weekNumbers);
}

} // namespace

std::array<std::vector<DayMark>, 12> YearDayMarks(const CalendarDocument& doc,
                                                  const LayoutSettings& layout, int year) {
    std::array<std::vector<DayMark>, 12> marks;
    for (int month = 1; month <= 12; ++month) {
        const MonthGrid grid = MonthGrid::of(year, month);
        std::vector<DayMark>& days = marks[month - 1];
        days.assign(grid.length, DayMark::None);
        for (const PlacedEntry& entry : PlaceMonthEntries(doc, layout, grid)) {
            const int day = entry.cell == kUnplaceable ? 0 : grid.dayInCell(entry.cell);
            if (day == 0) continue;
            const bool holiday =
                entry.kind == EntryKind::Holiday || entry.kind == EntryKind::FloatingHoliday;
            DayMark& mark = days[day - 1];
            mark = holiday ? DayMark::Holiday : std::max(mark, DayMark::Entry);
        }
    }
    return marks;
}

std::array<QRectF, 12> YearMonthBoxes(const QRectF& area) {
    const int columns = area.width() >= area.height() ? 4 : 3;
    const int rows = 12 / columns;
    const double gapX = std::min(0.3, area.width() * 0.04);
    const double gapY = std::min(0.25, area.height() * 0.04);
    const double width = (area.width() - gapX * (columns - 1)) / columns;
    const double height = (area.height() - gapY * (rows - 1)) / rows;
    std::array<QRectF, 12> boxes;
    for (int i = 0; i < 12; ++i)
        boxes[i] = QRectF(area.left() + (i % columns) * (width + gapX),
                          area.top() + (i / columns) * (height + gapY), width, height);
    return boxes;
}

YearPageLayout LayOutYearPage(DrawingSurface& metrics, const PageInput& input) {
    YearPageLayout page;
    page.frame = ComputePageFrame(input.layout, input.printerPage);
    page.locale = PageLocale::of(input.layout);
    layOutHeading(metrics, input, page);
    const std::array<QRectF, 12> boxes = YearMonthBoxes(page.monthsArea);
    for (int i = 0; i < 12; ++i)
        page.months[i].box = boxes[i];
    if (!YearPageHasRoom(page)) return page;
    sizeMonthFonts(metrics, input, page);
    const auto marks = YearDayMarks(input.doc, input.layout, input.year);
    for (int i = 0; i < 12; ++i) {
        layOutMonth(metrics, page, input.year, i + 1, page.months[i]);
        for (std::size_t d = 0; d < page.months[i].days.size(); ++d)
            page.months[i].days[d].mark = marks[i][d];
    }
    return page;
}

bool YearPageHasRoom(const YearPageLayout& page) {
    const QRectF box = page.months[0].box;
    return box.width() >= kMinimumBox && box.height() >= kMinimumBox;
}

void PrintYearPage(DrawingSurface& surface, const PageInput& input) {
    const YearPageLayout page = LayOutYearPage(surface, input);
    surface.setTextColor(Qt::black);
    surface.setFont(page.headingFont);
    DrawPageLines(surface, {page.heading});
    surface.setFont(page.titleFont);
    DrawPageLines(surface, page.titleLines);
    surface.setPenWidth(kGridPen);
    surface.drawLine(page.frame.PageLeft, page.ruleY, page.frame.PageRight, page.ruleY, Qt::black);
    if (!YearPageHasRoom(page)) return;
    const QColor holiday = ColorFromText(input.layout.Holiday).value_or(QColor(Qt::black));
    for (const YearMonthLayout& month : page.months)
        drawMonth(surface, page, month, holiday);
}
