#include "skin/controls/ScrollWnd_win.h"

#include "skin/core/CommonData_win.h"
#include "skin/data/SkinCommands.h"
#include "skin/data/SkinManager.h"

namespace qw {

TqxScrollWnd::TqxScrollWnd(HWND wnd, bool scrollBars, std::u16string_view section, TsSkinManager* manager,
                           TsCommonData* skinData)
    : TqxMainWnd(wnd, section, manager, skinData) {
  if (scrollBars) FBars = std::make_unique<TqxScrollBars>(static_cast<TScrollBarHost&>(*this));
}

TqxScrollWnd::TqxScrollWnd(HWND wnd, TControlBar, std::u16string_view section, TsSkinManager* manager,
                           TsCommonData* skinData)
    : TqxMainWnd(wnd, section, manager, skinData) {
  FBars = std::make_unique<TqxScrollBars>(static_cast<TScrollBarHost&>(*this), true);
}

TqxScrollWnd::~TqxScrollWnd() {
  if (!Destroyed) Detach();
}

void TqxScrollWnd::Attach() {
  TqxMainWnd::Attach();
  if (Destroyed || !FBars) return;
  FBars->Initialize();
  RecalcFrame();
}

void TqxScrollWnd::DetachWrapper() {
  if (FBars) FBars->ReleaseTracking();
  TqxMainWnd::DetachWrapper();
  // The system's own bars come back with the next layout of the frame.
  if (FBars && IsWindowVisible(CtrlHandle)) RecalcFrame();
}

void TqxScrollWnd::RecalcFrame() {
  if (CtrlHandle && IsWindow(CtrlHandle))
    SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TqxScrollWnd::UpdateBars(bool paint) {
  if (FBars && Skinned()) FBars->UpdateBars(paint);
}

void TqxScrollWnd::CallPrevWithoutBars(TMessage& message) {
  const LONG style = GetWindowLongW(CtrlHandle, GWL_STYLE);
  const LONG scroll = style & (WS_HSCROLL | WS_VSCROLL);
  if (!scroll || !FBars) return CallPrevWndProc(message);
  const bool was = FBars->bPreventStyleChange;
  FBars->bPreventStyleChange = true;
  SetWindowLongW(CtrlHandle, GWL_STYLE, style & ~scroll);
  CallPrevWndProc(message);
  if (IsWindow(CtrlHandle)) SetWindowLongW(CtrlHandle, GWL_STYLE, GetWindowLongW(CtrlHandle, GWL_STYLE) | scroll);
  FBars->bPreventStyleChange = was;
}

void TqxScrollWnd::WMNcPaint(TMessage& message) {
  CallPrevWithoutBars(message);
  if (!Destroyed && WindowVisible() && !SkinData->FUpdating && !DontRepaint) FBars->PaintBars();
}

void TqxScrollWnd::qxWndProc(TMessage& message) {
  if (!FBars || !Skinned()) {
    // Skin commands still reach the base; after a removed skin the system's bars take their room back.
    const bool removal = message.Msg == SkinCommandMsg && SkinCommandCode(message.WParam) == skcRemoveSkin;
    TqxMainWnd::qxWndProc(message);
    if (removal && FBars && !Destroyed) RecalcFrame();
    return;
  }
  TqxScrollBars& bars = *FBars;
  switch (message.Msg) {
    case WM_GETOBJECT:
      if (bars.AnswerObject(message)) return;
      return TqxMainWnd::qxWndProc(message);
    case WM_NCCALCSIZE:
      return bars.NcCalcSize(message);
    case WM_NCPAINT:
      return WMNcPaint(message);
    case WM_NCHITTEST:
      if (!bars.NcHitTest(message, PointFromLParam(message.LParam))) CallPrevWndProc(message);
      return;
    case WM_NCMOUSEMOVE:
      bars.NcMouseMove(static_cast<UINT>(message.WParam));
      return CallPrevWndProc(message);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!bars.NcButtonDown(message, static_cast<UINT>(message.WParam), PointFromLParam(message.LParam)))
        CallPrevWndProc(message);
      return;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
      if (!bars.NcOtherButton(message, static_cast<UINT>(message.WParam))) CallPrevWndProc(message);
      return;
    case WM_MOUSEMOVE:
      if (bars.MouseMove(message, PointFromLParam(message.LParam))) return;
      return TqxMainWnd::qxWndProc(message);
    case WM_LBUTTONUP:
      bars.ButtonUp();
      return TqxMainWnd::qxWndProc(message);
    case WM_CAPTURECHANGED:
      // The capture taken away mid-press ends the press as a release would.
      bars.ButtonUp();
      return CallPrevWndProc(message);
    case WM_TIMER:
      if (bars.Timer(message, static_cast<UINT_PTR>(message.WParam))) return;
      CallPrevWndProc(message);
      // The window's own timers scroll too (an edit selecting past its edge).
      if (!Destroyed && !DontRepaint && !bars.fThumbTracking) bars.UpdateBars(true);
      return;
    case WM_STYLECHANGING:
    case WM_STYLECHANGED:
      if (bars.bPreventStyleChange) {
        message.Result = 0;
        return;
      }
      if (message.Msg == WM_STYLECHANGED && message.WParam == static_cast<WPARAM>(GWL_EXSTYLE))
        bars.fLeftScrollbar = (RecordFrom<STYLESTRUCT>(message.LParam).styleNew & WS_EX_LEFTSCROLLBAR) != 0;
      return CallPrevWndProc(message);
    case WM_SYSCOMMAND:
      // The system's own tracking of its bars would draw them.
      if ((message.WParam & 0xFFF0) == SC_VSCROLL || (message.WParam & 0xFFF0) == SC_HSCROLL) {
        message.Result = 0;
        return;
      }
      return TqxMainWnd::qxWndProc(message);
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case FW_MOUSE_WHEEL:
    case FW_VISIBLE_CHANGED:
      CallPrevWndProc(message);
      if (!Destroyed) bars.UpdateBars(true);
      return;
    case WM_DESTROY:
    case WM_NCDESTROY:
      bars.ReleaseTracking();
      return TqxMainWnd::qxWndProc(message);
    default:
      break;
  }
  if (message.Msg == SkinCommandMsg) {
    const TSkinCommand code = SkinCommandCode(message.WParam);
    TqxMainWnd::qxWndProc(message);
    // A new skin may have bars of another size.
    if (!Destroyed && (code == skcNewSkin || code == skcRefresh || code == skcRemoveSkin) &&
        reinterpret_cast<TsSkinManager*>(message.LParam) == Manager())
      RecalcFrame();
    return;
  }
  TqxMainWnd::qxWndProc(message);
}

}  // namespace qw
