#include "image/BitmapFill.h"

#include <algorithm>

#include "image/BitmapClip.h"
#include "image/PixelKernels.h"

namespace qw {

void FillRect32(TBitmap32& bmp, const TRect& r, TColor color, uint8_t alpha) {
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  const uint32_t word = ColorToPixel(color, alpha);
  const TPixelKernels& rows = PixelKernels();
  if (c.Left == 0 && c.Right == bmp.Width()) {  // whole rows: one run
    rows.Fill(bmp.Row(c.Top), size_t(c.Bottom - c.Top) * size_t(c.Right), word);
    return;
  }
  for (int32_t y = c.Top; y < c.Bottom; ++y) rows.Fill(bmp.Row(y) + c.Left, size_t(c.Right - c.Left), word);
}

void SetAlphaInRect(TBitmap32& bmp, const TRect& r, uint8_t alpha, bool skipKey) {
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  const uint32_t a = uint32_t{alpha} << 24;
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    uint32_t* p = bmp.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      if (skipKey && p[x] == kKeyPixel) continue;
      p[x] = (p[x] & 0x00FFFFFFu) | a;
    }
  }
}

void PremultiplyAlpha(TBitmap32& bmp, const TRect& r) {
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    uint32_t* p = bmp.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const uint32_t w = p[x];
      if (w == 0x00FFFFFFu) {  // untouched white of a fresh bitmap: fully transparent
        p[x] = 0;
        continue;
      }
      const uint32_t a = w >> 24;
      const uint32_t rb = (((w & 0x00FF00FFu) * a) >> 8) & 0x00FF00FFu;
      const uint32_t g = (((w & 0x0000FF00u) * a) >> 8) & 0x0000FF00u;
      p[x] = (w & 0xFF000000u) | rb | g;
    }
  }
}

void PremultiplyExact(TBitmap32& bmp) {
  uint32_t* p = bmp.Pixels();
  for (size_t i = 0, n = bmp.PixelCount(); i < n; ++i) {
    const uint32_t w = p[i], a = w >> 24;
    const uint32_t r = ((w >> 16) & 0xFF) * a / 255, g = ((w >> 8) & 0xFF) * a / 255, b = (w & 0xFF) * a / 255;
    p[i] = (w & 0xFF000000u) | (r << 16) | (g << 8) | b;
  }
}

}  // namespace qw
