#include "fw/InputEvents.h"

namespace qw {

namespace {

bool KeyHeld(int virtualKey) { return GetKeyState(virtualKey) < 0; }

}  // namespace

bool CrackMouseButton(UINT msg, TMouseButtonMessage& out) {
  switch (msg) {
    case WM_LBUTTONDOWN: out = {mbLeft, true, false}; return true;
    case WM_LBUTTONDBLCLK: out = {mbLeft, true, true}; return true;
    case WM_LBUTTONUP: out = {mbLeft, false, false}; return true;
    case WM_RBUTTONDOWN: out = {mbRight, true, false}; return true;
    case WM_RBUTTONDBLCLK: out = {mbRight, true, true}; return true;
    case WM_RBUTTONUP: out = {mbRight, false, false}; return true;
    case WM_MBUTTONDOWN: out = {mbMiddle, true, false}; return true;
    case WM_MBUTTONDBLCLK: out = {mbMiddle, true, true}; return true;
    case WM_MBUTTONUP: out = {mbMiddle, false, false}; return true;
    default: return false;
  }
}

TShiftState ShiftStateFromMouseKeys(WPARAM keys) {
  TShiftState shift = 0;
  if (keys & MK_SHIFT) shift |= ssShift;
  if (keys & MK_CONTROL) shift |= ssCtrl;
  if (keys & MK_LBUTTON) shift |= ssLeft;
  if (keys & MK_RBUTTON) shift |= ssRight;
  if (keys & MK_MBUTTON) shift |= ssMiddle;
  if (KeyHeld(VK_MENU)) shift |= ssAlt;
  return shift;
}

TShiftState KeyboardShiftState() {
  TShiftState shift = 0;
  if (KeyHeld(VK_SHIFT)) shift |= ssShift;
  if (KeyHeld(VK_CONTROL)) shift |= ssCtrl;
  if (KeyHeld(VK_MENU)) shift |= ssAlt;
  return shift;
}

}  // namespace qw
