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

TBitmap32 MakeGlowBitmap(const TsSkinManager& manager, int maskIndex, const TGlowGeometry& g) {
  if (!manager.IsValidImgIndex(maskIndex) || g.Empty()) return TBitmap32();
  // A glow is never larger than a screen or two; an absurd control size gives no glow.
  if (int64_t{g.FullWidth} * g.FullHeight > (int64_t{1} << 26)) return TBitmap32();
  try {
    TBitmap32 full(g.FullWidth, g.FullHeight);
    FillRect32(full, TRect{0, 0, g.FullWidth, g.FullHeight}, 0, 0);
    DrawBorderMask(full, TRect{0, 0, g.FullWidth, g.FullHeight}, EmptyCacheInfo(), manager.ma[size_t(maskIndex)], 0, true);
    if (g.CutLeft == 0 && g.CutTop == 0 && g.Width == g.FullWidth && g.Height == g.FullHeight) return full;
    TBitmap32 part(g.Width, g.Height);
    for (int32_t y = 0; y < g.Height; ++y)
      std::copy_n(full.Row(g.CutTop + y) + g.CutLeft, g.Width, part.Row(y));
    return part;
  } catch (const std::exception&) {
    return TBitmap32();
  }
}

}  // namespace qw
