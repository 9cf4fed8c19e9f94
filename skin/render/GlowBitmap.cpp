#include "skin/render/GlowBitmap.h"

#include <algorithm>
#include <exception>
#include <string>

#include "skin/data/SkinManager.h"
#include "image/BitmapClip.h"
#include "image/BitmapFill.h"
#include "skin/render/BorderMask.h"

namespace qw {

TGlowGeometry CalcGlowGeometry(const TRect& r, const TRect& visible, int32_t wl, int32_t wt, int32_t wr, int32_t wb,
                               int32_t margin) {
  TGlowGeometry g;
  const int64_t rw = SpanOf(r.Left, r.Right), rh = SpanOf(r.Top, r.Bottom);
  const int64_t vw = SpanOf(visible.Left, visible.Right), vh = SpanOf(visible.Top, visible.Bottom);
  const int64_t fw = rw + wl + wr - 2 * int64_t{margin}, fh = rh + wt + wb - 2 * int64_t{margin};
  if (fw <= 0 || fh <= 0 || fw > INT32_MAX || fh > INT32_MAX) return g;
  g.FullWidth = static_cast<int32_t>(fw);
  g.FullHeight = static_cast<int32_t>(fh);
  auto limit = [](int64_t v, int64_t hi) { return static_cast<int32_t>(std::clamp<int64_t>(v, 0, hi)); };
  const int64_t dx = visible.Left != 0 ? wl + int64_t{visible.Left} - margin : 0;
  const int64_t dy = visible.Top != 0 ? wt + int64_t{visible.Top} - margin : 0;
  g.CutLeft = limit(dx, fw);
  g.CutTop = limit(dy, fh);
  int64_t cr = 0, cb = 0;
  if (visible.Right != rw) cr = dx != 0 ? fw - dx - vw : rw + wr - vw - margin;
  if (visible.Bottom != rh) cb = dy != 0 ? fh - dy - vh : rh + wb - vh - margin;
  g.CutRight = limit(cr, fw - g.CutLeft);
  g.CutBottom = limit(cb, fh - g.CutTop);
  g.Width = g.FullWidth - g.CutLeft - g.CutRight;
  g.Height = g.FullHeight - g.CutTop - g.CutBottom;
  g.Position = TPoint{static_cast<int32_t>(std::clamp<int64_t>(int64_t{r.Left} + margin + g.CutLeft - wl, INT32_MIN, INT32_MAX)),
                      static_cast<int32_t>(std::clamp<int64_t>(int64_t{r.Top} + margin + g.CutTop - wt, INT32_MIN, INT32_MAX))};
  return g;
}

int FindGlowMask(const TsSkinManager& manager, std::u16string_view section, std::u16string_view propertyName) {
  std::u16string name(propertyName);
  name += u'0';
  return manager.GetMaskIndex(section, name);
}

namespace {

// c * a / 255, rounded: alpha 255 leaves a channel as it is.
inline uint32_t ScaleChannel(uint32_t c, uint32_t a) { return (c * a + 127) / 255; }

// Turns a straight-alpha pixel into a premultiplied one.
uint32_t PremultiplyPixel(uint32_t p) {
  const uint32_t a = p >> 24;
  return a << 24 | ScaleChannel((p >> 16) & 0xFF, a) << 16 | ScaleChannel((p >> 8) & 0xFF, a) << 8 | ScaleChannel(p & 0xFF, a);
}

// Limits every colour channel to the alpha, as a premultiplied pixel must be.
uint32_t ClampToAlpha(uint32_t p) {
  const uint32_t a = p >> 24;
  uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) out |= std::min((p >> shift) & 0xFF, a) << shift;
  return out;
}

// Draws the glow mask as a border over the whole of Bmp, which is first filled with Background.
void DrawGlowOver(TBitmap32& bmp, uint32_t background, const TsMaskData& mask) {
  std::fill_n(bmp.Pixels(), bmp.PixelCount(), background);
  DrawBorderMask(bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, EmptyCacheInfo(), mask, 0, true);
}

}  // namespace

uint32_t GlowPixel(uint32_t overBlack, uint32_t overWhite, bool masked, bool straightAlpha) {
  if (overBlack == kKeyPixel) return 0;
  if (!masked) return straightAlpha ? PremultiplyPixel(overBlack) : ClampToAlpha(overBlack);
  // What shows of the background under a masked piece: the channel where the least shows decides the
  // alpha (the mask blend lets through m/256 of it, m the mask value, so the difference is scaled to 255).
  uint32_t through = 255;
  for (int shift = 0; shift < 24; shift += 8) {
    const int32_t d = int32_t((overWhite >> shift) & 0xFF) - int32_t((overBlack >> shift) & 0xFF);
    through = std::min(through, static_cast<uint32_t>(std::max(d, 0)));
  }
  const uint32_t m = std::min<uint32_t>(255, (through * 256 + 127) / 255);
  return ClampToAlpha((255 - m) << 24 | (overBlack & 0x00FFFFFFu));
}

TBitmap32 MakeGlowBitmap(const TsSkinManager& manager, int maskIndex, const TGlowGeometry& g) {
  if (!manager.IsValidImgIndex(maskIndex) || g.Empty()) return TBitmap32();
  // A glow is never larger than a screen or two; an absurd control size gives no glow.
  if (int64_t{g.FullWidth} * g.FullHeight > (int64_t{1} << 26)) return TBitmap32();
  try {
    const TsMaskData& mask = manager.ma[size_t(maskIndex)];
    const bool masked = mask.MaskType > 0;
    // A masked glow blends its pieces through the mask: drawn over black it gives the colour already
    // weighted by coverage, and drawn over white as well it tells how much of a background shows.
    TBitmap32 black(g.FullWidth, g.FullHeight), white;
    DrawGlowOver(black, 0, mask);
    if (masked) {
      white = TBitmap32(g.FullWidth, g.FullHeight);
      DrawGlowOver(white, 0x00FFFFFFu, mask);
    }
    const bool straight = !masked && mask.Bmp && !SkinPngsArePremultiplied(manager.SkinData.Version);
    TBitmap32 part(g.Width, g.Height);
    for (int32_t y = 0; y < g.Height; ++y) {
      const uint32_t* b = black.Row(g.CutTop + y) + g.CutLeft;
      const uint32_t* w = masked ? white.Row(g.CutTop + y) + g.CutLeft : nullptr;
      uint32_t* out = part.Row(y);
      for (int32_t x = 0; x < g.Width; ++x) out[x] = GlowPixel(b[x], w ? w[x] : 0, masked, straight);
    }
    return part;
  } catch (const std::exception&) {
    return TBitmap32();
  }
}

}  // namespace qw
