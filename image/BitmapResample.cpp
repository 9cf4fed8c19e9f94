#include "image/BitmapResample.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <cstdint>
#include <numbers>
#include <vector>

#include "image/ImageError.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace qw {

namespace {

struct TContribution {
  int32_t Pixel;
  int32_t Weight;  // 16.16 fixed point
};
using TContributions = std::vector<std::vector<TContribution>>;

// Positions beyond an edge are mirrored back into the source; a support wider than the whole source
// could mirror past the other edge, so the result is finally held inside it.
int32_t MirrorIndex(int64_t j, int32_t size) {
  if (j < 0)
    j = -j;
  else if (j >= size)
    j = 2 * int64_t{size} - 1 - j;
  return static_cast<int32_t>(std::clamp<int64_t>(j, 0, size - 1));
}

// The weights of every output position along one axis. The scale maps the end pixels onto each other
// ((dst - 1)/(src - 1)); a single output pixel uses dst/src instead, which has no zero to divide by.
TContributions BuildContributions(int32_t srcSize, int32_t dstSize, int filter) {
  const double scale = dstSize == 1 ? 1.0 / srcSize : double(dstSize - 1) / double(srcSize - 1);
  const double support = ResampleSupport(filter);
  TContributions all(static_cast<size_t>(dstSize));
  for (int32_t i = 0; i < dstSize; ++i) {
    const double center = double(i) / scale;
    // Shrinking widens the support by the scale factor and scales the kernel argument down.
    const bool shrink = scale < 1.0;
    const double width = shrink ? support / scale : support;
    const double argScale = shrink ? scale : 1.0;
    const int64_t left = static_cast<int64_t>(std::floor(center - width));
    const int64_t right = static_cast<int64_t>(std::ceil(center + width));
    auto& list = all[static_cast<size_t>(i)];
    for (int64_t j = left; j <= right; ++j) {
      const double w = ResampleKernel(filter, (center - double(j)) * argScale) * argScale;
      const int32_t fixed = static_cast<int32_t>(std::nearbyint(w * 65536.0));
      if (fixed == 0) continue;
      list.push_back({MirrorIndex(j, srcSize), fixed});
    }
  }
  return all;
}

inline uint32_t ChannelOf(int64_t sum) {
  if (sum < 0) return 0;
  if (sum > 0xFF0000) return 255;
  return static_cast<uint32_t>(sum >> 16);
}

// True when every weighted sum along the axis fits 32 bits: the sum of a list's weights' magnitudes
// times 255 bounds it. Then the passes add in 32 bits, twice the lanes of 64, with the same result.
bool FitsInt32(const TContributions& all) {
  for (const auto& list : all) {
    int64_t bound = 0;
    for (const TContribution& c : list) bound += c.Weight < 0 ? -int64_t{c.Weight} : c.Weight;
    if (bound * 255 > INT32_MAX) return false;
  }
  return true;
}

// One output pixel from the contributions, reading input pixel n as at(n); all four bytes are filtered.
template <typename Acc, typename At>
uint32_t FilterPixel(const std::vector<TContribution>& list, At at) {
  Acc sum[4] = {0, 0, 0, 0};
  for (const TContribution& c : list) {
    const uint32_t p = at(c.Pixel);
    for (int k = 0; k < 4; ++k) sum[k] += Acc{c.Weight} * Acc((p >> (8 * k)) & 0xFF);
  }
  return ChannelOf(sum[0]) | (ChannelOf(sum[1]) << 8) | (ChannelOf(sum[2]) << 16) | (ChannelOf(sum[3]) << 24);
}

template <typename Acc>
void HorizontalPass(const TBitmap32& src, TBitmap32& work, const TContributions& cx) {
  for (int32_t y = 0; y < src.Height(); ++y) {
    const uint32_t* s = src.Row(y);
    uint32_t* w = work.Row(y);
    for (int32_t x = 0; x < work.Width(); ++x)
      w[x] = FilterPixel<Acc>(cx[static_cast<size_t>(x)], [s](int32_t n) { return s[n]; });
  }
}

// sums[i] += weight * bytes[i] for the n bytes of whole rows; the caller's bound keeps every sum inside
// 32 bits. With SSE2 sixteen bytes at a time: the low half of an unsigned 32 x 32 bit product is that
// of the signed one.
void AddWeightedBytes(int32_t* sums, const uint8_t* bytes, size_t n, int32_t weight) {
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i w = _mm_set1_epi32(weight), zero = _mm_setzero_si128();
  auto mul = [&](__m128i v) {
    const __m128i even = _mm_mul_epu32(v, w), odd = _mm_mul_epu32(_mm_srli_epi64(v, 32), w);
    return _mm_unpacklo_epi32(_mm_shuffle_epi32(even, _MM_SHUFFLE(0, 0, 2, 0)),
                              _mm_shuffle_epi32(odd, _MM_SHUFFLE(0, 0, 2, 0)));
  };
  for (; i + 16 <= n; i += 16) {
    const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const __m128i lo = _mm_unpacklo_epi8(b, zero), hi = _mm_unpackhi_epi8(b, zero);
    const __m128i quarter[4] = {_mm_unpacklo_epi16(lo, zero), _mm_unpackhi_epi16(lo, zero),
                                _mm_unpacklo_epi16(hi, zero), _mm_unpackhi_epi16(hi, zero)};
    for (size_t k = 0; k < 4; ++k) {
      __m128i* s = reinterpret_cast<__m128i*>(sums + i + 4 * k);
      _mm_storeu_si128(s, _mm_add_epi32(_mm_loadu_si128(s), mul(quarter[k])));
    }
  }
#endif
  for (; i < n; ++i) sums[i] += weight * int32_t{bytes[i]};
}

template <typename Acc>
void VerticalPass(const TBitmap32& work, TBitmap32& out, const TContributions& cy) {
  const int32_t width = out.Width();
  thread_local std::vector<Acc> sums;
  sums.resize(static_cast<size_t>(width) * 4);
  for (int32_t y = 0; y < out.Height(); ++y) {
    std::fill(sums.begin(), sums.end(), 0);
    for (const TContribution& c : cy[static_cast<size_t>(y)]) {  // whole rows at a time
      const uint32_t* w = work.Row(c.Pixel);
      if constexpr (sizeof(Acc) == 4) {
        // Byte 4x + k of the row is channel k of pixel x, just where its sum lies.
        AddWeightedBytes(sums.data(), reinterpret_cast<const uint8_t*>(w), size_t(width) * 4, c.Weight);
      } else {
        const Acc weight = c.Weight;
        for (int32_t x = 0; x < width; ++x)
          for (int k = 0; k < 4; ++k) sums[size_t(x) * 4 + k] += weight * Acc((w[x] >> (8 * k)) & 0xFF);
      }
    }
    uint32_t* o = out.Row(y);
    for (int32_t x = 0; x < width; ++x) {
      const Acc* v = &sums[size_t(x) * 4];
      o[x] = ChannelOf(v[0]) | (ChannelOf(v[1]) << 8) | (ChannelOf(v[2]) << 16) | (ChannelOf(v[3]) << 24);
    }
  }
}

}  // namespace

