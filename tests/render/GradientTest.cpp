// Gradient bands and layouts, and the one-pass gradient with texture.
#include <gtest/gtest.h>

#include "skin/render/Gradient.h"
#include "tests/render/RenderTestUtil.h"

namespace qw {
namespace {

using test::Gray;

TBitmap32 Blank(int w, int h) { return TBitmap32(w, h); }

TEST(Gradient, SingleVerticalBandRunsFromFirstToLastRow) {
  TBitmap32 b = Blank(3, 101);
  PaintGradient(b, TRect{0, 0, 3, 101}, ParseGradient(u"0;16777215;100;0;0"));
  EXPECT_EQ(b.At(0, 0), Gray(0));
  EXPECT_EQ(b.At(2, 100), Gray(255));
  // Fifty single-precision steps of 255 / 100 reach 127.50006 (exactly 127.4999976 would round down).
  EXPECT_EQ(b.At(1, 50), Gray(128));
  EXPECT_EQ(b.At(1, 49), Gray(125));  // 124.950058
  EXPECT_EQ(b.At(1, 51), Gray(130));  // 130.050064
  EXPECT_EQ(b.At(0, 50), b.At(2, 50));
  // Horizontal: the same from left to right, every row alike.
  TBitmap32 h = Blank(101, 4);
  PaintGradient(h, TRect{0, 0, 101, 4}, ParseGradient(u"0;16777215;100;1;0"));
  EXPECT_EQ(h.At(0, 3), Gray(0));
  EXPECT_EQ(h.At(100, 0), Gray(255));
  EXPECT_EQ(h.At(50, 0), b.At(0, 50));
  EXPECT_EQ(h.At(37, 0), h.At(37, 3));
}

TEST(Gradient, BandsShareTheirBoundaryAndTheLaterWins) {
  // White to 0xEBEBEB over 97 % of 100 rows, then 0xEBEBEB to the end.
  TBitmap32 b = Blank(2, 100);
  PaintGradient(b, TRect{0, 0, 2, 100}, ParseGradient(u"16777215;15461355;97;0;0;15461355;15461355;0;0;0"));
  EXPECT_EQ(b.At(0, 0), Gray(255));
  EXPECT_EQ(b.At(0, 48), Gray(245));  // 255 - 48 * 20 / 97 = 245.1
  EXPECT_EQ(b.At(0, 96), Gray(235));  // 235.2
  for (int y = 97; y < 100; ++y) EXPECT_EQ(b.At(1, y), Gray(235)) << y;

  // Horizontal ends are rounded half to even: 50 % of 5 columns ends band 0 on column 2, which the
  // second band then paints.
  TBitmap32 h = Blank(5, 1);
  PaintGradient(h, TRect{0, 0, 5, 1}, ParseGradient(u"0;255;50;1;0;65280;65280;50;0;0"));
  EXPECT_EQ(h.At(0, 0), 0xFF000000u);
  EXPECT_EQ(h.At(1, 0), 0xFF800000u);  // red 127.5 -> 128
  EXPECT_EQ(h.At(2, 0), 0xFF00FF00u);
  EXPECT_EQ(h.At(4, 0), 0xFF00FF00u);
}

TEST(Gradient, ZeroPercentFirstBandLeavesAllToTheSecond) {
  TBitmap32 b = Blank(2, 10);
  PaintGradient(b, TRect{0, 0, 2, 10}, ParseGradient(u"255;255;0;0;0;65280;65280;100;0;0"));
  for (int y = 0; y < 10; ++y) EXPECT_EQ(b.At(0, y), 0xFF00FF00u) << y;
}

TEST(Gradient, EveryPixelIsWrittenEvenWhereNoBandHasLength) {
  // One row: no band has a length; the rectangle still gets the first colour rather than stale pixels.
  TBitmap32 b = Blank(4, 3);
  PaintGradient(b, TRect{0, 1, 4, 2}, ParseGradient(u"255;65280;50;0;0;65280;65280;50;0;0"));
  EXPECT_EQ(b.At(0, 1), 0xFFFF0000u);
  EXPECT_EQ(b.At(0, 0), 0x00FFFFFFu);  // outside R untouched
  EXPECT_EQ(b.At(0, 2), 0x00FFFFFFu);
}

TEST(Gradient, EmptyAndUnknownLayoutsPaintNothing) {
  TBitmap32 b = Blank(4, 4);
  PaintGradient(b, TRect{0, 0, 4, 4}, ParseGradient(u"N/A"));
  PaintGradient(b, TRect{0, 0, 4, 4}, ParseGradient(u"0;255;100;7;0"));
  PaintGradient(b, TRect{-1000000, -5, 2000000000, 9}, TsGradArray{});
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.At(x, y), 0x00FFFFFFu);
  // A rectangle far larger than the bitmap is cut to it.
  PaintGradient(b, TRect{-1000000, -5, 2000000000, 9}, ParseGradient(u"255;255;100;0;0"));
  EXPECT_EQ(b.At(3, 3), 0xFFFF0000u);
}

TEST(Gradient, MeshRepeatsTheLastColourForMissingCorners) {
  // Two bands: corner 0 black, the centre and every other corner white.
  TBitmap32 b = Blank(20, 20);
  PaintGradient(b, TRect{0, 0, 20, 20}, ParseGradient(u"0;0;0;2;0;16777215;0;0;0;0"));
  EXPECT_EQ(b.At(19, 19), Gray(255));
  EXPECT_EQ(b.At(19, 0), Gray(255));
  EXPECT_EQ(b.At(0, 19), Gray(255));
  EXPECT_LT(b.At(0, 0) & 0xFF, 20u);
  EXPECT_GT(b.At(10, 10) & 0xFF, 240u);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(b.At(x, y) >> 24, 255u);
}

TEST(Gradient, OnePassTextureRepeatsWithTheTexturePeriod) {
  TBitmap32 tex(4, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) tex.At(x, y) = Gray(static_cast<uint32_t>(10 * x + 50 * y));
  TBitmap32 b = Blank(6, 8);
  const TsGradArray flat = ParseGradient(u"16777215;16777215;100;0;0");  // white everywhere
  // The texture area is columns 1..2, rows 0..1 of the texture; A = 76 (30 %).
  PaintGradientWithTexture(b, TRect{0, 0, 6, 8}, flat, 76, TRect{1, 0, 3, 2}, tex);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 6; ++x) {
      const uint32_t t = static_cast<uint32_t>(10 * (1 + x % 2) + 50 * (y % 2));
      ASSERT_EQ(b.At(x, y), Gray((76 * t + 180 * 255) >> 8)) << x << "," << y;
    }
  // An empty area is the whole texture; an area reaching the texture's edge keeps its last column.
  TBitmap32 c = Blank(8, 1);
  PaintGradientWithTexture(c, TRect{0, 0, 8, 1}, flat, 256, TRect{}, tex);
  EXPECT_EQ(c.At(3, 0), tex.At(3, 0));
  EXPECT_EQ(c.At(4, 0), tex.At(0, 0));
}

}  // namespace
}  // namespace qw
