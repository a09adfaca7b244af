#pragma once

#include "document/PhotoChoices.h"

#include <QString>
#include <QStringList>
#include <array>

// Which files are photos, and a calendar's photos taken from one folder.

// Whether a file name names a photo this system can read: its extension is one of the usual
// photo formats (JPEG, PNG, HEIF, WebP, TIFF and a few more), in any case, and the image
// plugins installed read that format.
bool IsPhotoFileName(const QString& fileName);

// The filter of the dialog that chooses a photo: the photo formats that can be read, then
// every file.
QString PhotoFileFilter();

// The photos of a folder as a calendar takes them: a file named "cover" (any photo extension,
// any case) goes to the cover, the others, in name order (numbers in names by their value,
// so "img2" comes before "img10"; case aside; the same in every language), to January onward.
// Hidden files and folders are passed over.
struct FolderPhotos {
    std::array<QString, kPhotoSlots> paths{}; // absolute; empty where the folder has none
    int found = 0;                            // photos taken, the cover among them
    int leftOver = 0;                         // photos after the twelfth month's, not taken
    bool empty() const { return found == 0; }
};
FolderPhotos PhotosOfFolder(const QString& folder);

// The folder's photos in place of all the chosen ones: every slot takes the folder's photo,
// or none where the folder has none, with its focus in the centre. The layout stays.
void TakeFolderPhotos(PhotoChoices& choices, const FolderPhotos& folder);

// The photos of two slots change places, each with its focus point; the slots' own places
// (the cover, the months) stay.
void SwapPhotos(PhotoChoices& choices, int first, int second);