double ResampleSupport(int filter) {
  static const double kSupport[7] = {0.51, 1.0, 1.0, 1.5, 2.0, 3.0, 2.0};
  return kSupport[std::clamp(filter, 0, 6)];
}

double ResampleKernel(int filter, double x) {
  if (filter <= rfBox) return (x > -0.5 && x <= 0.5) ? 1.0 : 0.0;  // the box alone is not symmetric
  x = std::fabs(x);
  switch (std::min(filter, 6)) {
    case rfTriangle:
      return x < 1.0 ? 1.0 - x : 0.0;
    case rfHermite:
      return x < 1.0 ? (2.0 * x - 3.0) * x * x + 1.0 : 0.0;
    case rfBell:
      if (x < 0.5) return 0.75 - x * x;
      if (x < 1.5) return 0.5 * (x - 1.5) * (x - 1.5);
      return 0.0;
    case rfBSpline:
      if (x < 1.0) return x * x * x / 2.0 - x * x + 2.0 / 3.0;
      if (x < 2.0) return (2.0 - x) * (2.0 - x) * (2.0 - x) / 6.0;
      return 0.0;
    case rfWindowedSine:
      if (x == 0.0) return 1.0;
      if (x < 3.0) return std::sin(std::numbers::pi * x) * std::sin(x) / (std::numbers::pi * x * x);
      return 0.0;
    default:  // Mitchell, B = C = 1/3
      if (x < 1.0) return 7.0 / 6.0 * x * x * x - 2.0 * x * x + 8.0 / 9.0;
      if (x < 2.0) return -7.0 / 18.0 * x * x * x + 2.0 * x * x - 10.0 / 3.0 * x + 16.0 / 9.0;
      return 0.0;
  }
}

void ResampleBitmap(const TBitmap32& src, TBitmap32& dst, int newWidth, int newHeight, int filter) {
  if (newWidth <= 0 || newHeight <= 0) return;
  if (newWidth == src.Width() && newHeight == src.Height()) {
    if (&dst != &src) dst = src.Clone();
    return;
  }
  if (src.Width() <= 1 || src.Height() <= 1) throw EImageError("Source bitmap is too small");
  filter = std::clamp(filter, 0, 6);

  // Horizontal pass into a bitmap of the new width and the source's height.
  TBitmap32 work(newWidth, src.Height(), TBitmap32::TUnfilled{});
  const TContributions cx = BuildContributions(src.Width(), newWidth, filter);
  if (FitsInt32(cx))
    HorizontalPass<int32_t>(src, work, cx);
  else
    HorizontalPass<int64_t>(src, work, cx);

  // Vertical pass into the result; Dst is replaced only at the end, so Src may be Dst.
  TBitmap32 out(newWidth, newHeight, TBitmap32::TUnfilled{});
  const TContributions cy = BuildContributions(src.Height(), newHeight, filter);
  if (FitsInt32(cy))
    VerticalPass<int32_t>(work, out, cy);
  else
    VerticalPass<int64_t>(work, out, cy);
  dst = std::move(out);
}

}  // namespace qw
