#pragma once
// A window-message timer: OnTimer runs on the user-interface thread every Interval milliseconds while
// Enabled. It owns a small message-only window that receives the WM_TIMER messages.
#include <windows.h>

#include "base/Component.h"

namespace qw {

class TTimer : public TComponent {
 public:
  TTimer() = default;
  ~TTimer() override;
  const char* ClassName() const override { return "TTimer"; }
  void Loaded() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool enabled);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned interval);
  void SetOnTimer(TNotifyEvent handler);
  // Runs OnTimer once, as a tick does.
  void Timer();
  // The window that receives the ticks (tests send WM_TIMER to it).
  HWND Handle() const { return FWindow; }

 private:
  static LRESULT CALLBACK TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void WMTimer(UINT_PTR id);
  void UpdateTimer();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  HWND FWindow = nullptr;
  bool FRunning = false;
};

}  // namespace qw
