#pragma once

#include "calendar_format/OwnSection.h"
#include "document/PhotoChoices.h"

#include <QString>
#include <vector>

// The photo choices as records of the file's own section. A photo inside the calendar's
// folder (or below it) is written relative to that folder, so that the folder can move
// with its photos; any other photo keeps its absolute path, so that a calendar copied or
// moved on its own (next year's calendar) still finds it. calendarFile is the calendar's
// path; empty for a calendar without a file, whose photos are written as they are.

// Appends the records of the chosen photos and of the page layout (nothing for no photos
// and no layout).
void AddPhotoRecords(std::vector<SectionRecord>& records, const PhotoChoices& photos,
                     const QString& calendarFile);

// The choices that the photo records among records give; a relative path is taken from
// the calendar's folder.
PhotoChoices PhotosOfRecords(const std::vector<SectionRecord>& records,
                             const QString& calendarFile);
