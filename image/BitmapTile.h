#pragma once
// Tiling an image over a rectangle of a 32-bit bitmap.
#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// Copies Image repeatedly from R's top-left corner in steps of its size (columns left to right, each top
// to bottom), the last column and row cut to R and everything cut to Dst; an empty image does nothing.
void TileBitmap(TBitmap32& dst, const TRect& r, const TBitmap32& image);

}  // namespace qw
