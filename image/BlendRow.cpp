#include "image/BlendRow.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#elif defined(__i386__) || defined(__x86_64__)
// Every x86 target of this program has SSE2; compiled without it the blends would take the portable
// path, about five times slower. The i686 toolchain file turns it on.
#error "x86 builds must generate SSE2 code (-msse2)"
#endif

namespace qw {

// A*(d - s) + s*256 = A*d + (256 - A)*s, which is never negative for A in 0..256, so the arithmetic
// shift of the written rule and the logical shift of the fast forms give the same byte; and the sum is at
// most 256*255, so it fits an unsigned 16-bit lane and leaves the neighbouring lane alone.

void BlendRowReference(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  const int32_t w = static_cast<int32_t>(a);
  for (size_t i = 0; i < count; ++i) {
    const uint32_t d = dst[i], s = src[i];
    uint32_t out = d & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const int32_t dc = static_cast<int32_t>((d >> shift) & 0xFF), sc = static_cast<int32_t>((s >> shift) & 0xFF);
      out |= static_cast<uint32_t>(((w * (dc - sc) + sc * 256) >> 8) & 0xFF) << shift;
    }
    dst[i] = out;
  }
}

void BlendRowSwar(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  const uint32_t b = 256 - a;
  for (size_t i = 0; i < count; ++i) {
    const uint32_t d = dst[i], s = src[i];
    const uint32_t rb = (((d & 0x00FF00FFu) * a + (s & 0x00FF00FFu) * b) >> 8) & 0x00FF00FFu;
    const uint32_t g = (((d & 0x0000FF00u) * a + (s & 0x0000FF00u) * b) >> 8) & 0x0000FF00u;
    dst[i] = (d & 0xFF000000u) | rb | g;
  }
}

#if defined(__SSE2__)

void BlendRow(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) {
  // Lanes B, G, R, A per pixel: the alpha lane weighs the destination 256 and the source 0, so it passes
  // through unchanged without a separate mask step.
  const short wa = static_cast<short>(a), wb = static_cast<short>(256 - a);
  const __m128i wd = _mm_set_epi16(256, wa, wa, wa, 256, wa, wa, wa);
  const __m128i ws = _mm_set_epi16(0, wb, wb, wb, 0, wb, wb, wb);
  const __m128i zero = _mm_setzero_si128();
  auto blend4 = [&](__m128i d, __m128i s) {
    const __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(d, zero), wd),
                                     _mm_mullo_epi16(_mm_unpacklo_epi8(s, zero), ws));
    const __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(d, zero), wd),
                                     _mm_mullo_epi16(_mm_unpackhi_epi8(s, zero), ws));
    return _mm_packus_epi16(_mm_srli_epi16(lo, 8), _mm_srli_epi16(hi, 8));
  };
  size_t i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i d1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i + 4));
    const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    const __m128i s1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i + 4));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), blend4(d0, s0));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 4), blend4(d1, s1));
  }
  for (; i + 4 <= count; i += 4) {
    const __m128i d0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + i));
    const __m128i s0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), blend4(d0, s0));
  }
  BlendRowSwar(dst + i, src + i, count - i, a);
}

bool BlendRowUsesSse2() { return true; }

#else

void BlendRow(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a) { BlendRowSwar(dst, src, count, a); }

bool BlendRowUsesSse2() { return false; }

#endif

}  // namespace qw
