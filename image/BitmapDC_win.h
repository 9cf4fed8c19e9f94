#pragma once
// Windows: plain colour fills through a device context (for targets that are not 32-bit bitmaps).
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

// Fills R with a solid brush of ColorToRGB(Color); the context's state is saved before and restored after.
void FillRectDC(HDC dc, const TRect& r, TColor color);
// Fills the four border bands of R (widths WL, WT, WR, WB) with Color: top and left first, then bottom
// and right between them.
void FillBorderDC(HDC dc, const TRect& r, int wl, int wt, int wr, int wb, TColor color);

// Copies the bitmap's rectangle From to DC with its top-left corner at To (nothing for an empty
// rectangle or a bitmap without a DIB section).
void CopyBitmapToDC(HDC dc, const TBitmap32& bmp, const TRect& from, TPoint to);

}  // namespace qw
