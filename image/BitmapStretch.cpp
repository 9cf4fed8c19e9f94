#include "image/BitmapStretch.h"

#include <algorithm>
#include <vector>

#include "image/BitmapClip.h"
#include "image/BitmapResample.h"
#include "image/BlendRow.h"
#include "image/PixelKernels.h"

namespace qw {

namespace {

// Source offset under the centre of destination pixel i of n, for a source span of size m.
inline int64_t NearestOffset(int64_t i, int64_t n, int64_t m) { return ((2 * i + 1) * m) / (2 * n); }

// SrcRect's pixels in a bitmap of their own, rows shifted down by rowOffset (the piece must lie in Src).
TBitmap32 CopyPiece(const TBitmap32& src, const TRect& r, int32_t rowOffset) {
  TBitmap32 piece(WidthOfRect(r), HeightOfRect(r));
  for (int32_t y = 0; y < piece.Height(); ++y)
    std::copy_n(src.Row(r.Top + rowOffset + y) + r.Left, piece.Width(), piece.Row(y));
  return piece;
}

// The source column under every destination column of C (dstRect spans dw destination pixels over sw
// source pixels from srcLeft), in a buffer this thread keeps: a stretch allocates nothing once warm.
const int32_t* NearestColumns(const TRect& c, const TRect& dstRect, int64_t dw, int64_t srcLeft, int64_t sw) {
  thread_local std::vector<int32_t> columns;
  columns.resize(static_cast<size_t>(c.Right - c.Left));
  for (int32_t x = c.Left; x < c.Right; ++x)
    columns[size_t(x - c.Left)] = static_cast<int32_t>(srcLeft + NearestOffset(x - dstRect.Left, dw, sw));
  return columns.data();
}

}  // namespace

void BlendByStretchedMask(TBitmap32& dst, const TRect& c, TPoint at, const TBitmap32& image, const TBitmap32& mask) {
  TKeyRule opaque;
  opaque.Or = 0xFF000000u;
  const TPixelKernels& rows = PixelKernels();
  for (int32_t y = c.Top; y < c.Bottom; ++y)
    rows.MaskBlendKeyed(dst.Row(y) + c.Left, image.Row(y - at.Y) + (c.Left - at.X), mask.Row(y - at.Y) + (c.Left - at.X),
                        size_t(c.Right - c.Left), opaque);
}

void StretchRectNearest(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect) {
  const int64_t dw = int64_t{dstRect.Right} - dstRect.Left, dh = int64_t{dstRect.Bottom} - dstRect.Top;
  const int64_t sw = int64_t{srcRect.Right} - srcRect.Left, sh = int64_t{srcRect.Bottom} - srcRect.Top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  // No bitmap comes near these spans; refusing them keeps the position arithmetic inside 64 bits.
  constexpr int64_t kMaxSpan = int64_t{1} << 30;
  if (dw > kMaxSpan || dh > kMaxSpan || sw > kMaxSpan || sh > kMaxSpan) return;
  const TRect c = ClipRectToSize(dstRect, dst.Width(), dst.Height());
  if (IsRectEmpty(c)) return;
  const int32_t* columns = NearestColumns(c, dstRect, dw, srcRect.Left, sw);
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    const int64_t sy = srcRect.Top + NearestOffset(y - dstRect.Top, dh, sh);
    if (sy < 0 || sy >= src.Height()) continue;
    const uint32_t* s = src.Row(static_cast<int32_t>(sy));
    uint32_t* d = dst.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const int32_t sx = columns[size_t(x - c.Left)];
      if (sx >= 0 && sx < src.Width()) d[x] = s[sx];
    }
  }
}

void StretchMaskedPiece(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect,
                        int32_t maskOffset, bool isCentre) {
  if (dstRect.Left < 0 || dstRect.Top < 0 || IsRectEmpty(dstRect) || dst.Width() <= 1 || dst.Height() <= 1)
    return;
  if (maskOffset == 0) {
    StretchRectNearest(dst, dstRect, src, srcRect);
    return;
  }
  if (maskOffset < 0) return;
  // The image piece and its mask rows must both lie inside Src.
  const TRect sr = ClipRectToSize(srcRect, src.Width(), src.Height() - maskOffset);
  if (IsRectEmpty(sr)) return;
  const int32_t sw = WidthOfRect(sr), sh = HeightOfRect(sr);
  const int32_t dw = WidthOfRect(dstRect), dh = HeightOfRect(dstRect);
  const TRect c = ClipRectToSize(dstRect, dst.Width(), dst.Height());
  if (IsRectEmpty(c)) return;

  if (sw == 1 && sh == 1 && isCentre) {
    const uint32_t s = src.At(sr.Left, sr.Top);
    const uint32_t m = src.At(sr.Left, sr.Top + maskOffset) & 0x00FFFFFFu;
    if (m == 0x00FFFFFFu) return;  // a white mask keeps the destination
    if (m == 0) {  // a black one shows the pixel
      for (int32_t y = c.Top; y < c.Bottom; ++y)
        PixelKernels().Fill(dst.Row(y) + c.Left, size_t(c.Right - c.Left), s | 0xFF000000u);
      return;
    }
    for (int32_t y = c.Top; y < c.Bottom; ++y) {
      uint32_t* d = dst.Row(y);
      for (int32_t x = c.Left; x < c.Right; ++x) d[x] = (m == 0 ? s : MaskBlend(d[x], s, m)) | 0xFF000000u;
    }
    return;
  }

  // The filtered resample is kept for pieces that shrink in one direction only and for the centre; a
  // piece only one pixel thick cannot be filtered and takes the plain stretch instead, and so does a
  // target too large for temporary bitmaps of its size.
  constexpr int64_t kMaxFilteredPixels = int64_t{1} << 24;
  const bool shrinksOneWay = (dw < sw && dh == sh) || (dh < sh && dw == sw);
  const bool filtered = (shrinksOneWay || isCentre) && !(dw == 1 && dh == 1) && sw > 1 && sh > 1 &&
                        int64_t{dw} * dh <= kMaxFilteredPixels;
  if (filtered) {
    TBitmap32 image, mask;
    ResampleBitmap(CopyPiece(src, sr, 0), image, dw, dh, rfMitchell);
    ResampleBitmap(CopyPiece(src, sr, maskOffset), mask, dw, dh, rfHermite);
    BlendByStretchedMask(dst, c, TPoint{dstRect.Left, dstRect.Top}, image, mask);
    return;
  }
  // Plain stretch of image and mask together, only where the target is visible.
  const int32_t* columns = NearestColumns(c, dstRect, dw, sr.Left, sw);
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    const int32_t sy = sr.Top + static_cast<int32_t>(NearestOffset(y - dstRect.Top, dh, sh));
    const uint32_t* s = src.Row(sy);
    const uint32_t* m = src.Row(sy + maskOffset);
    uint32_t* d = dst.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const int32_t sx = columns[size_t(x - c.Left)];
      d[x] = MaskBlend(d[x], s[sx], m[sx]) | 0xFF000000u;
    }
  }
}

}  // namespace qw
