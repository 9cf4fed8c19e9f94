#include "skin/data/SkinImages.h"

#include "image/BitmapFill.h"
#include "image/BmpReader.h"
#include "image/ImageDecoder.h"
#include "image/ImageError.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"

namespace qw {

TSkinImage DecodeSkinImage(std::span<const uint8_t> bytes) {
  const uint8_t* p = bytes.data();
  size_t n = bytes.size();
  TSkinImage img;
  switch (DetectImageKind(p, n)) {
    case TImageKind::Png:
      img.Bitmap = DecodePng(p, n);
      img.Kind = TSkinImageKind::Png;
      img.SourceBitCount = 32;
      break;
    case TImageKind::Bmp: {
      TBmpImage bmp = ReadBmp(p, n);
      img.Bitmap = std::move(bmp.Bitmap);
      img.Kind = TSkinImageKind::Bmp;
      img.SourceBitCount = bmp.SourceBitCount;
      break;
    }
    case TImageKind::Jpeg:
      img.Bitmap = DecodeJpeg(p, n);
      img.Kind = TSkinImageKind::Jpeg;
      img.SourceBitCount = 24;
      break;
    default:
      throw EImageError("Cannot load image. Unknown image format.");
  }
  return img;
}

void SetOpaqueExceptKey(TBitmap32& bmp) {
  SetAlphaInRect(bmp, TRect{0, 0, bmp.Width(), bmp.Height()}, 255, true);
}

void ClearTransparentWhite(TBitmap32& bmp) {
  uint32_t* px = bmp.Pixels();
  for (size_t i = 0, n = bmp.PixelCount(); i < n; ++i)
    if (px[i] == 0x00FFFFFFu) px[i] = 0;
}

void PremultiplyImage(TBitmap32& bmp) { PremultiplyAlpha(bmp, TRect{0, 0, bmp.Width(), bmp.Height()}); }

}  // namespace qw
