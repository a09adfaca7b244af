#include "drawing/windows/PrinterJob.h"

#include "document/AppState.h"

#include <QCoreApplication>
#include <QPrinter>

void PreparePrinter(QPrinter& printer, const LayoutSettings& layout, const PrintPlan& plan) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setPageLayout(PdfPlanPageLayout(layout, plan, printer.pageLayout().pageSize()));
        printer.setCreator(QStringLiteral("Daylark"));
    }
    printer.setPageOrientation(PlanOrientation(layout, plan));
}

PrintResult PrintMonths(AppState& app, QPrinter& printer, const std::vector<int>& months) {
    return PrintPages(app, printer, PrintPlan{false, months});
}

PrintResult PrintPages(AppState& app, QPrinter& printer, const PrintPlan& plan) {
    const bool file = printer.outputFormat() == QPrinter::PdfFormat;
    const QString label = file ? printer.outputFileName() : printer.printerName();
    if (!plan.empty()) printer.setDocName(CalendarCaption(app.Document));
    PrintResult result = PrintPages(app, PageTarget{printer, label, file}, plan);
    if (result.ok && !plan.empty() && printer.printerState() == QPrinter::Error)
        result = {
            false,
            QCoreApplication::translate("PrintJob", "%1 could not finish the document").arg(label),
            result.pages};
    return result;
}
