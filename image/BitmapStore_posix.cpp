// Plain memory behind TBitmap32 where there is no GDI.
#include <cstdint>
#include <cstdlib>

namespace qw {

void* AllocateBitmapPixels(int width, int height, uint32_t** pixels) {
  // 64-byte alignment lets vector code use aligned loads on whole rows of even width.
  const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4;
  *pixels = static_cast<uint32_t*>(std::aligned_alloc(64, (bytes + 63) / 64 * 64));
  return nullptr;
}

void FreeBitmapPixels(void*, uint32_t* pixels) { std::free(pixels); }

}  // namespace qw
