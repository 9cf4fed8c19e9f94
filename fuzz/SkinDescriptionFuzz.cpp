// The skin description: the text format, inheritance, every image rule and the lookups. Every image
// name resolves to the same tiny bitmap so the image rules run on any input.
#include <cstddef>
#include <cstdint>
#include <exception>

#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinLoader.h"

namespace {

class TAnyImage final : public qw::TSkinImageSource {
 public:
  bool Find(const std::u16string&, std::vector<uint8_t>&, std::span<const uint8_t>& bytes) override {
    bytes = kBmp;
    return true;
  }
  // A 3 x 2 24-bit bitmap with one magenta pixel.
  static constexpr uint8_t kBmp[] = {
      'B', 'M', 78, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0,
      0, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
      255, 0, 255, 1, 2, 3, 4, 5, 6, 0, 0, 0, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0, 0, 0};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    qw::TSkinDescription d = qw::TSkinDescription::Parse(std::span<const uint8_t>(data, size));
    TAnyImage images;
    qw::TSkinBuildContext ctx;
    ctx.System = &qw::SystemSkinSystem();
    qw::TSkinTables t = qw::BuildSkinTables(d, images, ctx);
    for (size_t i = 0; i < t.ma.size(); ++i) (void)t.MaskWidthLeft(static_cast<int>(i));
    for (const auto& g : t.gd) (void)t.GetTextureIndex(t.GetSkinIndex(g.ClassName), g.ClassName, u"PATTERN");
  } catch (const std::exception&) {
    // Non-numbers where numbers must be raise conversion errors; that is the expected failure.
  }
  return 0;
}
