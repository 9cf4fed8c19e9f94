// Any bytes must decode as a JPEG or raise EImageError: libjpeg's errors must come back as exceptions
// (never exit()), and nothing may crash or touch memory outside a buffer.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "image/ImageError.h"
#include "image/JpegDecoder.h"

namespace {
// A few bytes of JPEG may state any size; keep each input cheap.
constexpr uint64_t kFuzzMaxPixels = uint64_t{1} << 18;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const qw::TBitmap32 bmp = qw::DecodeJpeg(data, size, kFuzzMaxPixels);
    if (bmp.Empty() || bmp.PixelCount() > kFuzzMaxPixels) std::abort();
    for (size_t i = 0; i < bmp.PixelCount(); ++i)
      if ((bmp.Pixels()[i] >> 24) != 0xFF) std::abort();  // always opaque
  } catch (const qw::EImageError&) {
  }
  return 0;
}
