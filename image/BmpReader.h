#pragma once
// Reader of Windows bitmap files (.bmp) into 32-bit bitmaps, without GDI, so that the engine sees the
// same pixel words on every platform.
//
// Accepted: the file header followed by a core (12-byte), info (40-byte), OS/2 2.x (16..64-byte) or
// V2/V3/V4/V5 header; 1, 2, 4 and 8 bits with a palette, 16 and 32 bits plain or with bit-field masks,
// 24 bits; RLE8 and RLE4; rows bottom-up (positive height) or top-down (negative height).
//
// The pixel words are the ones a 32-bit device-independent bitmap holds after the platform converts the
// file: 0x00RRGGBB with alpha 0. The engine compares whole words with the key 0x00FF00FF and sets its own
// alpha on images that were not 32-bit in the file (hence SourceBitCount), so:
//  - palette, 16-bit and 24-bit images have alpha 0 on every pixel; palette entries' fourth byte is
//    ignored;
//  - 32-bit BI_RGB images also get alpha 0: the fourth byte of such files is reserved and is often
//    garbage (0xFF from some writers, leftovers from others);
//  - only an image with an explicit alpha mask (BI_BITFIELDS / BI_ALPHABITFIELDS, or a V4/V5 header
//    with a non-zero alpha mask and bit fields) keeps its alpha, scaled to 8 bits.
// Pictures shown as they are (a window's glyphs, an author's look at a file) ask for the alpha the file
// declares instead (TBmpAlpha below).
// Colour fields of other widths (5-6-5, 10-10-10, ...) are scaled to 8 bits (0 stays 0, all ones 255).
// Pixels that an RLE image never writes (skipped by a delta or an early end of line or bitmap) are the
// zero word 0x00000000. Palette indexes beyond the palette read as 0x00000000 too.
//
// Every size the file states is checked against the buffer before use; a file that cannot be read
// completely raises EImageError ("Cannot load image. ...").
#include <cstddef>
#include <cstdint>

#include "image/Bitmap32.h"

namespace qw {

struct TBmpImage {
  TBitmap32 Bitmap;
  int SourceBitCount = 0;  // bits per pixel as stored in the file: 1, 2, 4, 8, 16, 24 or 32
};

// True when the data starts like a bitmap file ("BM").
bool IsBmpSignature(const uint8_t* data, size_t size);

inline constexpr uint64_t kMaxBmpPixels = uint64_t{1} << 28;

// What becomes of a bitmap's alpha.
enum class TBmpAlpha {
  // The platform's 32-bit DIB of the file, as described above: alpha only from an alpha mask, else 0.
  Device,
  // The alpha the file declares: an alpha mask's alpha, and every other image opaque (255), the plain
  // 32-bit one included, whose fourth byte the format reserves (and real files leave garbage in).
  Declared,
  // As Declared, but a plain 32-bit image carries its alpha in the fourth byte, as the program's own
  // glyphs do; a fourth byte that is 0 on every pixel was left so by a writer that knew nothing of alpha
  // and reads as opaque.
  FourthByte,
};

struct TBmpReadOptions {
  TBmpAlpha Alpha = TBmpAlpha::Device;
  // Larger images are refused (fuzzing passes a smaller limit: an RLE file of a few bytes may state
  // any size). Never above kMaxBmpPixels.
  uint64_t MaxPixels = kMaxBmpPixels;
};

// Decodes a whole bitmap file held in memory. Throws EImageError when it is not a readable bitmap or
// states more than options.MaxPixels pixels.
TBmpImage ReadBmp(const uint8_t* data, size_t size, const TBmpReadOptions& options = {});

}  // namespace qw
