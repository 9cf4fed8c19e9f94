#pragma once
// JPEG pictures (the window's banner, large skin patterns) through the IJG library.
// Every pixel comes out opaque (alpha 255). Grey images become grey RGB; CMYK and YCCK images are turned
// into RGB, Adobe's inverted CMYK (any file with an Adobe marker) included. Library warnings are
// ignored, except that data ending before the image is complete is an error: a half-grey picture is
// never returned as a success.
#include <cstddef>
#include <cstdint>

#include "image/Bitmap32.h"

namespace qw {

// True when the data starts with a JPEG start-of-image marker followed by another marker.
bool IsJpegSignature(const uint8_t* data, size_t size);

inline constexpr uint64_t kMaxJpegPixels = uint64_t{1} << 28;

// Decodes a JPEG file held in memory. Throws EImageError ("Cannot load image. ...") when the data is
// not a decodable JPEG, is truncated, or states a size of more than maxPixels pixels (checked before
// anything is allocated; fuzzing passes a smaller limit).
TBitmap32 DecodeJpeg(const uint8_t* data, size_t size, uint64_t maxPixels = kMaxJpegPixels);

}  // namespace qw
