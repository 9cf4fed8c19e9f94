#include "image/PngWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "image/ImageError.h"
#include "image/PngDecoder.h"
#include "tests/support/FileBytes.h"

namespace qw {
namespace {

namespace fs = std::filesystem;

TBitmap32 RandomBitmap(int w, int h, uint32_t seed, bool smooth) {
  TBitmap32 bmp(w, h);
  std::mt19937 rng(seed);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      bmp.At(x, y) = smooth ? (rng() & 0x03030303u) + uint32_t(x) * 0x01020304u + uint32_t(y) * 0x04010203u : rng();
  return bmp;
}

void ExpectSame(const TBitmap32& a, const TBitmap32& b) {
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (size_t i = 0; i < a.PixelCount(); ++i) ASSERT_EQ(a.Pixels()[i], b.Pixels()[i]) << "pixel " << i;
}

TEST(PngWriter, RoundTripKeepsEveryPixelAndStraightAlpha) {
  // Noise and gradients make the row filter choice vary; alpha 0 pixels keep their colour.
  const int sizes[][2] = {{1, 1}, {17, 5}, {64, 64}, {301, 3}};
  uint32_t seed = 1;
  for (auto [w, h] : sizes) {
    for (bool smooth : {false, true}) {
      const TBitmap32 bmp = RandomBitmap(w, h, seed++, smooth);
      const auto png = EncodePng(bmp);
      ASSERT_TRUE(IsPngSignature(png.data(), png.size()));
      ExpectSame(DecodePng(png.data(), png.size()), bmp);
    }
  }
}

TEST(PngWriter, WritesAnRgba8Header) {
  const auto png = EncodePng(RandomBitmap(300, 2, 5, true));
  ASSERT_GT(png.size(), 33u);
  EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
  EXPECT_EQ(png[16 + 2], 300 >> 8);
  EXPECT_EQ(png[16 + 3], 300 & 0xFF);
  EXPECT_EQ(png[24], 8);  // bit depth
  EXPECT_EQ(png[25], 6);  // RGBA
  EXPECT_EQ(png[28], 0);  // not interlaced
  EXPECT_THROW(EncodePng(TBitmap32()), EImageError);
}

class PngSave : public ::testing::Test {
 protected:
  void SetUp() override {
    FDir = fs::temp_directory_path() / ("qw_png_save_" + std::to_string(std::random_device{}()));
    fs::create_directories(FDir);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(FDir, ec);
  }
  fs::path FDir;
};

TEST_F(PngSave, ReplacesAnOldFileAndLeavesNoTemporary) {
  const fs::path target = FDir / "out.png";
  { std::ofstream(target) << "old contents"; }
  const TBitmap32 bmp = RandomBitmap(9, 4, 77, false);
  SavePng(bmp, target.string());
  const auto bytes = testutil::ReadFileBytes(target);
  ExpectSame(DecodePng(bytes.data(), bytes.size()), bmp);
  EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
}

TEST_F(PngSave, FailureThrowsAndLeavesTheTargetAlone) {
  const TBitmap32 bmp = RandomBitmap(3, 3, 1, false);
  // A folder that does not exist: nothing can be created.
  EXPECT_THROW(SavePng(bmp, (FDir / "missing" / "a.png").string()), EImageError);
  // A target that is a non-empty folder cannot be replaced: the folder survives and no temporary
  // file is left beside it.
  const fs::path folder = FDir / "taken.png";
  fs::create_directories(folder / "inside");
  EXPECT_THROW(SavePng(bmp, folder.string()), EImageError);
  EXPECT_TRUE(fs::is_directory(folder / "inside"));
  EXPECT_EQ(std::distance(fs::directory_iterator(FDir), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace qw
