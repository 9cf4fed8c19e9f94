#pragma once
// Building a skin's tables from its description and images, in the loader's order.
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/SkinDescription.h"
#include "skin/data/SkinImages.h"
#include "skin/data/SkinTables.h"

namespace qw {

class TSkinFileSystem;
class TSkinSystem;
class TqxSkinConvertor;

// Where a skin's images come from: the members of an unpacked package, or the files of a skin folder.
class TSkinImageSource {
 public:
  virtual ~TSkinImageSource() = default;
  // The bytes of the image named as the description gives it; false when there is no such image.
  virtual bool Find(const std::u16string& name, std::vector<uint8_t>& scratch, std::span<const uint8_t>& bytes) = 0;
};

// Members are found by upper-cased member name equal to the name as written.
class TPackageImageSource final : public TSkinImageSource {
 public:
  explicit TPackageImageSource(const TqxSkinConvertor& reader) : FReader(reader) {}
  bool Find(const std::u16string& name, std::vector<uint8_t>& scratch, std::span<const uint8_t>& bytes) override;

 private:
  const TqxSkinConvertor& FReader;
};

// Files are the name prefixed with the skin's folder unless the name holds ":".
class TFolderImageSource final : public TSkinImageSource {
 public:
  TFolderImageSource(TSkinFileSystem& fs, std::u16string skinPath) : FFs(fs), FSkinPath(std::move(skinPath)) {}
  bool Find(const std::u16string& name, std::vector<uint8_t>& scratch, std::span<const uint8_t>& bytes) override;

 private:
  TSkinFileSystem& FFs;
  std::u16string FSkinPath;
};

// What building needs beyond the description and its images.
struct TSkinBuildContext {
  TSkinSystem* System = nullptr;
  TsSkinManager* Manager = nullptr;              // written into every mask
  TSkinImageDecoder Decode = &DecodeSkinImage;   // tests may fake it
  std::function<void(double)> CheckVersion;      // run once while reading [GLOBALINFO]
  std::function<void(TSkinTables&)> AdjustColors;  // hue and saturation, when set
  // Called for each thing an author should hear about (unknown image, bad image, ...); may be empty.
  std::function<void(const std::string&)> Warn;
};

// The VERSION of a description ("." as decimal separator); 0 when missing or not a number.
double ReadSkinVersion(const TSkinDescription& d);

// Builds every table of a skin, in the loader's order: masks, patterns, general data, the per-section
// mask indexes, colour adjustment, constant indexes. Raises ESkinError (or EImageError) on a value that
// must be a number and is not, or on an image that does not decode.
TSkinTables BuildSkinTables(const TSkinDescription& d, TSkinImageSource& images, const TSkinBuildContext& ctx);

// Merges extra description lines into a description: sections it names get its keys in front of their
// own (so its values win), new sections are appended.
TSkinDescription MergeCommonSections(const TSkinDescription& d, const std::vector<std::u16string>& lines);

}  // namespace qw
