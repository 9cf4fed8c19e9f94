// TsCommonData: the colours a control answers, its cache bitmap, background requests and its glow.
#include "skin/core/CommonData_win.h"

#include <algorithm>
#include <exception>

#include "base/Geometry_win.h"
#include "fw/Application.h"
#include "fw/Form.h"
#include "fw/PageControl.h"
#include "fw/Panel.h"
#include "fw/WinControl.h"
#include "image/BitmapColor.h"
#include "image/BitmapDC_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/render/BorderMask.h"
#include "skin/render/GlowWindow_win.h"

namespace qw {

// ---- Colours -------------------------------------------------------------------------------------------

TColor TsCommonData::CustomBackgroundColor() const {
  if (!FCustomColor) return clNoColor;
  if (FOwnerControl) return ColorToRGB(FOwnerControl->Color());
  auto* form = FOwnerObject ? dynamic_cast<TForm*>(FOwnerObject->Owner()) : nullptr;
  return form ? ColorToRGB(form->Color()) : clNoColor;
}

TColor TsCommonData::StateColor(int state) const {
  const TsGeneralData* g = Section();
  if (!g || !Skinned() || FCustomColor) {
    if (FOwnerControl) return ColorToRGB(FOwnerControl->Color());
    auto* form = FOwnerObject ? dynamic_cast<TForm*>(FOwnerObject->Owner()) : nullptr;
    return form ? ColorToRGB(form->Color()) : ColorToRGB(clBtnFace);
  }
  const TsGenState& p = g->Props[SectionPropsIndex(*g, state)];
  if (p.Transparency <= 0) return ColorToRGB(p.Color);
  const TColor parent = FOwnerControl ? ParentBackgroundColor(FOwnerControl->Parent()) : ColorToRGB(clBtnFace);
  // A parent that knows nothing of its colour leaves the section's own.
  if (parent == clNoColor) return ColorToRGB(p.Color);
  return TranslucentColor(parent, p.Color, p.Transparency);
}

TColor TsCommonData::BackgroundColorForChildren() const {
  const TsGeneralData* g = Section();
  const TColor own = FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : ColorToRGB(clBtnFace);
  if (!g || !Skinned()) return own;
  const int t = g->Props[0].Transparency;
  if (t <= 0) return ColorToRGB(g->Props[0].Color);
  TWinControl* parent = FOwnerControl ? FOwnerControl->Parent() : nullptr;
  if (!parent) return own;
  TColor behind = ParentBackgroundColor(parent);
  if (behind == clNoColor) behind = ColorToRGB(parent->Color());
  return t >= 100 ? behind : TranslucentColor(behind, g->Props[0].Color, t);
}

TColor ParentBackgroundColor(TControl* control) {
  if (!control) return clNoColor;
  if (SendSkinCommand(control, skcIsSkinned) == 1) return ColorToRGB(static_cast<TColor>(SendSkinCommand(control, skcGetColor)));
  return ColorToRGB(control->Color());
}

// ---- Cache and background ------------------------------------------------------------------------------

void TsCommonData::InitCacheBmp() {
  if (!FCacheBmp) FCacheBmp = std::make_unique<TBitmap32>(0, 0);
  const int w = FOwnerControl ? std::max(0, FOwnerControl->Width()) : 0;
  const int h = FOwnerControl ? std::max(0, FOwnerControl->Height()) : 0;
  if (FCacheBmp->Width() != w || FCacheBmp->Height() != h) *FCacheBmp = TBitmap32(w, h);
}

TCacheInfo TsCommonData::GetParentCacheInfo() const {
  if (FOwnerControl && Skinned()) {
    TBackgroundInfo info;
    if (FOwnerControl->Parent()) {
      RequestParentBackground(*FOwnerControl, info, false);
      return CacheInfoOf(info);
    }
    if (TWinControl* w = OwnerWinControl(); w && w->HandleAllocated()) {
      RequestWindowBackground(w->Handle(), info, false);
      return CacheInfoOf(info);
    }
  }
  TCacheInfo ci;
  ci.FillColor = StateColor(0);
  return ci;
}

void TsCommonData::PassRequestUp(TBackgroundInfo& info) {
  if (FOwnerControl && FOwnerControl->Parent()) {
    TBackgroundInfo up = info;
    up.R = OffsetRect(info.R, FOwnerControl->Left(), FOwnerControl->Top());
    RequestParentBackground(*FOwnerControl, up, info.PleaseDraw);
    up.R = info.R;
    if (up.BgType == btCache) up.Offset = TPoint{up.Offset.X + FOwnerControl->Left(), up.Offset.Y + FOwnerControl->Top()};
    info = up;
    return;
  }
  if (TWinControl* w = OwnerWinControl(); w && w->HandleAllocated() && GetParent(w->Handle())) {
    RECT wr;
    GetWindowRect(w->Handle(), &wr);
    MapWindowPoints(nullptr, GetParent(w->Handle()), reinterpret_cast<POINT*>(&wr), 2);
    TBackgroundInfo up = info;
    up.R = OffsetRect(info.R, wr.left, wr.top);
    RequestWindowBackground(w->Handle(), up, info.PleaseDraw);
    up.R = info.R;
    if (up.BgType == btCache) up.Offset = TPoint{up.Offset.X + wr.left, up.Offset.Y + wr.top};
    info = up;
    return;
  }
  const TsSkinManager* m = EffectiveManager();
  info.BgType = btFill;
  info.Color = m ? static_cast<TColor>(m->GetGlobalColor()) : ColorToRGB(clBtnFace);
}

void TsCommonData::AnswerBackgroundRequest(TBackgroundInfo& info, int state) {
  const TsGeneralData* g = Section();
  const auto fill = [&info](TColor color) {
    info.BgType = btFill;
    info.Color = color;
    if (info.PleaseDraw && info.DrawDC)
      FillRectDC(info.DrawDC, TRect{0, 0, WidthOfRect(info.R), HeightOfRect(info.R)}, color);
  };
  const auto fromCache = [this, &info] {
    if (!FCacheBmp || FCacheBmp->Empty()) {
      info.BgType = btFill;
      info.Color = clNoColor;
      return;
    }
    info.BgType = btCache;
    info.Bmp = FCacheBmp.get();
    info.Offset = TPoint{};
    if (info.PleaseDraw && info.DrawDC) CopyBitmapToDC(info.DrawDC, *FCacheBmp, info.R, TPoint{});
  };
  if (!g || !Skinned() || FCustomColor) {
    fill(CustomBackgroundColor() != clNoColor ? CustomBackgroundColor()
                                              : (FOwnerControl ? ColorToRGB(FOwnerControl->Color()) : ColorToRGB(clBtnFace)));
    return;
  }
  const TsGenState& p = g->Props[SectionPropsIndex(*g, state)];
  const int t = p.Transparency;
  if (t >= 100) {
    if ((CtrlSkinState & cssPlainBackground) || !FCacheBmp || FCacheBmp->Empty() || BGChanged) PassRequestUp(info);
    else fromCache();
    return;
  }
  if (t > 0) {
    fromCache();
    return;
  }
  if (p.GradientPercent <= 0 && p.ImagePercent < 1) {
    fill(StateColor(0));
    info.Bmp = FCacheBmp.get();
    return;
  }
  const TsSkinManager* m = EffectiveManager();
  info.Color = m ? static_cast<TColor>(m->GetGlobalColor()) : ColorToRGB(clBtnFace);
  const TColor global = info.Color;
  fromCache();
  if (info.BgType == btCache) info.Color = global;
}

void TsCommonData::UpdateBorderCorners(int state, int corners) {
  const TsSkinManager* m = EffectiveManager();
  if (!FCacheBmp || FCacheBmp->Empty() || !m || !m->IsValidImgIndex(FBorderIndex) || !Skinned()) return;
  const TsMaskData& mask = m->ma[static_cast<size_t>(FBorderIndex)];
  if (mask.CornerType <= 0) return;
  TCacheInfo ci = GetParentCacheInfo();
  if (ci.Ready) {
    ci.X += OwnerPosition().X;
    ci.Y += OwnerPosition().Y;
  }
  TBitmap32 redrawn = FCacheBmp->Clone();
  const TRect all{0, 0, redrawn.Width(), redrawn.Height()};
  DrawBorderMask(redrawn, all, ci, mask, state, true);
  const TBorderWidths w = FitBorderWidths(mask, all.Right, all.Bottom);
  const TRect parts[4] = {{0, 0, w.L, w.T},
                          {0, all.Bottom - w.B, w.L, all.Bottom},
                          {all.Right - w.R, 0, all.Right, w.T},
                          {all.Right - w.R, all.Bottom - w.B, all.Right, all.Bottom}};
  for (int i = 0; i < 4; ++i) {
    if (!(corners & (1 << i))) continue;
    const TRect r = IntersectRects(parts[i], all);
    for (int y = r.Top; y < r.Bottom; ++y)
      std::copy(redrawn.Row(y) + r.Left, redrawn.Row(y) + r.Right, FCacheBmp->Row(y) + r.Left);
  }
}

void TsCommonData::CopyCacheToDC(TPoint srcOffset, HDC dc, const TRect& target, bool updateCorners) {
  if (!FCacheBmp || !dc) return;
  if (updateCorners) UpdateBorderCorners(0, 15);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, target.Left, target.Top, target.Right, target.Bottom);
  if (TWinControl* w = OwnerWinControl()) {
    // Windowed children paint themselves: leave their areas alone.
    for (int i = 0; i < w->ControlCount(); ++i) {
      auto* child = dynamic_cast<TWinControl*>(w->Controls(i));
      if (!child || !child->Visible()) continue;
      ExcludeClipRect(dc, child->Left(), child->Top(), child->Left() + child->Width(), child->Top() + child->Height());
    }
  }
  CopyBitmapToDC(dc, *FCacheBmp, OffsetRect(TRect{0, 0, WidthOfRect(target), HeightOfRect(target)}, srcOffset.X, srcOffset.Y),
                 TPoint{target.Left, target.Top});
  RestoreDC(dc, saved);
}

