#pragma once
// Plain fills and per-pixel alpha operations on a rectangle of a 32-bit bitmap. Every rectangle is cut
// to the bitmap first; an area that cuts to nothing is no error.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

// Fills R with the pixel word Alpha<<24 | SwapRedBlue(Color)'s low three bytes (no system colours).
void FillRect32(TBitmap32& bmp, const TRect& r, TColor color, uint8_t alpha);
// Writes Alpha into the alpha byte of R's pixels; with skipKey the key pixels 0x00FF00FF are left alone.
void SetAlphaInRect(TBitmap32& bmp, const TRect& r, uint8_t alpha, bool skipKey);
// Premultiplies R: the word 0x00FFFFFF becomes 0, any other pixel gets c = c*A >> 8 on B, G and R.
void PremultiplyAlpha(TBitmap32& bmp, const TRect& r);
// Premultiplies every pixel exactly, c = c*A/255 (rounded down) on B, G and R, with no special pixels:
// what the system's per-pixel alpha blend expects of a picture (an opaque pixel keeps its colour).
void PremultiplyExact(TBitmap32& bmp);

}  // namespace qw
