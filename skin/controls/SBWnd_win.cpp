#include "skin/controls/SBWnd_win.h"

#include "fw/WinControl.h"
#include "skin/core/CommonData_win.h"
#include "skin/core/EngineFlags.h"

namespace qw {

TqxSBWnd::TqxSBWnd(HWND wnd, std::u16string_view section, TsSkinManager* manager, TsCommonData* skinData)
    : TqxScrollWnd(wnd, TControlBar{}, section, manager, skinData) {}

TqxSBWnd::~TqxSBWnd() {
  if (!Destroyed) Detach();
}

std::u16string_view TqxSBWnd::DefaultSection() const {
  return GivenSection().empty() ? std::u16string_view(u"CHECKBOX") : GivenSection();
}

void TqxSBWnd::Attach() {
  TqxMainWnd::Attach();
  if (Destroyed) return;
  FBars->Initialize();
  const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE);
  FHadTabStop = (style & WS_TABSTOP) != 0;
  if (FHadTabStop) SetWindowLongW(CtrlHandle, GWL_STYLE, style & ~WS_TABSTOP);
  if (TWinControl* c = Control()) {
    FHadTabStop = FHadTabStop || c->TabStop;
    c->TabStop = false;
  }
  InvalidateRect(CtrlHandle, nullptr, TRUE);
}

void TqxSBWnd::DetachWrapper() {
  if (FHadTabStop) {
    if (TWinControl* c = Control()) c->TabStop = true;
    if (IsWindow(CtrlHandle))
      SetWindowLongW(CtrlHandle, GWL_STYLE, GetWindowLongW(CtrlHandle, GWL_STYLE) | WS_TABSTOP);
  }
  FBars->ReleaseTracking();
  TqxMainWnd::DetachWrapper();
}

void TqxSBWnd::WMPaint(TMessage& message, HDC given) {
  PAINTSTRUCT ps{};
  HDC dc = given ? given : BeginPaint(CtrlHandle, &ps);
  SkinData->FUpdating = SkinData->QueryUpdating();
  if (dc && !SkinData->FUpdating && !AnimationRunning) FBars->PaintBars(dc);
  if (!given) EndPaint(CtrlHandle, &ps);
  message.Result = 0;
}

void TqxSBWnd::qxWndProc(TMessage& message) {
  if (!Skinned()) return TqxScrollWnd::qxWndProc(message);
  TqxScrollBars& bars = *FBars;
  switch (message.Msg) {
    case WM_PAINT:
      return WMPaint(message, DcFrom(message.WParam));
    case WM_ERASEBKGND:
      message.Result = 1;
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!bars.ControlButtonDown(message, PointFromLParam(message.LParam))) CallPrevWndProc(message);
      return;
    case WM_LBUTTONUP:
      // The control never saw the press: the release is ours alone.
      bars.ButtonUp();
      message.Result = 0;
      return;
    case SBM_SETSCROLLINFO:
    case SBM_SETPOS:
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW:
    case SBM_ENABLE_ARROWS:
    case WM_ENABLE:
      // The control draws itself when its state is set: the skinned bar goes over it again.
      CallPrevWndProc(message);
      if (!Destroyed && WindowVisible()) bars.PaintBars();
      return;
    default:
      return TqxScrollWnd::qxWndProc(message);
  }
}

}  // namespace qw