// ---- Glow -----------------------------------------------------------------------------------------------

void TsCommonData::HideGlow() {
  if (GlowID >= 0) qw::HideGlow(GlowID);
}

namespace {

// A window's rectangle on the screen and the part of it that can be seen (in its own coordinates).
bool WindowGlowRects(HWND wnd, TRect& r, TRect& visible) {
  RECT wr;
  if (!wnd || !GetWindowRect(wnd, &wr)) return false;
  HDC dc = GetWindowDC(wnd);
  if (!dc) return false;
  RECT clip;
  const int kind = GetClipBox(dc, &clip);
  ReleaseDC(wnd, dc);
  if (kind == ERROR || kind == NULLREGION) return false;
  r = RectOf(wr);
  visible = RectOf(clip);
  return true;
}

}  // namespace

void TsCommonData::ShowGlow(bool fast) {
  TsSkinManager* m = EffectiveManager();
  const TsGeneralData* g = Section();
  if (!m || !m->Effects.AllowGlowing || !g || g->GlowCount < 1) return;
  if (!FOwnerControl) {
    // A window without a control object: its window rectangle and window clip box.
    const bool buttonDown = (GetKeyState(VK_LBUTTON) & 0x8000) != 0;
    if (!OwnerWindow || !FMouseAbove || buttonDown || (fast && GlowID >= 0)) return HideGlow();
    TRect r, visible;
    if (GlowID >= 0 || !WindowGlowRects(OwnerWindow, r, visible)) return;
    GlowID = qw::ShowGlow(r, visible, FSkinSection, m, GetAncestor(OwnerWindow, GA_ROOT), 255, g->GlowMargin, u"GLOW");
    return;
  }
  if (!FMouseAbove || (FOwnerControl->ControlState & csLButtonDown) || (fast && GlowID >= 0)) {
    HideGlow();
    return;
  }
  TForm* form = FOwnerControl->GetParentForm();
  if (!form || !form->HandleAllocated()) return;
  HWND top = GetParent(form->Handle()) ? GetAncestor(form->Handle(), GA_ROOT) : form->Handle();
  if (GlowID >= 0) return;
  TRect r, visible;
  if (TWinControl* w = OwnerWinControl()) {
    if (!w->HandleAllocated() || !WindowGlowRects(w->Handle(), r, visible)) return;
  } else {
    TWinControl* parent = FOwnerControl->Parent();
    if (!parent || !parent->HandleAllocated()) return;
    POINT origin{FOwnerControl->Left(), FOwnerControl->Top()};
    ClientToScreen(parent->Handle(), &origin);
    r = TRect{origin.x, origin.y, origin.x + FOwnerControl->Width(), origin.y + FOwnerControl->Height()};
    RECT pc;
    GetClientRect(parent->Handle(), &pc);
    // The part inside the parent, in the control's own coordinates.
    const TRect inParent = IntersectRects(TRect{FOwnerControl->Left(), FOwnerControl->Top(),
                                                FOwnerControl->Left() + FOwnerControl->Width(),
                                                FOwnerControl->Top() + FOwnerControl->Height()},
                                          RectOf(pc));
    if (IsRectEmpty(inParent)) return;
    visible = OffsetRect(inParent, -FOwnerControl->Left(), -FOwnerControl->Top());
  }
  GlowID = qw::ShowGlow(r, visible, FSkinSection, m, top, 255, g->GlowMargin, u"GLOW");
}

}  // namespace qw
