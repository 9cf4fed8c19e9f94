#include "image/JpegDecoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "image/ImageError.h"
#include "tests/support/JpegEncode.h"

namespace qw {
namespace {

using TBytes = std::vector<uint8_t>;
using test::EncodeJpeg;

// Checks one pixel against 0xAARRGGBB with a per-channel tolerance (JPEG is lossy).
::testing::AssertionResult Near(uint32_t got, uint32_t want, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int g = static_cast<int>((got >> shift) & 0xFF), w = static_cast<int>((want >> shift) & 0xFF);
    if (std::abs(g - w) > tolerance) {
      char text[64];
      std::snprintf(text, sizeof text, "got %08X, wanted %08X", got, want);
      return ::testing::AssertionFailure() << text;
    }
  }
  return ::testing::AssertionSuccess();
}

// Four flat 8x8 quadrants so block edges do not blur the colours checked in the middle of each.
const uint32_t kQuadrants[4] = {0xFFFF0000, 0xFF00C000, 0xFF2040FF, 0xFFFFFFFF};

TBytes RgbQuadrants() {
  return EncodeJpeg(16, 16, JCS_RGB, 3, [](int x, int y, uint8_t* px) {
    const uint32_t c = kQuadrants[(y / 8) * 2 + x / 8];
    px[0] = static_cast<uint8_t>(c >> 16);
    px[1] = static_cast<uint8_t>(c >> 8);
    px[2] = static_cast<uint8_t>(c);
  });
}

TEST(JpegDecoder, ColourAndGreyImagesComeOutOpaque) {
  const TBytes rgb = RgbQuadrants();
  ASSERT_TRUE(IsJpegSignature(rgb.data(), rgb.size()));
  const TBitmap32 b = DecodeJpeg(rgb.data(), rgb.size());
  ASSERT_EQ(b.Width(), 16);
  ASSERT_EQ(b.Height(), 16);
  for (int q = 0; q < 4; ++q) EXPECT_TRUE(Near(b.At((q % 2) * 8 + 3, (q / 2) * 8 + 4), kQuadrants[q], 12)) << q;

  const TBytes grey = EncodeJpeg(24, 8, JCS_GRAYSCALE, 1, [](int x, int, uint8_t* px) { px[0] = x < 8 ? 30 : x < 16 ? 128 : 240; });
  const TBitmap32 g = DecodeJpeg(grey.data(), grey.size());
  ASSERT_EQ(g.Width(), 24);
  EXPECT_TRUE(Near(g.At(3, 4), 0xFF1E1E1E, 4));
  EXPECT_TRUE(Near(g.At(11, 4), 0xFF808080, 4));
  EXPECT_TRUE(Near(g.At(19, 4), 0xFFF0F0F0, 4));
}

TEST(JpegDecoder, CmykWithAndWithoutAdobeInversion) {
  // Ink amounts (C, M, Y, K) in 0..255 and the colours they print.
  struct TInk {
    uint8_t C, M, Y, K;
    uint32_t Rgb;
  };
  const TInk inks[4] = {{0, 255, 255, 0, 0xFFFF0000}, {255, 0, 255, 0, 0xFF00FF00}, {0, 0, 0, 128, 0xFF7F7F7F},
                        {0, 0, 0, 0, 0xFFFFFFFF}};
  for (bool adobe : {true, false}) {
    const TBytes cmyk = EncodeJpeg(
        16, 16, JCS_CMYK, 4,
        [&](int x, int y, uint8_t* px) {
          const TInk& ink = inks[(y / 8) * 2 + x / 8];
          // Files with an Adobe marker store the inks inverted.
          const uint8_t v[4] = {ink.C, ink.M, ink.Y, ink.K};
          for (int i = 0; i < 4; ++i) px[i] = adobe ? static_cast<uint8_t>(255 - v[i]) : v[i];
        },
        adobe);
    const TBitmap32 b = DecodeJpeg(cmyk.data(), cmyk.size());
    for (int q = 0; q < 4; ++q)
      EXPECT_TRUE(Near(b.At((q % 2) * 8 + 3, (q / 2) * 8 + 4), inks[q].Rgb, 12)) << q << (adobe ? " adobe" : " plain");
  }
}

std::string JpegErrorOf(const TBytes& b, uint64_t maxPixels = kMaxJpegPixels) {
  try {
    DecodeJpeg(b.data(), b.size(), maxPixels);
  } catch (const EImageError& e) {
    return e.what();
  }
  return "no error";
}

TEST(JpegDecoder, BrokenDataRaisesImageErrorsAndPrintsNothing) {
  const TBytes good = RgbQuadrants();
  EXPECT_EQ(JpegErrorOf({}), "Cannot load image. JPEG file is empty.");
  EXPECT_EQ(JpegErrorOf(TBytes(good.begin(), good.end() - 40)), "Cannot load image. JPEG file is truncated.");
  EXPECT_EQ(JpegErrorOf({0x89, 'P', 'N', 'G'}).rfind("Cannot load image. JPEG error: Not a JPEG file", 0), 0u);
  for (size_t cut = 0; cut < good.size(); cut += 7) EXPECT_THROW(DecodeJpeg(good.data(), cut), EImageError) << cut;

  TBytes garbage = {0xFF, 0xD8, 0xFF};
  for (int i = 0; i < 500; ++i) garbage.push_back(static_cast<uint8_t>(i * 37 + 11));
  EXPECT_THROW(DecodeJpeg(garbage.data(), garbage.size()), EImageError);

  // Stray bytes between two markers make the library warn, but the picture is whole: it decodes, and
  // the warning must not reach standard error.
  TBytes corrupt = good;
  size_t sof = 2;
  while (!(corrupt[sof] == 0xFF && corrupt[sof + 1] == 0xC0)) ++sof;
  corrupt.insert(corrupt.begin() + static_cast<std::ptrdiff_t>(sof), {1, 2, 3});
  ::testing::internal::CaptureStderr();
  EXPECT_NO_THROW(DecodeJpeg(corrupt.data(), corrupt.size()));
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

TEST(JpegDecoder, AbsurdSizesAreRefusedBeforeDecoding) {
  TBytes big = RgbQuadrants();
  size_t sof = 2;
  while (sof + 9 < big.size() && !(big[sof] == 0xFF && big[sof + 1] == 0xC0)) ++sof;
  ASSERT_LT(sof + 9, big.size());
  // height and width: 65000 x 65000
  big[sof + 5] = big[sof + 7] = 0xFD;
  big[sof + 6] = big[sof + 8] = 0xE8;
  EXPECT_EQ(JpegErrorOf(big), "Cannot load image. JPEG image is too large.");
  const TBytes small = RgbQuadrants();
  EXPECT_EQ(JpegErrorOf(small, 255), "Cannot load image. JPEG image is too large.");
  EXPECT_EQ(JpegErrorOf(small, 256), "no error");
}

}  // namespace
}  // namespace qw
