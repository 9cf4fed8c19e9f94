#include "image/PngUnfilter.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#define QW_PNG_SSE2 1
#endif

namespace qw {

void PngUnfilterRowReference(int filter, uint8_t* row, const uint8_t* prev, size_t count, int bpp) {
  const size_t step = static_cast<size_t>(bpp);
  switch (filter) {
    case kPngFilterSub:
      for (size_t i = step; i < count; ++i) row[i] = static_cast<uint8_t>(row[i] + row[i - step]);
      break;
    case kPngFilterUp:
      for (size_t i = 0; i < count; ++i) row[i] = static_cast<uint8_t>(row[i] + prev[i]);
      break;
    case kPngFilterAvg:
      for (size_t i = 0; i < count; ++i) {
        const int left = i >= step ? row[i - step] : 0;
        row[i] = static_cast<uint8_t>(row[i] + ((left + prev[i]) >> 1));
      }
      break;
    case kPngFilterPaeth:
      for (size_t i = 0; i < count; ++i) {
        const int left = i >= step ? row[i - step] : 0;
        const int upLeft = i >= step ? prev[i - step] : 0;
        row[i] = static_cast<uint8_t>(row[i] + PngPaeth(left, prev[i], upLeft));
      }
      break;
    default:
      break;
  }
}

namespace {

void UnfilterUp(uint8_t* row, const uint8_t* prev, size_t count) {
  size_t i = 0;
#ifdef QW_PNG_SSE2
  for (; i + 16 <= count; i += 16) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + i));
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(prev + i));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(row + i), _mm_add_epi8(x, b));
  }
#endif
  for (; i < count; ++i) row[i] = static_cast<uint8_t>(row[i] + prev[i]);
}

#ifdef QW_PNG_SSE2
// One pixel of BPP bytes in the low bytes of a register; the loads and stores touch exactly BPP bytes.
// Odd sizes are put together in general registers: going through a stack temporary would stall every
// pixel on a failed store-to-load forward.
inline uint32_t Load32(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
inline uint32_t Load16(const uint8_t* p) {
  uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}

template <int BPP>
inline __m128i LoadPixel(const uint8_t* p) {
  static_assert(BPP == 3 || BPP == 4 || BPP == 6 || BPP == 8);
  if constexpr (BPP == 3) {
    return _mm_cvtsi32_si128(static_cast<int>(Load16(p) | uint32_t{p[2]} << 16));
  } else if constexpr (BPP == 4) {
    return _mm_cvtsi32_si128(static_cast<int>(Load32(p)));
  } else if constexpr (BPP == 6) {
    return _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(Load32(p))),
                              _mm_cvtsi32_si128(static_cast<int>(Load16(p + 4))));
  } else {
    return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
  }
}

template <int BPP>
inline void StorePixel(uint8_t* p, __m128i x) {
  if constexpr (BPP == 8) {
    _mm_storel_epi64(reinterpret_cast<__m128i*>(p), x);
  } else {
    const uint32_t low = static_cast<uint32_t>(_mm_cvtsi128_si32(x));
    if constexpr (BPP == 3) {
      const uint16_t two = static_cast<uint16_t>(low);
      std::memcpy(p, &two, 2);
      p[2] = static_cast<uint8_t>(low >> 16);
    } else {
      std::memcpy(p, &low, 4);
      if constexpr (BPP == 6) {
        const uint16_t high = static_cast<uint16_t>(_mm_cvtsi128_si32(_mm_srli_si128(x, 4)));
        std::memcpy(p + 4, &high, 2);
      }
    }
  }
}

// Each filter below carries the left neighbour in a register from pixel to pixel, which is the
// only dependency chain; everything else about a pixel is independent lanes.
template <int BPP>
void UnfilterSubSse2(uint8_t* row, size_t count) {
  __m128i a = _mm_setzero_si128();
  for (size_t i = 0; i + BPP <= count; i += BPP) {
    a = _mm_add_epi8(LoadPixel<BPP>(row + i), a);
    StorePixel<BPP>(row + i, a);
  }
}

