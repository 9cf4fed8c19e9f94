#include "app/Startup_win.h"

#include <shellapi.h>

#include "skin/data/SkinImages.h"
#include "fw/Picture.h"

namespace qw {

bool ShowVersionIfAsked(const std::vector<std::wstring>& args, const std::function<void(const std::wstring&)>& show) {
  for (std::wstring arg : args) {
    if (!arg.empty()) CharLowerBuffW(arg.data(), static_cast<DWORD>(arg.size()));
    if (arg == L"/qxver") {
      show(kEngineVersionText);
      return true;
    }
  }
  return false;
}

std::vector<std::wstring> CommandLineArguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> args;
  for (int i = 1; i < count; ++i) args.emplace_back(argv[i]);
  if (argv) LocalFree(argv);
  return args;
}

namespace {

TBitmap32 LoadShadow(const wchar_t* name) {
  TPicture picture;
  picture.LoadFromResource(name);
  TBitmap32 bitmap = picture.Bitmap().Clone();
  ClearTransparentWhite(bitmap);
  return bitmap;
}

FARPROC Lookup(const wchar_t* module, const char* name) {
  HMODULE handle = GetModuleHandleW(module);
  if (!handle) handle = LoadLibraryW(module);
  return handle ? GetProcAddress(handle, name) : nullptr;
}

}  // namespace

void RunEngineStartup(TEngineStartup& startup, const std::vector<std::wstring>& args,
                      const std::function<void(const std::wstring&)>& show) {
  OSVERSIONINFOW version{};
  version.dwOSVersionInfoSize = sizeof version;  // the 276-byte record
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  GetVersionExW(&version);
#pragma GCC diagnostic pop
  startup.IsNTFamily = version.dwPlatformId == VER_PLATFORM_WIN32_NT;
  startup.ShadowActive = LoadShadow(L"qxSHDA");
  startup.ShadowInactive = LoadShadow(L"qxSHDI");
  ShowVersionIfAsked(args, show);
  startup.UpdateLayeredWindow = Lookup(L"user32.dll", "UpdateLayeredWindow");
  startup.GradientFill = Lookup(L"msimg32.dll", "GradientFill");
  startup.GetScrollBarInfo = Lookup(L"user32.dll", "GetScrollBarInfo");
  startup.SetWindowTheme = Lookup(L"uxtheme.dll", "SetWindowTheme");
  if (version.dwMajorVersion >= 6) startup.DwmIsCompositionEnabled = Lookup(L"dwmapi.dll", "DwmIsCompositionEnabled");
}

}  // namespace qw
