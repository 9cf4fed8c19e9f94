#include "image/BitmapCopy.h"

#include <algorithm>

#include "image/BitmapClip.h"
#include "image/BlendRow.h"

namespace qw {

namespace {

// The pixel of ci.Bmp behind destination (x, y), or false when that lies outside ci.Bmp.
inline bool ParentPixel(const TCacheInfo& ci, int32_t x, int32_t y, uint32_t& out) {
  if (!ci.Bmp) return false;
  const int64_t px = int64_t{x} + ci.X, py = int64_t{y} + ci.Y;
  if (px < 0 || py < 0 || px >= ci.Bmp->Width() || py >= ci.Bmp->Height()) return false;
  out = ci.Bmp->At(static_cast<int32_t>(px), static_cast<int32_t>(py));
  return true;
}

inline uint32_t FillPixel(const TCacheInfo& ci) { return ColorToPixel(ColorToRGB(ci.FillColor), 0); }

// The smaller of the two rectangles, from both starts.
inline TCopyArea AreaOf(const TRect& dstRect, const TRect& srcRect) {
  return TCopyArea{dstRect.Left, dstRect.Top, srcRect.Left, srcRect.Top,
                   std::min(SpanOf(dstRect.Left, dstRect.Right), SpanOf(srcRect.Left, srcRect.Right)),
                   std::min(SpanOf(dstRect.Top, dstRect.Bottom), SpanOf(srcRect.Top, srcRect.Bottom))};
}

}  // namespace

void CopyKeyedRect(TBitmap32& dst, const TBitmap32& src, int32_t dstX, int32_t dstY, TRect srcRect,
                   bool useParent, const TCacheInfo& ci, uint32_t key) {
  srcRect.Right = std::min(srcRect.Right, src.Width() - 1);
  srcRect.Bottom = std::min(srcRect.Bottom, src.Height() - 1);
  TCopyArea a{dstX, dstY, srcRect.Left, srcRect.Top,
              static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Right} - srcRect.Left + 1, 0, INT32_MAX)),
              static_cast<int32_t>(std::clamp<int64_t>(int64_t{srcRect.Bottom} - srcRect.Top + 1, 0, INT32_MAX))};
  if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  const bool parent = useParent && ci.Ready && ci.Bmp;
  const bool ontoParent = parent && ci.Bmp == &dst;
  const uint32_t fill = FillPixel(ci);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i) {
      const uint32_t w = s[i];
      if (w != key) {
        d[i] = ontoParent ? (w | 0xFF000000u) : w;
      } else if (ontoParent) {
        // The key leaves the parent's own pixel in place.
      } else if (parent) {
        uint32_t p;
        if (ParentPixel(ci, a.DstX + i, a.DstY + y, p)) d[i] = p;
      } else if (!ci.Ready) {
        d[i] = fill;
      }
    }
  }
}

void CopyMaskedPiece(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                     bool useParent, const TCacheInfo& ci, const TBitmap32& src) {
  const int32_t maskOffset = SpanOf(mask.R.Top, mask.R.Bottom) / 2;
  TCopyArea a = AreaOf(dstRect, srcRect);
  // Only rows whose mask row lies inside Src are copied.
  if (!ClipCopyArea(a, src.Width(), src.Height() - maskOffset, dst.Width(), dst.Height())) return;
  const uint32_t fill = FillPixel(ci);
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    const uint32_t* m = src.Row(a.SrcY + y + maskOffset) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i) {
      const uint32_t w = s[i];
      if (ci.Ready) {
        if (useParent && w == kKeyPixel) {
          uint32_t p;
          if (ParentPixel(ci, a.DstX + i, a.DstY + y, p)) d[i] = p | 0xFF000000u;
        } else {
          d[i] = MaskBlend(d[i], w, m[i]) | 0xFF000000u;
        }
      } else if (w == kKeyPixel) {
        if (useParent) d[i] = fill;
      } else {
        d[i] = MaskBlend(d[i], w, m[i]);
      }
    }
  }
}

void CopyGlyphWithMask(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                       int addedTransparency, const TBitmap32& src) {
  TCopyArea a = AreaOf(dstRect, srcRect);
  if (mask.MaskType <= 0) {
    if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
    for (int32_t y = 0; y < a.H; ++y) {
      const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
      uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
      for (int32_t i = 0; i < a.W; ++i)
        if (s[i] != kKeyPixel) d[i] = s[i];
    }
    return;
  }
  const int32_t maskOffset = SpanOf(mask.R.Top, mask.R.Bottom) / (mask.MaskType + 1);
  if (!ClipCopyArea(a, src.Width(), src.Height() - maskOffset, dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    const uint32_t* mk = src.Row(a.SrcY + y + maskOffset) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i) {
      const uint32_t w = s[i];
      const uint32_t m = (mk[i] >> 16) & 0xFF;  // the red channel decides coverage
      if (w == kKeyPixel || m == 255) continue;
      uint32_t weights = mk[i];
      if (addedTransparency != 1) {  // fainter: every weight raised by 100
        weights = 0;
        for (int shift = 0; shift < 24; shift += 8)
          weights |= std::min<uint32_t>(((mk[i] >> shift) & 0xFF) + 100, 255) << shift;
      }
      const uint32_t out = MaskBlend(d[i], w, weights);
      const uint32_t alpha = d[i] >> 24;
      d[i] = (out & 0x00FFFFFFu) | ((alpha + (((255 - alpha) * (255 - m)) >> 8)) << 24);
    }
  }
}

void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool useParent,
                     const TCacheInfo& ci, const TBitmap32* src) {
  if (!src) return;
  TCopyArea a = AreaOf(dstRect, srcRect);
  if (!ClipCopyArea(a, src->Width(), src->Height(), dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src->Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i) {
      const uint32_t h = s[i];
      if (ci.Ready && h == kKeyPixel) {
        uint32_t p;
        if (useParent && ParentPixel(ci, a.DstX + i, a.DstY + y, p)) d[i] = p | 0xFF000000u;
        continue;
      }
      const uint32_t alpha = h >> 24;
      // ((s - d)*A + d*256) >> 8 = (s*A + d*(256 - A)) >> 8, never negative.
      const uint32_t dw = d[i];
      uint32_t res = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t sc = (h >> shift) & 0xFF, dc = (dw >> shift) & 0xFF;
        res |= ((sc * alpha + dc * (256 - alpha)) >> 8) << shift;
      }
      uint32_t da = dw >> 24;
      if (alpha > 0) da = da + alpha * (255 - da) / 255;
      d[i] = res | (da << 24);
    }
  }
}

}  // namespace qw
