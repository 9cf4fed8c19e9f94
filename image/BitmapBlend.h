#pragma once
// Blends of colours and bitmaps into 32-bit bitmaps. Colour channels only: alpha is never changed.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

// Every pixel of R (cut to the bitmap) gets per channel round(k*old + (1-k)*colour), k = KeepPercent/100,
// ties to even; the colour goes through ColorToRGB. KeepPercent is limited to 0..100.
void BlendColorIntoRect(TBitmap32& bmp, const TRect& r, int keepPercent, TColor color);
// Puts SrcRect of Src onto Dst at DstPoint: per channel d = (A*(d - s) + s*256) >> 8 (A 0..256, the
// weight of the old destination out of 256; values outside are limited to that range).
void BlendRectangle(TBitmap32& dst, const TBitmap32& src, int a, TPoint dstPoint, TRect srcRect);
// Blends the non-key pixels of SrcRect (Right and Bottom inclusive) of Src onto Dst at (DstX, DstY):
// d = round(s - (s - d)*x) per channel, x the share of the old destination.
void BlendKeyedBitmap(TBitmap32& dst, int32_t dstX, int32_t dstY, uint32_t key, double x, TRect srcRect,
                      const TBitmap32& src);
// Same-size bitmaps: every pixel d = (A*(d - s) + s*256) >> 8 per channel; different sizes: nothing.
void BlendTwoBitmaps(TBitmap32& dst, const TBitmap32& src, int a);

}  // namespace qw
