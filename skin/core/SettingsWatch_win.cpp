#include "skin/core/SettingsWatch_win.h"

#include "skin/data/SkinManager.h"

namespace qw {

namespace {

constexpr wchar_t kWatchClass[] = L"TqxSettingsWatch";

void RegisterWatchClass(WNDPROC proc) {
  static const bool registered = [proc] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kWatchClass;
    return RegisterClassW(&wc) != 0;
  }();
  (void)registered;
}

}  // namespace

TqxSettingsWatch::TqxSettingsWatch(TsSkinManager& manager) : FManager(manager) {
  RegisterWatchClass(&WatchWndProc);
  // Never shown; a popup rather than a message-only window, which broadcasts do not reach.
  FHandle = CreateWindowExW(WS_EX_TOOLWINDOW, kWatchClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (FHandle) SetWindowLongPtrW(FHandle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TqxSettingsWatch::~TqxSettingsWatch() {
  if (!FHandle) return;
  // Detached first: nothing the destruction sends reaches this object.
  SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0);
  DestroyWindow(FHandle);
  FHandle = nullptr;
}

LRESULT CALLBACK TqxSettingsWatch::WatchWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* watch = reinterpret_cast<TqxSettingsWatch*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  switch (msg) {
    case WM_SETTINGCHANGE:
      if (watch) watch->WMSettingChange();
      return 0;
    default:
      return DefWindowProcW(hwnd, msg, wParam, lParam);
  }
}

void TqxSettingsWatch::WMSettingChange() {
  if (!FManager.IsDestroying()) FManager.SystemSettingsChanged();
}

void WatchSystemSettings(TsSkinManager& manager) {
  for (int i = 0; i < manager.ComponentCount(); ++i)
    if (dynamic_cast<TqxSettingsWatch*>(manager.Components(i))) return;
  TComponent::Create<TqxSettingsWatch>(&manager, manager);
}

}  // namespace qw
