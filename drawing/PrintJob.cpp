#include "drawing/PrintJob.h"

#include "calendar_format/FileKind.h"
#include "document/AppState.h"
#include "drawing/MonthPage.h"
#include "drawing/YearPage.h"
#include "platform/DrawingSurface.h"
#include "settings/PaperRules.h"

#include <QCoreApplication>
#include <QImage>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace {

constexpr int kPdfResolution = 1200; // dots per inch, as a high-resolution printer
constexpr double kInchesPerMeter = 39.37007874;

// What layOut gives from a surface over a scratch image of the device's resolution: pages
// are laid out there so that nothing reaches the device itself.
template <typename LayOut> bool onScratch(const QPagedPaintDevice& device, LayOut layOut) {
    const double dpi = PainterSurface::pixelsPerInch(device);
    QImage scratch(1, 1, QImage::Format_RGB32);
    scratch.setDotsPerMeterX(qRound(dpi * kInchesPerMeter));
    scratch.setDotsPerMeterY(qRound(dpi * kInchesPerMeter));
    QPainter painter(&scratch);
    PainterSurface metrics(painter, PainterSurface::pixelsPerInch(scratch));
    return layOut(metrics);
}

// Whether the page of month leaves the grid room: columns of some width and rows that hold
// at least a day number.
bool gridHasRoom(AppState& app, const QPagedPaintDevice& device, PaperInches paper, int month) {
    return onScratch(device, [&](DrawingSurface& metrics) {
        const MonthPageLayout page =
            LayOutMonthPage(metrics, {app.Document, app.Layout, app.DisplayYear, paper}, month);
        return page.frame.ColumnWidth > 0 && page.RowHeight >= page.datesLineHeight;
    });
}

// Whether the year page leaves its months room.
bool yearHasRoom(AppState& app, const QPagedPaintDevice& device, PaperInches paper) {
    return onScratch(device, [&](DrawingSurface& metrics) {
        return YearPageHasRoom(
            LayOutYearPage(metrics, {app.Document, app.Layout, app.DisplayYear, paper}));
    });
}

// A save file that goes on after a short write until every byte is written or the system
// names its error. The PDF writer stops writing after the first short write without looking
// at the reason, so without this a full disk would end in a short file and no error at all.
class WholeSaveFile final : public QSaveFile {
  public:
    using QSaveFile::QSaveFile;

  protected:
    qint64 writeData(const char* data, qint64 length) override {
        for (qint64 done = 0; done < length;) {
            const qint64 written = QSaveFile::writeData(data + done, length - done);
            if (written <= 0) return -1; // the save file keeps the error and will not commit
            done += written;
        }
        return length;
    }
};

QString fileFailure(const QString& path, const QString& reason) {
    return QCoreApplication::translate("PrintJob", "Cannot write the file %1: %2")
        .arg(path, reason);
}

} // namespace

QString NoRoomForGridText() {
    return QCoreApplication::translate("PrintJob",
                                       "There is no room for the calendar grid on this page: the "
                                       "margins, the heading and the title take up "
                                       "the paper.\nMake the margins or the fonts "
                                       "smaller, or the paper larger, in the layout.");
}

QPageLayout::Orientation PrintOrientation(const LayoutSettings& layout) {
    const bool portrait = layout.PaperOrientation == QLatin1String("Portrait") &&
                          layout.PaperSize == QLatin1String("Custom");
    return portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
}

QPageLayout::Orientation PlanOrientation(const LayoutSettings& layout, const PrintPlan& plan) {
    return plan.photos == PhotoLayout::Above ? QPageLayout::Portrait : PrintOrientation(layout);
}

QPageSize DefaultPdfPaper() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

QPageLayout PdfPageLayout(const LayoutSettings& layout, const QPageSize& defaultPaper) {
    QPageSize paper = defaultPaper;
    const double w = layout.PaperSizeWidth, h = layout.PaperSizeHeight;
    if (const std::optional<QPageSize::PageSizeId> named = NamedPaperId(ChosenPaperName(layout))) {
        paper = QPageSize(*named); // the standard's own size and name
    } else if (layout.PaperSize == QLatin1String("Custom") && w > 0 && h > 0) {
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
    return PrintPages(app, target, {false, months});
}

PrintResult PrintPages(AppState& app, const PageTarget& target, const PrintPlan& plan) {
    PrintResult result;
    const std::vector<int>& months = plan.months;
    if (plan.empty()) return result;
    const QRectF paper = target.device.pageLayout().fullRect(QPageLayout::Inch);
    const PaperInches inches{paper.width(), paper.height()};
    if ((!months.empty() && !gridHasRoom(app, target.device, inches, months.front())) ||
        (plan.yearPage && !yearHasRoom(app, target.device, inches)))
        return {false, NoRoomForGridText(), 0, true};
    QPainter painter;
    if (!painter.begin(&target.device)) {
        const QString error =
            target.file ? QCoreApplication::translate("PrintJob", "Cannot write the file %1")
                        : QCoreApplication::translate("PrintJob", "Cannot print on %1");
        return {false, error.arg(target.label), 0};
    }
    PainterSurface surface(painter, PainterSurface::pixelsPerInch(target.device));
    const PageInput input{app.Document, app.Layout, app.DisplayYear, inches};
    MonthPagePrinter pages(surface, input);
    if (plan.yearPage) {
        PrintYearPage(surface, input);
        ++result.pages;
    }
    for (size_t i = 0; i < months.size(); ++i) {
        if (result.pages > 0 && !target.device.newPage()) {
            result = {
                false,
                QCoreApplication::translate("PrintJob", "%1 refused a new page").arg(target.label),
                result.pages};
            break;
        }
        pages.PrintMonthPage(months[i]);
        AddFitProblems(result.problems, pages.layout().grid, pages.cellReports());
        ++result.pages;
    }
    if (!painter.end() && result.ok)
        result = {false,
                  QCoreApplication::translate("PrintJob", "%1 could not finish the document")
                      .arg(target.label),
                  result.pages};
    return result;
}

PrintResult PrintMonthsToPdf(AppState& app, const QString& path, const std::vector<int>& months) {
    return PrintPagesToPdf(app, path, {false, months});
}

PrintResult PrintPagesToPdf(AppState& app, const QString& path, const PrintPlan& plan) {
    if (plan.empty()) return {};
    // The save file would put a new regular file in the place of a pipe or a device node.
    if (const auto reason = NotASaveTarget(path)) return {false, fileFailure(path, *reason), 0};
    // Unbuffered, so that every failing write is seen here: a buffered file could still lose
    // the error of its last bytes.
    WholeSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return {false, fileFailure(path, file.errorString()), 0};
    PrintResult result;
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setCreator(QStringLiteral("Daylark"));
        writer.setTitle(CalendarCaption(app.Document));
        QPageLayout page = PdfPageLayout(app.Layout, DefaultPdfPaper());
        page.setOrientation(PlanOrientation(app.Layout, plan));
        writer.setPageLayout(page);
        result = PrintPages(app, {writer, path, true}, plan);
    }
    if (result.ok && file.error() != QFileDevice::NoError)
        result = {false, fileFailure(path, file.errorString()), result.pages};
    if (result.ok && !file.commit())
        result = {false, fileFailure(path, file.errorString()), result.pages};
    if (!result.ok) file.cancelWriting();
    return result;
}
