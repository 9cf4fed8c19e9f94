#include "image/BitmapTile.h"

#include <algorithm>

#include "image/BitmapClip.h"

namespace qw {

void TileBitmap(TBitmap32& dst, const TRect& r, const TBitmap32& image) {
  const int64_t w = image.Width(), h = image.Height();
  if (w <= 0 || h <= 0 || &dst == &image) return;
  const TRect c = ClipRectToSize(r, dst.Width(), dst.Height());
  if (IsRectEmpty(c)) return;
  // Start with the first tile that reaches into the visible part, so huge rectangles cost nothing extra.
  const int64_t x0 = r.Left + (int64_t{c.Left} - r.Left) / w * w;
  const int64_t y0 = r.Top + (int64_t{c.Top} - r.Top) / h * h;
  for (int64_t x = x0; x < c.Right; x += w) {
    for (int64_t y = y0; y < c.Bottom; y += h) {
      // Tile cut to R, then to the destination.
      const int32_t tl = static_cast<int32_t>(std::max<int64_t>(x, c.Left));
      const int32_t tt = static_cast<int32_t>(std::max<int64_t>(y, c.Top));
      const int32_t tr = static_cast<int32_t>(std::min<int64_t>(x + w, c.Right));
      const int32_t tb = static_cast<int32_t>(std::min<int64_t>(y + h, c.Bottom));
      for (int32_t yy = tt; yy < tb; ++yy) {
        const uint32_t* from = image.Row(static_cast<int32_t>(yy - y));
        std::copy(from + (tl - x), from + (tr - x), dst.Row(yy) + tl);
      }
    }
  }
}

}  // namespace qw
