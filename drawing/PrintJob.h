#pragma once

#include "document/PhotoChoices.h"
#include "drawing/FitReport.h"

#include <QPageLayout>
#include <QString>
#include <vector>

class QPagedPaintDevice;
struct AppState;
struct LayoutSettings;

// Printing month pages onto any paged device (a printer, a PDF file); no widgets. The print
// window and qvftool print through these.

// Landscape, except portrait for a custom paper size set to portrait. The default paper is
// always printed in landscape.
QPageLayout::Orientation PrintOrientation(const LayoutSettings& layout);

// The paper of a PDF file when the layout names none: Letter where the locale measures in
// inches, A4 elsewhere.
QPageSize DefaultPdfPaper();

// The page of a PDF file, which has no paper of its own: the standard paper the layout names
// (A4, Letter), else the custom paper size when one is set, else defaultPaper; the
// orientation above, and no margins of its own, so the layout's
// margins are the page's margins.
QPageLayout PdfPageLayout(const LayoutSettings& layout, const QPageSize& defaultPaper);

// The months 1 to 12 in order, or those of the twelve selection flags that are set.
std::vector<int> MonthsToPrint(bool all, const std::vector<bool>& selected);

struct PrintResult {
    bool ok = true;
    QString error; // the failure's own description when not ok
    int pages = 0; // pages drawn, also when the printing failed part way
    // Not a device failure: the layout leaves no room for the grid on this paper, so nothing
    // was printed; error is the message for the user.
    bool noRoom = false;
    std::vector<FitProblem> problems = {}; // days of the pages drawn that do not show every entry
};

// The message when the margins, the heading and the title leave no room for the grid.
QString NoRoomForGridText();

// Where pages go: the device, and for messages its name (a printer's name or a file's path)
// and whether it is a file.
struct PageTarget {
    QPagedPaintDevice& device;
    QString label;
    bool file = false;
};

// What one printing draws: the year on one page when asked, before the months, and one page
// per month; a year page with no months prints the year page alone. With a photo layout the
// calendar's photos go with the months (above each grid, or on a page before each month
// page), after a cover page when a cover photo is chosen.
struct PrintPlan {
    bool yearPage = false;
    std::vector<int> months;
    PhotoLayout photos = PhotoLayout::None;
    bool empty() const { return !yearPage && months.empty(); }
};

// The orientation the plan's pages print in: portrait for photos above the months, else
// PrintOrientation of the layout.
QPageLayout::Orientation PlanOrientation(const LayoutSettings& layout, const PrintPlan& plan);

// Draws the plan's pages of app.DisplayYear on the target as PrintMonths does, the year page
// first. A year page whose months would have no room is refused as a grid without room is.
PrintResult PrintPages(AppState& app, const PageTarget& target, const PrintPlan& plan);
// The same into the PDF file at path, as PrintMonthsToPdf writes it, in the plan's
// orientation.
PrintResult PrintPagesToPdf(AppState& app, const QString& path, const PrintPlan& plan);

// Draws one page per month of app.DisplayYear on the target, in the given order, with a new
// page between months and none after the last; then ends the document, sending what was
// drawn even after a failure. No months: nothing is drawn and no document is started. No
// message is shown while pages are drawn: an entry that cannot be shown is left out and
// named in the result's problems, with the days that do not show every entry. A layout whose grid
// would have no room on the target's paper (no width, or rows lower than a day number) is refused
// before any document is started.
PrintResult PrintMonths(AppState& app, const PageTarget& target, const std::vector<int>& months);

// The same into the PDF file at path, with the page of PdfPageLayout. The file is written
// through a temporary file in the same folder that replaces it only when every byte was
// written: a failure (a full disk, no room for the grid) leaves any previous file as it was
// and names the system's reason.
PrintResult PrintMonthsToPdf(AppState& app, const QString& path, const std::vector<int>& months);
