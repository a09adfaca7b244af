#include "drawing/PrintJob.h"

#include "document/AppState.h"
#include "drawing/MonthPage.h"
#include "platform/DrawingSurface.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>

namespace {

constexpr int kPdfResolution = 1200; // dots per inch, as a high-resolution printer

} // namespace

QPageLayout::Orientation PrintOrientation(const LayoutSettings& layout) {
    const bool portrait = layout.PaperOrientation == QLatin1String("Portrait") &&
                          layout.PaperSize == QLatin1String("Custom");
    return portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

QPageSize DefaultPdfPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout PdfPageLayout(const LayoutSettings& layout, const QPageSize& defaultPaper) {
    QPageSize paper = defaultPaper;
    const double w = layout.PaperSizeWidth, h = layout.PaperSizeHeight;
    if (layout.PaperSize == QLatin1String("Custom") && w > 0 && h > 0) {
        // Page sizes are named upright; the orientation turns them.
        paper = QPageSize(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Inch, QString(),
                          QPageSize::ExactMatch);
    }
    return QPageLayout(paper, PrintOrientation(layout), QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
}

std::vector<int> MonthsToPrint(bool all, const std::vector<bool>& selected) {
    std::vector<int> months;
    for (int m = 1; m <= 12; ++m)
        if (all || (m - 1 < int(selected.size()) && selected[m - 1])) months.push_back(m);
    return months;
}

PrintResult PrintMonths(AppState& app, const PageTarget& target, const std::vector<int>& months) {
    PrintResult result;
    if (months.empty()) return result;
    QPainter painter;
    if (!painter.begin(&target.device)) {
        const QString error = target.file ? QStringLiteral("Cannot write the file %1")
                                          : QStringLiteral("Cannot print on %1");
        return {false, error.arg(target.label), 0};
    }
    const QRectF paper = target.device.pageLayout().fullRect(QPageLayout::Inch);
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(target.device));
    MonthPagePrinter pages(
        surface, app.dialogs,
        {app.Document, app.Layout, app.DisplayYear, {paper.width(), paper.height()}});
    for (size_t i = 0; i < months.size(); ++i) {
        if (i > 0 && !target.device.newPage()) {
            result = {false, QStringLiteral("%1 refused a new page").arg(target.label),
                      result.pages};
            break;
        }
        pages.PrintMonthPage(months[i]);
        AddFitProblems(result.problems, pages.layout().grid, pages.cellReports());
        ++result.pages;
    }
    if (!painter.end() && result.ok)
        result = {false, QStringLiteral("%1 could not finish the document").arg(target.label),
                  result.pages};
    return result;
}

PrintResult PrintMonthsToPdf(AppState& app, const QString& path, const std::vector<int>& months) {
    QPdfWriter writer(path);
    writer.setResolution(kPdfResolution);
    writer.setCreator(QStringLiteral("Daylark"));
    writer.setTitle(QStringLiteral("Daylark - ") + app.Document.CalendarTitle);
    writer.setPageLayout(PdfPageLayout(app.Layout, DefaultPdfPaper()));
    return PrintMonths(app, {writer, path, true}, months);
}
