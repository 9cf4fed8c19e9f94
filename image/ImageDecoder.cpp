#include "image/ImageDecoder.h"

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

TBitmap32 DecodeImage(const uint8_t* data, size_t size, TBmpAlpha bmpAlpha) {
  switch (DetectImageKind(data, size)) {
    case TImageKind::Png:
      return DecodePng(data, size);
    case TImageKind::Jpeg:
      return DecodeJpeg(data, size);
    case TImageKind::Bmp: {
      TBmpReadOptions options;
      options.Alpha = bmpAlpha;
      return ReadBmp(data, size, options).Bitmap;
    }
    case TImageKind::Unknown:
      break;
  }
  throw EImageError("Cannot load image. Unknown picture file format.");
}

}  // namespace qw
