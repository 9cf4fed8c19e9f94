// The Win32 side of the skin data's platform services.
#include <windows.h>

#include <filesystem>

#include "base/CommandLine.h"
#include "skin/data/SkinFileSystem.h"

namespace qw {

std::filesystem::path NativeSkinPath(const std::u16string& path) {
  return std::filesystem::path(std::wstring(path.begin(), path.end()));
}

std::u16string FromNativeSkinName(const std::filesystem::path& name) {
  std::wstring w = name.wstring();
  return std::u16string(w.begin(), w.end());
}

std::u16string PlatformProgramFolder() {
  wchar_t buf[MAX_PATH * 4];
  DWORD n = GetModuleFileNameW(nullptr, buf, static_cast<DWORD>(std::size(buf)));
  std::u16string path(reinterpret_cast<const char16_t*>(buf), n);
  size_t slash = path.find_last_of(u"\\/");
  return slash == std::u16string::npos ? std::u16string(u".\\") : path.substr(0, slash + 1);
}

namespace {

const wchar_t* W(const std::u16string& s) { return reinterpret_cast<const wchar_t*>(s.c_str()); }

class TWinMessages final : public TSkinMessages {
 public:
  void ErrorBox(const std::u16string& text) override {
    MessageBoxW(GetActiveWindow(), W(text), L"Error", MB_OK | MB_ICONERROR);
  }
  void WarningBox(const std::u16string& text) override {
    MessageBoxW(GetActiveWindow(), W(text), L"Warning", MB_OK | MB_ICONWARNING);
  }
  void InfoBox(const std::u16string& text) override {
    MessageBoxW(GetActiveWindow(), W(text), L"Information", MB_OK);
  }
};

class TWinSkinSystem final : public TSkinSystem {
 public:
  uint32_t SysColor(int index) override { return GetSysColor(index); }
  int FrameWidth() override { return GetSystemMetrics(SM_CXFRAME); }
  std::vector<std::u16string> CommandLineArgs() override {
    return CommandLineArguments(reinterpret_cast<const char16_t*>(GetCommandLineW()));
  }
  uint32_t TickCount() override { return GetTickCount(); }
  bool HighContrast() override {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  }
};

}  // namespace

TSkinMessages& SystemSkinMessages() {
  static TWinMessages m;
  return m;
}

TSkinSystem& SystemSkinSystem() {
  static TWinSkinSystem s;
  return s;
}

}  // namespace qw
