#pragma once
// A small PNG writer: 8-bit RGBA with straight alpha, non-interlaced, one filter chosen per row.
#include <cstdint>
#include <string>
#include <vector>

#include "image/Bitmap32.h"

namespace qw {

// The whole PNG file of `bmp` (alpha written as it is, not premultiplied). An empty bitmap cannot be
// stored as PNG and throws EImageError.
std::vector<uint8_t> EncodePng(const TBitmap32& bmp);

// Writes EncodePng(bmp) to `path` (UTF-8). The bytes go to a temporary file beside the target that
// then replaces it, so a failed save leaves any previous file untouched. Throws EImageError.
void SavePng(const TBitmap32& bmp, const std::string& path);

}  // namespace qw
