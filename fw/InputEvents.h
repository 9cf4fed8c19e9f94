#pragma once
// The mouse and keyboard events a control raises (OnMouseDown, OnMouseUp, OnKeyDown, OnKeyUp), the
// buttons and shift keys they report, and how a mouse message names its button.
#include <windows.h>

#include <functional>

#include "base/Component.h"

namespace qw {

enum TMouseButton : int { mbLeft, mbRight, mbMiddle };

// The keys and buttons held while an event happened; ssDouble marks the press of a double click.
using TShiftState = unsigned;
enum : unsigned {
  ssShift = 0x01,
  ssAlt = 0x02,
  ssCtrl = 0x04,
  ssLeft = 0x08,
  ssRight = 0x10,
  ssMiddle = 0x20,
  ssDouble = 0x40,
};

// Sender, the button, the shift state and the point in the sender's client coordinates.
using TMouseEvent = std::function<void(TComponent* sender, TMouseButton button, TShiftState shift, int x, int y)>;
// Sender, the virtual key (a handler that sets it to 0 swallows the key) and the shift state.
using TKeyEvent = std::function<void(TComponent* sender, WORD& key, TShiftState shift)>;

// Runs a mouse or key handler from a copy of it, as CallEvent does for TNotifyEvent: the handler may
// destroy its sender and with it the event holding the handler.
inline void CallEvent(const TMouseEvent& event, TComponent* sender, TMouseButton button, TShiftState shift, int x,
                      int y) {
  if (!event) return;
  const TMouseEvent running = event;
  running(sender, button, shift, x, y);
}
inline void CallEvent(const TKeyEvent& event, TComponent* sender, WORD& key, TShiftState shift) {
  if (!event) return;
  const TKeyEvent running = event;
  running(sender, key, shift);
}

// What a mouse button message is about: which button, and whether it presses (a double click presses
// too) or releases it.
struct TMouseButtonMessage {
  TMouseButton Button = mbLeft;
  bool Down = false;
  bool Double = false;
  // The button's bit among the MK_* keys a mouse message carries.
  UINT KeyFlag() const { return Button == mbLeft ? MK_LBUTTON : Button == mbRight ? MK_RBUTTON : MK_MBUTTON; }
};
// False for anything but a client-area button message.
bool CrackMouseButton(UINT msg, TMouseButtonMessage& out);

// The shift state of a mouse message from the MK_* keys it carries (Alt is read from the keyboard).
TShiftState ShiftStateFromMouseKeys(WPARAM keys);
// The shift state the keyboard shows now (for key messages).
TShiftState KeyboardShiftState();

}  // namespace qw
