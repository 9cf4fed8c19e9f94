#include "skin/render/FocusFrame.h"

namespace qw {

namespace {

void Dot(TBitmap32& bmp, int32_t x, int32_t y, uint32_t pixel) {
  if (x >= 0 && y >= 0 && x < bmp.Width() && y < bmp.Height()) bmp.At(x, y) = pixel;
}

}  // namespace

void DrawDottedFocusFrame(TBitmap32& bmp, const TRect& r, TColor face) {
  const int32_t width = WidthOfRect(r), height = HeightOfRect(r);
  if (width <= 0 || height <= 0) return;
  const int32_t right = r.Right - 1, bottom = r.Bottom - 1;
  const uint32_t black = ColorToPixel(0, 0xFF), faced = ColorToPixel(ColorToRGB(face), 0xFF);
  for (int32_t i = 0; i <= width / 3; ++i) {
    const int32_t x = r.Left + 3 * i;
    Dot(bmp, x - 1, r.Top, faced);
    Dot(bmp, x - 1, bottom, faced);
    Dot(bmp, x, r.Top, black);
    Dot(bmp, x, bottom, black);
  }
  for (int32_t i = 0; i <= height / 3; ++i) {
    const int32_t y = r.Top + 3 * i;
    Dot(bmp, r.Left, y - 1, faced);
    Dot(bmp, right, y - 1, faced);
    Dot(bmp, r.Left, y, black);
    Dot(bmp, right, y, black);
  }
}

}  // namespace qw
