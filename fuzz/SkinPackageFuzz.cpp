// The skin package container and everything built from a package: unpacking, the description, the
// image rules with the real decoders (with small pixel limits so a few bytes cannot ask for gigabytes).
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <exception>
#include <iterator>

#include "skin/data/SkinFileSystem.h"
#include "skin/data/SkinLoader.h"
#include "skin/data/SkinPackage.h"
#include "image/BmpReader.h"
#include "image/ImageDecoder.h"
#include "image/ImageError.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"
#include "image/PngWriter.h"

namespace {

qw::TSkinImage SmallDecode(std::span<const uint8_t> bytes) {
  qw::TSkinImage img;
  switch (qw::DetectImageKind(bytes.data(), bytes.size())) {
    case qw::TImageKind::Png:
      img.Bitmap = qw::DecodePng(bytes.data(), bytes.size());
      img.Kind = qw::TSkinImageKind::Png;
      if (img.Bitmap.PixelCount() > (1u << 22)) throw qw::EImageError("too large");
      break;
    case qw::TImageKind::Bmp: {
      qw::TBmpReadOptions options;
      options.MaxPixels = 1u << 22;
      qw::TBmpImage b = qw::ReadBmp(bytes.data(), bytes.size(), options);
      img.Bitmap = std::move(b.Bitmap);
      img.SourceBitCount = b.SourceBitCount;
      img.Kind = qw::TSkinImageKind::Bmp;
      break;
    }
    case qw::TImageKind::Jpeg:
      img.Bitmap = qw::DecodeJpeg(bytes.data(), bytes.size(), 1u << 22);
      img.Kind = qw::TSkinImageKind::Jpeg;
      img.SourceBitCount = 24;
      break;
    default:
      throw qw::EImageError("unknown");
  }
  return img;
}

}  // namespace

namespace {

// Random bytes almost never hold a valid zlib stream, so inputs that do not start with the magic are
// turned into a real package (the input as its description, two small images) and then damaged in
// the way the first two bytes say: cut, one byte flipped, or bytes appended.
std::vector<uint8_t> MakePackage(const uint8_t* data, size_t size) {
  static const std::vector<uint8_t> png = [] {
    qw::TBitmap32 b(3, 2);
    b.At(1, 1) = 0x80FF00FFu;
    return qw::EncodePng(b);
  }();
  static const uint8_t bmp[] = {'B', 'M', 62, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 2, 0, 0, 0, 1, 0,
                                0, 0, 1, 0, 24, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                0, 0, 0, 0, 0, 0, 255, 0, 255, 1, 2, 3, 0, 0};
  std::vector<uint8_t> pkg = qw::WriteSkinPackageRaw({{"Options.dat", std::vector<uint8_t>(data, data + size)},
                                                      {"MASTER.BMP", std::vector<uint8_t>(std::begin(bmp), std::end(bmp))},
                                                      {"Close.png", png}});
  if (size >= 2) {
    size_t at = pkg.size() * data[1] / 256;
    switch (data[0] % 4) {
      case 1: pkg.resize(at); break;
      case 2: pkg[at] ^= static_cast<uint8_t>(data[1] | 1); break;
      case 3: pkg.insert(pkg.end(), data, data + std::min<size_t>(size, 16)); break;
      default: break;
    }
  }
  return pkg;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> made;
  if (size < 4 || std::memcmp(data, "VLzf", 4) != 0) {
    made = MakePackage(data, size);
    data = made.data();
    size = made.size();
  }
  qw::TqxSkinConvertor reader;
  reader.BorrowPackedData(std::span<const uint8_t>(data, size));
  try {
    qw::UnpackSkinPackage(reader);
    qw::TPackageImageSource images(reader);
    qw::TSkinBuildContext ctx;
    ctx.System = &qw::SystemSkinSystem();
    ctx.Decode = &SmallDecode;
    qw::TSkinTables t = qw::BuildSkinTables(qw::TSkinDescription::Parse(reader.Options), images, ctx);
    for (const auto& g : t.gd) (void)t.GetMaskIndex(t.GetSkinIndex(g.ClassName), g.ClassName, u"BORDERSMASK");
  } catch (const std::exception&) {
    // Damaged input must fail with an exception, never with a crash.
  }
  return 0;
}
