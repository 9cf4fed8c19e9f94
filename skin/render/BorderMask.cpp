#include "skin/render/BorderMask.h"

#include <algorithm>

#include "skin/data/SkinManager.h"
#include "image/BitmapBlend.h"
#include "image/BitmapClip.h"
#include "image/BitmapCopy.h"
#include "image/BitmapStretch.h"
#include "skin/render/StretchCache.h"
#include "skin/render/TextureFill.h"

namespace qw {

const TCacheInfo& EmptyCacheInfo() {
  static const TCacheInfo empty{nullptr, 0, 0, clNoColor, false};
  return empty;
}

TCacheInfo MakeCacheInfo(TBitmap32* bmp, int32_t x, int32_t y) { return TCacheInfo{bmp, x, y, clNoColor, true}; }

namespace {

int32_t Positive(int32_t v) { return std::max<int32_t>(v, 0); }

// Shrinks a pair of widths to an extent: each loses half the excess, the second one more when odd.
void FitPair(int32_t& first, int32_t& second, int32_t extent, bool extraFromParityOfExtent) {
  first = Positive(first);
  second = Positive(second);
  const int64_t sum = int64_t{first} + second;
  if (extent >= sum) return;
  const int64_t d = sum - extent;
  const int64_t h = d / 2;
  const int64_t extra = extraFromParityOfExtent ? (extent & 1) : (d & 1);
  first = static_cast<int32_t>(std::max<int64_t>(0, first - h));
  second = static_cast<int32_t>(std::max<int64_t>(0, second - h - extra));
}

// Calls fn(tile) for every tile of size pw x ph laid from span's top-left corner, the last column and
// row cut to span, skipping tiles outside clip.
template <typename Fn>
void ForEachTile(const TRect& span, const TRect& clip, int32_t pw, int32_t ph, Fn fn) {
  if (pw <= 0 || ph <= 0 || IsRectEmpty(span)) return;
  const TRect c = IntersectRects(span, clip);
  if (IsRectEmpty(c)) return;
  const int64_t x0 = span.Left + (int64_t{c.Left} - span.Left) / pw * pw;
  const int64_t y0 = span.Top + (int64_t{c.Top} - span.Top) / ph * ph;
  for (int64_t y = y0; y < c.Bottom; y += ph)
    for (int64_t x = x0; x < c.Right; x += pw)
      fn(TRect{static_cast<int32_t>(x), static_cast<int32_t>(y), static_cast<int32_t>(std::min<int64_t>(x + pw, span.Right)),
               static_cast<int32_t>(std::min<int64_t>(y + ph, span.Bottom))});
}

TRect PieceRect(int32_t x, int32_t y, int32_t w, int32_t h) { return TRect{x, y, x + w, y + h}; }

}  // namespace

TBorderWidths FitBorderWidths(const TsMaskData& mask, int32_t width, int32_t height) {
  TBorderWidths w{mask.WL, mask.WT, mask.WR, mask.WB};
  FitPair(w.L, w.R, std::max(width, 0), false);
  FitPair(w.T, w.B, std::max(height, 0), false);
  return w;
}

TBorderWidths FitRegionBorderWidths(const TsMaskData& mask, int32_t width, int32_t height) {
  TBorderWidths w{mask.WL, mask.WT, mask.WR, mask.WB};
  FitPair(w.L, w.R, std::max(width, 0), true);
  FitPair(w.T, w.B, std::max(height, 0), true);
  return w;
}

void DrawBorderMask(TBitmap32& bmp, const TRect& r, const TCacheInfo& ci, const TsMaskData& mask, int state,
                    bool updateCorners) {
  if (state == 0 && (mask.DrawMode & bdHotOnly)) return;
  if (!SaneRect(r) || !SaneRect(mask.R)) return;
  if (WidthOfRect(r) < 2 || HeightOfRect(r) < 2 || !mask.Manager) return;
  const TBitmap32* src = MaskSource(mask);
  const int32_t w = MaskImageWidth(mask), hgt = MaskImageHeight(mask);
  if (!src || w <= 0 || hgt <= 0) return;
  const TBorderWidths bw = FitBorderWidths(mask, WidthOfRect(r), HeightOfRect(r));
  const int32_t L = bw.L, T = bw.T, Rw = bw.R, B = bw.B;
  const int32_t cw = w - L - Rw, ch = hgt - T - B;
  if (cw < 0 || ch < 0) return;
  const int i = std::clamp(state, 0, std::max(0, mask.ImageCount - 1));
  if (int64_t{mask.R.Left} + int64_t{i} * w > kMaxCoordinate) return;
  const int32_t x0 = mask.R.Left + i * w, y0 = mask.R.Top;
  const bool masked = mask.MaskType > 0;
  const int32_t maskOffset = masked ? hgt : 0;
  // CopyMaskedPiece finds the mask half the area's height below a row: an area two images high.
  const TMaskPieceInfo piece{TRect{mask.R.Left, y0, mask.R.Right, y0 + 2 * hgt}, 1};
  const bool cornerParent = updateCorners && mask.CornerType > 0;
  const bool stretch = (mask.DrawMode & bdStretch) != 0;
  const TRect clip{0, 0, bmp.Width(), bmp.Height()};

  auto corner = [&](int32_t dx, int32_t dy, int32_t sx, int32_t sy, int32_t pw, int32_t ph) {
    if (pw <= 0 || ph <= 0) return;
    if (masked)
      CopyMaskedPiece(PieceRect(dx, dy, pw, ph), PieceRect(sx, sy, pw, ph), bmp, piece, cornerParent, ci, *src);
    else
      CopyKeyedRect(bmp, *src, dx, dy, TRect{sx, sy, sx + pw - 1, sy + ph - 1}, cornerParent, ci, kKeyPixel);
  };
  auto part = [&](const TRect& span, const TRect& srcPiece, bool isCentre) {
    if (IsRectEmpty(span) || IsRectEmpty(srcPiece)) return;
    if (stretch) {
      if (masked)
        StretchMaskedPieceCached(bmp, span, *src, srcPiece, maskOffset, isCentre);
      else
        StretchRectClipped(bmp, span, clip, *src, srcPiece);
      return;
    }
    if (!masked) {
      TileRect(bmp, span, clip, *src, srcPiece);
      return;
    }
    ForEachTile(span, clip, WidthOfRect(srcPiece), HeightOfRect(srcPiece), [&](const TRect& tile) {
      CopyMaskedPiece(tile, srcPiece, bmp, piece, false, EmptyCacheInfo(), *src);
    });
  };

  const int32_t rx = x0 + w - Rw, by = y0 + hgt - B;  // source right column and bottom row starts
  corner(r.Left, r.Top, x0, y0, L, T);
  part(TRect{r.Left, r.Top + T, r.Left + L, r.Bottom - B}, PieceRect(x0, y0 + T, L, ch), false);
  part(TRect{r.Left + L, r.Top, r.Right - Rw, r.Top + T}, PieceRect(x0 + L, y0, cw, T), false);
  corner(r.Left, r.Bottom - B, x0, by, L, B);
  part(TRect{r.Left + L, r.Bottom - B, r.Right - Rw, r.Bottom}, PieceRect(x0 + L, by, cw, B), false);
  corner(r.Right - Rw, r.Bottom - B, rx, by, Rw, B);
  corner(r.Right - Rw, r.Top, rx, y0, Rw, T);
  part(TRect{r.Right - Rw, r.Top + T, r.Right, r.Bottom - B}, PieceRect(rx, y0 + T, Rw, ch), false);
  if (mask.DrawMode & bdCentre)
    part(TRect{r.Left + L, r.Top + T, r.Right - Rw, r.Bottom - B}, PieceRect(x0 + L, y0 + T, cw, ch), true);
}

void DrawMaskGlyph(TBitmap32& bmp, TPoint p, int state, const TCacheInfo& ci, const TsMaskData& mask,
                   int addedTransparency) {
  const int32_t w = MaskImageWidth(mask), h = MaskImageHeight(mask);
  if (w <= 0 || h <= 0 || !SaneRect(mask.R) || !SaneRect(TRect{p.X, p.Y, p.X, p.Y})) return;
  const int i = std::clamp(state, 0, std::max(0, mask.ImageCount - 1));
  if (int64_t{mask.R.Left} + int64_t{i} * w > kMaxCoordinate) return;
  const TRect src = PieceRect(mask.R.Left + i * w, mask.R.Top, w, h);
  const TRect dst = PieceRect(p.X, p.Y, w, h);
  const TMaskPieceInfo info{mask.R, mask.MaskType};
  if (mask.Bmp) {
    // An own image that does not hold the whole area is not drawn (its pictures are not all there).
    if (mask.Bmp->Width() >= mask.R.Right && mask.Bmp->Height() >= mask.R.Bottom)
      CopyGlyphWithMask(dst, src, bmp, info, addedTransparency, *mask.Bmp);
    return;
  }
  if (!mask.Manager || mask.ImageCount <= 0) return;
  const TBitmap32& master = mask.Manager->MasterBitmap;
  if (mask.MaskType > 0) {
    CopyGlyphWithMask(dst, src, bmp, info, addedTransparency, master);
  } else if (addedTransparency == 1) {
    CopyKeyedRect(bmp, master, p.X, p.Y, TRect{src.Left, src.Top, src.Right - 1, src.Bottom - 1}, true, ci, kKeyPixel);
  } else {
    BlendKeyedBitmap(bmp, p.X, p.Y, kKeyPixel, 0.5, TRect{src.Left, src.Top, src.Right - 1, src.Bottom - 1}, master);
  }
}

namespace {

// Copies one piece pixel by pixel (the smaller of both sizes, cut to both bitmaps): with a mask row
// MaskOffset below, blended by it per channel; otherwise the word. Corner pieces skip key pixels and
// report them as runs.
void CopyRegionPiece(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect,
                     int32_t maskOffset, bool corner, std::vector<TRegionRun>& runs) {
  TCopyArea a{dstRect.Left, dstRect.Top, srcRect.Left, srcRect.Top,
              std::min(SpanOf(dstRect.Left, dstRect.Right), SpanOf(srcRect.Left, srcRect.Right)),
              std::min(SpanOf(dstRect.Top, dstRect.Bottom), SpanOf(srcRect.Top, srcRect.Bottom))};
  if (!ClipCopyArea(a, src.Width(), src.Height() - maskOffset, dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    const uint32_t* m = src.Row(a.SrcY + y + maskOffset) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    int32_t runStart = -1;
    for (int32_t i = 0; i <= a.W; ++i) {
      const bool key = i < a.W && corner && s[i] == kKeyPixel;
      if (key) {
        if (runStart < 0) runStart = i;
        continue;
      }
      if (runStart >= 0) {
        runs.push_back(TRegionRun{a.DstY + y, a.DstX + runStart, a.DstX + i});
        runStart = -1;
      }
      if (i == a.W) break;
      if (maskOffset > 0) {
        uint32_t out = d[i] & 0xFF000000u;
        for (int shift = 0; shift < 24; shift += 8) {
          const uint32_t mc = (m[i] >> shift) & 0xFF, sc = (s[i] >> shift) & 0xFF, dc = (d[i] >> shift) & 0xFF;
          out |= ((mc * dc + (256 - mc) * sc) >> 8) << shift;
        }
        d[i] = out;
      } else {
        d[i] = s[i];
      }
    }
  }
}

void MergeRuns(std::vector<TRegionRun>& runs) {
  std::sort(runs.begin(), runs.end(), [](const TRegionRun& a, const TRegionRun& b) {
    return a.Y != b.Y ? a.Y < b.Y : a.Left < b.Left;
  });
  std::vector<TRegionRun> out;
  for (const TRegionRun& r : runs) {
    if (!out.empty() && out.back().Y == r.Y && r.Left <= out.back().Right)
      out.back().Right = std::max(out.back().Right, r.Right);
    else
      out.push_back(r);
  }
  runs.swap(out);
}

}  // namespace

std::vector<TRegionRun> DrawBorderMaskRegion(TBitmap32& bmp, bool drawCentre, int state, const TsMaskData& mask) {
  std::vector<TRegionRun> runs;
  const int32_t W = bmp.Width(), H = bmp.Height();
  if (W < 2 || H < 2 || !mask.Manager || !SaneRect(mask.R)) return runs;
  const TBitmap32* src = MaskSource(mask);
  if (!src) return runs;
  const int count = std::max<int>(1, mask.ImageCount);
  TRect area = mask.R;
  if (mask.ImageCount < 1 && mask.Bmp) area = TRect{0, 0, mask.Bmp->Width(), mask.Bmp->Height()};
  const int32_t w = SpanOf(area.Left, area.Right) / count;
  const int32_t hgt = SpanOf(area.Top, area.Bottom) / (mask.MaskType <= 0 ? 1 : mask.MaskType + 1);
  if (w <= 0 || hgt <= 0) return runs;
  const TBorderWidths bw = FitRegionBorderWidths(mask, W, H);
  const int32_t L = bw.L, T = bw.T, Rw = bw.R, B = bw.B;
  const int32_t WL = Positive(mask.WL), WT = Positive(mask.WT), WR = Positive(mask.WR), WB = Positive(mask.WB);
  const int32_t scw = w - WL - WR, sch = hgt - WT - WB;  // side and centre pieces, from the unreduced widths
  const int i = std::clamp(state, 0, count - 1);
  if (int64_t{area.Left} + int64_t{i} * w > kMaxCoordinate) return runs;
  const int32_t x0 = area.Left + i * w, y0 = area.Top;
  const int32_t maskOffset = mask.MaskType == 1 ? hgt : 0;
  const bool stretch = (mask.DrawMode & bdStretch) != 0;
  const TRect clip{0, 0, W, H};

  auto corner = [&](const TRect& dst, int32_t sx, int32_t sy) {
    CopyRegionPiece(bmp, dst, *src, PieceRect(sx, sy, WidthOfRect(dst), HeightOfRect(dst)), maskOffset, true, runs);
  };
  auto part = [&](const TRect& span, const TRect& srcPiece, bool isCentre) {
    if (IsRectEmpty(span) || IsRectEmpty(srcPiece)) return;
    if (stretch) {
      StretchMaskedPieceCached(bmp, span, *src, srcPiece, maskOffset, isCentre);
      return;
    }
    ForEachTile(span, clip, WidthOfRect(srcPiece), HeightOfRect(srcPiece), [&](const TRect& tile) {
      CopyRegionPiece(bmp, tile, *src, srcPiece, maskOffset, false, runs);
    });
  };

  const int32_t rx = x0 + w - Rw, by = y0 + hgt - B;
  corner(TRect{0, 0, L, T}, x0, y0);
  corner(TRect{0, H - B, L, H}, x0, by);
  part(TRect{0, T, L, H - B}, PieceRect(x0, y0 + WT, L, sch), false);
  part(TRect{L, 0, W - Rw, T}, PieceRect(x0 + WL, y0, scw, T), false);
  part(TRect{L, H - B, W - Rw, H}, PieceRect(x0 + WL, by, scw, B), false);
  part(TRect{W - Rw, T, W, H - B}, PieceRect(rx, y0 + WT, Rw, sch), false);
  corner(TRect{W - Rw, H - B, W, H}, rx, by);
  corner(TRect{W - Rw, 0, W, T}, rx, y0);
  if (drawCentre && (mask.DrawMode & bdCentre) && scw > 0 && sch > 0)
    part(TRect{L, T, W - Rw, H - B}, PieceRect(x0 + WL, y0 + WT, scw, sch), true);
  MergeRuns(runs);
  return runs;
}

}  // namespace qw
