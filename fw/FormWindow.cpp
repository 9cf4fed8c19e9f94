#include <algorithm>

#include "fw/Application.h"
#include "fw/Canvas.h"
#include "fw/Form.h"
#include "fw/Menu.h"

// The form's window as its frame properties shape it: the styles, the window state, the size limits,
// translucency, the band inside the border, the menu bar and its commands and shortcuts, and the paint
// handler.

namespace qw {

namespace {

// The styles the frame decides; the others (visible, disabled, clip children...) are left as they are.
constexpr DWORD kFrameStyles =
    WS_POPUP | WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
constexpr DWORD kFrameExStyles =
    WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP | WS_EX_TOPMOST | WS_EX_LAYERED;

RECT ClientInWindow(HWND window) {
  RECT wr, cr;
  GetWindowRect(window, &wr);
  GetClientRect(window, &cr);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&cr, origin.x - wr.left, origin.y - wr.top);
  return cr;
}

}  // namespace

// ---- Styles ------------------------------------------------------------------------------------------

void TForm::FrameStyles(DWORD& style, DWORD& exStyle) const {
  const TFormWindowTraits t = FormWindowTraits(FFrame);
  style = 0;
  exStyle = 0;
  if (t.Popup) style |= WS_POPUP;
  if (t.Caption) style |= WS_CAPTION;
  if (t.ThinBorder) style |= WS_BORDER;
  if (t.DialogFrame) {
    style |= WS_DLGFRAME;
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  if (t.ThickFrame) style |= WS_THICKFRAME;
  if (t.ToolWindow) exStyle |= WS_EX_TOOLWINDOW;
  if (t.SystemMenu) style |= WS_SYSMENU;
  if (t.MinimizeBox) style |= WS_MINIMIZEBOX;
  if (t.MaximizeBox) style |= WS_MAXIMIZEBOX;
  if (t.ContextHelp) exStyle |= WS_EX_CONTEXTHELP;
  if (t.TopMost) exStyle |= WS_EX_TOPMOST;
  if (t.Layered) exStyle |= WS_EX_LAYERED;
}

void TForm::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  FrameStyles(params.Style, params.ExStyle);
  params.Style |= WS_CLIPCHILDREN;
  if (Application().MainFormOnTaskBar) params.ExStyle |= WS_EX_APPWINDOW;
  RECT r{0, 0, FClientWidth, FClientHeight};
  const bool menuBar = FMenu && FMenu->HasVisibleItems();
  AdjustWindowRectEx(&r, params.Style, menuBar, params.ExStyle);
  const TSizeConstraints& limits = FFrame.Constraints;
  FWidth = ConstrainExtent(r.right - r.left + 2 * FFrame.BorderWidth, limits.MinWidth, limits.MaxWidth);
  FHeight = ConstrainExtent(r.bottom - r.top + 2 * FFrame.BorderWidth, limits.MinHeight, limits.MaxHeight);
  if (Position == TPosition::poScreenCenter) {
    FLeft = (GetSystemMetrics(SM_CXSCREEN) - FWidth) / 2;
    FTop = (GetSystemMetrics(SM_CYSCREEN) - FHeight) / 2;
  }
  params.X = FLeft;
  params.Y = FTop;
  params.Width = FWidth;
  params.Height = FHeight;
  params.WndParent = nullptr;
}

void TForm::SetFrame(const TFormFrame& frame) {
  if (frame == FFrame) return;
  const TFormFrame old = FFrame;
  FFrame = frame;
  if (FHandle) ApplyFrame(old);
}

void TForm::SetWindowState(TWindowState state) {
  TFormFrame frame = FFrame;
  frame.WindowState = state;
  SetFrame(frame);
}

