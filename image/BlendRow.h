#pragma once
// The inner loop of the fade and transparency blends, in the forms the tests compare: per colour channel
// d = (A*(d - s) + s*256) >> 8, alpha untouched, A the weight of the old destination out of 256.
#include <cstddef>
#include <cstdint>

namespace qw {

// The rule exactly as written, one channel at a time (the reference the fast forms must equal).
void BlendRowReference(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a);
// Portable fast form: the equal A*d + (256-A)*s on two channels per 32-bit multiply.
void BlendRowSwar(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a);
// The form the primitives use: the vector rows this processor runs (PixelKernels()), otherwise
// BlendRowSwar. A is 0..256.
void BlendRow(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a);
// Which form BlendRow runs on this processor ("avx2", "sse2" or "portable").
const char* BlendRowPath();

// One pixel with a weight per colour channel (B, G, R bytes of Weights, each the share of D out of 256):
// d = (w*d + (256 - w)*s) >> 8, equal to (s*256 + w*(d - s)) >> 8, which is never negative; alpha from D.
inline uint32_t MaskBlend(uint32_t d, uint32_t s, uint32_t weights) {
  uint32_t out = d & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const uint32_t w = (weights >> shift) & 0xFF;
    out |= ((w * ((d >> shift) & 0xFF) + (256 - w) * ((s >> shift) & 0xFF)) >> 8) << shift;
  }
  return out;
}

}  // namespace qw