template <int BPP>
void UnfilterAvgSse2(uint8_t* row, const uint8_t* prev, size_t count) {
  const __m128i one = _mm_set1_epi8(1);
  __m128i a = _mm_setzero_si128();
  for (size_t i = 0; i + BPP <= count; i += BPP) {
    const __m128i b = LoadPixel<BPP>(prev + i);
    // pavgb rounds up; taking away the lost low bit gives the floor the filter wants. Adding the
    // residual before the correction keeps the chain through `a` one step shorter.
    const __m128i roundUp = _mm_and_si128(_mm_xor_si128(a, b), one);
    a = _mm_sub_epi8(_mm_add_epi8(LoadPixel<BPP>(row + i), _mm_avg_epu8(a, b)), roundUp);
    StorePixel<BPP>(row + i, a);
  }
}

inline __m128i Abs16(__m128i v) { return _mm_max_epi16(v, _mm_sub_epi16(_mm_setzero_si128(), v)); }

inline __m128i Select(__m128i mask, __m128i yes, __m128i no) {
  return _mm_or_si128(_mm_and_si128(mask, yes), _mm_andnot_si128(mask, no));
}

template <int BPP>
void UnfilterPaethSse2(uint8_t* row, const uint8_t* prev, size_t count) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i lowByte = _mm_set1_epi16(0xFF);
  __m128i a = zero;  // left, unpacked to 16-bit lanes
  __m128i c = zero;  // up-left
  for (size_t i = 0; i + BPP <= count; i += BPP) {
    const __m128i b = _mm_unpacklo_epi8(LoadPixel<BPP>(prev + i), zero);
    const __m128i x = _mm_unpacklo_epi8(LoadPixel<BPP>(row + i), zero);
    // Only pb and pc depend on the left pixel; the choice is made with direct comparisons rather
    // than through a minimum, which keeps the chain from one pixel to the next short.
    const __m128i dbc = _mm_sub_epi16(b, c);
    const __m128i pa = Abs16(dbc);
    const __m128i dac = _mm_sub_epi16(a, c);
    const __m128i pb = Abs16(dac);
    const __m128i pc = Abs16(_mm_add_epi16(dbc, dac));
    const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
    const __m128i bOrC = Select(_mm_cmpgt_epi16(pb, pc), c, b);  // ties go to a, then b, then c
    const __m128i nearest = Select(notA, bOrC, a);
    a = _mm_and_si128(_mm_add_epi16(x, nearest), lowByte);
    c = b;
    StorePixel<BPP>(row + i, _mm_packus_epi16(a, a));
  }
}

