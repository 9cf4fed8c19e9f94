#include "skin/data/SkinFileSystem.h"

#include <filesystem>
#include <fstream>
#include <system_error>

namespace qw {

// The platform's own spelling of a program path (SkinPlatform_*.cpp).
std::filesystem::path NativeSkinPath(const std::u16string& path);
std::u16string FromNativeSkinName(const std::filesystem::path& name);
std::u16string PlatformProgramFolder();

namespace {

namespace fsys = std::filesystem;

class TStdSkinFileSystem final : public TSkinFileSystem {
 public:
  bool FileExists(const std::u16string& path) override {
    std::error_code ec;
    return !path.empty() && fsys::is_regular_file(NativeSkinPath(path), ec);
  }
  bool DirectoryExists(const std::u16string& path) override {
    std::error_code ec;
    return !path.empty() && fsys::is_directory(NativeSkinPath(path), ec);
  }
  bool ForceDirectories(const std::u16string& path) override {
    std::error_code ec;
    fsys::path p = NativeSkinPath(path);
    fsys::create_directories(p, ec);
    return fsys::is_directory(p, ec);
  }
  std::optional<std::vector<uint8_t>> ReadFile(const std::u16string& path) override {
    std::ifstream in(NativeSkinPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::vector<uint8_t> bytes;
    in.seekg(0, std::ios::end);
    std::streamoff size = in.tellg();
    if (size < 0) return std::nullopt;
    in.seekg(0, std::ios::beg);
    bytes.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
  }
  bool WriteFile(const std::u16string& path, const std::vector<uint8_t>& bytes) override {
    std::ofstream out(NativeSkinPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out.flush());
  }
  std::vector<TSkinDirEntry> ListDirectory(const std::u16string& path) override {
    std::vector<TSkinDirEntry> entries;
    std::error_code ec;
    for (fsys::directory_iterator it(NativeSkinPath(path), ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code ec2;
      entries.push_back({FromNativeSkinName(it->path().filename()), it->is_directory(ec2)});
    }
    return entries;
  }
  std::u16string ProgramFolder() override { return PlatformProgramFolder(); }
};

}  // namespace

TSkinFileSystem& SystemSkinFileSystem() {
  static TStdSkinFileSystem fs;
  return fs;
}

uint32_t DefaultSysColor(int index) {
  // COLOR_SCROLLBAR .. COLOR_MENUBAR of a fresh Windows 10.
  static const uint32_t kColors[31] = {
      0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000, 0x000000,
      0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0, 0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000,
      0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000, 0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xFF9933,
      0xF0F0F0};
  return index >= 0 && index < 31 ? kColors[index] : 0;
}

}  // namespace qw
