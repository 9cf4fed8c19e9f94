#include "fw/WinControl.h"

#include "fw/Color.h"
#include "fw/Menu.h"

// Parent notifications (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*) passed on to
// the control they came from as FW_REFLECT + their number, and the colours a control answers with. An
// owner-drawn menu item's measuring and drawing go to the item instead.

namespace qw {

void TWinControl::CNCtlColor(TMessage& message, HDC dc) {
  SetTextColor(dc, ColorToRGB(FFont.Color()));
  SetBkColor(dc, ColorToRGB(FColor));
  message.Result = reinterpret_cast<LRESULT>(BrushHandle());
}

void TWinControl::ReflectToChild(TMessage& message, HWND child) {
  TWinControl* target = FromHandle(child);
  if (!target || target == this) return DefaultHandler(message);
  message.Result = target->Perform(FW_REFLECT + message.Msg, message.WParam, message.LParam);
}

void TWinControl::WMCommand(TMessage& message, HWND control) {
  // Menu and accelerator commands carry no control.
  if (!control) return TControl::WndProc(message);
  ReflectToChild(message, control);
}

void TWinControl::WMNotify(TMessage& message, const NMHDR& header) { ReflectToChild(message, header.hwndFrom); }

void TWinControl::WMDrawItem(TMessage& message, UINT controlId, const DRAWITEMSTRUCT& item) {
  // Id 0 is a menu item's drawing, not a control's: it goes to the item's handlers.
  if (controlId == 0 || item.CtlType == ODT_MENU) {
    if (DrawMenuItem(item)) message.Result = TRUE;
    else TControl::WndProc(message);
    return;
  }
  ReflectToChild(message, item.hwndItem);
}

void TWinControl::WMMeasureItem(TMessage& message, UINT controlId, MEASUREITEMSTRUCT& item) {
  // Id 0 is a menu item's measuring, not a control's: it goes to the item's handlers.
  if (controlId == 0 || item.CtlType == ODT_MENU) {
    if (MeasureMenuItem(item)) message.Result = TRUE;
    else TControl::WndProc(message);
    return;
  }
  TWinControl* target = FromHandle(GetDlgItem(FHandle, static_cast<int>(controlId)));
  if (!target && FCreatingChild.Control && FCreatingChild.Id == controlId) target = FCreatingChild.Control;
  if (!target || target == this) return DefaultHandler(message);
  message.Result = target->Perform(CN_MEASUREITEM, message.WParam, message.LParam);
}

void TWinControl::WMCtlColor(TMessage& message, HWND child) { ReflectToChild(message, child); }

}  // namespace qw
