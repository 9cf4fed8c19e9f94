#pragma once
// Small helpers for the pixel tests: bitmaps with known contents and compact pixel comparisons.
#include <cstdint>
#include <functional>

#include "image/Bitmap32.h"

namespace qw::test {

// A W x H bitmap with every pixel set to word.
inline TBitmap32 Filled(int w, int h, uint32_t word) {
  TBitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = word;
  return b;
}

// A W x H bitmap whose pixel (x, y) is f(x, y).
inline TBitmap32 Pattern(int w, int h, const std::function<uint32_t(int, int)>& f) {
  TBitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = f(x, y);
  return b;
}

// A distinct opaque word per position, easy to trace back.
inline uint32_t Tag(int x, int y) { return 0xFF000000u | (uint32_t(y) << 16) | (uint32_t(x) << 8) | 0x5Au; }

// How many pixels differ between two bitmaps of the same size.
inline int CountDifferent(const TBitmap32& a, const TBitmap32& b) {
  int n = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) n += a.At(x, y) != b.At(x, y);
  return n;
}

}  // namespace qw::test
