#include "skin/data/SkinPackage.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "skin/data/CodePage.h"
#include "skin/data/SkinError.h"
#include "skin/data/SkinFileSystem.h"

namespace qw {

namespace {

const char kBadMagic[] = "Loaded data is not a packed Velloran file";

[[noreturn]] void Damaged(const std::string& why) { throw ESkinError("Skin package is damaged: " + why + "."); }

// Reads the little-endian fields of a package without ever stepping past its end.
class TPackageCursor {
 public:
  explicit TPackageCursor(std::span<const uint8_t> data) : FData(data) {}
  size_t Remaining() const { return FData.size() - FPos; }
  size_t Position() const { return FPos; }
  const uint8_t* Here() const { return FData.data() + FPos; }
  void Skip(size_t n) { FPos += n; }
  int32_t ReadInt32(const char* what) {
    if (Remaining() < 4) Damaged(std::string("it ends inside ") + what);
    uint32_t v = uint32_t{FData[FPos]} | uint32_t{FData[FPos + 1]} << 8 | uint32_t{FData[FPos + 2]} << 16 |
                 uint32_t{FData[FPos + 3]} << 24;
    FPos += 4;
    return static_cast<int32_t>(v);
  }

 private:
  std::span<const uint8_t> FData;
  size_t FPos = 0;
};

// Inflates one member's zlib stream, which must produce exactly Size bytes and end there. Returns the
// number of input bytes the stream took. Memory grows with the output actually produced, so a size that
// lies costs nothing.
size_t InflateMember(const uint8_t* in, size_t inSize, size_t size, std::vector<uint8_t>& out,
                     const std::string& name) {
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK) throw ESkinError("Skin package cannot be read: out of memory.");
  out.clear();
  out.reserve(std::min<size_t>(size, size_t{4} << 20));
  zs.next_in = const_cast<Bytef*>(in);
  // zlib counts input in 32-bit units; members are far smaller than that, the rest is never needed.
  zs.avail_in = static_cast<uInt>(std::min<size_t>(inSize, 0x7FFFFFFF));
  uint8_t chunk[65536];
  int rc = Z_OK;
  while (rc != Z_STREAM_END) {
    zs.next_out = chunk;
    zs.avail_out = sizeof chunk;
    rc = inflate(&zs, Z_NO_FLUSH);
    size_t produced = sizeof chunk - zs.avail_out;
    if (out.size() + produced > size) {
      inflateEnd(&zs);
      Damaged("member \"" + name + "\" holds more bytes than its stated size");
    }
    out.insert(out.end(), chunk, chunk + produced);
    if (rc == Z_STREAM_END) break;
    if (rc == Z_BUF_ERROR && zs.avail_in == 0) {
      inflateEnd(&zs);
      Damaged("member \"" + name + "\" is cut short");
    }
    if (rc != Z_OK && rc != Z_BUF_ERROR) {
      std::string msg = zs.msg ? zs.msg : "zlib error";
      inflateEnd(&zs);
      Damaged("member \"" + name + "\": " + msg);
    }
  }
  size_t used = zs.total_in;
  inflateEnd(&zs);
  if (out.size() != size) Damaged("member \"" + name + "\" holds fewer bytes than its stated size");
  return used;
}

bool IsOptionsName(std::string_view name) { return UpperName(name) == "OPTIONS.DAT"; }

bool HasBmpExtension(std::string_view name) {
  size_t dot = name.rfind('.');
  return dot != std::string_view::npos && UpperName(name.substr(dot)) == ".BMP";
}

void AppendInt32(std::vector<uint8_t>& out, int32_t v) {
  uint32_t u = static_cast<uint32_t>(v);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(u >> (8 * i)));
}

}  // namespace

