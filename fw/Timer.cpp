#include "fw/Timer.h"

#include "fw/Application.h"

namespace qw {

namespace {
constexpr wchar_t kTimerClass[] = L"FwTimerWindow";
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TTimer::~TTimer() {
  if (!FWindow) return;
  // Detached before it goes: a tick already queued, or anything sent while the window is destroyed,
  // finds no timer behind it.
  KillTimer(FWindow, kTimerId);
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
}

LRESULT CALLBACK TTimer::TimerWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* timer = reinterpret_cast<TTimer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!timer) return DefWindowProcW(hwnd, msg, wParam, lParam);
  switch (msg) {
    case WM_TIMER:
      timer->WMTimer(static_cast<UINT_PTR>(wParam));
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void TTimer::WMTimer(UINT_PTR id) {
  if (id == kTimerId) CallGuarded([this] { Timer(); });
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}

void TTimer::SetEnabled(bool enabled) {
  FEnabled = enabled;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned interval) {
  FInterval = interval;
  UpdateTimer();
}

void TTimer::SetOnTimer(TNotifyEvent handler) {
  FOnTimer = std::move(handler);
  UpdateTimer();
}

void TTimer::Timer() { CallEvent(FOnTimer, this); }

void TTimer::UpdateTimer() {
  if (IsLoading()) return;
  const bool run = FEnabled && FInterval > 0 && FOnTimer;
  if (run && !FWindow) {
    static bool registered = false;
    if (!registered) {
      WNDCLASSW wc{};
      wc.lpfnWndProc = TimerWndProc;
      wc.hInstance = GetModuleHandleW(nullptr);
      wc.lpszClassName = kTimerClass;
      RegisterClassW(&wc);
      registered = true;
    }
    FWindow = CreateWindowExW(0, kTimerClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (!FWindow) return;
  if (run) FRunning = SetTimer(FWindow, kTimerId, FInterval, nullptr) != 0;
  else if (FRunning) {
    KillTimer(FWindow, kTimerId);
    FRunning = false;
  }
}

}  // namespace qw
