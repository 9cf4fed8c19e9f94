#include "skin/frame/FramePicture.h"

#include <algorithm>
#include <cstring>

#include "image/BitmapStretch.h"

namespace qw {

void PasteBitmapArea(TBitmap32& dst, const TBitmap32& src, TRect from, TPoint at) {
  // Clip the source rectangle to the source, moving the target with it.
  if (from.Left < 0) at.X -= from.Left, from.Left = 0;
  if (from.Top < 0) at.Y -= from.Top, from.Top = 0;
  from.Right = std::min(from.Right, src.Width());
  from.Bottom = std::min(from.Bottom, src.Height());
  // Then the target to the destination.
  if (at.X < 0) from.Left -= at.X, at.X = 0;
  if (at.Y < 0) from.Top -= at.Y, at.Y = 0;
  from.Right = std::min(from.Right, from.Left + (dst.Width() - at.X));
  from.Bottom = std::min(from.Bottom, from.Top + (dst.Height() - at.Y));
  if (from.Right <= from.Left || from.Bottom <= from.Top) return;
  const size_t bytes = static_cast<size_t>(from.Right - from.Left) * sizeof(uint32_t);
  for (int y = from.Top; y < from.Bottom; ++y)
    std::memcpy(dst.Row(at.Y + y - from.Top) + at.X, src.Row(y) + from.Left, bytes);
}

void PaintNinePart(TBitmap32& dst, const TRect& to, const TBitmap32& src, const TRect& from, TRect margins) {
  const TRect source = IntersectRects(from, TRect{0, 0, src.Width(), src.Height()});
  if (IsRectEmpty(source) || IsRectEmpty(to)) return;
  auto cut = [](int32_t m, int32_t a, int32_t b) { return std::clamp(m, 0, std::min(a, b) / 2); };
  const int32_t sw = WidthOfRect(source), sh = HeightOfRect(source), dw = WidthOfRect(to), dh = HeightOfRect(to);
  margins = TRect{cut(margins.Left, sw, dw), cut(margins.Top, sh, dh), cut(margins.Right, sw, dw), cut(margins.Bottom, sh, dh)};
  const int32_t sx[4] = {source.Left, source.Left + margins.Left, source.Right - margins.Right, source.Right};
  const int32_t sy[4] = {source.Top, source.Top + margins.Top, source.Bottom - margins.Bottom, source.Bottom};
  const int32_t dx[4] = {to.Left, to.Left + margins.Left, to.Right - margins.Right, to.Right};
  const int32_t dy[4] = {to.Top, to.Top + margins.Top, to.Bottom - margins.Bottom, to.Bottom};
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col)
      StretchRectNearest(dst, TRect{dx[col], dy[row], dx[col + 1], dy[row + 1]}, src,
                         TRect{sx[col], sy[row], sx[col + 1], sy[row + 1]});
}

void PasteBitmap(TBitmap32& dst, const TBitmap32& src, TPoint at) {
  PasteBitmapArea(dst, src, TRect{0, 0, src.Width(), src.Height()}, at);
}

TBitmap32 CopyBitmapArea(const TBitmap32& src, TRect r) {
  r.Left = std::max(r.Left, 0);
  r.Top = std::max(r.Top, 0);
  r.Right = std::min(r.Right, src.Width());
  r.Bottom = std::min(r.Bottom, src.Height());
  if (r.Right <= r.Left || r.Bottom <= r.Top) return TBitmap32();
  TBitmap32 out(r.Right - r.Left, r.Bottom - r.Top);
  PasteBitmapArea(out, src, r, TPoint{0, 0});
  return out;
}

int FadeLevelAlpha(int level, int maxIterations) {
  if (maxIterations <= 0) return 255;
  const int step = std::max(255 / maxIterations, 0);
  return std::clamp(step * level, 0, 255);
}

}  // namespace qw
