#include "image/BlendRow.h"

#include "image/PixelKernels.h"

#if !defined(__SSE2__) && (defined(__i386__) || defined(__x86_64__))
// Every x86 target of this program has SSE2; compiled without it the blends would take the portable
// path, about five times slower. The i686 toolchain file turns it on.
#error "x86 builds must generate SSE2 code (-msse2)"
#endif

namespace qw {

void BlendRowReference(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  ReferencePixelKernels().Blend(dst, dst, src, count, a, 0);
}

// A*(d - s) + s*256 = A*d + (256 - A)*s, which is never negative for A in 0..256, so the arithmetic
// shift of the written rule and the logical shift here give the same byte; and the sum is at most
// 256*255, so it leaves the neighbouring channel alone.
void BlendRowSwar(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  const uint32_t b = 256 - a;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t d = dst[i], s = src[i];
    const uint32_t rb = (((d & 0x00FF00FFu) * a + (s & 0x00FF00FFu) * b) >> 8) & 0x00FF00FFu;
    const uint32_t g = (((d & 0x0000FF00u) * a + (s & 0x0000FF00u) * b) >> 8) & 0x0000FF00u;
    dst[i] = (d & 0xFF000000u) | rb | g;
  }
}

void BlendRow(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  const TPixelKernels& k = PixelKernels();
  if (&k == &ReferencePixelKernels())
    BlendRowSwar(dst, src, count, a);
  else
    k.Blend(dst, dst, src, count, a, 0);
}

const char* BlendRowPath() {
  const TPixelKernels& k = PixelKernels();
  return &k == &ReferencePixelKernels() ? "portable" : k.Name;
}

}  // namespace qw
