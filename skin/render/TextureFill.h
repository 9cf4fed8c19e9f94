#pragma once
// Texture fills of skin sections: a tile of the master bitmap (or of a mask's own image) laid over a
// rectangle in one of the fill modes, and the tiling of masked textures that blend with what lies below.
#include <cstdint>

#include "base/Geometry.h"
#include "skin/data/SkinTables.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"

namespace qw {

// a + b limited to the 32-bit range (rectangles from skin values may be anywhere).
inline int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t v = int64_t{a} + b;
  return static_cast<int32_t>(v < INT32_MIN ? INT32_MIN : (v > INT32_MAX ? INT32_MAX : v));
}

// Coordinates no bitmap comes near. Painters refuse rectangles (of masks or targets) that reach beyond,
// so that their arithmetic never leaves 32 bits whatever a skin says.
inline constexpr int32_t kMaxCoordinate = 1 << 28;
inline bool SaneRect(const TRect& r) {
  auto ok = [](int32_t v) { return v >= -kMaxCoordinate && v <= kMaxCoordinate; };
  return ok(r.Left) && ok(r.Top) && ok(r.Right) && ok(r.Bottom);
}

// The image a mask's pictures come from: its own image, else its manager's master bitmap; null when
// it has neither.
const TBitmap32* MaskSource(const TsMaskData& mask);
// Width of one state image: 0 for no images, the whole area for one, else the area div ImageCount.
int32_t MaskImageWidth(const TsMaskData& mask);
// Height of one state image: the area for MaskType 0, else the area div (MaskType + 1); 0 for -1.
int32_t MaskImageHeight(const TsMaskData& mask);

// Lays SrcRect of Src over Dst from Span's top-left corner in steps of its size, columns and rows cut
// at Span's right and bottom; only what lies inside Clip and Dst is written. Src pieces are cut to Src.
void TileRect(TBitmap32& dst, const TRect& span, const TRect& clip, const TBitmap32& src, TRect srcRect);
// Stretches SrcRect of Src over Span (nearest pixel) writing only inside Clip and Dst.
void StretchRectClipped(TBitmap32& dst, const TRect& span, const TRect& clip, const TBitmap32& src, TRect srcRect);

// The texture fill: with a non-empty Image it is tiled over R; otherwise the tile is the mask's area in
// its image, laid in the fill mode (0 tiled, 1 stretched, 2/6 a row of tiles along the top/bottom, 3/7 a
// column along the left/right, 4/5 stretched along the top/left, 10 only whole tile rows). On return R
// holds what the texture left uncovered (the caller fills it with the section colour), or Right = -1
// when it covered all. No tile at all leaves R as it was.
void FillRectByTexture(TBitmap32& bmp, TRect& r, const TBitmap32* image, int mode, const TsMaskData& mask);

// The masked texture fill: state image 0 of the mask (image above, mask below) tiled over R and blended
// through its mask, key pixels showing ci's parent (or its FillColor). Mode 0 covers R, cutting the last
// column and row; mode 10 lays whole tiles only and fills the strips left at the right and bottom from
// the parent. R.Right becomes -1.
void FillRectByMaskedTexture(TBitmap32& bmp, TRect& r, const TCacheInfo& ci, int mode, const TsMaskData& mask);

}  // namespace qw
