// Where there is no Windows (tests, tools): paths use "/", boxes go to standard error and system colours
// are those of a default Windows 10.
#include <unistd.h>

#include <cctype>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "base/Utf.h"
#include "skin/data/SkinFileSystem.h"

namespace qw {

namespace {

bool SameNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

// Windows finds files whatever the case of their names; skins rely on it ("MASTER.BMP" for Master.bmp),
// so a path that does not exist as written is looked up part by part without regard to case.
std::filesystem::path NativeSkinPath(const std::u16string& path) {
  std::string s = Utf16ToUtf8(path);
  for (char& c : s)
    if (c == '\\') c = '/';
  std::filesystem::path p(s);
  std::error_code ec;
  if (s.empty() || std::filesystem::exists(p, ec)) return p;
  std::filesystem::path resolved = p.is_absolute() ? p.root_path() : std::filesystem::path(".");
  for (const std::filesystem::path& part : p.relative_path()) {
    std::filesystem::path next = resolved / part;
    if (!std::filesystem::exists(next, ec)) {
      for (std::filesystem::directory_iterator it(resolved, ec), end; !ec && it != end; it.increment(ec))
        if (SameNoCase(it->path().filename().string(), part.string())) {
          next = it->path();
          break;
        }
    }
    resolved = next;
  }
  return p.is_absolute() ? resolved : resolved.lexically_relative(".");
}

std::u16string FromNativeSkinName(const std::filesystem::path& name) { return Utf8ToUtf16(name.string()); }

std::u16string PlatformProgramFolder() {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return u"./";
  return Utf8ToUtf16(exe.parent_path().string() + "/");
}

namespace {

class TConsoleMessages final : public TSkinMessages {
 public:
  void ErrorBox(const std::u16string& text) override { std::cerr << "Error: " << Utf16ToUtf8(text) << '\n'; }
  void WarningBox(const std::u16string& text) override {
    std::cerr << "Warning: " << Utf16ToUtf8(text) << '\n';
  }
  void InfoBox(const std::u16string& text) override { std::cerr << Utf16ToUtf8(text) << '\n'; }
};

class TPosixSkinSystem final : public TSkinSystem {
 public:
  uint32_t SysColor(int index) override { return DefaultSysColor(index); }
  int FrameWidth() override { return 4; }
  std::vector<std::u16string> CommandLineArgs() override { return {}; }
  uint32_t TickCount() override {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint32_t>(static_cast<uint64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000);
  }
};

}  // namespace

TSkinMessages& SystemSkinMessages() {
  static TConsoleMessages m;
  return m;
}

TSkinSystem& SystemSkinSystem() {
  static TPosixSkinSystem s;
  return s;
}

}  // namespace qw
