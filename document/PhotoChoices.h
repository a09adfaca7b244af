#pragma once

#include <QString>
#include <array>

// The photos of a photo wall calendar, kept with the calendar so that next year's calendar
// starts from this year's choices: one for the cover and one for each month, and how the
// pages hold them.

enum class PhotoLayout {
    None,   // month pages only, no photos
    Above,  // portrait pages: the photo fills the upper half, the month grid is below
    Facing, // a photo page before each month page, for binding
};

struct PhotoChoice {
    QString path; // the image file, absolute; empty when none is chosen
    // The point of the photo that stays in the frame when it is cropped to the frame's
    // shape, in thousandths of the photo's width from its left and of its height from its
    // top (as the photo is shown, after the camera's orientation): the centre by default.
    int focusX = 500;
    int focusY = 500;
    bool empty() const { return path.isEmpty(); }
    friend bool operator==(const PhotoChoice&, const PhotoChoice&) = default;
};

inline constexpr int kCoverPhoto = 0; // photos[0]: the cover; photos[1] to [12]: the months
inline constexpr int kPhotoSlots = 13;
inline constexpr int kFocusScale = 1000; // focus is given in thousandths

struct PhotoChoices {
    PhotoLayout layout = PhotoLayout::None;
    std::array<PhotoChoice, kPhotoSlots> photos{};

    // No photo chosen for the cover or any month.
    bool noPhotos() const {
        for (const PhotoChoice& p : photos)
            if (!p.empty()) return false;
        return true;
    }
    friend bool operator==(const PhotoChoices&, const PhotoChoices&) = default;
};
