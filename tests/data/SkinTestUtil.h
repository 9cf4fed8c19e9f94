#pragma once
// Fakes and skin makers for the skin data tests: every skin a test uses is built by the test itself.
#include <map>
#include <string>
#include <vector>

#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinPackage.h"
#include "image/Bitmap32.h"
#include "image/PngWriter.h"
#include "tests/support/JpegEncode.h"

namespace qw::test {

inline std::vector<uint8_t> Bytes(std::string_view s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// A Windows-like file system in memory: "\" and "/" are the same, names compare without case.
class TFakeFileSystem final : public TSkinFileSystem {
 public:
  std::map<std::u16string, std::vector<uint8_t>> Files;  // by normalised path
  std::map<std::u16string, std::u16string> Dirs;         // normalised path -> path as created
  std::u16string Program = u"C:\\App\\Bin\\";
  int Reads = 0;

  static std::u16string Norm(std::u16string p) {
    for (char16_t& c : p) {
      if (c == u'/') c = u'\\';
      if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    while (p.size() > 3 && p.back() == u'\\') p.pop_back();
    return p;
  }
  void AddDir(const std::u16string& path) {
    std::u16string p = path;
    while (!p.empty()) {
      Dirs[Norm(p)] = p;
      size_t slash = p.find_last_of(u"\\/");
      if (slash == std::u16string::npos || slash < 3) break;
      p.resize(slash);
    }
  }
  void Add(const std::u16string& path, std::vector<uint8_t> data) {
    size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string::npos) AddDir(path.substr(0, slash));
    Files[Norm(path)] = std::move(data);
  }
  bool FileExists(const std::u16string& path) override { return Files.count(Norm(path)) != 0; }
  bool DirectoryExists(const std::u16string& path) override { return Dirs.count(Norm(path)) != 0; }
  bool ForceDirectories(const std::u16string& path) override {
    if (path.starts_with(u"Z:")) return false;  // a drive that refuses writes
    AddDir(path);
    return true;
  }
  std::optional<std::vector<uint8_t>> ReadFile(const std::u16string& path) override {
    ++Reads;
    auto it = Files.find(Norm(path));
    if (it == Files.end()) return std::nullopt;
    return it->second;
  }
  bool WriteFile(const std::u16string& path, const std::vector<uint8_t>& bytes) override {
    size_t slash = path.find_last_of(u"\\/");
    if (slash != std::u16string::npos && !DirectoryExists(path.substr(0, slash))) return false;
    Files[Norm(path)] = bytes;
    return true;
  }
  std::vector<TSkinDirEntry> ListDirectory(const std::u16string& path) override {
    std::vector<TSkinDirEntry> out{{u".", true}, {u"..", true}};
    std::u16string base = Norm(path) + u"\\";
    for (auto& [k, v] : Dirs)
      if (k.starts_with(base) && k.find(u'\\', base.size()) == std::u16string::npos)
        out.push_back({v.substr(v.find_last_of(u"\\/") + 1), true});
    for (auto& [k, v] : Files)
      if (k.starts_with(base) && k.find(u'\\', base.size()) == std::u16string::npos)
        out.push_back({OriginalNames.count(k) ? OriginalNames[k] : k.substr(base.size()), false});
    return out;
  }
  std::u16string ProgramFolder() override { return Program; }
  // Case-kept names for listings.
  void AddNamed(const std::u16string& path, std::vector<uint8_t> data) {
    Add(path, std::move(data));
    OriginalNames[Norm(path)] = path.substr(path.find_last_of(u"\\/") + 1);
  }
  std::map<std::u16string, std::u16string> OriginalNames;
};

class TFakeMessages final : public TSkinMessages {
 public:
  std::vector<std::u16string> Errors, Warnings, Infos;
  void ErrorBox(const std::u16string& t) override { Errors.push_back(t); }
  void WarningBox(const std::u16string& t) override { Warnings.push_back(t); }
  void InfoBox(const std::u16string& t) override { Infos.push_back(t); }
};

class TFakeSystem final : public TSkinSystem {
 public:
  std::vector<std::u16string> Args;
  // Distinct, recognisable values: 0x0A0B00 + index.
  uint32_t SysColor(int index) override { return 0x0A0B00u + static_cast<uint32_t>(index); }
  int FrameWidth() override { return 4; }
  std::vector<std::u16string> CommandLineArgs() override { return Args; }
  uint32_t TickCount() override { return 12345; }
  bool Contrast = false;
  bool HighContrast() override { return Contrast; }
};

// A 24-bit bottom-up BMP file of the given pixels (0x00RRGGBB words).
inline std::vector<uint8_t> MakeBmp24(int w, int h, const std::vector<uint32_t>& px) {
  int stride = (w * 3 + 3) & ~3;
  uint32_t size = 54 + static_cast<uint32_t>(stride * h);
  std::vector<uint8_t> b(size, 0);
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + i] = static_cast<uint8_t>(v >> (8 * i));
  };
  b[0] = 'B';
  b[1] = 'M';
  put32(2, size);
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  b[26] = 1;
  b[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint32_t p = px[static_cast<size_t>(y * w + x)];
      size_t at = 54 + static_cast<size_t>((h - 1 - y) * stride + x * 3);
      b[at] = static_cast<uint8_t>(p);
      b[at + 1] = static_cast<uint8_t>(p >> 8);
      b[at + 2] = static_cast<uint8_t>(p >> 16);
    }
  return b;
}

