#include "skin/render/GlyphPaint.h"

#include <algorithm>
#include <cmath>

#include "image/BitmapBlend.h"
#include "image/BitmapClip.h"
#include "image/BitmapColor.h"
#include "skin/render/RenderScratch.h"

namespace qw {

namespace {

// The source colour of a tinted glyph: the gray level times the tint, per channel.
inline uint32_t Tinted(uint32_t s, uint32_t tint) {
  const uint32_t g = (((s >> 16) & 0xFF) + ((s >> 8) & 0xFF) + (s & 0xFF)) / 3;
  const uint32_t t = SwapRedBlue(tint);
  uint32_t out = s & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8)
    out |= std::min<uint32_t>(255, static_cast<uint32_t>(RoundDivEven(int64_t{g} * ((t >> shift) & 0xFF), 255))) << shift;
  return out;
}

// d = ((s - d)*w + d*256) >> 8 on B, G and R; alpha from d.
inline uint32_t Blend(uint32_t d, uint32_t s, uint32_t w) {
  uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t sc = (s >> shift) & 0xFF, dc = (d >> shift) & 0xFF;
    out |= ((sc * w + dc * (256 - w)) >> 8) << shift;
  }
  return out;
}

// Copies the pixels of SrcRect that are not Key to Dst at P, with alpha 255.
void CopyWithoutKey(TBitmap32& dst, TPoint p, const TBitmap32& src, const TRect& srcRect, uint32_t key) {
  TCopyArea a{p.X, p.Y, srcRect.Left, srcRect.Top, SpanOf(srcRect.Left, srcRect.Right), SpanOf(srcRect.Top, srcRect.Bottom)};
  if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i)
      if (s[i] != key) d[i] = s[i] | 0xFF000000u;
  }
}

}  // namespace

bool IsAlphaGlyph(const TBitmap32& glyph) {
  if (glyph.SourceBitCount < 32) return false;
  return std::any_of(glyph.Pixels(), glyph.Pixels() + glyph.PixelCount(), [](uint32_t p) { return (p >> 24) != 0; });
}

void DrawAlphaGlyph(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool reflected, int transparency,
                    uint32_t tintColor, bool useParent, const TCacheInfo& ci, const TBitmap32& src) {
  transparency = std::clamp(transparency, 0, 100);
  const bool tint = tintColor != kNoTint;
  const bool ready = ci.Ready;
  TCopyArea a{dstRect.Left, dstRect.Top, srcRect.Left, srcRect.Top,
              std::min(SpanOf(dstRect.Left, dstRect.Right), SpanOf(srcRect.Left, srcRect.Right)),
              std::min(SpanOf(dstRect.Top, dstRect.Bottom), SpanOf(srcRect.Top, srcRect.Bottom))};
  if (!ClipCopyArea(a, src.Width(), src.Height(), dst.Width(), dst.Height())) return;
  for (int32_t y = 0; y < a.H; ++y) {
    const uint32_t* s = src.Row(a.SrcY + y) + a.SrcX;
    uint32_t* d = dst.Row(a.DstY + y) + a.DstX;
    for (int32_t i = 0; i < a.W; ++i) {
      uint32_t h = s[i];
      if (ready && h == kKeyPixel) {
        if (useParent && ci.Bmp) {
          const int64_t px = int64_t{a.DstX} + i + ci.X, py = int64_t{a.DstY} + y + ci.Y;
          if (px >= 0 && py >= 0 && px < ci.Bmp->Width() && py < ci.Bmp->Height())
            d[i] = ci.Bmp->At(static_cast<int32_t>(px), static_cast<int32_t>(py));
        }
        continue;
      }
      const uint32_t alpha = h >> 24;
      const uint32_t w = transparency == 0 ? alpha : static_cast<uint32_t>(100 - transparency) * alpha / 100;
      if (tint) h = Tinted(h, tintColor);
      uint32_t out = Blend(d[i], h, w);
      if (transparency == 0 && !tint) out = (out & 0x00FFFFFFu) | (std::max(d[i] >> 24, alpha) << 24);
      d[i] = out;
    }
  }
  if (!reflected) return;
  const int32_t half = src.Height() / 2;
  if (half < 1) return;
  const int64_t rows = std::min<int64_t>(half - 1, int64_t{dst.Height()} - dstRect.Bottom - 1);
  const int32_t drop = 255 / half;
  int32_t f = 255;
  for (int64_t k = 1; k <= rows; ++k, f = std::max(0, f - drop)) {
    const int64_t dy = int64_t{dstRect.Bottom} + k, sy = int64_t{srcRect.Bottom} - k - 1;
    if (dy < 0 || dy >= dst.Height() || sy < 0 || sy >= src.Height()) continue;
    const uint32_t* s = src.Row(static_cast<int32_t>(sy));
    uint32_t* d = dst.Row(static_cast<int32_t>(dy));
    for (int32_t i = 0; i < a.W; ++i) {
      uint32_t h = s[a.SrcX + i];
      if (h == kKeyPixel) continue;
      const uint32_t alpha = h >> 24;
      const uint32_t w = transparency == 0 ? static_cast<uint32_t>(f) * (alpha / 3) / 255
                                           : (static_cast<uint32_t>(100 - transparency) * alpha / 300) * f / 255;
      if (tint) h = Tinted(h, tintColor);
      d[a.DstX + i] = Blend(d[a.DstX + i], h, w);
    }
  }
}

