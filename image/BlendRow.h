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
// The form the primitives use: SSE2 where the target has it, otherwise BlendRowSwar. A is 0..256.
void BlendRow(uint32_t* dst, const uint32_t* src, size_t count, uint32_t a);
// True when BlendRow runs on SSE2 in this build.
bool BlendRowUsesSse2();

}  // namespace qw
