#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

// Reading a photo as it is meant to be seen, and fitting it to a frame on the page.

// The photo's size in pixels as shown, after the camera's orientation (an upright photo
// stored on its side is taller than wide); nothing when the file is not an image this
// system can read. Reads only the file's header.
std::optional<QSize> PhotoSize(const QString& path);

// Why PhotoSize gives nothing, for the user ("The photo beach.jpg does not exist."); the
// empty text for a photo it can read. Reads only the file's header.
QString PhotoError(const QString& path);

struct PhotoRead {
    QImage image;  // null when the photo could not be read
    QString error; // then why, for the user
};

// Reads the photo turned by its orientation tag. With a size, only the part of the photo
// inside crop (in the pixels of the shown photo; the whole photo when crop is empty) is
// kept, scaled down with a smooth filter to fit within size when it is larger; never
// scaled up. Where the format's decoder shrinks a photo by 2, 4 or 8 while it reads (JPEG),
// which is many times faster, the part may come out up to a tenth smaller than the fit.
PhotoRead ReadPhoto(const QString& path, QSize fitWithin = {}, QRectF crop = {});

// The part of a photo of imageSize that fills a frame of frameSize without stretching: the
// largest rectangle of the frame's shape inside the photo, placed so that the focus point
// (thousandths of the width and the height) is as near its centre as the photo's edges
// allow.
QRectF PhotoCrop(QSizeF imageSize, QSizeF frameSize, int focusX, int focusY);
