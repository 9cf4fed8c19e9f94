#include "skin/controls/SpinWnd_win.h"

#include <commctrl.h>

#include "image/BitmapDC_win.h"
#include "skin/controls/UpDownLayout.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"
#include "skin/frame/scroll/ScrollTracking_win.h"
#include "skin/render/BorderMask.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"

namespace qw {

TqxSpinWnd::TqxSpinWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : TqxMainWnd(wnd, section, manager, skinData) {}

TqxSpinWnd::~TqxSpinWnd() {
  if (!Destroyed) Detach();
}

std::u16string_view TqxSpinWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"UPDOWNBTN") : GivenSection();
}

bool TqxSpinWnd::IsVertical() const { return (GetWindowLongW(CtrlHandle, GWL_STYLE) & UDS_HORZ) == 0; }

void TqxSpinWnd::UpdateStates() {
  RECT cr{};
  GetClientRect(CtrlHandle, &cr);
  // The cursor as the skinned bars see it (tests put their own there).
  POINT p = ScrollInput().CursorPos();
  ScreenToClient(CtrlHandle, &p);
  const TUpDownStates s = UpDownStates(cr.right - lOffset, cr.bottom, IsVertical(), TPoint{p.x - lOffset, p.y},
                                       bMousePressed);
  Btn1State = s.First;
  Btn2State = s.Second;
}

bool TqxSpinWnd::PrepareCache() {
  TsSkinManager* m = Manager();
  RECT cr{};
  if (!m || !GetClientRect(CtrlHandle, &cr)) return false;
  const int w = std::max(0, static_cast<int>(cr.right) - lOffset), h = std::max(0, static_cast<int>(cr.bottom));
  SkinData->InitCacheBmp();
  TBitmap32* cache = SkinData->CacheBmp();
  if (!cache) return false;
  if (cache->Width() != w || cache->Height() != h) *cache = TBitmap32(w, h);
  std::u16string_view name = SkinData->SkinSection();
  int index = m->GetSkinIndex(name);
  if (!m->IsValidSkinIndex(index)) {
    name = u"BUTTON";
    index = m->GetSkinIndex(name);
  }
  TBackgroundInfo info;
  RequestWindowBackground(CtrlHandle, info, false);
  const TCacheInfo ci = CacheInfoOf(info);
  MeasureWindow();
  const TUpDownButtons b = UpDownButtons(w, h, IsVertical());
  const bool vertical = IsVertical();
  const TConstantSkinData& c = m->ConstData;
  const int glyphs[2] = {vertical ? c.MaskArrowTop : c.MaskArrowLeft, vertical ? c.MaskArrowBottom : c.MaskArrowRight};
  const TRect rects[2] = {b.First, b.Second};
  const int states[2] = {Btn1State, Btn2State};
  for (int i = 0; i < 2; ++i) {
    const TRect& r = rects[i];
    if (IsRectEmpty(r)) continue;
    if (m->IsValidSkinIndex(index))
      PaintSectionItem(index, name, ci, states[i], r, TPoint{WndPos.x + lOffset + r.Left, WndPos.y + r.Top}, *cache, m);
    if (!m->IsValidImgIndex(glyphs[i])) continue;  // no arrow in the skin: the button stays plain
    const TsMaskData& glyph = m->ma[static_cast<size_t>(glyphs[i])];
    const int gw = MaskImageWidth(glyph), gh = MaskImageHeight(glyph);
    DrawMaskGlyph(*cache, TPoint{r.Left + (WidthOfRect(r) - gw) / 2, r.Top + (HeightOfRect(r) - gh) / 2}, states[i],
                  MakeCacheInfo(cache, 0, 0), glyph, 1);
  }
  SkinData->BGChanged = false;
  return true;
}

void TqxSpinWnd::Redraw() {
  if (WindowVisible()) RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TqxSpinWnd::WMPaint(TMessage& message, HDC given) {
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(CtrlHandle, &ps);
  message.Result = 0;
  if (dc) {
    UpdateStates();
    SkinData->FUpdating = SkinData->QueryUpdating();
    if (!SkinData->FUpdating && !AnimationRunning && PrepareCache()) {
      const TBitmap32& cache = *SkinData->CacheBmp();
      CopyBitmapToDC(dc, cache, TRect{0, 0, cache.Width(), cache.Height()}, TPoint{lOffset, 0});
    }
  }
  // A DC the paint obtained is given back; one that came with the message belongs to the caller.
  if (!given) EndPaint(CtrlHandle, &ps);
}

void TqxSpinWnd::WMMouseMove(TMessage& message, POINT pt) {
  CallPrevWndProc(message);
  if (Destroyed) return;
  RECT cr{};
  GetClientRect(CtrlHandle, &cr);
  if (PtInRect(&cr, pt)) {
    SetActiveControl(Manager(), CtrlHandle);
    if (!FTrackingLeave) {
      TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, CtrlHandle, 0};
      FTrackingLeave = TrackMouseEvent(&tme) != FALSE;
    }
  } else if (ActiveControl() == CtrlHandle) {
    SetActiveControl(Manager(), nullptr);
  }
  Redraw();
}

void TqxSpinWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxMainWnd::qxWndProc(message);
  switch (message.Msg) {
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      message.Result = 0;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      bMousePressed = message.Msg != WM_LBUTTONUP;
      CallPrevWndProc(message);
      if (!Destroyed) Redraw();
      return;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      CallPrevWndProc(message);
      if (!Destroyed && WindowVisible()) InvalidateRect(CtrlHandle, nullptr, FALSE);
      return;
    case WM_MOUSEMOVE:
      return WMMouseMove(message, PointFromLParam(message.LParam));
    default:
      break;
  }
  if (message.Msg == SkinCommandMsg && SkinCommandCode(message.WParam) == skcMouseLeave) {
    CallPrevWndProc(message);
    if (!Destroyed) Redraw();
    return;
  }
  TqxMainWnd::qxWndProc(message);
}

}  // namespace qw
