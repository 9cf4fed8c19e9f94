#pragma once
// Our PNG reader: every colour type, bit depth and interlace method of the PNG standard, into a
// TBitmap32 with straight alpha.
//
// What it makes of the less common cases:
// - 16-bit samples are scaled to 8 bits with rounding, (v * 255 + 32895) >> 16, not cut to the high byte.
// - A grey or RGB colour key (tRNS) makes matching pixels alpha 0, compared on the full-depth samples;
//   their colour is kept. Gamma and colour-space chunks are ignored.
// - Palette indexes beyond the palette give opaque black.
// - Decompressed data beyond the last row is ignored, but the zlib stream must still end cleanly
//   (its checksum is checked); too little data, a broken stream, a bad filter byte, a CRC mismatch in
//   any chunk, an unknown critical chunk or IDAT chunks that are not contiguous are errors.
// - Malformed ancillary chunks (a tRNS of the wrong size or for a type with alpha) are ignored.
// - Images of more than 2^28 pixels, or whose size the compressed data could never fill, are refused
//   before any pixel memory is taken.
#include <cstddef>
#include <cstdint>

#include "image/Bitmap32.h"

namespace qw {

// True when `data` begins with the eight-byte PNG signature.
bool IsPngSignature(const uint8_t* data, size_t size);

// Decodes a whole PNG file held in memory. Throws EImageError, worded "Cannot load image. <cause>",
// for anything that is not a sound PNG. Opaque images come out with alpha 255.
TBitmap32 DecodePng(const uint8_t* data, size_t size);

}  // namespace qw
