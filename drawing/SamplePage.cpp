#include "drawing/SamplePage.h"

#include "document/AppState.h"
#include "drawing/MonthPage.h"
#include "platform/Clock.h"
#include "platform/DrawingSurface.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr PaperInches kLetterAcross{11, 8.5};

bool hasRoom(const MonthPageLayout& page) {
    return page.frame.ColumnWidth > 0 && page.RowHeight >= page.datesLineHeight;
}

} // namespace

int SampleMonth(const LayoutSettings& layout, int year) {
    const int firstDay = PageLocale::of(layout).firstDay();
    auto roomy = [&](int month, bool fewerRows) {
        const MonthGrid grid = MonthGrid::of(year, month, firstDay);
        const int after = kGridColumns - 1 - grid.lastCell() % kGridColumns;
        return grid.firstColumn() >= 2 && after >= 2 && (!fewerRows || RowsNeeded(grid) < 6);
    };
    for (bool fewerRows : {true, false})
        for (int month = 1; month <= 12; ++month)
            if (roomy(month, fewerRows)) return month;
    return 1;
}

QImage PaintSamplePage(const AppState& app, const LayoutSettings& layout, QSize size) {
    const PageFrame frame = ComputePageFrame(layout, kLetterAcross);
    if (size.isEmpty() || frame.PageWidth <= 0 || frame.PageHeight <= 0) return {};
    const double ppi = std::min(size.width() / frame.PageWidth, size.height() / frame.PageHeight);
    QImage image(qMax(1, qRound(frame.PageWidth * ppi)), qMax(1, qRound(frame.PageHeight * ppi)),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(ppi * kInchesPerMeter));
    image.setDotsPerMeterY(qRound(ppi * kInchesPerMeter));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(image));
    // Before a calendar sets the year shown, the clock's year stands in.
    const int year = app.DisplayYear > 0 ? app.DisplayYear : app.clock.now().date().year();
    const PageInput input{app.Document, layout, year, kLetterAcross};
    const int month = SampleMonth(layout, year);
    if (!hasRoom(LayOutMonthPage(surface, input, month))) return image;
    MonthPagePrinter(surface, input).PrintMonthPage(month);
    return image;
}
