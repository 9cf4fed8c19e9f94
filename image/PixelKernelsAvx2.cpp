// The row rules on AVX2: eight pixels per vector, compiled for AVX2 in this file only and used only when
// the processor reports it (PixelKernels() checks), so the rest of the program keeps running on any x86.
#include "image/PixelKernels.h"

#include <algorithm>

#if defined(__SSE2__)
#include <immintrin.h>

// Everything defined below is compiled for AVX2 (clang and gcc each have their own way to say so).
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2")
#endif

namespace qw {
namespace avx2_rows {

struct TAvx2 {
  using V = __m256i;
  static constexpr size_t N = 8;
  static V Load(const uint32_t* p) { return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p)); }
  static void Store(uint32_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), v); }
  static V Set1(uint32_t v) { return _mm256_set1_epi32(static_cast<int>(v)); }
  static V Set64(uint64_t v) { return _mm256_set1_epi64x(static_cast<long long>(v)); }
  static V And(V a, V b) { return _mm256_and_si256(a, b); }
  static V Or(V a, V b) { return _mm256_or_si256(a, b); }
  static V Select(V mask, V a, V b) { return _mm256_blendv_epi8(b, a, mask); }
  static V CmpEq32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
  static V AddsU8(V a, V b) { return _mm256_adds_epu8(a, b); }
  // Unpacking and packing work within each 128-bit half, so the pair restores the pixel order.
  static V Lo8(V v) { return _mm256_unpacklo_epi8(v, _mm256_setzero_si256()); }
  static V Hi8(V v) { return _mm256_unpackhi_epi8(v, _mm256_setzero_si256()); }
  static V Pack16(V lo, V hi) { return _mm256_packus_epi16(lo, hi); }
  static V Add16(V a, V b) { return _mm256_add_epi16(a, b); }
  static V Sub16(V a, V b) { return _mm256_sub_epi16(a, b); }
  static V Mullo16(V a, V b) { return _mm256_mullo_epi16(a, b); }
  static V MulhiU16(V a, V b) { return _mm256_mulhi_epu16(a, b); }
  static V Srli16(V v, int n) { return _mm256_srli_epi16(v, n); }
  static V Slli16(V v, int n) { return _mm256_slli_epi16(v, n); }
  template <int K>
  static V Bcast16(V v) {
    return _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(v, _MM_SHUFFLE(K, K, K, K)), _MM_SHUFFLE(K, K, K, K));
  }
};

#include "image/PixelKernelsVector.h"

constexpr TPixelKernels kTable = TRows<TAvx2>::Table("avx2");

}  // namespace avx2_rows

const TPixelKernels* Avx2PixelKernels() { return &avx2_rows::kTable; }

}  // namespace qw

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

#else

namespace qw {
const TPixelKernels* Avx2PixelKernels() { return nullptr; }
}  // namespace qw

#endif
