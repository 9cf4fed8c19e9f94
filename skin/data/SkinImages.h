#pragma once
// The one door through which the skin data decodes pictures: BMP, PNG and JPEG members and files,
// recognised by their content.
#include <cstdint>
#include <span>

#include "image/Bitmap32.h"

namespace qw {

enum class TSkinImageKind { Unknown, Bmp, Png, Jpeg };

struct TSkinImage {
  TBitmap32 Bitmap;
  TSkinImageKind Kind = TSkinImageKind::Unknown;
  int SourceBitCount = 32;  // bits per pixel the file stored (BMP); 32 for PNG, 24 for JPEG
};

// Decodes the bytes by their signature. Raises EImageError when they are no readable picture.
TSkinImage DecodeSkinImage(std::span<const uint8_t> bytes);
using TSkinImageDecoder = TSkinImage (*)(std::span<const uint8_t>);

// Alpha 255 on every pixel that is not exactly the key word 0x00FF00FF.
void SetOpaqueExceptKey(TBitmap32& bmp);
// The rule for PNG glyphs of descriptions up to version 7.45: fully transparent white becomes 0.
void ClearTransparentWhite(TBitmap32& bmp);
// Premultiplies the colour channels by alpha.
void PremultiplyImage(TBitmap32& bmp);

}  // namespace qw
