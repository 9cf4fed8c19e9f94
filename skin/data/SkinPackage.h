#pragma once
// Skin packages: the "VLzf" container that holds a skin's description and images, each member one zlib
// stream. The reader unpacks a whole package into memory; the writer makes the canonical form of one.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace qw {

class TSkinFileSystem;

// One image member of an unpacked package.
struct TqxImageItem {
  std::string FileName;             // the member name as stored (code-page bytes, case kept)
  bool IsBitmap = false;            // the upper-cased extension is ".BMP"
  std::vector<uint8_t> FileStream;  // the decompressed member bytes
};
using TqxImageItems = std::vector<TqxImageItem>;

// An unpacked package. Lives only while a skin is loading.
class TqxSkinConvertor {
 public:
  // The package bytes being read: either owned (loaded from a file) or borrowed (a stored skin's data).
  std::vector<uint8_t> OwnedPackedData;
  std::span<const uint8_t> PackedData;
  bool HasOptions = false;
  std::vector<uint8_t> Options;  // the decompressed "Options.dat"
  TqxImageItems Files;           // every other member, in package order
  int ImageCount = 0;            // member count minus 1
  int OptionsIndex = -1;         // the description's place among all members (for listings)
  std::string OptionsName;       // and its name as stored

  // Frees the members (last to first) and the description, then the package bytes.
  void Clear();
  // Points PackedData at borrowed bytes that stay owned by the caller.
  void BorrowPackedData(std::span<const uint8_t> bytes);
  // The first image member with index below ImageCount whose upper-cased name equals Name as written;
  // null when there is none.
  const TqxImageItem* FindImage(std::u16string_view name) const;
};

// Reads PackedData from its start and fills Options, Files and ImageCount. Raises ESkinError with
// "Loaded data is not a packed Velloran file" for a wrong magic and a clean error for every other
// damage (bad counts or sizes, corrupt or short zlib data, no "Options.dat"); the reader is then
// cleared. Bytes after the last member are ignored.
void UnpackSkinPackage(TqxSkinConvertor& reader);

// Loads the file, unpacks it into Reader (made when null, else cleared first) and, with DropPackedData,
// frees the package bytes afterwards. Does nothing when the file does not exist.
void LoadSkinPackageFile(TSkinFileSystem& fs, const std::u16string& fileName,
                         std::unique_ptr<TqxSkinConvertor>& reader, bool dropPackedData = true);

// Upper-cases the ASCII letters of a member or file name (names are compared this way).
std::string UpperName(std::string_view name);
std::u16string UpperName(std::u16string_view name);

// A member to be written into a package.
struct TPackageMember {
  std::string Name;
  std::vector<uint8_t> Data;
};

// Writes the members in the order given, each with zlib's default level. Tests use it to make packages
// of any shape.
std::vector<uint8_t> WriteSkinPackageRaw(const std::vector<TPackageMember>& members);
// The canonical package: "Options.dat" (any case) first, then the other members in byte order of their
// names, so the same folder always gives the same bytes.
std::vector<uint8_t> WriteSkinPackage(std::vector<TPackageMember> members);

// Upper limits that keep a damaged package from asking for absurd amounts of memory.
inline constexpr int32_t kMaxPackageMembers = 65536;
inline constexpr int64_t kMaxMemberSize = int64_t{256} << 20;
inline constexpr int64_t kMaxUnpackedTotal = int64_t{1} << 30;

}  // namespace qw
