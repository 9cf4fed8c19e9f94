#include "fw/Form.h"

#include <commctrl.h>

#include <vector>

#include "fw/Application.h"
#include "fw/Menu.h"
#include "image/ColorToRgb_win.h"

namespace qw {

TForm::TForm() {
  FVisible = false;
  FOwnPaint = true;
  ControlStyle &= ~csClickEvents;
  Application().AddForm(this);
}

TForm::~TForm() {
  Application().RemoveForm(this);
  if (Application().MainForm == this) Application().MainForm = nullptr;
  // The windows go first, all at once: the form's own is detached (what derives from TForm is gone
  // already), while the controls on it are still whole for what their windows are told. Then the
  // components, which find their windows gone. The menu bar is the menu's: the window must not take it.
  if (FMenu) FMenu->SetWindowHandle(nullptr);
  DestroyDetachedHandle();
  FHintWindow = nullptr;  // owned by the form's window, gone with it
  DestroyComponents();
  if (FIcon) DestroyIcon(FIcon);
}

void TForm::CreateWindowHandleDone() {
  if (!IconResource.empty() && !FIcon) {
    FIcon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), IconResource.c_str(), IMAGE_ICON, 0, 0,
                                          LR_DEFAULTSIZE));
  }
  if (FIcon) SetWindowIcon(FIcon);
  ApplyAlphaBlend();
  if (FMenu) FMenu->SetWindowHandle(FHandle);
}

void TForm::SetWindowIcon(HICON icon) {
  for (const WPARAM size : {ICON_BIG, ICON_SMALL}) SendMessageW(FHandle, WM_SETICON, size, reinterpret_cast<LPARAM>(icon));
}

void TForm::Show() {
  HandleNeeded();
  UpdateHints();
  SetVisible(true);
}

void TForm::UpdateHints() {
  if (!FHintWindow) {
    // Owned by the form's window, so it goes when the form's window goes.
    FHintWindow = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0,
                                  0, 0, FHandle, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FHintWindow) return;
  }
  std::vector<TWinControl*> controls;
  GetTabOrderList(controls);
  for (TWinControl* c : controls) {
    if (!c->ShowHint || c->Hint.empty() || !c->HandleAllocated()) continue;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = FHandle;
    tool.uId = reinterpret_cast<UINT_PTR>(c->Handle());
    tool.lpszText = const_cast<wchar_t*>(c->Hint.c_str());
    SendMessageW(FHintWindow, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void TForm::Close() {
  if (FHandle) SendMessageW(FHandle, WM_CLOSE, 0, 0);
}

void TForm::UpdateVisibility() {
  if (!FHandle) return;
  ShowWindow(FHandle, FVisible ? ShowCommand() : SW_HIDE);
  if (FVisible) {
    if (!FActiveControl) SelectNext(nullptr, true);
    else if (FActiveControl->CanFocus()) FActiveControl->SetFocus();
  }
}

void TForm::SetActiveControl(TWinControl* control) {
  if (control && control->CanFocus()) control->SetFocus();
  else SetFocusedControl(control);
}

void TForm::SetFocusedControl(TWinControl* control) {
  if (control == FActiveControl) return;
  TWinControl* old = FActiveControl;
  FActiveControl = control;
  if (old) old->Perform(FW_EXIT);
  if (control) control->Perform(FW_ENTER);
}

void TForm::ControlRemoved(TControl* control) {
  for (const TControl* c = FActiveControl; c; c = c->Parent()) {
    if (c == control) {
      FActiveControl = nullptr;
      return;
    }
  }
}

bool TForm::BindField(const std::string&, TComponent*) { return false; }

TNotifyEvent TForm::FindHandler(const std::string&) { return {}; }

TMouseEvent TForm::FindMouseHandler(const std::string&) { return {}; }

TKeyEvent TForm::FindKeyHandler(const std::string&) { return {}; }

void TForm::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == FActiveControl) FActiveControl = nullptr;
  if (component == FMenu) SetMenu(nullptr);
}

void TForm::WMNcDestroy(TMessage& message) {
  FHintWindow = nullptr;  // the system destroyed it with its owner
  TWinControl::WndProc(message);
}

void TForm::WMSetFocus(TMessage& message) {
  // Coming back from a message box or another window: give the focus back to the last control.
  if (!FActiveControl || !FActiveControl->CanFocus()) return TWinControl::WndProc(message);
  FActiveControl->SetFocus();
  message.Result = 0;
}

void TForm::WMWindowPosChanged(TMessage& message, const WINDOWPOS& pos) {
  if (!(pos.flags & SWP_NOMOVE)) {
    FLeft = pos.x;
    FTop = pos.y;
  }
  TWinControl::WndProc(message);
}

void TForm::WMSysColorChange(TMessage& message) {
  InstallSystemColorTable();  // system colours are painted through the table
  TWinControl::WndProc(message);
}

void TForm::WMClose(TMessage& message) {
  DestroyHandle();
  message.Result = 0;
}

void TForm::WMDestroy(TMessage& message) {
  if (Application().MainForm == this) PostQuitMessage(0);
  // A window destroys the menu bar it holds; the bar is the menu's.
  if (FMenu) FMenu->SetWindowHandle(nullptr);
  TWinControl::WndProc(message);
}

void TForm::FWDialogKey(TMessage& message) {
  std::vector<TWinControl*> controls;
  GetTabOrderList(controls);
  TDestroyWatch watch(this);
  for (TWinControl* c : controls) {
    // The button that takes the key clicks, and its handler may close the form.
    message.Result = c->Perform(message.Msg, message.WParam, message.LParam);
    if (message.Result != 0 || watch.Destroyed()) return;
  }
}

void TForm::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NCDESTROY:
      return WMNcDestroy(message);
    case WM_SETFOCUS:
      return WMSetFocus(message);
    case WM_WINDOWPOSCHANGED:
      return WMWindowPosChanged(message, RecordFrom<WINDOWPOS>(message.LParam));
    case WM_SIZE:
      return WMSize(message, static_cast<UINT>(message.WParam));
    case WM_GETMINMAXINFO:
      return WMGetMinMaxInfo(message, *reinterpret_cast<MINMAXINFO*>(message.LParam));
    case WM_NCCALCSIZE:
      return WMNcCalcSize(message, *reinterpret_cast<RECT*>(message.LParam));
    case WM_NCPAINT:
      return WMNcPaint(message);
    case WM_COMMAND:
      return WMCommand(message, HiWord(message.WParam), LoWord(message.WParam), HwndFrom(message.LParam));
    case WM_SYSCOLORCHANGE:
      return WMSysColorChange(message);
    case WM_CLOSE:
      return WMClose(message);
    case WM_DESTROY:
      return WMDestroy(message);
    case FW_DIALOG_KEY:
      return FWDialogKey(message);
    default:
      return TWinControl::WndProc(message);
  }
}

}  // namespace qw
