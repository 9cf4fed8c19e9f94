// Any bytes must read as a bitmap or raise EImageError: never crash, hang or touch memory outside a
// buffer. Most inputs get the "BM" signature written over their first bytes so that mutations reach the
// headers and pixel code instead of stopping at the signature.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "image/BmpReader.h"
#include "image/ImageError.h"

namespace {
// Small enough that an RLE file of a few bytes stating a huge size costs little time per input.
constexpr uint64_t kFuzzMaxPixels = uint64_t{1} << 18;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bmp(data, data + size);
  if (bmp.size() >= 2 && size % 7 != 0) {
    bmp[0] = 'B';
    bmp[1] = 'M';
  }
  try {
    qw::TBmpReadOptions options;
    options.MaxPixels = kFuzzMaxPixels;
    const qw::TBmpImage image = qw::ReadBmp(bmp.data(), bmp.size(), options);
    const int bits = image.SourceBitCount;
    if (bits != 1 && bits != 2 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) std::abort();
    if (image.Bitmap.PixelCount() > kFuzzMaxPixels) std::abort();
    // Without an alpha mask every pixel has alpha 0; only 16- and 32-bit images may carry one.
    if (bits <= 8 || bits == 24)
      for (size_t i = 0; i < image.Bitmap.PixelCount(); ++i)
        if (image.Bitmap.Pixels()[i] >> 24) std::abort();
    // The declared alpha changes nothing but alpha, and an image that cannot hold any is opaque.
    options.Alpha = size % 2 ? qw::TBmpAlpha::Declared : qw::TBmpAlpha::FourthByte;
    const qw::TBmpImage declared = qw::ReadBmp(bmp.data(), bmp.size(), options);
    if (declared.Bitmap.PixelCount() != image.Bitmap.PixelCount()) std::abort();
    for (size_t i = 0; i < image.Bitmap.PixelCount(); ++i) {
      const uint32_t a = image.Bitmap.Pixels()[i], b = declared.Bitmap.Pixels()[i];
      if ((a & 0x00FFFFFFu) != (b & 0x00FFFFFFu)) std::abort();
      if ((bits <= 8 || bits == 24) && (b >> 24) != 0xFF) std::abort();
    }
  } catch (const qw::EImageError&) {
  }
  return 0;
}