void TForm::ApplyFrame(const TFormFrame& old) {
  DWORD style = 0, exStyle = 0;
  FrameStyles(style, exStyle);
  const DWORD oldStyle = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_STYLE));
  const DWORD oldExStyle = static_cast<DWORD>(GetWindowLongPtrW(FHandle, GWL_EXSTYLE));
  const DWORD newStyle = (oldStyle & ~kFrameStyles) | style;
  // Stay-on-top is a place in the z-order, not only a style bit: SetWindowPos below moves the window.
  const DWORD newExStyle = (oldExStyle & ~(kFrameExStyles & ~WS_EX_TOPMOST)) | (exStyle & ~WS_EX_TOPMOST);
  if (newStyle != oldStyle || newExStyle != oldExStyle || FFrame.BorderWidth != old.BorderWidth) {
    SetWindowLongPtrW(FHandle, GWL_STYLE, static_cast<LONG_PTR>(newStyle));
    SetWindowLongPtrW(FHandle, GWL_EXSTYLE, static_cast<LONG_PTR>(newExStyle));
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (FFrame.FormStyle != old.FormStyle)
    SetWindowPos(FHandle, FFrame.FormStyle == TFormStyle::fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (FFrame.AlphaBlend != old.AlphaBlend || FFrame.AlphaBlendValue != old.AlphaBlendValue) ApplyAlphaBlend();
  if (FFrame.Constraints != old.Constraints) {
    const int width = FWidth, height = FHeight;
    FWidth = FHeight = -1;  // the bounds are set again even where they stay, so the limits apply
    SetBounds(FLeft, FTop, width, height);
  }
  if (FFrame.WindowState != old.WindowState && FVisible) ShowWindow(FHandle, ShowCommand());
}

void TForm::ApplyAlphaBlend() {
  if (FHandle && FFrame.AlphaBlend) SetLayeredWindowAttributes(FHandle, 0, FFrame.AlphaBlendValue, LWA_ALPHA);
}

int TForm::ShowCommand() const {
  switch (FFrame.WindowState) {
    case TWindowState::wsMaximized: return SW_SHOWMAXIMIZED;
    case TWindowState::wsMinimized: return SW_SHOWMINIMIZED;
    default: return IsIconic(FHandle) || IsZoomed(FHandle) ? SW_RESTORE : SW_SHOW;
  }
}

// ---- Size and state ------------------------------------------------------------------------------------

void TForm::SetBounds(int left, int top, int width, int height) {
  const TSizeConstraints& limits = FFrame.Constraints;
  TWinControl::SetBounds(left, top, ConstrainExtent(width, limits.MinWidth, limits.MaxWidth),
                         ConstrainExtent(height, limits.MinHeight, limits.MaxHeight));
}

void TForm::WMSize(TMessage& message, UINT kind) {
  // The user (or the system) maximised, minimised or restored the shown window; a hidden one keeps the
  // state it is to be shown in.
  if (IsWindowVisible(FHandle)) {
    if (kind == SIZE_MAXIMIZED) FFrame.WindowState = TWindowState::wsMaximized;
    if (kind == SIZE_MINIMIZED) FFrame.WindowState = TWindowState::wsMinimized;
    if (kind == SIZE_RESTORED) FFrame.WindowState = TWindowState::wsNormal;
  }
  TWinControl::WndProc(message);
}

void TForm::WMGetMinMaxInfo(TMessage& message, MINMAXINFO& info) {
  TWinControl::WndProc(message);
  const TSizeConstraints& limits = FFrame.Constraints;
  if (limits.MinWidth > 0) info.ptMinTrackSize.x = limits.MinWidth;
  if (limits.MinHeight > 0) info.ptMinTrackSize.y = limits.MinHeight;
  if (limits.MaxWidth > 0) info.ptMaxTrackSize.x = info.ptMaxSize.x = limits.MaxWidth;
  if (limits.MaxHeight > 0) info.ptMaxTrackSize.y = info.ptMaxSize.y = limits.MaxHeight;
  message.Result = 0;
}

// ---- The band inside the border -------------------------------------------------------------------------

void TForm::WMNcCalcSize(TMessage& message, RECT& proposed) {
  TWinControl::WndProc(message);
  // The first rectangle (of the record or alone) becomes the client area: the band comes off it.
  const int band = std::min<int>(FFrame.BorderWidth, std::max<int>(0, (proposed.right - proposed.left) / 2));
  InflateRect(&proposed, -band, -band);
  if (proposed.bottom < proposed.top) proposed.bottom = proposed.top;
}

void TForm::WMNcPaint(TMessage& message) {
  TWinControl::WndProc(message);
  if (FFrame.BorderWidth <= 0 || !FHandle) return;
  HDC dc = GetWindowDC(FHandle);
  if (!dc) return;
  const RECT client = ClientInWindow(FHandle);
  RECT band = client;
  InflateRect(&band, FFrame.BorderWidth, FFrame.BorderWidth);
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  FillRect(dc, &band, BrushHandle());
  ReleaseDC(FHandle, dc);
}

// ---- The menu bar ------------------------------------------------------------------------------------------

void TForm::SetMenu(TMainMenu* menu) {
  if (menu == FMenu) return;
  TMainMenu* old = FMenu;
  FMenu = menu;
  if (old) old->SetWindowHandle(nullptr);
  if (FHandle && FMenu) FMenu->SetWindowHandle(FHandle);  // which tells the form
  else if (FHandle) Perform(FW_MENU_CHANGED);
}

void TForm::WMCommand(TMessage& message, UINT notifyCode, UINT id, HWND control) {
  // A menu's command carries no control and the notification code 0.
  if (!control && notifyCode == 0 && FMenu && FMenu->DispatchCommand(static_cast<uint16_t>(id))) {
    message.Result = 0;
    return;
  }
  TWinControl::WndProc(message);
}

bool TForm::IsShortCut(WORD key) {
  if (!FMenu || key > 0xFF) return false;
  const TShiftState shift = KeyboardShiftState();
  TShortCut modifiers = scNone;
  if (shift & ssShift) modifiers |= scShift;
  if (shift & ssCtrl) modifiers |= scCtrl;
  if (shift & ssAlt) modifiers |= scAlt;
  TMenuItem* item = FindShortCutItem(FMenu->Root(), MakeShortCut(static_cast<uint8_t>(key), modifiers));
  if (!item) return false;
  item->Click();
  return true;
}

// ---- Painting ----------------------------------------------------------------------------------------------

void TForm::PaintWindow(TCanvas& canvas) {
  TWinControl::PaintWindow(canvas);
  RunOnPaint(canvas);
}

void TForm::RunOnPaint(TCanvas& canvas) {
  if (!OnPaint) return;
  TCanvas* outer = FCanvas;
  FCanvas = &canvas;
  TDestroyWatch watch(this);
  CallEvent(OnPaint, this);
  if (!watch.Destroyed()) FCanvas = outer;
}

}  // namespace qw
