#include "skin/core/SkinCommandSend_win.h"

#include "fw/WinControl.h"

namespace qw {

namespace {

TSkinSend SendOf(const TMessage& message, const void* window, const void* control) {
  return TSkinSend{window, control, SkinCommandCode(message.WParam), static_cast<intptr_t>(message.LParam)};
}

// The window procedure runs a message no other thread (or process) sent: our own send, or a posted one.
bool FromOwnThread() { return (InSendMessageEx(nullptr) & (ISMEX_SEND | ISMEX_NOTIFY | ISMEX_CALLBACK)) == 0; }

}  // namespace

LRESULT SendToWindow(HWND window, const TMessage& message, const TControl* control) {
  if (!window) return 0;
  if (message.Msg != SkinCommandMsg) return SendMessageW(window, message.Msg, message.WParam, message.LParam);
  TSkinSendScope sending(SendOf(message, window, control));
  return SendMessageW(window, message.Msg, message.WParam, message.LParam);
}

LRESULT PerformOn(TControl& control, const TMessage& message) {
  if (message.Msg != SkinCommandMsg) return control.Perform(message.Msg, message.WParam, message.LParam);
  TSkinSendScope sending(SendOf(message, nullptr, &control));
  return control.Perform(message.Msg, message.WParam, message.LParam);
}

LRESULT PerformSkinCommand(TControl& control, TSkinCommand code, LPARAM lParam, uint16_t flag) {
  return PerformOn(control, TMessage{SkinCommandMsg, SkinCommandWParam(code, flag), lParam, 0});
}

bool SkinCommandTrusted(const TMessage& message, const TControl* receiver, HWND receiverWindow) {
  if (message.Msg != SkinCommandMsg) return true;
  return SkinCommandHonoured(TSkinSendScope::InProgress(), SendOf(message, receiverWindow, receiver), FromOwnThread());
}

bool SkinCommandTrusted(const TMessage& message, const TControl* receiver) {
  const auto* w = dynamic_cast<const TWinControl*>(receiver);
  return SkinCommandTrusted(message, receiver, w && w->HandleAllocated() ? w->Handle() : nullptr);
}

}  // namespace qw
