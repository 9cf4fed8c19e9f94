#include "skin/controls/WrapperCache_win.h"

#include <algorithm>

#include "fw/Control.h"
#include "image/BitmapFill.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

bool WrapperHasHotLook(const TsCommonData& skinData) {
  const TsSkinManager* m = skinData.EffectiveManager();
  if (!m || !m->IsValidSkinIndex(skinData.SkinIndex())) return false;
  const bool hotBorder =
      m->IsValidImgIndex(skinData.BorderIndex()) && m->ma[static_cast<size_t>(skinData.BorderIndex())].ImageCount > 1;
  return hotBorder || m->gd[static_cast<size_t>(skinData.SkinIndex())].States > 1;
}

bool WrapperIsHot(const TsCommonData& skinData, HWND wnd) {
  const bool active = skinData.FFocused || skinData.FMouseAbove || GetFocus() == wnd || ActiveControl() == wnd;
  return active && IsWindowEnabled(wnd) && WrapperHasHotLook(skinData);
}

bool BeginWrapperPicture(TsCommonData& skinData, HWND wnd, SIZE size, TCacheInfo& ci) {
  TsSkinManager* m = skinData.EffectiveManager();
  if (!m || !wnd) return false;
  HWND parent = GetParent(wnd);
  if (parent && SendSkinCommandToWindow(parent, skcQueryUpdating) != 0) {
    skinData.FUpdating = true;
    return false;
  }
  ci = TCacheInfo{};
  if (parent) {
    TBackgroundInfo info;
    RequestWindowBackground(wnd, info, false);
    ci = CacheInfoOf(info);
  } else {
    ci.FillColor = static_cast<TColor>(m->GetGlobalColor());
  }
  skinData.InitCacheBmp();
  TBitmap32* cache = skinData.CacheBmp();
  if (!cache) return false;
  const int w = std::max<int>(0, size.cx), h = std::max<int>(0, size.cy);
  if (cache->Width() != w || cache->Height() != h) *cache = TBitmap32(w, h);
  return !cache->Empty();
}

bool PrepareWrapperCache(TsCommonData& skinData, HWND wnd, bool plainFrame, int height) {
  if (!skinData.BGChanged) return true;
  TsSkinManager* m = skinData.EffectiveManager();
  RECT wr;
  if (!m || !wnd || !GetWindowRect(wnd, &wr)) return false;
  HWND parent = GetParent(wnd);
  if (parent && SendSkinCommandToWindow(parent, skcQueryUpdating) != 0) {
    skinData.FUpdating = true;
    return false;
  }
  const int w = wr.right - wr.left, h = height >= 0 ? height : wr.bottom - wr.top;
  POINT pos{wr.left, wr.top};
  if (parent) ScreenToClient(parent, &pos);
  TCacheInfo ci;
  if (parent) {
    TBackgroundInfo info;
    RequestWindowBackground(wnd, info, false);
    ci = CacheInfoOf(info);
  } else {
    ci.FillColor = static_cast<TColor>(m->GetGlobalColor());
  }
  skinData.InitCacheBmp();
  TBitmap32* cache = skinData.CacheBmp();
  if (!cache) return false;
  if (cache->Width() != w || cache->Height() != h) *cache = TBitmap32(std::max(0, w), std::max(0, h));
  const TRect all{0, 0, w, h};
  const TColor border = static_cast<TColor>(m->SkinData.BorderColor);
  if (plainFrame && border != clNoColor) {
    FillRect32(*cache, all, ColorToRGB(static_cast<TColor>(GetSysColor(COLOR_WINDOW))), 255);
    FillRect32(*cache, TRect{0, 0, w, 1}, ColorToRGB(border), 255);
    FillRect32(*cache, TRect{0, h - 1, w, h}, ColorToRGB(border), 255);
    FillRect32(*cache, TRect{0, 0, 1, h}, ColorToRGB(border), 255);
    FillRect32(*cache, TRect{w - 1, 0, w, h}, ColorToRGB(border), 255);
  } else {
    const int state = WrapperIsHot(skinData, wnd) ? StateHot : StateNormal;
    PaintControlItem(skinData, ci, state, all, TPoint{pos.x, pos.y}, *cache, true);
  }
  const TControl* owner = skinData.OwnerControl();
  if (!IsWindowEnabled(wnd) || (owner && !owner->Enabled())) {
    int kind = dkBlended;
    if (parent) SendSkinCommandToWindow(parent, skcGetDisabledBlend, reinterpret_cast<LPARAM>(&kind));
    const TColor parentColor = parent ? static_cast<TColor>(SendSkinCommandToWindow(parent, skcGetColor)) : clNoColor;
    ApplyDisabledLook(*cache, kind, parentColor != 0 ? parentColor : ci.FillColor, TPoint{pos.x, pos.y}, ci);
  }
  skinData.BGChanged = false;
  return true;
}

}  // namespace qw
