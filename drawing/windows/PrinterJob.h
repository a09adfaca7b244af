#pragma once

#include "drawing/PrintJob.h"

class QPrinter;

// Month pages on a printer of the system (or QPrinter's own PDF output).

// Sets the printer up for the calendar: the orientation of the plan's pages (PlanOrientation;
// PrintOrientation without photos). A PDF output, which has no paper of its own, takes the
// page of PdfPageLayout.
void PreparePrinter(QPrinter& printer, const LayoutSettings& layout, const PrintPlan& plan = {});

// PrintMonths on the printer, named in messages by its printer or file name; a printer that
// ends in its error state fails the run.
PrintResult PrintMonths(AppState& app, QPrinter& printer, const std::vector<int>& months);
// The same with the pages of a plan: the year page, the months or both.
PrintResult PrintPages(AppState& app, QPrinter& printer, const PrintPlan& plan);
