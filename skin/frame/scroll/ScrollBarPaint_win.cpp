#include "skin/frame/scroll/ScrollBarPaint_win.h"

#include <windows.h>

#include "image/BitmapBlend.h"
#include "image/BitmapFill.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

// The indexes one kind of bar part is painted with.
struct TPartLook {
  int Section = -1;
  int Border = -1;
  int Texture = -1;
  int HotTexture = -1;
  int Glyph = -1;
};

TPartLook TrackLook(const TConstantSkinData& c, bool vertical, bool second) {
  if (vertical)
    return second ? TPartLook{c.IndexScrollBar2V, c.MaskScrollBar2V, c.BGScrollBar2V, c.BGHotScrollBar2V, -1}
                  : TPartLook{c.IndexScrollBar1V, c.MaskScrollBar1V, c.BGScrollBar1V, c.BGHotScrollBar1V, -1};
  return second ? TPartLook{c.IndexScrollBar2H, c.MaskScrollBar2H, c.BGScrollBar2H, c.BGHotScrollBar2H, -1}
                : TPartLook{c.IndexScrollBar1H, c.MaskScrollBar1H, c.BGScrollBar1H, c.BGHotScrollBar1H, -1};
}

TPartLook ArrowLook(const TConstantSkinData& c, bool vertical, bool second) {
  if (vertical)
    return second ? TPartLook{c.IndexScrollBottom, c.MaskScrollBottom, c.IndexBGScrollBottom, c.IndexBGHotScrollBottom,
                              c.MaskArrowBottom}
                  : TPartLook{c.IndexScrollTop, c.MaskScrollTop, c.IndexBGScrollTop, c.IndexBGHotScrollTop, c.MaskArrowTop};
  return second ? TPartLook{c.IndexScrollRight, c.MaskScrollRight, c.IndexBGScrollRight, c.IndexBGHotScrollRight,
                            c.MaskArrowRight}
                : TPartLook{c.IndexScrollLeft, c.MaskScrollLeft, c.IndexBGScrollLeft, c.IndexBGHotScrollLeft, c.MaskArrowLeft};
}

TPartLook ThumbLook(const TConstantSkinData& c, bool vertical) {
  if (vertical)
    return TPartLook{c.IndexSliderVert, c.MaskSliderVert, c.ScrollSliderBGVert, c.ScrollSliderBGHotVert,
                     c.MaskSliderGlyphVert};
  return TPartLook{c.IndexSliderHorz, c.MaskSliderHorz, c.ScrollSliderBGHorz, c.ScrollSliderBGHotHorz,
                   c.MaskSliderGlyphHorz};
}

class TBarPainter {
 public:
  TBarPainter(const TScrollBarLook& look, TBitmap32& bmp, TBitmap32& behind)
      : L(look), M(*look.Manager), Bmp(bmp), Behind(behind) {}

  // Paints the part between From and To along the bar in State; a glyph is centred in it.
  void Part(const TPartLook& p, int32_t from, int32_t to, int state) {
    if (to <= from) return;
    const TRect r = Along(from, to);
    // The parent behind the part is the picture behind the whole bar, at the part's own place in it.
    PaintSectionItemWithMask(p.Section, p.Border, p.Texture, p.HotTexture, &M, Bmp, TPoint{r.Left, r.Top}, r, state,
                             MakeCacheInfo(&Behind, 0, 0), u"");
    if (!M.IsValidImgIndex(p.Glyph)) return;
    const TsMaskData& glyph = M.ma[size_t(p.Glyph)];
    const int32_t w = MaskImageWidth(glyph), h = MaskImageHeight(glyph);
    if (w <= 0 || h <= 0) return;
    // Key pixels of the glyph keep the button drawn under it.
    DrawMaskGlyph(Bmp, TPoint{r.Left + (WidthOfRect(r) - w) / 2, r.Top + (HeightOfRect(r) - h) / 2}, state,
                  MakeCacheInfo(&Bmp, 0, 0), glyph, 1);
  }

