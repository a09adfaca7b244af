#pragma once

#include "document/PhotoChoices.h"
#include "drawing/PrintJob.h"

#include <QCommandLineParser>
#include <QString>
#include <optional>

// qvftool print with photos: --photos DIR takes the images of a folder, --layout chooses
// how the pages hold them (above, facing or none).
void declarePhotos(QCommandLineParser& parser);

// The photos of folder as PhotosOfFolder takes them (name order, numbers by their value;
// "cover.*" for the cover, the first twelve others for January to December; months after
// the last photo have none). Nothing, with the reason in error, when folder is not a folder
// or holds no photo. leftOver: how many photos came after December's and were not taken.
std::optional<PhotoChoices> PhotosFromFolder(const QString& folder, QString& error,
                                             int* leftOver = nullptr);

struct PhotoOptions {
    PhotoLayout layout = PhotoLayout::None;
    QString usage;       // a usage error: --layout names no layout
    QString failure;     // the photos could not be taken: the folder's reason
    QString notice = {}; // the folder held more photos than a calendar takes
};

// Puts the photos of --photos in the calendar's place and gives the layout the pages print
// with: --layout when given, else the calendar's own, else photos above the months when a
// folder is given.
PhotoOptions ApplyPhotoOptions(const QCommandLineParser& parser, PhotoChoices& photos);
