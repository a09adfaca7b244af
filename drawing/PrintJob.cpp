#include "drawing/PrintJob.h"

#include "document/EntryText.h"
#include "drawing/MonthPage.h"
#include "platform/DrawingSurface.h"
#include "shell/AppState.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {

QString printerLabel(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName()
                                                         : printer.printerName();
}

QString startError(const QPrinter& printer) {
    return printer.outputFormat() == QPrinter::PdfFormat
               ? QStringLiteral("Cannot write the file %1").arg(printer.outputFileName())
               : QStringLiteral("Cannot print on %1").arg(printer.printerName());
}

} // namespace

QPageLayout::Orientation PrintOrientation(const LayoutSettings& layout) {
    const bool portrait = layout.PaperOrientation == QLatin1String("Portrait") &&
                          layout.PaperSize == QLatin1String("Custom");
    return portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

void PreparePrinter(QPrinter& printer, const LayoutSettings& layout) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const double w = layout.PaperSizeWidth, h = layout.PaperSizeHeight;
        if (layout.PaperSize == QLatin1String("Custom") && w > 0 && h > 0) {
            // Page sizes are named upright; the orientation turns them.
            printer.setPageSize(QPageSize(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Inch,
                                          QString(), QPageSize::ExactMatch));
        }
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
        printer.setCreator(QStringLiteral("Daylark"));
    }
    printer.setPageOrientation(PrintOrientation(layout));
}

std::vector<int> MonthsToPrint(bool all, const std::vector<bool>& selected) {
    std::vector<int> months;
    for (int m = 1; m <= 12; ++m)
        if (all || (m - 1 < int(selected.size()) && selected[m - 1])) months.push_back(m);
    return months;
}

PrintResult PrintMonths(AppState& app, QPrinter& printer, const std::vector<int>& months) {
    PrintResult result;
    if (months.empty()) return result;
    printer.setDocName(QStringLiteral("Daylark - ") + app.Document.CalendarTitle);
    QPainter painter;
    if (!painter.begin(&printer)) return {false, startError(printer), 0};

    const QRectF paper = printer.pageLayout().fullRect(QPageLayout::Inch);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(printer));
    MonthPagePrinter pages(
        surface, app.dialogs,
        {app.Document, app.Layout, app.DisplayYear, {paper.width(), paper.height()}});
    for (size_t i = 0; i < months.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            result = {false, QStringLiteral("%1 refused a new page").arg(printerLabel(printer)),
                      result.pages};
            break;
        }
        pages.PrintMonthPage(months[i]);
        ++result.pages;
    }
    const bool ended = painter.end() && printer.printerState() != QPrinter::Error;
    if (!ended && result.ok)
        result = {false,
                  QStringLiteral("%1 could not finish the document").arg(printerLabel(printer)),
                  result.pages};
    return result;
}
