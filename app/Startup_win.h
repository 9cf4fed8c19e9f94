#pragma once
// What the skin engine does when the process starts, before the window exists: note the system's
// version, decode the two shadow pictures, honour "/qxver", and look up the optional system functions.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "image/Bitmap32.h"

namespace qw {

struct TEngineStartup {
  bool IsNTFamily = false;
  TBitmap32 ShadowActive;    // "qxSHDA"
  TBitmap32 ShadowInactive;  // "qxSHDI"
  // Optional functions; null where the system lacks them (their features stay off).
  FARPROC UpdateLayeredWindow = nullptr;
  FARPROC GradientFill = nullptr;
  FARPROC GetScrollBarInfo = nullptr;
  FARPROC SetWindowTheme = nullptr;
  FARPROC DwmIsCompositionEnabled = nullptr;
};

// The engine's version text shown by "/qxver".
inline constexpr wchar_t kEngineVersionText[] = L"Tarnwick v8.10";

// Shows the version once when any argument is "/qxver" in any case; returns whether it did.
bool ShowVersionIfAsked(const std::vector<std::wstring>& args, const std::function<void(const std::wstring&)>& show);

// The arguments after the program's name.
std::vector<std::wstring> CommandLineArguments();

// Runs the start-up. A missing or undecodable shadow picture is a fault of the program image and throws.
void RunEngineStartup(TEngineStartup& startup, const std::vector<std::wstring>& args,
                      const std::function<void(const std::wstring&)>& show);

}  // namespace qw
