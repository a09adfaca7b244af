#pragma once

#include <QPageLayout>
#include <QString>
#include <vector>

class QPrinter;
struct AppState;
struct LayoutSettings;

// Printing month pages on a printer or into a PDF file; no widgets. The print window and
// qvftool print through these.

// Landscape, except portrait for a custom paper size set to portrait. The default paper is
// always printed in landscape.
QPageLayout::Orientation PrintOrientation(const LayoutSettings& layout);

// Sets the printer up for the calendar: the orientation above. A PDF file, which has no
// paper of its own, also takes the custom paper size when one is set (else the printer's
// default paper) and no margins of its own, so the layout's margins are the page's margins.
void PreparePrinter(QPrinter& printer, const LayoutSettings& layout);

// The months 1 to 12 in order, or those of the twelve selection flags that are set.
std::vector<int> MonthsToPrint(bool all, const std::vector<bool>& selected);

struct PrintResult {
    bool ok = true;
    QString error; // the failure's own description when not ok
    int pages = 0; // pages drawn, also when the printing failed part way
};

// Draws one page per month of app.DisplayYear on the printer, in the given order, with a new
// page between months and none after the last; then ends the document, sending what was
// drawn even after a failure. No months: nothing is drawn and no document is started. An
// entry that cannot be shown is reported through app.dialogs and left out; it does not
// stop the printing.
PrintResult PrintMonths(AppState& app, QPrinter& printer, const std::vector<int>& months);
