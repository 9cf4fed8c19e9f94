#include "image/ImageDecoder.h"

#include "image/BmpReader.h"
#include "image/ImageError.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"

namespace qw {

TImageKind DetectImageKind(const uint8_t* data, size_t size) {
  if (IsPngSignature(data, size)) return TImageKind::Png;
  if (IsJpegSignature(data, size)) return TImageKind::Jpeg;
  if (IsBmpSignature(data, size)) return TImageKind::Bmp;
  return TImageKind::Unknown;
}

TBitmap32 DecodeImage(const uint8_t* data, size_t size) {
  switch (DetectImageKind(data, size)) {
    case TImageKind::Png:
      return DecodePng(data, size);
    case TImageKind::Jpeg:
      return DecodeJpeg(data, size);
    case TImageKind::Bmp:
      return ReadBmp(data, size).Bitmap;
    case TImageKind::Unknown:
      break;
  }
  throw EImageError("Cannot load image. Unknown picture file format.");
}

}  // namespace qw
