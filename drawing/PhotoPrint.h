#pragma once

#include "document/PhotoChoices.h"
#include "drawing/MonthPage.h"

#include <QImage>
#include <QRectF>
#include <deque>
#include <future>
#include <vector>

class QPainter;

// Draws the photos of a photo wall calendar onto the pages of a print run: the cover, the
// photo pages facing the months and the photos above them. Each photo is cut to its frame
// around its focus and enters the page at no more than kPhotoMostDpi. A photo that cannot be
// read leaves its frame empty (PhotoWarnings names it before printing), so that the pages
// still pair up.
class PhotoPagePrinter {
  public:
    // A photo the pages will draw, and where.
    struct Placed {
        int slot; // kCoverPhoto, or month 1 to 12
        QRectF frame;
    };

    // The photos of order are read in that order, two at a time in the background while the
    // pages are drawn, so that reading a photo overlaps drawing the page before it.
    PhotoPagePrinter(QPainter& painter, DrawingSurface& surface, const PageInput& input,
                     const PhotoChoices& photos, std::vector<Placed> order);
    ~PhotoPagePrinter();

    // The cover page: the cover photo over the title and the year.
    void printCover();
    // The photo of slot filling frame; nothing for a slot without one.
    void printPhoto(int slot, QRectF frame);

  private:
    QImage takePhoto(int slot, QRectF frame);
    void readAhead();

    QPainter& painter_;
    DrawingSurface& surface_;
    PageInput input_;
    const PhotoChoices& photos_;
    double pixelsPerInch_;
    std::vector<Placed> order_;
    size_t nextRead_ = 0;
    struct Reading {
        Placed placed;
        std::future<QImage> image;
    };
    std::deque<Reading> reading_;
};

// The photo of choice cut to the shape of frame (inches) and scaled down to kPhotoMostDpi at
// that size; a null image when it has none or cannot be read.
QImage PhotoForFrame(const PhotoChoice& choice, QSizeF frame);
