#pragma once
// Reversal of the five PNG scanline filters, shared by the decoder and its tests.
#include <cstddef>
#include <cstdint>

namespace qw {

enum : int { kPngFilterNone = 0, kPngFilterSub = 1, kPngFilterUp = 2, kPngFilterAvg = 3, kPngFilterPaeth = 4 };

// Undoes `filter` (0..4) on one scanline of `count` bytes in place. `prev` is the already unfiltered
// previous scanline of the same pass (all zeros for the first one) and `bpp` the bytes of one whole
// pixel, at least 1. Uses SSE2 for 3, 4, 6 and 8 byte pixels where the target has it.
void PngUnfilterRow(int filter, uint8_t* row, const uint8_t* prev, size_t count, int bpp);

// Undoes the same `filter` on two consecutive scanlines at once, `row1` following `row0` (whose own
// previous scanline is `prev`). The left-neighbour chain of the average and Paeth filters is what
// limits a single row; two rows a pixel apart run their chains side by side. Returns false, leaving
// both rows untouched, when there is no such fast path for this filter and pixel size.
bool PngUnfilterRowPair(int filter, uint8_t* row0, uint8_t* row1, const uint8_t* prev, size_t count, int bpp);

// The plain byte-by-byte definition, kept for checking the fast paths.
void PngUnfilterRowReference(int filter, uint8_t* row, const uint8_t* prev, size_t count, int bpp);

// The Paeth predictor of the PNG standard.
inline uint8_t PngPaeth(int a, int b, int c) {
  const int pa = b > c ? b - c : c - b;
  const int pb = a > c ? a - c : c - a;
  const int p = a + b - 2 * c;
  const int pc = p < 0 ? -p : p;
  if (pa <= pb && pa <= pc) return static_cast<uint8_t>(a);
  return static_cast<uint8_t>(pb <= pc ? b : c);
}

}  // namespace qw
