// Format detection, and the BMP and JPEG readers on corpora that other people made: pictures with a PNG
// twin must match it, damaged files must fail with EImageError and never crash.
#include "image/ImageDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/BmpReader.h"
#include "image/ImageError.h"
#include "image/JpegDecoder.h"
#include "image/PngDecoder.h"

namespace qw {
namespace {

namespace fs = std::filesystem;
using TBytes = std::vector<uint8_t>;

TBytes Load(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return TBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path Corpus(const char* package, const char* folder) {
  return fs::path(QW_CORPORA_DIR) / package / folder;
}

#define SKIP_WITHOUT(dir) \
  if (!fs::is_directory(dir)) GTEST_SKIP() << "corpus not fetched: " << (dir)

TEST(ImageDecoder, ChoosesTheFormatByContent) {
  const uint8_t png[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0};
  const uint8_t jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0};
  const uint8_t bmp[] = {'B', 'M', 0};
  const uint8_t text[] = {'G', 'I', 'F', '8'};
  EXPECT_EQ(DetectImageKind(png, sizeof png), TImageKind::Png);
  EXPECT_EQ(DetectImageKind(jpeg, sizeof jpeg), TImageKind::Jpeg);
  EXPECT_EQ(DetectImageKind(bmp, sizeof bmp), TImageKind::Bmp);
  EXPECT_EQ(DetectImageKind(text, sizeof text), TImageKind::Unknown);
  EXPECT_EQ(DetectImageKind(jpeg, 2), TImageKind::Unknown);
  EXPECT_EQ(DetectImageKind(nullptr, 0), TImageKind::Unknown);
  try {
    DecodeImage(text, sizeof text);
    FAIL() << "no error";
  } catch (const EImageError& e) {
    EXPECT_STREQ(e.what(), "Cannot load image. Unknown picture file format.");
  }
  // A bitmap file named like anything still decodes as a bitmap.
  const uint8_t tiny[] = {'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                          1, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                          0x30, 0x20, 0x10, 0};
  const TBitmap32 b = DecodeImage(tiny, sizeof tiny);
  ASSERT_EQ(b.Width(), 1);
  EXPECT_EQ(b.At(0, 0), 0x00102030u);
}

// Bitmaps of another project's test suite next to PNG copies of the same pixels.
TEST(ImageDecoder, BmpCorpusMatchesItsPngTwins) {
  const fs::path dir = Corpus("golang-golang-x-image-dev", "usr/share/gocode/src/golang.org/x/image/testdata");
  SKIP_WITHOUT(dir);
  struct TCase {
    const char* Name;
    int BitCount;
    bool CompareAlpha;  // only the file with an alpha mask keeps its alpha
  };
  for (const TCase& c : {TCase{"colormap", 8, false}, TCase{"video-001", 24, false},
                         TCase{"yellow_rose-small", 32, false}, TCase{"yellow_rose-small-v5", 32, true}}) {
    SCOPED_TRACE(c.Name);
    const TBytes bmpBytes = Load(dir / (std::string(c.Name) + ".bmp"));
    const TBytes pngBytes = Load(dir / (std::string(c.Name) + ".png"));
    ASSERT_FALSE(bmpBytes.empty());
    const TBmpImage bmp = ReadBmp(bmpBytes.data(), bmpBytes.size());
    const TBitmap32 png = DecodePng(pngBytes.data(), pngBytes.size());
    EXPECT_EQ(bmp.SourceBitCount, c.BitCount);
    ASSERT_EQ(bmp.Bitmap.Width(), png.Width());
    ASSERT_EQ(bmp.Bitmap.Height(), png.Height());
    auto mismatches = [&](const TBitmap32& decoded, bool compareAlpha) {
      const uint32_t mask = compareAlpha ? 0xFFFFFFFFu : 0x00FFFFFFu;
      int count = 0;
      for (int y = 0; y < png.Height(); ++y)
        for (int x = 0; x < png.Width(); ++x) {
          const uint32_t a = decoded.At(x, y), b = png.At(x, y);
          // A fully transparent PNG pixel's colour is not part of the picture.
          if (compareAlpha && (b >> 24) == 0 && (a >> 24) == 0) continue;
          if ((a & mask) != (b & mask) && ++count < 5)
            ADD_FAILURE() << x << "," << y << ": " << std::hex << a << " vs " << b;
        }
      return count;
    };
    EXPECT_EQ(mismatches(bmp.Bitmap, c.CompareAlpha), 0);
    if (!c.CompareAlpha) {
      for (size_t i = 0; i < bmp.Bitmap.PixelCount(); ++i) ASSERT_EQ(bmp.Bitmap.Pixels()[i] >> 24, 0u);
    }
    // With the alpha the file declares each is its twin, alpha and all: the plain 32-bit file is opaque
    // (its fourth byte holds garbage), and so are the palette and 24-bit ones.
    EXPECT_EQ(mismatches(DecodeImage(bmpBytes.data(), bmpBytes.size(), TBmpAlpha::Declared), true), 0);
  }
}

TEST(ImageDecoder, BitmaskReferenceOfTheDamagedImageSuite) {
  const fs::path dir = Corpus("gdk-pixbuf-tests", "usr/libexec/installed-tests/gdk-pixbuf/test-images/reftests");
  SKIP_WITHOUT(dir);
  const TBytes bmpBytes = Load(dir / "mandatory-bitmasks.bmp");
  const TBytes pngBytes = Load(dir / "mandatory-bitmasks.bmp.ref.png");
  const TBitmap32 bmp = ReadBmp(bmpBytes.data(), bmpBytes.size()).Bitmap;
  const TBitmap32 png = DecodePng(pngBytes.data(), pngBytes.size());
  ASSERT_EQ(bmp.Width(), png.Width());
  ASSERT_EQ(bmp.Height(), png.Height());
  int mismatches = 0;
  for (size_t i = 0; i < png.PixelCount(); ++i)
    if ((bmp.Pixels()[i] & 0x00FFFFFF) != (png.Pixels()[i] & 0x00FFFFFF)) ++mismatches;
  EXPECT_EQ(mismatches, 0);
}

// Mean absolute difference per channel between a decoded JPEG and the PNG of the same picture.
double MeanDifference(const TBitmap32& a, const TBitmap32& b) {
  double sum = 0;
  for (size_t i = 0; i < a.PixelCount(); ++i)
    for (int s = 0; s < 24; s += 8)
      sum += std::abs(static_cast<int>((a.Pixels()[i] >> s) & 0xFF) - static_cast<int>((b.Pixels()[i] >> s) & 0xFF));
  return sum / (3.0 * static_cast<double>(a.PixelCount()));
}

TEST(ImageDecoder, JpegCorpusMatchesItsReferences) {
  const fs::path dir = Corpus("golang-1.19-src", "usr/share/go-1.19/src/image/testdata");
  SKIP_WITHOUT(dir);
  // Each JPEG next to a PNG of how another decoder decodes it: rounding differs a little, and where a
  // channel is subsampled (the red of the RGB file) its upsampling differs more. A file that simply has
  // fewer progressive scans than it might is a whole (blurrier) picture, not a truncated one.
  struct TCase {
    const char* Name;
    double Tolerance;
  };
  for (const TCase& c : {TCase{"video-001", 2}, TCase{"video-001.cmyk", 2}, TCase{"video-001.rgb", 6},
                         TCase{"video-001.221212", 2}, TCase{"video-005.gray", 2},
                         TCase{"video-001.progressive.truncated", 2}}) {
    const char* name = c.Name;
    SCOPED_TRACE(name);
    const TBytes jpegBytes = Load(dir / (std::string(name) + ".jpeg"));
    const TBytes pngBytes = Load(dir / (std::string(name) + ".png"));
    ASSERT_FALSE(jpegBytes.empty());
    const TBitmap32 jpeg = DecodeJpeg(jpegBytes.data(), jpegBytes.size());
    const TBitmap32 png = DecodePng(pngBytes.data(), pngBytes.size());
    ASSERT_EQ(jpeg.Width(), png.Width());
    ASSERT_EQ(jpeg.Height(), png.Height());
    EXPECT_LT(MeanDifference(jpeg, png), c.Tolerance);
    for (size_t i = 0; i < jpeg.PixelCount(); ++i) ASSERT_EQ(jpeg.Pixels()[i] >> 24, 0xFFu);
  }
  // Cut in the middle of its scans it is truncated.
  TBytes cut = Load(dir / "video-001.progressive.jpeg");
  cut.resize(cut.size() * 2 / 3);
  EXPECT_THROW(DecodeJpeg(cut.data(), cut.size()), EImageError);
}

// Every BMP and JPEG of the damaged-image suite: those meant to fail fail with EImageError, the rest
// either decode or fail the same way. Nothing may crash or read outside its buffer (run under ASan).
TEST(ImageDecoder, DamagedImagesFailCleanly) {
  const fs::path dir = Corpus("gdk-pixbuf-tests", "usr/libexec/installed-tests/gdk-pixbuf");
  SKIP_WITHOUT(dir);
  int seen = 0, mustFail = 0;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (!entry.is_regular_file()) continue;
    const std::string name = entry.path().filename().string();
    const std::string ext = entry.path().extension().string();
    if (ext != ".bmp" && ext != ".jpg" && ext != ".jpeg") continue;
    SCOPED_TRACE(entry.path().string());
    const TBytes bytes = Load(entry.path());
    const bool shouldFail = entry.path().parent_path().filename() == "fail" || name == "premature-end.jpg" ||
                            name == "cve-2015-4491.bmp";
    ++seen;
    try {
      const TBitmap32 b = DecodeImage(bytes.data(), bytes.size());
      EXPECT_FALSE(shouldFail) << "decoded " << b.Width() << "x" << b.Height();
    } catch (const EImageError&) {
      mustFail += shouldFail;
    }
  }
  EXPECT_GE(seen, 20);
  EXPECT_EQ(mustFail, 6);
}

}  // namespace
}  // namespace qw
