#include "skin/controls/sPanel.h"

#include <algorithm>

#include "base/Geometry_win.h"
#include "fw/BitmapCanvas.h"
#include "fw/Canvas.h"
#include "image/BitmapFill.h"
#include "skin/controls/PanelLayout.h"
#include "skin/core/ChildPainting_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/core/SkinText_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

// ---- Properties ----------------------------------------------------------------------------------------

void TsPanel::Loaded() {
  TInherited::Loaded();
  FOldBevel = BevelOuter();
}

void TsPanel::BevelOuterChanged(TBevelCut oldBevel) {
  if (!IsLoading()) {
    if (auto section = PanelSectionAfterBevelChange(SkinData.SkinSection(), FOldBevel, BevelOuter()))
      SkinData.SetSkinSection(*section);
    FOldBevel = BevelOuter();
  }
  TInherited::BevelOuterChanged(oldBevel);
}

void TsPanel::LookChanged() {
  if (IsLoading()) return;
  RequestRepaint();
}

// ---- Painting ------------------------------------------------------------------------------------------

bool TsPanel::MayPaint() const { return SkinData.Skinned() && !IsDestroying() && Showing() && HandleAllocated(); }

bool TsPanel::PaintsThroughCache() {
  if (SkinData.CtrlSkinState & cssPrinting) return true;
  if (SkinData.CustomColor()) return false;
  if (SkinData.CtrlSkinState & cssUndefined) SkinData.EvaluateSkinState(false);
  return !(SkinData.CtrlSkinState & cssPlainBackground) || SkinData.ControlIsActive();
}

void TsPanel::WriteText(TCanvas& canvas) {
  if (!ShowCaption() || FText.empty()) return;
  const int inset = PanelContentInset(BevelOuter(), BevelInner(), BevelWidth(), BorderWidth());
  const TRect textRect{inset, inset, Width() - inset, Height() - inset};
  canvas.SetFont(Font());
  RECT measured = WinRect(textRect);
  DrawTextW(canvas.Handle(), FText.c_str(), static_cast<int>(FText.size()), &measured,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  const TPanelCaption c = PanelCaptionPlacement(textRect, Alignment(), VerticalAlignment(), BorderWidth(),
                                                measured.bottom - measured.top, false);
  WriteSkinText(canvas, std::u16string(FText.begin(), FText.end()), Enabled(), false, SkinData, c.Flags, c.R);
}

// The caption and the owner's drawing over the picture in the cache.
void TsPanel::FinishPicture() {
  TBitmapCanvas target(*SkinData.CacheBmp());
  WriteText(target.Canvas());
  if (OnPaint) OnPaint(*this, target.Canvas());
  SkinData.BGChanged = false;
}

void TsPanel::PrepareCache() {
  SkinData.InitCacheBmp();
  if (SkinData.CacheBmp()->Empty()) return;
  PaintControlItemOnParent(SkinData, StateNormal, TRect{0, 0, Width(), Height()}, TPoint{Left(), Top()},
                           *SkinData.CacheBmp(), true);
  FinishPicture();
}

void TsPanel::PaintFromColors() {
  SkinData.InitCacheBmp();
  TBitmap32& cache = *SkinData.CacheBmp();
  if (cache.Empty()) return;
  const TsSkinManager* m = SkinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(SkinData.SkinIndex())) return;
  const TsGeneralData& g = m->gd[static_cast<size_t>(SkinData.SkinIndex())];
  const int t = g.Props[0].Transparency;
  const TRect whole{0, 0, Width(), Height()};
  TBackgroundInfo behind;
  TColor parentColor = ColorToRGB(Color());
  if (!SkinData.CustomColor() && Parent()) {
    RequestParentBackground(*this, behind, false);
    parentColor = behind.Color != clNoColor ? behind.Color : ParentBackgroundColor(Parent());
  }
  // The border band: as wide as the widest border of the mask, none for a border shown only when hot.
  const TsMaskData* mask = m->IsValidImgIndex(SkinData.BorderIndex()) ? &m->ma[static_cast<size_t>(SkinData.BorderIndex())] : nullptr;
  const int band = mask && !(mask->DrawMode & 2) ? std::max({mask->WL, mask->WT, mask->WR, mask->WB}) : 0;
  TRect inner = whole;
  if (t >= 100 && behind.BgType == btCache) {
    PaintParentBackground(cache, whole, CacheInfoOf(behind), TPoint{Left(), Top()});
    if (band > 0) PaintBorderOnly(cache, whole, 0, inner, StateNormal, SkinData);
  } else {
    const TColor fill = PanelFillColor(TPanelFillInput{t, SkinData.CustomColor(), ColorToRGB(Color()),
                                                       ColorToRGB(g.Props[0].Color), parentColor});
    if (band > 0) {
      PaintBorderOnly(cache, whole, band, inner, StateNormal, SkinData);
      // A fully transparent section whose border draws its own centre keeps that centre.
      if (!(t >= 100 && (mask->DrawMode & 4))) FillRect32(cache, inner, ColorToRGB(fill), 255);
    } else {
      FillRect32(cache, whole, ColorToRGB(fill), 255);
    }
  }
  FinishPicture();
}

