#include "skin/render/TextureFill.h"

#include <algorithm>

#include "skin/data/SkinManager.h"
#include "image/BitmapClip.h"
#include "image/BitmapCopy.h"
#include "image/BitmapFill.h"
#include "image/BitmapTile.h"

namespace qw {

const TBitmap32* MaskSource(const TsMaskData& mask) {
  if (mask.Bmp) return mask.Bmp.get();
  if (mask.Manager) return &mask.Manager->MasterBitmap;
  return nullptr;
}

int32_t MaskImageWidth(const TsMaskData& mask) {
  if (mask.ImageCount <= 0) return 0;
  const int32_t w = SpanOf(mask.R.Left, mask.R.Right);
  return mask.ImageCount == 1 ? w : w / mask.ImageCount;
}

int32_t MaskImageHeight(const TsMaskData& mask) {
  if (mask.MaskType < 0) return 0;
  const int32_t h = SpanOf(mask.R.Top, mask.R.Bottom);
  return mask.MaskType == 0 ? h : h / (mask.MaskType + 1);
}

namespace {

inline int64_t FirstTileStart(int64_t spanStart, int64_t clipStart, int64_t step) {
  if (clipStart <= spanStart) return spanStart;
  return spanStart + (clipStart - spanStart) / step * step;
}

}  // namespace

void TileRect(TBitmap32& dst, const TRect& span, const TRect& clip, const TBitmap32& src, TRect srcRect) {
  srcRect = ClipRectToSize(srcRect, src.Width(), src.Height());
  const int64_t w = WidthOfRect(srcRect), h = HeightOfRect(srcRect);
  if (w <= 0 || h <= 0 || &dst == &src) return;
  TRect c = IntersectRects(ClipRectToSize(span, dst.Width(), dst.Height()), clip);
  if (IsRectEmpty(c)) return;
  // Start at the first tile that reaches into the visible part: huge spans cost nothing extra.
  for (int64_t x = FirstTileStart(span.Left, c.Left, w); x < c.Right; x += w) {
    const int32_t l = static_cast<int32_t>(std::max<int64_t>(x, c.Left));
    const int32_t r = static_cast<int32_t>(std::min<int64_t>(x + w, c.Right));
    for (int64_t y = FirstTileStart(span.Top, c.Top, h); y < c.Bottom; y += h) {
      const int32_t t = static_cast<int32_t>(std::max<int64_t>(y, c.Top));
      const int32_t b = static_cast<int32_t>(std::min<int64_t>(y + h, c.Bottom));
      for (int32_t yy = t; yy < b; ++yy) {
        const uint32_t* s = src.Row(static_cast<int32_t>(srcRect.Top + (yy - y))) + srcRect.Left;
        std::copy(s + (l - x), s + (r - x), dst.Row(yy) + l);
      }
    }
  }
}

void StretchRectClipped(TBitmap32& dst, const TRect& span, const TRect& clip, const TBitmap32& src, TRect srcRect) {
  srcRect = ClipRectToSize(srcRect, src.Width(), src.Height());
  const int64_t sw = WidthOfRect(srcRect), sh = HeightOfRect(srcRect);
  const int64_t dw = int64_t{span.Right} - span.Left, dh = int64_t{span.Bottom} - span.Top;
  if (sw <= 0 || sh <= 0 || dw <= 0 || dh <= 0 || &dst == &src) return;
  const TRect c = IntersectRects(ClipRectToSize(span, dst.Width(), dst.Height()), clip);
  if (IsRectEmpty(c)) return;
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    const int64_t sy = srcRect.Top + ((2 * (int64_t{y} - span.Top) + 1) * sh) / (2 * dh);
    const uint32_t* s = src.Row(static_cast<int32_t>(sy));
    uint32_t* d = dst.Row(y);
    for (int32_t x = c.Left; x < c.Right; ++x)
      d[x] = s[srcRect.Left + ((2 * (int64_t{x} - span.Left) + 1) * sw) / (2 * dw)];
  }
}