  TRect Along(int32_t from, int32_t to) const {
    return L.Vertical ? TRect{0, from, L.Thickness, to} : TRect{from, 0, to, L.Thickness};
  }

 private:
  const TScrollBarLook& L;
  const TsSkinManager& M;
  TBitmap32& Bmp;
  TBitmap32& Behind;
};

int StateOf(const TScrollBarLook& look, int part, bool hotAllowed) {
  if (look.PressedPart == part) return StatePressed;
  if (hotAllowed && look.Active && look.HotPart == part) return StateHot;
  return StateNormal;
}

}  // namespace

bool SkinPaintsScrollBars(const TsSkinManager* manager, bool vertical) {
  if (!manager) return false;
  const TConstantSkinData& c = manager->ConstData;
  return manager->IsValidSkinIndex(vertical ? c.IndexScrollBar1V : c.IndexScrollBar1H);
}

TBitmap32 BackgroundPicture(const TCacheInfo& parent, TPoint position, int32_t width, int32_t height) {
  TBitmap32 bmp(std::max(0, width), std::max(0, height));
  const TColor fill = parent.FillColor != clNoColor ? parent.FillColor : ColorToRGB(clBtnFace);
  FillRect32(bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, ColorToRGB(fill), 255);
  if (!parent.Ready || !parent.Bmp) return bmp;
  const TBitmap32& src = *parent.Bmp;
  const int64_t x0 = int64_t{position.X} + parent.X, y0 = int64_t{position.Y} + parent.Y;
  for (int32_t y = 0; y < bmp.Height(); ++y) {
    const int64_t sy = y0 + y;
    if (sy < 0 || sy >= src.Height()) continue;
    for (int32_t x = 0; x < bmp.Width(); ++x) {
      const int64_t sx = x0 + x;
      if (sx >= 0 && sx < src.Width()) bmp.At(x, y) = src.At(static_cast<int>(sx), static_cast<int>(sy));
    }
  }
  return bmp;
}

TBitmap32 PaintScrollBar(const TScrollBarLook& look) {
  const int32_t w = look.Vertical ? look.Thickness : look.Length;
  const int32_t h = look.Vertical ? look.Length : look.Thickness;
  TBitmap32 behind = BackgroundPicture(look.Parent, look.Position, w, h);
  TBitmap32 bmp = behind.Clone();
  if (bmp.Empty() || !SkinPaintsScrollBars(look.Manager, look.Vertical)) return bmp;
  const TConstantSkinData& c = look.Manager->ConstData;
  TBarPainter paint(look, bmp, behind);
  const TBarSegments g = LayoutBar(look.Length, look.ArrowLength, look.Thumb, look.ThumbShown && look.Active);
  paint.Part(TrackLook(c, look.Vertical, false), 0, g.Split, look.PressedPart == spPageBefore ? StatePressed : 0);
  paint.Part(TrackLook(c, look.Vertical, true), g.Split, look.Length,
             look.PressedPart == spPageAfter ? StatePressed : 0);
  paint.Part(ArrowLook(c, look.Vertical, false), 0, g.Arrow1End, StateOf(look, spFirstArrow, true));
  paint.Part(ArrowLook(c, look.Vertical, true), g.Arrow2Start, look.Length, StateOf(look, spSecondArrow, true));
  if (g.ThumbVisible) paint.Part(ThumbLook(c, look.Vertical), g.ThumbStart, g.ThumbEnd, StateOf(look, spThumb, true));
  if (!look.Active) {
    // 40 % of what lies behind the bar shows through a bar that cannot be used.
    BlendKeyedBitmap(bmp, 0, 0, kKeyPixel, 0.6, TRect{0, 0, w - 1, h - 1}, behind);
  }
  return bmp;
}

}  // namespace qw
