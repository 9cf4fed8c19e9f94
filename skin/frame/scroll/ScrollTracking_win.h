#pragma once
// What the mouse is doing to the skinned scroll bars. There is one mouse, so the process has one hot bar
// and one pressed bar; the timers of arrow repeat and hot tracking run on the window they belong to.
// The timers and the cursor go through a service that tests replace with their own clock.
#include <windows.h>

#include "skin/frame/scroll/ScrollBarLayout.h"

namespace qw {

inline constexpr UINT_PTR kScrollHotTimer = 0xFFF2;          // hot tracking, every 20 ms
inline constexpr UINT_PTR kScrollFirstRepeatTimer = 0xFFFD;  // the first repeat, 300 ms after the press
inline constexpr UINT_PTR kScrollRepeatTimer = 0xFFFE;       // the repeats after it, every 55 ms
inline constexpr UINT kScrollHotInterval = 20;
inline constexpr UINT kScrollFirstRepeatDelay = 300;
inline constexpr UINT kScrollRepeatInterval = 55;

struct TScrollTracking {
  // The bar under the mouse: its window, bar type (0 horizontal, 1 vertical, -1 none), the part under
  // the mouse and the bar's rectangle in window coordinates.
  HWND HotWindow = nullptr;
  int HotBar = -1;
  int HotPart = spNone;
  RECT HotRect{};
  // The bar the button went down on, the part pressed and whether the mouse is still over it, and the
  // scroll message that bar sends.
  HWND PressedWindow = nullptr;
  int PressedBar = -1;
  int PressedPart = spNone;
  bool PressedShown = false;
  UINT ScrollMessage = 0;
  // A thumb drag: the thumb's size and its place on the track, where it was grabbed (from its start),
  // the bar's rectangle and the last position sent.
  int ThumbSize = 0;
  int ThumbOffset = 0;
  int GrabOffset = 0;
  RECT BarRect{};
  int LastPos = 0;

  void ClearHot() {
    HotWindow = nullptr;
    HotBar = -1;
    HotPart = spNone;
    HotRect = RECT{};
  }
  void ClearPressed() {
    PressedWindow = nullptr;
    PressedBar = -1;
    PressedPart = spNone;
    PressedShown = false;
    ScrollMessage = 0;
  }
};

// The process's tracking state.
TScrollTracking& ScrollTracking();

// Timers and the cursor as the scroll bars use them.
class TScrollInput {
 public:
  virtual ~TScrollInput() = default;
  virtual void SetTimer(HWND wnd, UINT_PTR id, UINT milliseconds) { ::SetTimer(wnd, id, milliseconds, nullptr); }
  virtual void KillTimer(HWND wnd, UINT_PTR id) { ::KillTimer(wnd, id); }
  // The cursor in screen coordinates.
  virtual POINT CursorPos() {
    POINT p{};
    GetCursorPos(&p);
    return p;
  }
};

// The service in use: the system's unless a test put its own.
TScrollInput& ScrollInput();
// Puts a service in place (null: the system's again); returns the one it replaces.
TScrollInput* SetScrollInput(TScrollInput* input);

}  // namespace qw
