#include "image/BitmapBlend.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "image/BitmapClip.h"
#include "image/BlendRow.h"

namespace qw {

void BlendColorIntoRect(TBitmap32& bmp, const TRect& r, int keepPercent, TColor color) {
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  const int64_t keep = std::clamp(keepPercent, 0, 100);
  const uint32_t rgb = ColorToPixel(ColorToRGB(color), 0);
  // The percentage is exact, so the mix is exact too: one table per channel, rounded in integers.
  std::array<std::array<uint32_t, 256>, 3> table;
  for (int ch = 0; ch < 3; ++ch) {
    const int64_t k = (rgb >> (8 * ch)) & 0xFF;
    for (int64_t old = 0; old < 256; ++old)
      table[ch][old] = static_cast<uint32_t>(RoundDivEven(keep * old + (100 - keep) * k, 100)) << (8 * ch);
  }
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    uint32_t* p = bmp.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const uint32_t w = p[x];
      p[x] = (w & 0xFF000000u) | table[0][w & 0xFF] | table[1][(w >> 8) & 0xFF] | table[2][(w >> 16) & 0xFF];
    }
  }
}

void BlendRectangle(TBitmap32& dst, const TBitmap32& src, int a, TPoint dstPoint, TRect srcRect) {
  // A negative destination start moves the source start by the same amount (in 64 bits: any point and
  // rectangle a caller passes is safe).
  int64_t srcLeft = srcRect.Left, srcTop = srcRect.Top;
  int64_t dstX = dstPoint.X, dstY = dstPoint.Y;
  if (dstX < 0) {
    srcLeft -= dstX;
    dstX = 0;
  }
  if (dstY < 0) {
    srcTop -= dstY;
    dstY = 0;
  }
  if (srcLeft >= srcRect.Right || srcTop >= srcRect.Bottom || dstX >= dst.Width() || dstY >= dst.Height() ||
      srcLeft >= src.Width() || srcTop >= src.Height())
    return;
  // A source rectangle reaching left of or above Src moves the target instead.
  if (srcLeft < 0) {
    dstX -= srcLeft;
    srcLeft = 0;
  }
  if (srcTop < 0) {
    dstY -= srcTop;
    srcTop = 0;
  }
  const int64_t w = std::min<int64_t>(srcRect.Right, src.Width()) - srcLeft;
  const int64_t h = std::min<int64_t>(srcRect.Bottom, src.Height()) - srcTop;
  TCopyArea area{static_cast<int32_t>(std::min<int64_t>(dstX, INT32_MAX)),
                 static_cast<int32_t>(std::min<int64_t>(dstY, INT32_MAX)),
                 static_cast<int32_t>(srcLeft),
                 static_cast<int32_t>(srcTop),
                 static_cast<int32_t>(std::max<int64_t>(w, 0)),
                 static_cast<int32_t>(std::max<int64_t>(h, 0))};
  if (!ClipCopyArea(area, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  const uint32_t weight = static_cast<uint32_t>(std::clamp(a, 0, 256));
  // Blending a bitmap onto itself reads from a copy, so every pixel sees the original source.
  TBitmap32 copy;
  const TBitmap32* from = &src;
  if (&dst == &src) {
    copy = src.Clone();
    from = &copy;
  }
  for (int32_t y = 0; y < area.H; ++y)
    BlendRow(dst.Row(area.DstY + y) + area.DstX, from->Row(area.SrcY + y) + area.SrcX,
             static_cast<size_t>(area.W), weight);
}

// Real arithmetic on purpose: x is a real share. std::nearbyint rounds in the default mode (to nearest,
// ties to even), identically on every build.
void BlendKeyedBitmap(TBitmap32& dst, int32_t dstX, int32_t dstY, uint32_t key, double x, TRect srcRect,
                      const TBitmap32& src) {
  // Right and Bottom are the last column and row used.
  srcRect.Right = std::min(srcRect.Right, src.Width() - 1);
  srcRect.Bottom = std::min(srcRect.Bottom, src.Height() - 1);
  TCopyArea area{dstX, dstY, srcRect.Left, srcRect.Top,
                 static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Right} - srcRect.Left + 1, 0, INT32_MAX)),
                 static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Bottom} - srcRect.Top + 1, 0, INT32_MAX))};
  if (!ClipCopyArea(area, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  const bool same = &dst == &src;
  TBitmap32 copy;
  const TBitmap32* from = &src;
  if (same) {
    copy = src.Clone();
    from = &copy;
  }
  for (int32_t y = 0; y < area.H; ++y) {
    uint32_t* d = dst.Row(area.DstY + y) + area.DstX;
    const uint32_t* s = from->Row(area.SrcY + y) + area.SrcX;
    for (int32_t i = 0; i < area.W; ++i) {
      const uint32_t sw = s[i];
      if (sw == key) continue;
      const uint32_t dw = d[i];
      uint32_t out = dw & 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const double sc = (sw >> shift) & 0xFF, dc = (dw >> shift) & 0xFF;
        out |= RoundToByte(sc - (sc - dc) * x) << shift;
      }
      d[i] = out;
    }
  }
}

void BlendTwoBitmaps(TBitmap32& dst, const TBitmap32& src, int a) {
  if (dst.Width() != src.Width() || dst.Height() != src.Height() || &dst == &src) return;
  BlendRow(dst.Pixels(), src.Pixels(), dst.PixelCount(), static_cast<uint32_t>(std::clamp(a, 0, 256)));
}

}  // namespace qw