void FillRectByTexture(TBitmap32& bmp, TRect& r, const TBitmap32* image, int mode, const TsMaskData& mask) {
  if (image && !image->Empty()) {
    TileBitmap(bmp, r, *image);
    r.Right = -1;
    return;
  }
  const TBitmap32* src = MaskSource(mask);
  if (!src) return;
  const TRect tile = ClipRectToSize(mask.R, src->Width(), src->Height());
  if (IsRectEmpty(tile)) return;
  const int32_t w = WidthOfRect(tile), h = HeightOfRect(tile);
  const TRect all = r;
  auto top = [&](int32_t height) { return TRect{all.Left, all.Top, all.Right, SaturatingAdd(all.Top, height)}; };
  switch (mode) {
    case 0:
      TileRect(bmp, all, all, *src, tile);
      r.Right = -1;
      break;
    case 1:
      StretchRectClipped(bmp, all, all, *src, tile);
      r.Right = -1;
      break;
    case 2:
      TileRect(bmp, top(h), all, *src, tile);
      r.Top = std::min(SaturatingAdd(all.Top, h), std::max(all.Top, all.Bottom));
      break;
    case 3:
      TileRect(bmp, TRect{all.Left, all.Top, SaturatingAdd(all.Left, w), all.Bottom}, all, *src, tile);
      r.Left = std::min(SaturatingAdd(all.Left, w), std::max(all.Left, all.Right));
      break;
    case 4:
      StretchRectClipped(bmp, top(h), all, *src, tile);
      r.Top = std::min(SaturatingAdd(all.Top, h), std::max(all.Top, all.Bottom));
      break;
    case 5:
      StretchRectClipped(bmp, TRect{all.Left, all.Top, SaturatingAdd(all.Left, w), all.Bottom}, all, *src, tile);
      r.Left = std::min(SaturatingAdd(all.Left, w), std::max(all.Left, all.Right));
      break;
    case 6:
      TileRect(bmp, TRect{all.Left, SaturatingAdd(all.Bottom, -h), all.Right, all.Bottom}, all, *src, tile);
      r.Bottom = std::max(SaturatingAdd(all.Bottom, -h), std::min(all.Top, all.Bottom));
      break;
    case 7:
      TileRect(bmp, TRect{SaturatingAdd(all.Right, -w), all.Top, all.Right, all.Bottom}, all, *src, tile);
      r.Right = std::max(SaturatingAdd(all.Right, -w), std::min(all.Left, all.Right));
      break;
    case 10: {
      // Whole tile rows only: the rows end where the next tile would reach below R.
      const int64_t rows = SpanOf(all.Top, all.Bottom) / h;
      TileRect(bmp, TRect{all.Left, all.Top, all.Right, static_cast<int32_t>(all.Top + rows * h)}, all, *src, tile);
      r.Right = -1;
      break;
    }
    default:
      // Not a texture mode: nothing is laid and the caller fills R with the section colour.
      break;
  }
}

void FillRectByMaskedTexture(TBitmap32& bmp, TRect& r, const TCacheInfo& ci, int mode, const TsMaskData& mask) {
  const TRect all = r;
  r.Right = -1;
  const TBitmap32* src = MaskSource(mask);
  const int32_t w = MaskImageWidth(mask);
  const int32_t h = SpanOf(mask.R.Top, mask.R.Bottom) / 2;
  if (!src || w <= 0 || h <= 0 || (mode != 0 && mode != 10) || !SaneRect(mask.R)) return;
  const TRect c = ClipRectToSize(all, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  // The tile and its mask rows; CopyMaskedPiece finds the mask half the area's height below.
  const TMaskPieceInfo piece{TRect{mask.R.Left, mask.R.Top, mask.R.Left + w, mask.R.Top + 2 * h}, 1};
  const TRect srcTile{mask.R.Left, mask.R.Top, mask.R.Left + w, mask.R.Top + h};
  int64_t xEnd = all.Right, yEnd = all.Bottom;
  if (mode == 10) {
    // Whole tiles wherever one fits, including the one that ends exactly on R's right or bottom edge:
    // a rectangle that is an exact multiple of the tile (or just one tile) is all texture. Starting
    // tiles only while x < R.Right - W would hand that last column and row of tiles to the parent, and
    // a one-tile rectangle would show no texture at all.
    xEnd = all.Left + int64_t{SpanOf(all.Left, all.Right)} / w * w;
    yEnd = all.Top + int64_t{SpanOf(all.Top, all.Bottom)} / h * h;
  }
  const int64_t x0 = FirstTileStart(all.Left, c.Left, w), y0 = FirstTileStart(all.Top, c.Top, h);
  const int64_t xStop = std::min<int64_t>(xEnd, c.Right), yStop = std::min<int64_t>(yEnd, c.Bottom);
  for (int64_t y = y0; y < yStop; y += h) {
    for (int64_t x = x0; x < xStop; x += w) {
      const TRect dst{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(std::min<int64_t>(x + w, xEnd)),
                      static_cast<int32_t>(std::min<int64_t>(y + h, yEnd))};
      CopyMaskedPiece(dst, srcTile, bmp, piece, true, ci, *src);
    }
  }
  if (mode != 10) return;
  // The strips no whole tile covers show the parent.
  const TRect strips[2] = {TRect{static_cast<int32_t>(xEnd), all.Top, all.Right, all.Bottom},
                           TRect{all.Left, static_cast<int32_t>(yEnd), static_cast<int32_t>(xEnd), all.Bottom}};
  for (const TRect& s : strips) {
    const TRect sc = IntersectRects(s, c);
    if (IsRectEmpty(sc)) continue;
    if (ci.Ready && ci.Bmp) {
      for (int32_t y = sc.Top; y < sc.Bottom; ++y) {
        const int64_t py = int64_t{y} + ci.Y;
        if (py < 0 || py >= ci.Bmp->Height()) continue;
        uint32_t* d = bmp.Row(y);
        const uint32_t* p = ci.Bmp->Row(static_cast<int32_t>(py));
        for (int32_t x = sc.Left; x < sc.Right; ++x) {
          const int64_t px = int64_t{x} + ci.X;
          if (px >= 0 && px < ci.Bmp->Width()) d[x] = p[px];
        }
      }
    } else if (!ci.Ready && ci.FillColor != clNoColor) {
      FillRect32(bmp, sc, ColorToRGB(ci.FillColor), 255);
    }
  }
}

}  // namespace qw
