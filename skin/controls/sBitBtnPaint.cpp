// TsBitBtn: the cache bitmap (section background, border, caption, focus frame, glyph, disabled look),
// the window region a corner-shaped border cuts, and the paint messages that copy the cache out.
#include <algorithm>
#include <vector>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "image/BitmapColor.h"
#include "image/BitmapDC_win.h"
#include "skin/controls/sBitBtn.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/FocusFrame.h"
#include "skin/render/GlyphPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/SectionPaint_win.h"

namespace qw {

namespace {

// The corner type of border masks whose key-coloured corners are cut out of the button's window.
constexpr int kRegionCorners = 2;

const TsMaskData* BorderMaskOf(const TsCommonData& data) {
  const TsSkinManager* m = data.EffectiveManager();
  if (!m || !m->IsValidImgIndex(data.BorderIndex())) return nullptr;
  return &m->ma[static_cast<size_t>(data.BorderIndex())];
}

const TsGeneralData* SectionOf(const TsCommonData& data) {
  const TsSkinManager* m = data.EffectiveManager();
  return m && m->IsValidSkinIndex(data.SkinIndex()) ? &m->gd[static_cast<size_t>(data.SkinIndex())] : nullptr;
}

TCacheInfo MovedBy(TCacheInfo ci, TPoint p) {
  if (ci.Ready) {
    ci.X += p.X;
    ci.Y += p.Y;
  }
  return ci;
}

}  // namespace

// ---- Cache ---------------------------------------------------------------------------------------------

bool TsBitBtn::RebuildsRegion() const {
  const TsMaskData* border = BorderMaskOf(SkinData);
  return RegionChanged && border && border->CornerType == kRegionCorners && !Fading();
}

void TsBitBtn::PrepareCache() {
  const TsGeneralData* g = SectionOf(SkinData);
  if (!g || !SkinData.Skinned()) return;
  const TCacheInfo ci = SkinData.GetParentCacheInfo();
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBmp();
  if (cache.Empty()) {
    SkinData.BGChanged = false;
    return;
  }
  const int state = BitBtnSectionState(CurrentState(), g->States);
  const TRect all{0, 0, cache.Width(), cache.Height()};
  const TPoint at{Left(), Top()};
  PaintControlBackground(SkinData, ci, state, all, at, cache);

  const TsMaskData* border = BorderMaskOf(SkinData);
  const bool borderShown = border && (state != StateNormal || !(border->DrawMode & bdHotOnly));
  const bool cutsRegion = RebuildsRegion();
  std::vector<TRegionRun> cut;
  const auto drawBorder = [&] {
    if (!borderShown) return;
    if (cutsRegion) cut = DrawBorderMaskRegion(cache, true, state, *border);
    else DrawBorderMask(cache, all, MovedBy(ci, at), *border, state, true);
  };
  if (cutsRegion) DeleteRegion();
  if (FDrawOverBorder) drawBorder();
  if (SkinData.HueOffset() != 0) ChangeBitmapHue(cache, SkinData.HueOffset());
  if (SkinData.Saturation() != 0) ChangeBitmapSaturation(cache, SkinData.Saturation());

  const TGlyphTextLayout layout = ContentLayout();
  GlyphPos = layout.GlyphPos;
  CaptionRect = layout.CaptionRect;
  OldLayout = TBitBtn::Layout;
  if (FShowCaption) DrawCaption(cache, state);
  DrawGlyph(cache, state);
  if (!FDrawOverBorder) drawBorder();
  if (cutsRegion) FRegion = RegionWithoutRuns(cache.Width(), cache.Height(), cut);

  if (!Enabled()) ApplyDisabledLook(cache, FDisabledKind, ParentBackgroundColor(Parent()), at, ci);
  SkinData.BGChanged = false;
  if (OnPaint) OnPaint(this, cache);
}

void TsBitBtn::DrawCaption(TBitmap32& cache, int state) {
  const std::wstring caption = Text();
  if (caption.empty()) return;
  const TRect r = state == StatePressed ? OffsetRect(CaptionRect, 1, 1) : CaptionRect;
  const uint32_t flags = CaptionDrawFlags(FTextAlignment, WordWrap, UsesRightToLeftReading(BiDiMode()));
  {
    TBitmapCanvas canvas(cache);
    if (!canvas.Handle()) return;
    canvas.Canvas().SetFont(Font());
    WriteSkinText(canvas.Canvas(), std::u16string_view(reinterpret_cast<const char16_t*>(caption.data()), caption.size()),
                  Enabled(), state != StateNormal, SkinData, flags, r);
  }
  const TsGeneralData* g = SectionOf(SkinData);
  if (Enabled() && Focused() && g && g->ShowFocus && FShowFocus && FShowCaption) {
    const TRect frame{r.Left - FocusMargin, r.Top - FocusMargin, r.Right + FocusMargin, r.Bottom + FocusMargin};
    DrawDottedFocusFrame(cache, frame, clBtnFace);
  }
}

void TsBitBtn::DrawGlyph(TBitmap32& cache, int state) {
  const TItemSize size = GlyphSize();
  if (size.Width <= 0 || size.Height <= 0) return;
  const TRect dst = ImgRect(state);
  if (const TBitmap32* image = ListImage()) {
    // A list's picture fades by Blend at rest, and by half when disabled with the blended glyph look.
    const int faded = !Enabled() && (FDisabledGlyphKind & dgBlended) ? 50 : 0;
    const int transparency = std::max(state == StateNormal ? FBlend : 0, faded);
    DrawAlphaGlyph(dst, TRect{0, 0, size.Width, size.Height}, cache, false, transparency, kNoTint, false,
                   EmptyCacheInfo(), *image);
    return;
  }
  if (Glyph.Empty()) return;
  const TBitmap32& glyph = Glyph.Bitmap();
  if (IsAlphaGlyph(glyph)) {
    const int image = GlyphImageIndex(state, NumGlyphs);
    const TRect src{image * size.Width, 0, (image + 1) * size.Width, size.Height};
    const TsGeneralData* g = SectionOf(SkinData);
    const bool tinted = (state == StateNormal && FGrayed) || (!Enabled() && (FDisabledGlyphKind & dgGrayed));
    const uint32_t tint = tinted && g ? static_cast<uint32_t>(ColorToRGB(static_cast<TColor>(g->Props[0].Color))) : kNoTint;
    DrawAlphaGlyph(dst, src, cache, FReflected, state == StateNormal ? FBlend : 0, tint, false, EmptyCacheInfo(), glyph);
  } else {
    DrawClassicGlyph(WithoutAlpha(glyph), cache, dst, FDown, state, FBlend, Enabled(), FDisabledGlyphKind, NumGlyphs);
  }
}

// ---- Region ---------------------------------------------------------------------------------------------

void TsBitBtn::DeleteRegion() {
  if (!FRegion) return;
  DeleteObject(FRegion);
  FRegion = nullptr;
}

void TsBitBtn::RemoveWindowRegion() {
  if (HandleAllocated()) SetWindowRgn(Handle(), nullptr, TRUE);
}

void TsBitBtn::ApplyRegion(bool printing) {
  if (!FRegion) return;  // not rebuilt (a fade ran): the next paint tries again
  if (printing) {
    // A picture for someone else: the window keeps its region until the next real paint.
    DeleteRegion();
    return;
  }
  RegionChanged = false;
  // The window owns the region from here on.
  SetWindowRgn(Handle(), FRegion, FRegionNeverSet);
  FRegion = nullptr;
  FRegionNeverSet = false;
  const TRect now = RectOf(BoundsRect());
  // A button that shrank leaves its old corners on a parent that paints plain colour: let it repaint them.
  if (Parent() && Parent()->HandleAllocated() && !IsRectEmpty(LastRect) &&
      (WidthOfRect(now) < WidthOfRect(LastRect) || HeightOfRect(now) < HeightOfRect(LastRect))) {
    const RECT old = WinRect(LastRect);
    InvalidateRect(Parent()->Handle(), &old, TRUE);
  }
  LastRect = now;
}

// ---- Paint messages --------------------------------------------------------------------------------------

void TsBitBtn::PaintCached(HDC dc, bool printing) {
  // A running fade shows its own frames: the cache holds the look it fades to.
  if (!Fading()) {
    StaleWhenHalfVisible();
    MeasureHalfVisibleByBounds();
    if (Spacing != FOldSpacing) {
      FOldSpacing = Spacing;
      SkinData.BGChanged = true;
    }
    if (TBitBtn::Layout != OldLayout) SkinData.BGChanged = true;
  }
  if (RebuildsRegion()) {
    PrepareCache();
    if (const TsGeneralData* g = SectionOf(SkinData))
      SkinData.UpdateBorderCorners(BitBtnSectionState(CurrentState(), g->States), 15);
    ApplyRegion(printing);
  } else if (SkinData.BGChanged) {
    PrepareCache();
  }
  const TBitmap32* cache = SkinData.CacheBmp();
  if (cache && !cache->Empty()) CopyBitmapToDC(dc, *cache, TRect{0, 0, cache->Width(), cache->Height()}, TPoint{});
}

void TsBitBtn::WMEraseBkgnd(TMessage& message, HDC dc) {
  if (!MayPaint()) return TsSkinned::WndProc(message);
  const TBitmap32* cache = SkinData.CacheBmp();
  if (dc && cache && !cache->Empty() && !SkinData.BGChanged && !Fading())
    CopyBitmapToDC(dc, *cache, TRect{0, 0, cache->Width(), cache->Height()}, TPoint{});
  message.Result = 0;
}

}  // namespace qw
