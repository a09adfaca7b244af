#pragma once

#include "document/PhotoChoices.h"
#include "drawing/MonthPage.h"
#include "drawing/PrintJob.h"

#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

struct AppState;
class CalendarDocument;

// The pages of a photo wall calendar: the cover, photo pages facing the month pages, and
// month pages with the photo above the grid. Measures in inches from the top-left corner of
// the printable area, as the month page.

// Photos print at no more than this many dots per inch; more would only make the file larger.
inline constexpr double kPhotoMostDpi = 300;
// Below this the print looks soft, and the user is told before printing.
inline constexpr double kPhotoSoftDpi = 150;
// The room between a photo and the month page or the cover's text below it.
inline constexpr double kPhotoGap = 0.2;

// One line for each photo of the plan's pages that prints at less than kPhotoSoftDpi on
// paper ("March: beach.jpg gives 96 dpi on A3; it will look soft"), or that cannot be read;
// in page order, the cover first. Nothing for a plan without photos.
std::vector<QString> PhotoWarnings(const AppState& app, const PrintPlan& plan, PaperInches paper);
// The same for photos that are chosen but not yet the calendar's.
std::vector<QString> PhotoWarnings(const AppState& app, const PhotoChoices& photos,
                                   const PrintPlan& plan, PaperInches paper);

// The frame (inches) the photo of slot fills on the plan's pages on paper (as the device
// gives it; turned upright for photos above the months): the cover's photo, or a month's
// above its grid or on the page facing it. Empty for a plan without photos.
QRectF PhotoSlotFrame(const AppState& app, const PrintPlan& plan, int slot, PaperInches paper);

// PhotoWarnings for the pages PrintPagesToPdf writes.
std::vector<QString> PdfPhotoWarnings(const AppState& app, const PrintPlan& plan);

// The layout the plan's pages print with: turned upright (portrait) for photos above the
// months, so that a paper of its own size is turned as the page prints; else unchanged.
LayoutSettings PlanLayout(const LayoutSettings& layout, const PrintPlan& plan);

// The page inside the margins: the frame of a photo page facing a month.
QRectF PhotoPageFrame(const LayoutSettings& layout, PaperInches paper);

// A photo above the month: the photo's frame, the upper half of the page inside the
// margins; and the layout of the month page below it, whose top margin is below the photo.
QRectF PhotoAboveFrame(const LayoutSettings& layout, PaperInches paper);
LayoutSettings MonthBelowPhoto(const LayoutSettings& layout, PaperInches paper);

// The cover: the photo over the calendar's title and the year, each line centred in the
// month heading's font at twice its size; the photo takes the page's width inside the
// margins, down to the text or to 3 by 4 of its width, and the text is centred in the room
// below it. A title that is empty or still the untitled one is left out.
struct CoverLayout {
    QRectF photo;
    SurfaceFont font;
    std::vector<PageLine> lines;
};
CoverLayout LayOutCover(DrawingSurface& metrics, const CalendarDocument& doc,
                        const LayoutSettings& layout, int year, PaperInches paper);

// Whether the plan prints a cover: a photo layout and a cover photo chosen.
bool PlanHasCover(const PhotoChoices& photos, const PrintPlan& plan);

// The paper's name for messages: A4, A3, Letter or Tabloid (and the other standard names)
// when its sides are that paper's either way round, else its size ("8.5 × 13 in").
QString PaperLabel(PaperInches paper, const QLocale& locale);

// The dots per inch a photo of pixels gives when it fills frame (inches) as PhotoCrop cuts it.
double PhotoDpi(QSizeF pixels, QSizeF frame);
