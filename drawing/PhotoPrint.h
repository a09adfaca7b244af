#pragma once

#include "document/PhotoChoices.h"
#include "drawing/MonthPage.h"

#include <QImage>
#include <QRectF>
#include <future>
#include <optional>

class QPainter;

// Draws the photos of a photo wall calendar onto the pages of a print run: the cover, the
// photo pages facing the months and the photos above them. Each photo is cut to its frame
// around its focus and enters the page at no more than kPhotoMostDpi. A photo that cannot be
// read leaves its frame empty (PhotoWarnings names it before printing), so that the pages
// still pair up.
class PhotoPagePrinter {
  public:
    PhotoPagePrinter(QPainter& painter, DrawingSurface& surface, const PageInput& input,
                     const PhotoChoices& photos);
    ~PhotoPagePrinter();

    // The photo of slot (kCoverPhoto, or month 1 to 12) is read ahead, while the page before
    // it is drawn; frame is where it will go.
    void readAhead(int slot, QRectF frame);

    // The cover page: the cover photo over the title and the year.
    void printCover();
    // The photo of slot filling frame; nothing for a slot without one.
    void printPhoto(int slot, QRectF frame);

  private:
    QImage takePhoto(int slot, QRectF frame);

    QPainter& painter_;
    DrawingSurface& surface_;
    PageInput input_;
    const PhotoChoices& photos_;
    double pixelsPerInch_;
    struct Ahead {
        int slot;
        QRectF frame;
        std::future<QImage> image;
    };
    std::optional<Ahead> ahead_;
};

// The photo of choice cut to the shape of frame (inches) and scaled down to kPhotoMostDpi at
// that size; a null image when it has none or cannot be read.
QImage PhotoForFrame(const PhotoChoice& choice, QSizeF frame);
