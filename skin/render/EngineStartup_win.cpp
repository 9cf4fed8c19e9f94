#include "skin/render/EngineStartup_win.h"

#include <stdexcept>
#include <string>

#include "base/Utf.h"
#include "image/ImageDecoder.h"
#include "skin/data/SkinImages.h"

namespace qw {

namespace {

// Every function type converts through void(*)() without a cast warning: that type matches them all.
template <class TProc>
TProc As(FARPROC proc) {
  return reinterpret_cast<TProc>(reinterpret_cast<void (*)()>(proc));
}

TEngineStartup MakeEngineStartup() {
  TEngineStartup startup;
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;  // the 276-byte record
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  startup.IsNTFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  startup.MajorVersion = version.dwMajorVersion;
  startup.ShadowActive = LoadShadowPicture(L"qxSHDA");
  startup.ShadowInactive = LoadShadowPicture(L"qxSHDI");
  LookUpOptionalFunctions(startup, &SystemProcLookup);
  return startup;
}

}  // namespace

bool TEngineStartup::CompositionEnabled() const {
  BOOL enabled = FALSE;
  return DwmIsCompositionEnabled && SUCCEEDED(DwmIsCompositionEnabled(&enabled)) && enabled;
}

void LookUpOptionalFunctions(TEngineStartup& s, const TProcLookup& lookup) {
  s.UpdateLayeredWindow = As<TUpdateLayeredWindowProc>(lookup(L"user32.dll", "UpdateLayeredWindow"));
  s.GradientFill = As<TGradientFillProc>(lookup(L"msimg32.dll", "GradientFill"));
  s.GetScrollBarInfo = As<TGetScrollBarInfoProc>(lookup(L"user32.dll", "GetScrollBarInfo"));
  s.SetWindowTheme = As<TSetWindowThemeProc>(lookup(L"uxtheme.dll", "SetWindowTheme"));
  s.IsWow64Process = As<TIsWow64ProcessProc>(lookup(L"kernel32.dll", "IsWow64Process"));
  if (s.MajorVersion >= 6) {
    s.DwmIsCompositionEnabled = As<TDwmIsCompositionEnabledProc>(lookup(L"dwmapi.dll", "DwmIsCompositionEnabled"));
    s.DwmSetWindowAttribute = As<TDwmSetWindowAttributeProc>(lookup(L"dwmapi.dll", "DwmSetWindowAttribute"));
    s.DwmEnableBlurBehindWindow =
        As<TDwmEnableBlurBehindWindowProc>(lookup(L"dwmapi.dll", "DwmEnableBlurBehindWindow"));
  } else {
    s.DwmIsCompositionEnabled = nullptr;
    s.DwmSetWindowAttribute = nullptr;
    s.DwmEnableBlurBehindWindow = nullptr;
  }
  BOOL wow64 = FALSE;
  s.IsWow64 = s.IsWow64Process && s.IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
  s.Wow64NoGlow = s.IsWow64 && !s.CompositionEnabled();
}

TBitmap32 LoadShadowPicture(const wchar_t* resourceName) {
  const std::string what = "The shadow picture " + Utf16ToUtf8(reinterpret_cast<const char16_t*>(resourceName));
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC info = FindResourceW(module, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
  HGLOBAL global = info ? LoadResource(module, info) : nullptr;
  const auto* bytes = global ? static_cast<const uint8_t*>(LockResource(global)) : nullptr;
  if (!bytes) throw std::runtime_error(what + " is missing from the program.");
  try {
    TBitmap32 bitmap = DecodeImage(bytes, SizeofResource(module, info));
    ClearTransparentWhite(bitmap);
    return bitmap;
  } catch (const std::exception& e) {
    throw std::runtime_error(what + " cannot be read: " + e.what());
  }
}

const TEngineStartup& EngineStartup() {
  static const TEngineStartup startup = MakeEngineStartup();
  return startup;
}

}  // namespace qw
