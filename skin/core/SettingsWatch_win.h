#pragma once
// TqxSettingsWatch: hears the system's setting changes for a skin manager. WM_SETTINGCHANGE reaches
// top-level windows only, so the watch owns a hidden top-level window of its own and tells the manager
// (TsSkinManager::SystemSettingsChanged) of every change. The manager owns the watch.
#include <windows.h>

#include "base/Component.h"

namespace qw {

class TsSkinManager;

class TqxSettingsWatch : public TComponent {
 public:
  explicit TqxSettingsWatch(TsSkinManager& manager);
  ~TqxSettingsWatch() override;
  const char* ClassName() const override { return "TqxSettingsWatch"; }
  HWND Handle() const { return FHandle; }

 private:
  static LRESULT CALLBACK WatchWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void WMSettingChange();
  TsSkinManager& FManager;
  HWND FHandle = nullptr;
};

// The manager hears the system's setting changes from now on (a second call changes nothing).
void WatchSystemSettings(TsSkinManager& manager);

}  // namespace qw
