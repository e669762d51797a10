// The player's picture file, and the shrinking of a chosen picture to the 32 by 32 box.
#pragma once

#include "framework/picture.h"

namespace PlayerPicture {

// Beside the preferences file; PNG inside, whatever the name suggests.
inline constexpr const char* fileName = "qvdimage.pct";

// The width and height a picture of w by h gets: shrunk to fit 32 by 32, never enlarged,
// each side truncated but kept at one pixel at least.
struct Size {
  int width;
  int height;
  bool operator==(const Size&) const = default;
};
Size fittedSize(int width, int height);

// A new picture holding the whole of the given one drawn at its fitted size.
fw::PicturePtr fitted(const fw::PicturePtr& picture);

// The picture kept in the file, unscaled; the default picture when the file is absent or unreadable.
fw::PicturePtr load();
// Saves picture 41 (the default picture when there is none); false when it could not be written.
bool save();

}  // namespace PlayerPicture
