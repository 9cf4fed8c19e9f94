#pragma once
// The two ways a skin command reaches a receiver, each recording the send while the receiver runs, and
// the check every receiver makes before it follows an address a command carries. Whoever delivers a
// skin command goes through these (SendSkinCommand and the broadcasts do), never through SendMessageW
// or Perform directly: an unrecorded send of an address-carrying code is refused like a posted one.
#include <windows.h>

#include "fw/Messages.h"
#include "skin/core/SkinSendRecord.h"

namespace qw {

class TControl;

// Sends Message to Window (Control: the window's framework control, when the sender knows it). Any other
// message than a skin command is sent as it is.
LRESULT SendToWindow(HWND window, const TMessage& message, const TControl* control = nullptr);
// Dispatches Message straight to Control's message chain.
LRESULT PerformOn(TControl& control, const TMessage& message);
// A skin command dispatched straight to Control (also to a windowed one: its window is not involved).
LRESULT PerformSkinCommand(TControl& control, TSkinCommand code, LPARAM lParam = 0, uint16_t flag = 0);

// True when Message may be honoured by Receiver (its window, if any, is asked for): see
// SkinCommandHonoured. A command some other thread sent, or one posted, never is when it carries an
// address.
bool SkinCommandTrusted(const TMessage& message, const TControl* receiver);
// The same for a receiver known by its window only (a wrapper of a foreign window).
bool SkinCommandTrusted(const TMessage& message, const TControl* receiver, HWND receiverWindow);

// The address a skin command carries, or null when the receiver must not follow it.
template <class T>
T* SkinCommandAddress(const TMessage& message, const TControl* receiver) {
  return SkinCommandTrusted(message, receiver) ? reinterpret_cast<T*>(message.LParam) : nullptr;
}
template <class T>
T* SkinCommandAddress(const TMessage& message, const TControl* receiver, HWND receiverWindow) {
  return SkinCommandTrusted(message, receiver, receiverWindow) ? reinterpret_cast<T*>(message.LParam) : nullptr;
}

}  // namespace qw
