#pragma once
// One entry for every picture format the engine reads. The format is chosen by the file's content, never
// by its name: skin members and files are often misnamed.
#include <cstddef>
#include <cstdint>

#include "image/Bitmap32.h"
#include "image/BmpReader.h"

namespace qw {

enum class TImageKind { Unknown, Png, Bmp, Jpeg };

// The format the data starts like, from its signature alone.
TImageKind DetectImageKind(const uint8_t* data, size_t size);

// Decodes a PNG, BMP or JPEG picture (see PngDecoder.h, BmpReader.h and JpegDecoder.h for what each
// makes of its format); bmpAlpha says what a bitmap's alpha becomes (PNG keeps its own, JPEG is opaque).
// Throws EImageError for data of no known format or that fails to decode.
// Callers that need a BMP's stored bit depth use ReadBmp directly.
TBitmap32 DecodeImage(const uint8_t* data, size_t size, TBmpAlpha bmpAlpha = TBmpAlpha::Device);

}  // namespace qw
