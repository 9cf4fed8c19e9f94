#include "skin/core/BackgroundRequest_win.h"

#include "base/Geometry_win.h"
#include "fw/WinControl.h"
#include "image/BitmapDC_win.h"
#include "skin/core/SkinBroadcast_win.h"
#include "skin/data/SkinManager.h"

namespace qw {

namespace {

// Nobody answered: the parent window paints itself into the requester's DC (its own framework window
// through WM_PAINT with the DC, a foreign one through WM_PRINTCLIENT).
void PaintParentInto(HWND parent, TBackgroundInfo& info) {
  if (!parent || !info.DrawDC) return;
  const int saved = SaveDC(info.DrawDC);
  OffsetViewportOrgEx(info.DrawDC, -info.R.Left, -info.R.Top, nullptr);
  IntersectClipRect(info.DrawDC, info.R.Left, info.R.Top, info.R.Right, info.R.Bottom);
  const WPARAM dc = reinterpret_cast<WPARAM>(info.DrawDC);
  SendMessageW(parent, WM_ERASEBKGND, dc, 0);
  if (TWinControl::FromHandle(parent)) SendMessageW(parent, WM_PAINT, dc, 0);
  else SendMessageW(parent, WM_PRINTCLIENT, dc, PRF_CLIENT);
  RestoreDC(info.DrawDC, saved);
}

TColor FallbackWindowColor() {
  const TsSkinManager* m = DefaultManager();
  return m ? static_cast<TColor>(m->GetGlobalColor()) : ColorToRGB(clBtnFace);
}

}  // namespace

void RequestParentBackground(TControl& requester, TBackgroundInfo& info, bool pleaseDraw) {
  info.BgType = btUnknown;
  info.PleaseDraw = pleaseDraw;
  if (IsRectEmpty(info.R)) info.R = TRect{requester.Left(), requester.Top(), requester.Left() + requester.Width(),
                                          requester.Top() + requester.Height()};
  TWinControl* parent = requester.Parent();
  if (!parent) {
    auto* w = dynamic_cast<TWinControl*>(&requester);
    if (w && w->HandleAllocated()) {
      RequestWindowBackground(w->Handle(), info, pleaseDraw);
    } else {
      info.BgType = btFill;
      info.Color = FallbackWindowColor();
    }
    return;
  }
  SendSkinCommand(parent, skcPaintBackground, reinterpret_cast<LPARAM>(&info));
  if (info.BgType != btUnknown) return;
  if (pleaseDraw) PaintParentInto(parent->HandleAllocated() ? parent->Handle() : nullptr, info);
  const TColor answer = static_cast<TColor>(SendSkinCommand(parent, skcGetColor));
  info.BgType = btFill;
  info.Color = answer != 0 ? ColorToRGB(answer) : ColorToRGB(parent->Color());
}

void RequestWindowBackground(HWND window, TBackgroundInfo& info, bool pleaseDraw) {
  info.BgType = btUnknown;
  info.PleaseDraw = pleaseDraw;
  HWND parent = window ? GetParent(window) : nullptr;
  if (IsRectEmpty(info.R) && window) {
    RECT wr;
    GetWindowRect(window, &wr);
    if (parent) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&wr), 2);
    info.R = RectOf(wr);
  }
  if (parent) SendSkinCommandToWindow(parent, skcPaintBackground, reinterpret_cast<LPARAM>(&info));
  if (info.BgType != btUnknown) return;
  if (pleaseDraw) PaintParentInto(parent, info);
  const TColor answer = parent ? static_cast<TColor>(SendSkinCommandToWindow(parent, skcGetColor)) : 0;
  info.BgType = btFill;
  info.Color = answer != 0 ? ColorToRGB(answer) : FallbackWindowColor();
}

TCacheInfo CacheInfoOf(const TBackgroundInfo& info) {
  TCacheInfo ci;
  ci.FillColor = info.Color;
  if (info.BgType == btCache && info.Bmp) {
    ci.Bmp = info.Bmp;
    ci.X = info.Offset.X;
    ci.Y = info.Offset.Y;
    ci.Ready = true;
  }
  return ci;
}

}  // namespace qw
