#include "skin/frame/scroll/ScrollBar_win.h"

#include "skin/data/SkinManager.h"
#include "skin/render/EngineStartup_win.h"
#include "skin/render/TextureFill.h"

namespace qw {

namespace {

TGetScrollBarInfoProc ScrollBarInfoProc() {
  try {
    return EngineStartup().GetScrollBarInfo;
  } catch (...) {
    return nullptr;
  }
}

}  // namespace

bool ReadScrollInfo(HWND wnd, TqxScrollBar& bar) {
  bar.ScrollInfo.cbSize = sizeof(SCROLLINFO);
  bar.ScrollInfo.fMask = SIF_ALL;
  if (GetScrollInfo(wnd, bar.SystemBar(), &bar.ScrollInfo)) return true;
  bar.ScrollInfo.nMin = bar.ScrollInfo.nMax = bar.ScrollInfo.nPos = bar.ScrollInfo.nTrackPos = 0;
  bar.ScrollInfo.nPage = 0;
  return false;
}

int32_t BarThickness(const TqxScrollBar& bar) {
  return ScaledMetric(bar.nArrowWidth, GetSystemMetrics(bar.Vertical() ? SM_CXVSCROLL : SM_CYHSCROLL));
}

int32_t BarArrowLength(const TqxScrollBar& bar, const TsSkinManager* manager) {
  static const int32_t systemArrow = GetSystemMetrics(SM_CXHSCROLL);
  bool longArrows = false;
  int32_t image = 0;
  if (manager && bar.nArrowLength < 0) {
    const TConstantSkinData& c = manager->ConstData;
    if (manager->IsValidSkinIndex(c.IndexScrollLeft) && manager->gd[size_t(c.IndexScrollLeft)].ReservedBoolean &&
        manager->IsValidImgIndex(c.MaskArrowLeft)) {
      const int mask = bar.Vertical() ? c.MaskScrollTop : c.MaskScrollLeft;
      if (manager->IsValidImgIndex(mask)) {
        longArrows = true;
        image = bar.Vertical() ? MaskImageHeight(manager->ma[size_t(mask)]) : MaskImageWidth(manager->ma[size_t(mask)]);
      }
    }
  }
  return DrawnArrowLength(bar.nArrowLength, systemArrow, longArrows, image);
}

bool IsScrollbarActive(HWND wnd, const TqxScrollBar& bar) {
  const auto info = ScrollBarInfoProc();
  if (!info) {
    if (bar.Control) return IsWindowEnabled(wnd) != FALSE;
    return (GetWindowLongW(wnd, GWL_STYLE) & (bar.Vertical() ? WS_VSCROLL : WS_HSCROLL)) != 0;
  }
  SCROLLBARINFO sbi{};
  sbi.cbSize = sizeof sbi;
  const LONG object = bar.Control ? OBJID_CLIENT : (bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL);
  if (!info(wnd, object, &sbi)) return false;
  if ((bar.fScrollFlags & (sfFirstArrowDisabled | sfSecondArrowDisabled)) ==
      (sfFirstArrowDisabled | sfSecondArrowDisabled))
    return false;
  if (bar.fScrollFlags & sfThumbAlways) {
    const SCROLLINFO& s = bar.ScrollInfo;
    if (!(int64_t{s.nMax} >= int64_t{s.nPage} && s.nMin < s.nMax && s.nMax != 0)) return false;
  }
  return (sbi.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

}  // namespace qw
