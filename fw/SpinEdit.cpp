#include "fw/SpinEdit.h"

#include <commctrl.h>

#include <algorithm>

namespace qw {

TSpinEdit::TSpinEdit() { FText = L"0"; }

void TSpinEdit::CreateWindowHandleDone() {
  TSpinEditOf<TEdit>::CreateWindowHandleDone();
  RECT client;
  GetClientRect(FHandle, &client);
  const int width = std::min<int>(15, client.right / 2);
  FArrows = CreateWindowExW(0, UPDOWN_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, client.right - width, 0, width,
                            client.bottom, FHandle, nullptr, GetModuleHandleW(nullptr), nullptr);
  // The arrows report steps only; the value lives in the text.
  SendMessageW(FArrows, UDM_SETRANGE32, 0, 100);
  SendMessageW(FHandle, EM_SETMARGINS, EC_RIGHTMARGIN, MAKELPARAM(0, width));
}

void TSpinEdit::WMNotify(TMessage& message, const NMHDR& header) {
  if (header.hwndFrom != FArrows || header.code != static_cast<UINT>(UDN_DELTAPOS))
    return TSpinEditOf<TEdit>::WndProc(message);
  message.Result = 1;  // the arrows keep no position of their own
  const int delta = reinterpret_cast<const NMUPDOWN&>(header).iDelta;
  TDestroyWatch watch(this);
  delta > 0 ? StepUp() : StepDown();
  if (!watch.Destroyed() && CanFocus() && !Focused()) SetFocus();
}

void TSpinEdit::WMNcDestroy(TMessage& message) {
  FArrows = nullptr;  // the system destroyed them with the edit
  TSpinEditOf<TEdit>::WndProc(message);
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_NOTIFY:
      return WMNotify(message, RecordFrom<NMHDR>(message.LParam));
    case WM_NCDESTROY:
      return WMNcDestroy(message);
    default:
      return TSpinEditOf<TEdit>::WndProc(message);
  }
}

}  // namespace qw
