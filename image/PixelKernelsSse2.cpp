// The row rules on SSE2: four pixels per vector. Every x86 build of the program has SSE2.
#include "image/PixelKernels.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>

namespace qw {
namespace sse2_rows {

struct TSse2 {
  using V = __m128i;
  static constexpr size_t N = 4;
  static V Load(const uint32_t* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
  static void Store(uint32_t* p, V v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
  static V Set1(uint32_t v) { return _mm_set1_epi32(static_cast<int>(v)); }
  static V Set64(uint64_t v) { return _mm_set1_epi64x(static_cast<long long>(v)); }
  static V And(V a, V b) { return _mm_and_si128(a, b); }
  static V Or(V a, V b) { return _mm_or_si128(a, b); }
  static V Select(V mask, V a, V b) { return _mm_or_si128(_mm_and_si128(mask, a), _mm_andnot_si128(mask, b)); }
  static V CmpEq32(V a, V b) { return _mm_cmpeq_epi32(a, b); }
  static V AddsU8(V a, V b) { return _mm_adds_epu8(a, b); }
  static V Lo8(V v) { return _mm_unpacklo_epi8(v, _mm_setzero_si128()); }
  static V Hi8(V v) { return _mm_unpackhi_epi8(v, _mm_setzero_si128()); }
  static V Pack16(V lo, V hi) { return _mm_packus_epi16(lo, hi); }
  static V Add16(V a, V b) { return _mm_add_epi16(a, b); }
  static V Sub16(V a, V b) { return _mm_sub_epi16(a, b); }
  static V Mullo16(V a, V b) { return _mm_mullo_epi16(a, b); }
  static V MulhiU16(V a, V b) { return _mm_mulhi_epu16(a, b); }
  static V Srli16(V v, int n) { return _mm_srli_epi16(v, n); }
  static V Slli16(V v, int n) { return _mm_slli_epi16(v, n); }
  template <int K>
  static V Bcast16(V v) {
    return _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, _MM_SHUFFLE(K, K, K, K)), _MM_SHUFFLE(K, K, K, K));
  }
};

#include "image/PixelKernelsVector.h"

constexpr TPixelKernels kTable = TRows<TSse2>::Table("sse2");

}  // namespace sse2_rows

const TPixelKernels* Sse2PixelKernels() { return &sse2_rows::kTable; }

}  // namespace qw

#else

namespace qw {
const TPixelKernels* Sse2PixelKernels() { return nullptr; }
}  // namespace qw

#endif