TBitmap32 WithoutAlpha(const TBitmap32& glyph) {
  TBitmap32 out = glyph.Clone();
  for (size_t i = 0; i < out.PixelCount(); ++i) out.Pixels()[i] &= 0x00FFFFFFu;
  return out;
}

void DrawClassicGlyph(const TBitmap32& glyph, TBitmap32& dst, const TRect& r, bool down, int state, int blend,
                      bool enabled, int disabledGlyphKind, int numGlyphs, bool fourBit) {
  if (glyph.Empty()) return;
  numGlyphs = std::max(1, numGlyphs);
  const TPoint at{r.Left, r.Top};
  if (numGlyphs == 1) {
    const TRect all{0, 0, glyph.Width(), glyph.Height()};
    const TRect inclusive{0, 0, glyph.Width() - 1, glyph.Height() - 1};
    uint32_t k = glyph.At(0, glyph.Height() - 1);
    if (enabled) {
      if (state != 0 || blend < 1)
        CopyWithoutKey(dst, at, glyph, all, k);
      else
        BlendKeyedBitmap(dst, at.X, at.Y, kKeyPixel, blend / 100.0, inclusive, glyph);
      return;
    }
    const TBitmap32* image = &glyph;
    if (disabledGlyphKind & dgGrayed) {
      TBitmap32& tmp = ScratchBitmap(ssGlow, glyph.Width(), glyph.Height());
      if (tmp.Empty()) return;
      std::copy_n(glyph.Pixels(), glyph.PixelCount(), tmp.Pixels());
      GrayscaleBitmap(tmp);
      k = tmp.At(0, tmp.Height() - 1);
      image = &tmp;
    }
    if (disabledGlyphKind & dgBlended)
      BlendKeyedBitmap(dst, at.X, at.Y, k, 0.5, inclusive, *image);
    else
      CopyWithoutKey(dst, at, *image, all, k);
    return;
  }
  const int32_t iw = glyph.Width() / numGlyphs;
  if (iw <= 0) return;
  int i = 0;
  if (enabled && state != 0) {
    if (state == 2) {
      const int pressed = 2 + (down ? 1 : 0);
      i = pressed < numGlyphs ? pressed : (fourBit ? 0 : std::min(1, numGlyphs - 1));
    } else {
      // The hot image; a fourth state has no image of its own and looks hot too.
      i = fourBit ? 0 : std::min(1, numGlyphs - 1);
    }
  }
  const TRect image{i * iw, 0, (i + 1) * iw, glyph.Height()};
  const uint32_t k = glyph.At(image.Left, glyph.Height() - 1);
  if (state == 0 && blend > 0)
    BlendKeyedBitmap(dst, at.X, at.Y, kKeyPixel, blend / 100.0, TRect{image.Left, 0, image.Right - 1, glyph.Height() - 1},
                     glyph);
  else
    CopyWithoutKey(dst, at, glyph, image, k);
}

}  // namespace qw