std::string UpperName(std::string_view name) {
  std::string s(name);
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::u16string UpperName(std::u16string_view name) {
  std::u16string s(name);
  for (char16_t& c : s)
    if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  return s;
}

void TqxSkinConvertor::Clear() {
  while (!Files.empty()) Files.pop_back();
  Options.clear();
  Options.shrink_to_fit();
  HasOptions = false;
  OptionsIndex = -1;
  OptionsName.clear();
  ImageCount = 0;
  PackedData = {};
  OwnedPackedData.clear();
  OwnedPackedData.shrink_to_fit();
}

void TqxSkinConvertor::BorrowPackedData(std::span<const uint8_t> bytes) {
  OwnedPackedData.clear();
  PackedData = bytes;
}

const TqxImageItem* TqxSkinConvertor::FindImage(std::u16string_view name) const {
  size_t limit = std::min<size_t>(Files.size(), static_cast<size_t>(std::max(ImageCount, 0)));
  for (size_t i = 0; i < limit; ++i)
    if (UpperName(CodePageToUtf16(Files[i].FileName)) == name) return &Files[i];
  return nullptr;
}

void UnpackSkinPackage(TqxSkinConvertor& reader) {
  std::span<const uint8_t> data = reader.PackedData;
  try {
    if (data.size() < 4 || std::memcmp(data.data(), "VLzf", 4) != 0) throw ESkinError(kBadMagic);
    TPackageCursor cur(data);
    cur.Skip(4);
    int32_t count = cur.ReadInt32("the member count");
    // Every member takes at least its two counts and a zlib stream of eight bytes.
    if (count <= 0 || count > kMaxPackageMembers || static_cast<size_t>(count) > cur.Remaining() / 16)
      Damaged("its member count " + std::to_string(count) + " is impossible");
    reader.ImageCount = count - 1;
    int64_t total = 0;
    for (int32_t i = 0; i < count; ++i) {
      int32_t nameLength = cur.ReadInt32("a member's name length");
      if (nameLength < 0 || static_cast<size_t>(nameLength) > cur.Remaining())
        Damaged("member " + std::to_string(i + 1) + " has an impossible name length");
      std::string name(reinterpret_cast<const char*>(cur.Here()), static_cast<size_t>(nameLength));
      cur.Skip(static_cast<size_t>(nameLength));
      int32_t size = cur.ReadInt32("a member's size");
      if (size < 0 || size > kMaxMemberSize || total + size > kMaxUnpackedTotal)
        Damaged("member \"" + name + "\" has an impossible size");
      total += size;
      std::vector<uint8_t> bytes;
      cur.Skip(InflateMember(cur.Here(), cur.Remaining(), static_cast<size_t>(size), bytes, name));
      if (IsOptionsName(name)) {
        reader.Options = std::move(bytes);
        reader.HasOptions = true;
        reader.OptionsIndex = i;
        reader.OptionsName = name;
      } else {
        reader.Files.push_back(TqxImageItem{name, HasBmpExtension(name), std::move(bytes)});
      }
    }
    if (!reader.HasOptions) throw ESkinError("Skin package has no Options.dat.");
  } catch (...) {
    reader.Clear();
    throw;
  }
}

void LoadSkinPackageFile(TSkinFileSystem& fs, const std::u16string& fileName,
                         std::unique_ptr<TqxSkinConvertor>& reader, bool dropPackedData) {
  if (!fs.FileExists(fileName)) return;
  if (reader)
    reader->Clear();
  else
    reader = std::make_unique<TqxSkinConvertor>();
  auto bytes = fs.ReadFile(fileName);
  if (!bytes) throw ESkinError("Skin package cannot be read.");
  reader->OwnedPackedData = std::move(*bytes);
  reader->PackedData = reader->OwnedPackedData;
  try {
    UnpackSkinPackage(*reader);
  } catch (...) {
    reader.reset();
    throw;
  }
  if (dropPackedData) {
    reader->PackedData = {};
    reader->OwnedPackedData.clear();
    reader->OwnedPackedData.shrink_to_fit();
  }
}

std::vector<uint8_t> WriteSkinPackageRaw(const std::vector<TPackageMember>& members) {
  std::vector<uint8_t> out{'V', 'L', 'z', 'f'};
  AppendInt32(out, static_cast<int32_t>(members.size()));
  for (const TPackageMember& m : members) {
    AppendInt32(out, static_cast<int32_t>(m.Name.size()));
    out.insert(out.end(), m.Name.begin(), m.Name.end());
    AppendInt32(out, static_cast<int32_t>(m.Data.size()));
    uLongf packedSize = compressBound(static_cast<uLong>(m.Data.size()));
    size_t at = out.size();
    out.resize(at + packedSize);
    if (compress2(out.data() + at, &packedSize, m.Data.data(), static_cast<uLong>(m.Data.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
      throw ESkinError("Skin package cannot be written: out of memory.");
    out.resize(at + packedSize);
  }
  return out;
}

std::vector<uint8_t> WriteSkinPackage(std::vector<TPackageMember> members) {
  std::stable_sort(members.begin(), members.end(), [](const TPackageMember& a, const TPackageMember& b) {
    bool ao = IsOptionsName(a.Name), bo = IsOptionsName(b.Name);
    if (ao != bo) return ao;
    return a.Name < b.Name;
  });
  return WriteSkinPackageRaw(members);
}

}  // namespace qw
