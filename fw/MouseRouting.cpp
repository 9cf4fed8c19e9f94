#include "fw/WinControl.h"

#include "fw/Menu.h"

// The mouse over a window with windowless children: enter and leave for each of them, buttons routed to
// the one under the cursor (or the one holding the press), its cursor and its popup menu.

namespace qw {

namespace {

HCURSOR CursorHandle(TCursor cursor) {
  switch (cursor) {
    case crDrag: {
      HCURSOR own = LoadCursorW(GetModuleHandleW(nullptr), L"DRAGCURSOR");
      return own ? own : LoadCursorW(nullptr, IDC_ARROW);
    }
    case crHandPoint:
      return LoadCursorW(nullptr, IDC_HAND);
    default:
      return LoadCursorW(nullptr, IDC_ARROW);
  }
}

}  // namespace

TControl* TWinControl::ControlAtPos(POINT pt, bool allowDisabled) const {
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->Visible() || (!allowDisabled && !c->Enabled())) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, pt)) return c;
  }
  return nullptr;
}

void TWinControl::SetMouseControl(TControl* control) {
  if (control == FMouseControl) return;
  TControl* old = FMouseControl;
  FMouseControl = control;
  if (old) old->Perform(FW_MOUSE_LEAVE);
  if (control) control->Perform(FW_MOUSE_ENTER);
}

void TWinControl::WMMouseMove(TMessage& message, POINT pt) {
  if (!FTrackingMouse && FHandle) {
    TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, FHandle, 0};
    FTrackingMouse = TrackMouseEvent(&tme) != FALSE;
    Perform(FW_MOUSE_ENTER);
  }
  SetMouseControl(ControlAtPos(pt, false));
  if (!RouteMouseToGraphic(message, pt)) TControl::WndProc(message);
}

void TWinControl::WMMouseLeave(TMessage& message) {
  FTrackingMouse = false;
  SetMouseControl(nullptr);
  Perform(FW_MOUSE_LEAVE);
  DefaultHandler(message);
}

void TWinControl::WMMouseButton(TMessage& message, POINT pt) {
  if (!RouteMouseToGraphic(message, pt)) TControl::WndProc(message);
}

bool TWinControl::RouteMouseToGraphic(TMessage& message, POINT pt) {
  TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(pt, false);
  if (!target) return false;
  TMouseButtonMessage button;
  const bool isButton = CrackMouseButton(message.Msg, button);
  // The child that got a press keeps the mouse until every button pressed on it is released.
  if (isButton && button.Down) {
    FCaptureControl = target;
    FCaptureButtons |= button.KeyFlag();
    if (GetCapture() != FHandle) SetCapture(FHandle);
  }
  // The child's handlers may destroy this control (closing its form): touch nothing of it then.
  TDestroyWatch watch(this);
  message.Result = target->Perform(message.Msg, message.WParam,
                                   PointToLParam(POINT{pt.x - target->Left(), pt.y - target->Top()}));
  if (isButton && !button.Down && !watch.Destroyed() && FCaptureControl) {
    FCaptureButtons &= ~button.KeyFlag();
    if (FCaptureButtons == 0) {
      FCaptureControl = nullptr;
      if (GetCapture() == FHandle) ReleaseCapture();
    }
  }
  return true;
}

void TWinControl::WMCaptureChanged(TMessage& message, HWND newCapture) {
  // Our own SetCapture may announce itself too; only a capture taken elsewhere ends the child's press.
  if (newCapture != FHandle) {
    FCaptureControl = nullptr;
    FCaptureButtons = 0;
  }
  TControl::WndProc(message);
}

void TWinControl::WMSetCursor(TMessage& message, HWND window, UINT hitTest) {
  if (window == FHandle && hitTest == HTCLIENT) {
    POINT pt;
    GetCursorPos(&pt);
    ScreenToClient(FHandle, &pt);
    TControl* c = ControlAtPos(pt, false);
    const TCursor cursor = c ? c->Cursor : Cursor;
    if (cursor != crDefault) {
      SetCursor(CursorHandle(cursor));
      message.Result = TRUE;
      return;
    }
  }
  DefaultHandler(message);
}

void TWinControl::WMContextMenu(TMessage& message, HWND window, POINT screen) {
  if (window != FHandle) return DefaultHandler(message);
  TControl* owner = this;
  if (IsKeyboardContextMenuPoint(screen)) {  // below the control's top-left corner
    screen = POINT{0, 0};
    ClientToScreen(FHandle, &screen);
  } else {
    POINT client = screen;
    ScreenToClient(FHandle, &client);
    if (TControl* c = ControlAtPos(client, false); c && c->PopupMenu()) owner = c;
  }
  TPopupMenu* menu = owner->PopupMenu();
  if (!menu) return DefaultHandler(message);
  menu->PopupComponent = owner;
  menu->Popup(screen.x, screen.y);
  message.Result = 0;
}

}  // namespace qw