void TsPanel::PaintCached(HDC dc, bool printing) {
  // A picture asked for now (printing, a background for someone else) is always painted afresh.
  if (printing) SkinData.BGChanged = true;
  const bool printed = (SkinData.CtrlSkinState & cssPrinting) != 0;
  if (PaintsThroughCache()) {
    if ((SkinData.BGChanged || SkinData.HalfVisible || printed) && !SkinData.UrgentPainting) PrepareCache();
    // A panel whose look does not depend on what lies behind it never needs rebuilding for that.
    if (SkinData.RepaintIfMoved()) MeasureHalfVisibleByClipBox(dc);
    else SkinData.HalfVisible = false;
  } else {
    PaintFromColors();
  }
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, false);
  PaintGraphicChildren(dc, *this, TPoint{});
}

void TsPanel::AfterScreenPaint() { NotifyChildrenParentPainted(*this); }

void TsPanel::EndParentUpdate(TMessage& message) {
  TsSkinned::WndProc(message);
  // Repainted, the panel tells its children itself; otherwise the news is passed on now.
  if (!(MayPaint() && SkinData.RepaintAfterParentUpdate())) NotifyChildrenParentPainted(*this);
}

// ---- Messages ------------------------------------------------------------------------------------------

void TsPanel::MouseEnterLeave(TMessage& message, bool entered) {
  TInherited::WndProc(message);
  CallEvent(entered ? OnMouseEnter : OnMouseLeave, this);
}

void TsPanel::SkinCommand(TMessage& message, TSkinCommand code) {
  switch (code) {
    case skcQueryUpdating: {
      const TBitmap32* cache = SkinData.CacheBmp();
      if (SkinData.FUpdating) message.Result = 1;
      else if (cache && cache->Width() == Width() && cache->Height() == Height()) message.Result = 0;
      else message.Result = PaintsThroughCache() && !SkinData.CustomColor();
      return;
    }
    default:
      return TInherited::WndProc(message);
  }
}

void TsPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_WINDOWPOSCHANGING:
      if (const TsSkinManager* m = SkinData.EffectiveManager();
          m && SkinData.Skinned() && m->gd[static_cast<size_t>(SkinData.SkinIndex())].Props[0].Transparency > 0)
        SkinData.BGChanged = true;
      return TInherited::WndProc(message);
    case FW_VISIBLE_CHANGED:
      SkinData.FUpdating = false;
      return TInherited::WndProc(message);
    case FW_FONT_CHANGED:
      TInherited::WndProc(message);
      if (!FText.empty()) LookChanged();
      return;
    case FW_TEXT_CHANGED:
    case FW_ENABLED_CHANGED:
    case FW_COLOR_CHANGED:
      TInherited::WndProc(message);
      return LookChanged();
    case FW_MOUSE_ENTER:
      return MouseEnterLeave(message, true);
    case FW_MOUSE_LEAVE:
      return MouseEnterLeave(message, false);
    case SkinCommandMsg:
      return SkinCommand(message, SkinCommandCode(message.WParam));
    default:
      return TInherited::WndProc(message);
  }
}

}  // namespace qw
