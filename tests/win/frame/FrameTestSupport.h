#pragma once
// Helpers for the wrapper and scroll-bar window tests: a hook that records what reaches a framework
// control behind a wrapper, a subclass that does the same for a foreign window, a clock for the scroll
// bars' timers that the test drives, and window pixels read back from the screen.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "fw/Control.h"
#include "image/Bitmap32.h"
#include "skin/frame/scroll/ScrollTracking_win.h"

namespace qw::test {

// One message as a recorder saw it.
struct TSeen {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

// Stands in the chain of a framework control and records the messages it is asked to record.
class TRecorderHook final : public TWindowProcHook {
 public:
  // BehindOthers: records what reaches the control itself, behind the hooks (wrappers) already there.
  TRecorderHook(TControl& control, std::vector<UINT> watched, bool behindOthers = false)
      : FControl(&control), FWatched(std::move(watched)) {
    control.AddWindowProcHook(this, behindOthers);
  }
  ~TRecorderHook() {
    if (FControl) FControl->RemoveWindowProcHook(this);
  }
  TRecorderHook(const TRecorderHook&) = delete;
  TRecorderHook& operator=(const TRecorderHook&) = delete;

  std::vector<TSeen> Seen;
  // Scroll codes of the recorded scroll messages, in order.
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const TSeen& s : Seen)
      if (s.Msg == WM_VSCROLL || s.Msg == WM_HSCROLL) codes.push_back(LOWORD(s.WParam));
    return codes;
  }

 private:
  void HookedWindowProc(TControl& control, TMessage& message) override {
    for (UINT m : FWatched)
      if (m == message.Msg) Seen.push_back(TSeen{message.Msg, message.WParam, message.LParam});
    control.CallNextWindowProc(this, message);
  }
  void HookedControlDestroyed(TControl&) override { FControl = nullptr; }

  TControl* FControl;
  std::vector<UINT> FWatched;
};

// The same for a window without a framework control: a link of the system's subclass chain.
class TRecorderSubclass {
 public:
  TRecorderSubclass(HWND wnd, std::vector<UINT> watched) : FWnd(wnd), FWatched(std::move(watched)) {
    SetWindowSubclass(wnd, &Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
  }
  ~TRecorderSubclass() {
    if (IsWindow(FWnd)) RemoveWindowSubclass(FWnd, &Proc, reinterpret_cast<UINT_PTR>(this));
  }
  TRecorderSubclass(const TRecorderSubclass&) = delete;
  TRecorderSubclass& operator=(const TRecorderSubclass&) = delete;

  std::vector<TSeen> Seen;
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const TSeen& s : Seen)
      if (s.Msg == WM_VSCROLL || s.Msg == WM_HSCROLL) codes.push_back(LOWORD(s.WParam));
    return codes;
  }

 private:
  static LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR ref) {
    auto* self = reinterpret_cast<TRecorderSubclass*>(ref);
    for (UINT m : self->FWatched)
      if (m == msg) self->Seen.push_back(TSeen{msg, wParam, lParam});
    return DefSubclassProc(wnd, msg, wParam, lParam);
  }
  HWND FWnd;
  std::vector<UINT> FWatched;
};

// The scroll bars' timers and cursor under the test's control: timers are recorded (and, with
// ForwardTimers, also started for real), the cursor is where the test puts it.
class TFakeScrollInput final : public TScrollInput {
 public:
  struct TCall {
    bool Set;
    UINT_PTR Id;
    UINT Milliseconds;
    friend bool operator==(const TCall&, const TCall&) = default;
  };
  TFakeScrollInput() { FOld = SetScrollInput(this); }
  ~TFakeScrollInput() override { SetScrollInput(FOld); }
  TFakeScrollInput(const TFakeScrollInput&) = delete;
  TFakeScrollInput& operator=(const TFakeScrollInput&) = delete;

  std::vector<TCall> Calls;
  POINT Cursor{};
  bool ForwardTimers = false;

  void SetTimer(HWND wnd, UINT_PTR id, UINT ms) override {
    Calls.push_back(TCall{true, id, ms});
    if (ForwardTimers) TScrollInput::SetTimer(wnd, id, ms);
  }
  void KillTimer(HWND wnd, UINT_PTR id) override {
    Calls.push_back(TCall{false, id, 0});
    TScrollInput::KillTimer(wnd, id);
  }
  POINT CursorPos() override { return Cursor; }
  bool WasSet(UINT_PTR id, UINT ms) const {
    for (const TCall& c : Calls)
      if (c.Set && c.Id == id && c.Milliseconds == ms) return true;
    return false;
  }
  bool WasKilled(UINT_PTR id) const {
    for (const TCall& c : Calls)
      if (!c.Set && c.Id == id) return true;
    return false;
  }

 private:
  TScrollInput* FOld = nullptr;
};

// The whole window (frame included) as it is on the screen.
inline TBitmap32 GrabWindow(HWND wnd) {
  RECT wr{};
  GetWindowRect(wnd, &wr);
  TBitmap32 bmp(wr.right - wr.left, wr.bottom - wr.top);
  HDC source = GetWindowDC(wnd);
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(memory, static_cast<HBITMAP>(bmp.NativeHandle()));
  BitBlt(memory, 0, 0, bmp.Width(), bmp.Height(), source, 0, 0, SRCCOPY);
  SelectObject(memory, old);
  DeleteDC(memory);
  ReleaseDC(wnd, source);
  return bmp;
}

inline uint32_t Rgb(const TBitmap32& bmp, int x, int y) { return bmp.At(x, y) & 0x00FFFFFFu; }

// Counts the picture windows (fades, covers) made on this thread while it lives.
class TPictureWindowCount {
 public:
  TPictureWindowCount() {
    FInstance = this;
    FHook = SetWindowsHookExW(WH_CBT, HookProc, nullptr, GetCurrentThreadId());
  }
  ~TPictureWindowCount() {
    UnhookWindowsHookEx(FHook);
    FInstance = nullptr;
  }
  int Made = 0;

 private:
  static LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
    wchar_t cls[64] = {};
    if (code == HCBT_CREATEWND && FInstance && GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 64) &&
        std::wstring(cls) == L"QxPictureWindow")
      ++FInstance->Made;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline TPictureWindowCount* FInstance = nullptr;
  HHOOK FHook;
};

}  // namespace qw::test
