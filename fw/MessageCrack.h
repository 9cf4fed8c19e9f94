#pragma once
// Unpacking what a message carries in WPARAM and LPARAM. A WndProc case hands its handler these typed
// values, so every handler's parameters say what it receives and no handler digs in raw parameters.
#include <windows.h>

namespace qw {

// The halves of a parameter (WM_COMMAND: control id and notification code; WM_SETCURSOR: hit-test code
// and mouse message).
inline UINT LoWord(WPARAM value) { return LOWORD(value); }
inline UINT HiWord(WPARAM value) { return HIWORD(value); }
inline UINT LoWord(LPARAM value) { return LOWORD(value); }
inline UINT HiWord(LPARAM value) { return HIWORD(value); }

// A point packed as two signed 16-bit halves: client coordinates in mouse messages, screen coordinates in
// WM_CONTEXTMENU (where a menu opened from the keyboard carries (-1, -1)).
inline POINT PointFromLParam(LPARAM value) {
  return POINT{static_cast<short>(LOWORD(value)), static_cast<short>(HIWORD(value))};
}
inline LPARAM PointToLParam(POINT pt) { return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)); }
inline bool IsKeyboardContextMenuPoint(POINT pt) { return pt.x == -1 && pt.y == -1; }

// Handles and records carried by a parameter.
inline HWND HwndFrom(WPARAM value) { return reinterpret_cast<HWND>(value); }
inline HWND HwndFrom(LPARAM value) { return reinterpret_cast<HWND>(value); }
inline HDC DcFrom(WPARAM value) { return reinterpret_cast<HDC>(value); }
template <class T>
const T& RecordFrom(LPARAM value) {
  return *reinterpret_cast<const T*>(value);
}

// Keys, characters and wheel turns.
inline UINT VirtualKeyFrom(WPARAM value) { return static_cast<UINT>(value); }
inline wchar_t CharFrom(WPARAM value) { return static_cast<wchar_t>(value); }
// Whole wheel notches, signed: positive away from the user.
inline int WheelNotchesFrom(WPARAM value) { return GET_WHEEL_DELTA_WPARAM(value) / WHEEL_DELTA; }

}  // namespace qw