// Two rows in one register: the low half holds pixel i of row 0, the high half pixel i - 1 of row 1.
// Row 1's pixel above is row 0's pixel just finished, so it comes from the low half of the last
// result; its up-left is the previous step's pixel above. Steps 0 and n carry only one real pixel:
// the missing one is all zeros on the way in, which is exactly the left edge row 1 needs, and is
// never stored.
template <int BPP, bool PAETH>
void UnfilterPairSse2(uint8_t* row0, uint8_t* row1, const uint8_t* prev, size_t count) {
  static_assert(BPP <= 4);
  const __m128i zero = _mm_setzero_si128();
  const __m128i lowByte = _mm_set1_epi16(0xFF);
  const size_t n = count / BPP;
  __m128i a = zero;  // 16-bit lanes: left neighbours of both rows
  __m128i c = zero;  // up-left neighbours of both rows
  for (size_t i = 0; i <= n; ++i) {
    const bool first = i < n;  // row 0 has a pixel at this step
    const bool second = i > 0;  // row 1 has a pixel at this step
    const __m128i up0 = first ? _mm_unpacklo_epi8(LoadPixel<BPP>(prev + i * BPP), zero) : zero;
    const __m128i x0 = first ? LoadPixel<BPP>(row0 + i * BPP) : zero;
    const __m128i x1 = second ? LoadPixel<BPP>(row1 + (i - 1) * BPP) : zero;
    const __m128i x = _mm_unpacklo_epi8(_mm_unpacklo_epi32(x0, x1), zero);
    const __m128i b = _mm_unpacklo_epi64(up0, a);
    __m128i predicted;
    if constexpr (PAETH) {
      const __m128i dbc = _mm_sub_epi16(b, c);
      const __m128i pa = Abs16(dbc);
      const __m128i dac = _mm_sub_epi16(a, c);
      const __m128i pb = Abs16(dac);
      const __m128i pc = Abs16(_mm_add_epi16(dbc, dac));
      const __m128i notA = _mm_or_si128(_mm_cmpgt_epi16(pa, pb), _mm_cmpgt_epi16(pa, pc));
      predicted = Select(notA, Select(_mm_cmpgt_epi16(pb, pc), c, b), a);
    } else {
      predicted = _mm_srli_epi16(_mm_add_epi16(a, b), 1);
    }
    a = _mm_and_si128(_mm_add_epi16(x, predicted), lowByte);
    c = b;
    const __m128i packed = _mm_packus_epi16(a, a);
    if (first) StorePixel<BPP>(row0 + i * BPP, packed);
    if (second) StorePixel<BPP>(row1 + (i - 1) * BPP, _mm_srli_si128(packed, 4));
  }
}

template <int BPP>
bool UnfilterSse2(int filter, uint8_t* row, const uint8_t* prev, size_t count) {
  switch (filter) {
    case kPngFilterSub: UnfilterSubSse2<BPP>(row, count); return true;
    case kPngFilterAvg: UnfilterAvgSse2<BPP>(row, prev, count); return true;
    case kPngFilterPaeth: UnfilterPaethSse2<BPP>(row, prev, count); return true;
    default: return false;
  }
}
#endif

}  // namespace

bool PngUnfilterRowPair(int filter, uint8_t* row0, uint8_t* row1, const uint8_t* prev, size_t count, int bpp) {
#ifdef QW_PNG_SSE2
  if (filter != kPngFilterAvg && filter != kPngFilterPaeth) return false;
  if ((bpp != 3 && bpp != 4) || count % static_cast<size_t>(bpp) != 0) return false;
  const bool paeth = filter == kPngFilterPaeth;
  if (bpp == 3) {
    paeth ? UnfilterPairSse2<3, true>(row0, row1, prev, count) : UnfilterPairSse2<3, false>(row0, row1, prev, count);
  } else {
    paeth ? UnfilterPairSse2<4, true>(row0, row1, prev, count) : UnfilterPairSse2<4, false>(row0, row1, prev, count);
  }
  return true;
#else
  (void)filter, (void)row0, (void)row1, (void)prev, (void)count, (void)bpp;
  return false;
#endif
}

void PngUnfilterRow(int filter, uint8_t* row, const uint8_t* prev, size_t count, int bpp) {
  if (filter == kPngFilterNone) return;
  if (filter == kPngFilterUp) return UnfilterUp(row, prev, count);
#ifdef QW_PNG_SSE2
  // Rows of whole pixels only (always so for 8 and 16 bit samples, which are the only ones with
  // these pixel sizes).
  if (count % static_cast<size_t>(bpp) == 0) {
    switch (bpp) {
      case 3: if (UnfilterSse2<3>(filter, row, prev, count)) return; break;
      case 4: if (UnfilterSse2<4>(filter, row, prev, count)) return; break;
      case 6: if (UnfilterSse2<6>(filter, row, prev, count)) return; break;
      case 8: if (UnfilterSse2<8>(filter, row, prev, count)) return; break;
      default: break;
    }
  }
#endif
  PngUnfilterRowReference(filter, row, prev, count, bpp);
}

}  // namespace qw
