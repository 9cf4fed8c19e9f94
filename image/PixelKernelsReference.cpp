// The row rules written out pixel by pixel and channel by channel: what the vector forms must equal.
#include <algorithm>

#include "image/BlendRow.h"
#include "image/PixelKernels.h"

namespace qw {

namespace {

// True when the rule replaces pixel word w by its key action (and writes it into d).
inline bool ApplyKeyRule(uint32_t& d, uint32_t w, size_t i, const TKeyRule& k) {
  if (k.Action == TKeyAction::None || w != k.Key) return false;
  if (k.Action == TKeyAction::Under) d = k.Under[i] | k.Or;
  else if (k.Action == TKeyAction::Fill) d = k.Fill;
  return true;
}

void RefFill(uint32_t* d, size_t n, uint32_t v) { std::fill_n(d, n, v); }

void RefBlend(uint32_t* out, const uint32_t* d, const uint32_t* s, size_t n, uint32_t a, uint32_t orBits) {
  const int32_t w = static_cast<int32_t>(a);
  for (size_t i = 0; i < n; ++i) {
    const uint32_t dw = d[i], sw = s[i];
    uint32_t r = (dw & 0xFF000000u) | orBits;
    for (int shift = 0; shift < 24; shift += 8) {
      const int32_t dc = static_cast<int32_t>((dw >> shift) & 0xFF), sc = static_cast<int32_t>((sw >> shift) & 0xFF);
      r |= static_cast<uint32_t>(((w * (dc - sc) + sc * 256) >> 8) & 0xFF) << shift;
    }
    out[i] = r;
  }
}

void RefCopyKeyed(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k) {
  for (size_t i = 0; i < n; ++i)
    if (!ApplyKeyRule(d[i], s[i], i, k)) d[i] = s[i] | k.Or;
}

void RefMaskBlendKeyed(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, const TKeyRule& k) {
  for (size_t i = 0; i < n; ++i)
    if (!ApplyKeyRule(d[i], s[i], i, k)) d[i] = MaskBlend(d[i], s[i], m[i]) | k.Or;
}

void RefGlyphMask(uint32_t* d, const uint32_t* s, const uint32_t* m, size_t n, bool fainter) {
  for (size_t i = 0; i < n; ++i) {
    const uint32_t w = s[i];
    const uint32_t red = (m[i] >> 16) & 0xFF;  // the red channel decides coverage
    if (w == 0x00FF00FFu || red == 255) continue;
    uint32_t weights = m[i];
    if (fainter) {
      weights = 0;
      for (int shift = 0; shift < 24; shift += 8)
        weights |= std::min<uint32_t>(((m[i] >> shift) & 0xFF) + 100, 255) << shift;
    }
    const uint32_t out = MaskBlend(d[i], w, weights);
    const uint32_t alpha = d[i] >> 24;
    d[i] = (out & 0x00FFFFFFu) | ((alpha + (((255 - alpha) * (255 - red)) >> 8)) << 24);
  }
}

void RefAlphaOver(uint32_t* d, const uint32_t* s, size_t n, const TKeyRule& k) {
  for (size_t i = 0; i < n; ++i) {
    const uint32_t h = s[i];
    if (ApplyKeyRule(d[i], h, i, k)) continue;
    const uint32_t alpha = h >> 24;
    // ((s - d)*A + d*256) >> 8 = (s*A + d*(256 - A)) >> 8, never negative.
    const uint32_t dw = d[i];
    uint32_t res = 0;
    for (int shift = 0; shift < 24; shift += 8) {
      const uint32_t sc = (h >> shift) & 0xFF, dc = (dw >> shift) & 0xFF;
      res |= ((sc * alpha + dc * (256 - alpha)) >> 8) << shift;
    }
    uint32_t da = dw >> 24;
    if (alpha > 0) da = da + alpha * (255 - da) / 255;
    d[i] = res | (da << 24);
  }
}

void RefCoverage(uint32_t* d, const uint32_t* t, size_t n, uint32_t c) {
  for (size_t i = 0; i < n; ++i) {
    const uint32_t tw = t[i];
    if ((tw & 0x00FFFFFFu) == 0x00FFFFFFu && ((tw >> 24) == 0 || (tw >> 24) == 0xFF)) continue;
    uint32_t out = 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
      const int32_t dc = (d[i] >> shift) & 0xFF, cc = (c >> shift) & 0xFF, tc = (tw >> shift) & 0xFF;
      out |= static_cast<uint32_t>(((dc - cc) * tc + cc * 256) >> 8) << shift;
    }
    d[i] = out;
  }
}

constexpr TPixelKernels kReference = {"reference", RefFill,      RefBlend,     RefCopyKeyed, RefMaskBlendKeyed,
                                      RefGlyphMask, RefAlphaOver, RefCoverage};

}  // namespace

const TPixelKernels& ReferencePixelKernels() { return kReference; }

}  // namespace qw