inline std::vector<uint8_t> MakeBmp24(int w, int h, uint32_t fill) {
  return MakeBmp24(w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), fill));
}

inline std::vector<uint8_t> MakePng(int w, int h, uint32_t pixel) {
  TBitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = pixel;
  return EncodePng(b);
}

// A grey baseline JPEG of the given size, quality 50.
inline std::vector<uint8_t> MakeJpeg(int w, int h) {
  return EncodeJpeg(w, h, JCS_GRAYSCALE, 1, [](int, int, uint8_t* px) { *px = 128; }, true, 50);
}

// A small but complete skin: a 60 x 30 master bitmap with a magenta corner, a PNG glyph, a separate
// bitmap and sections that use inheritance.
inline std::string SampleDescription(const std::string& version = "8.00") {
  return "; a test skin\r\n"
         "[GLOBALINFO]\r\n"
         "MASTERBITMAP=MASTER.BMP\r\n"
         "VERSION=" + version + "\r\n"
         "AUTHOR=Test Author\r\n"
         "COLOR=16777215\r\n"
         "FONTCOLOR=255\r\n"
         "HOTCOLOR=14330112\r\n"
         "BOXCHECKED=@0026@0011@0039@0024@1@0\r\n"
         "BICONCLOSEGLOW0=!CLOSE.PNG!1!0!4!0000!0000!0000!0000!0\r\n"
         "[BUTTON]\r\n"
         "COLOR=255\r\n"
         "STATES=4\r\n"
         "BORDERSMASK=^0000^0000^0030^0010^0001^0001^0001^0001^3^0^1^1\r\n"
         "[BUTTON_HUGE]\r\n"
         "PARENTCLASS=BUTTON\r\n"
         "BORDERSMASK=BUTTONHUGE.BMP\r\n"
         "[EDIT]\r\n"
         "STATES=2\r\n"
         "COLOR=16777215\r\n"
         "FONTCOLOR=0\r\n"
         "BORDERSMASK=^0051^0004^0057^0007^0001^0001^0001^0001^2^0^1^1\r\n";
}

inline std::vector<uint8_t> SampleMaster() {
  std::vector<uint32_t> px(60 * 30, 0x00336699);
  px[0] = 0x00FF00FF;  // a key pixel in the top-left corner of BUTTON's border
  return MakeBmp24(60, 30, px);
}

inline std::vector<TPackageMember> SampleMembers(const std::string& version = "8.00") {
  return {{"Options.dat", Bytes(SampleDescription(version))},
          {"Master.bmp", SampleMaster()},
          {"Close.png", MakePng(4, 2, 0x80FF0000u)},
          {"ButtonHuge.BMP", MakeBmp24(18, 12, 0x00808080)}};
}

}  // namespace qw::test
