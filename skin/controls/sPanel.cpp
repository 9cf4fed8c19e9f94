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
  TsSkinned::Loaded();
  FOldBevel = BevelOuter();
}

void TsPanel::BevelOuterChanged(TBevelCut oldBevel) {
  if (!IsLoading()) {
    if (auto section = PanelSectionAfterBevelChange(SkinData.SkinSection(), FOldBevel, BevelOuter()))
      SkinData.SetSkinSection(*section);
    FOldBevel = BevelOuter();
  }
  TsSkinned::BevelOuterChanged(oldBevel);
}

void TsPanel::LookChanged() {
  if (IsLoading()) return;
  SkinData.Invalidate(false);
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

void TsPanel::OurPaint(HDC dc, bool sendUpdated) {
  const bool printing = (SkinData.CtrlSkinState & cssPrinting) != 0;
  if (PaintsThroughCache()) {
    if ((SkinData.BGChanged || SkinData.HalfVisible || printing) && !SkinData.UrgentPainting) PrepareCache();
    if (SkinData.RepaintIfMoved()) {
      RECT clip;
      const int kind = GetClipBox(dc, &clip);
      SkinData.HalfVisible = kind != SIMPLEREGION || clip.left > 0 || clip.top > 0 || clip.right < Width() ||
                             clip.bottom < Height();
    } else {
      SkinData.HalfVisible = false;
    }
  } else {
    PaintFromColors();
  }
  SkinData.CopyCacheToDC(TPoint{}, dc, TRect{0, 0, Width(), Height()}, false);
  PaintGraphicChildren(dc, *this, TPoint{});
  if (sendUpdated) NotifyChildrenParentPainted(*this);
}

void TsPanel::WMPaint(TMessage& message, HDC dc) {
  if (!MayPaint()) return TsSkinned::WndProc(message);
  PAINTSTRUCT ps;
  HDC target = dc ? dc : BeginPaint(FHandle, &ps);
  if (dc) {
    // A picture asked for now (printing, a background for someone else) is always painted afresh.
    SkinData.BGChanged = true;
    OurPaint(target, false);
  } else {
    SkinData.FUpdating = SkinData.QueryUpdating();
    if (!SkinData.FUpdating && !AnimationRunning) OurPaint(target, true);
  }
  if (!dc) EndPaint(FHandle, &ps);
  message.Result = 0;
}

// ---- Messages ------------------------------------------------------------------------------------------

void TsPanel::MouseEnterLeave(TMessage& message, bool entered) {
  TsSkinned::WndProc(message);
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
    case skcEndParentUpdate:
      TsSkinned::WndProc(message);
      // Repainted, the panel tells its children itself; otherwise the news is passed on now.
      if (!(MayPaint() && SkinData.RepaintAfterParentUpdate())) NotifyChildrenParentPainted(*this);
      return;
    default:
      return TsSkinned::WndProc(message);
  }
}

void TsPanel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
    case WM_PRINTCLIENT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      if (!MayPaint()) return TsSkinned::WndProc(message);
      message.Result = 1;
      return;
    case WM_WINDOWPOSCHANGING:
      if (const TsSkinManager* m = SkinData.EffectiveManager();
          m && SkinData.Skinned() && m->gd[static_cast<size_t>(SkinData.SkinIndex())].Props[0].Transparency > 0)
        SkinData.BGChanged = true;
      return TsSkinned::WndProc(message);
    case FW_VISIBLE_CHANGED:
      SkinData.FUpdating = false;
      return TsSkinned::WndProc(message);
    case FW_FONT_CHANGED:
      TsSkinned::WndProc(message);
      if (!FText.empty()) LookChanged();
      return;
    case FW_TEXT_CHANGED:
    case FW_ENABLED_CHANGED:
    case FW_COLOR_CHANGED:
      TsSkinned::WndProc(message);
      return LookChanged();
    case FW_MOUSE_ENTER:
      return MouseEnterLeave(message, true);
    case FW_MOUSE_LEAVE:
      return MouseEnterLeave(message, false);
    default:
      if (message.Msg == SkinCommandMsg) return SkinCommand(message, SkinCommandCode(message.WParam));
      return TsSkinned::WndProc(message);
  }
}

}  // namespace qw
