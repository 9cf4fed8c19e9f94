// Tint, grayscale, hue and saturation of colours and bitmaps.
#include "image/BitmapColor.h"

#include <gtest/gtest.h>

#include "tests/image/PixelTestUtil.h"

namespace qw {
namespace {

using test::Filled;

TEST(Grayscale, AveragesWithIntegerDivisionAndKeepsAlpha) {
  TBitmap32 b = Filled(2, 1, 0x7FFF0001u);  // R 255, G 0, B 1
  b.At(1, 0) = 0x00FF00FFu;
  GrayscaleBitmap(b);
  EXPECT_EQ(b.At(0, 0), 0x7F555555u);  // 256 div 3 = 85
  EXPECT_EQ(b.At(1, 0), 0x00AAAAAAu);  // the key is grayed too without a key argument
  TBitmap32 k = Filled(2, 1, 0x00FF00FFu);
  k.At(1, 0) = 0x00030201u;
  GrayscaleBitmapKeyed(k, 0x00FF00FFu);
  EXPECT_EQ(k.At(0, 0), 0x00FF00FFu);
  EXPECT_EQ(k.At(1, 0), 0x00020202u);
}

TEST(TintBitmap, MovesTowardTheColourAndSkipsTheKey) {
  TBitmap32 b = Filled(2, 1, 0x80FFFFFFu);
  b.At(1, 0) = 0x00FF00FFu;
  TintBitmap(b, 0x000000, 0.5);  // round(0.5*(255 - 0) + 0) = 127.5 -> 128
  EXPECT_EQ(b.At(0, 0), 0x80808080u);
  EXPECT_EQ(b.At(1, 0), 0x00FF00FFu);
  TintBitmap(b, 0x0000FF, 0.0);  // x = 0: the colour itself (red), alpha kept
  EXPECT_EQ(b.At(0, 0), 0x80FF0000u);
  TintBitmap(b, 0x0000FF, 0.25);  // the same colour with another share: 0.25*(0 - 255) + 255 = 191.25
  EXPECT_EQ(b.At(0, 0), 0x80FF0000u);
  b.At(0, 0) = 0x80000000u;
  TintBitmap(b, 0x0000FF, 0.25);
  EXPECT_EQ(b.At(0, 0), 0x80BF0000u);
}

TEST(Hue, PrimariesTurnByThirdsAndOffsetZeroIsIdentity) {
  EXPECT_EQ(ChangeColorHue(0x0000FF, 120), 0x00FF00);  // red -> green
  EXPECT_EQ(ChangeColorHue(0x0000FF, 240), 0xFF0000);  // red -> blue
  EXPECT_EQ(ChangeColorHue(0x00FF00, 120), 0xFF0000);  // green -> blue
  EXPECT_EQ(ChangeColorHue(0x123456, 0), 0x123456);
  EXPECT_EQ(ChangeColorHue(0x808080, 90), 0x808080);   // gray has no hue
  EXPECT_EQ(ChangeColorHue(static_cast<TColor>(0x1F0000FFu), 120), static_cast<TColor>(0x1F00FF00u));
}

TEST(Hue, FullTurnRoundsHalvesToEven) {
  // R 255, G 127, B 0: H = 29.88 -> 30 after a full turn, so G = 255*(1 - 0.5) = 127.5 -> 128.
  EXPECT_EQ(ChangeColorHue(0x007FFF, 360), 0x0080FF);
  // Negative offsets wrap like positive ones.
  EXPECT_EQ(ChangeColorHue(0x0000FF, -240), ChangeColorHue(0x0000FF, 120));
}

TEST(Hue, BitmapLeavesGrayAndKeyPixelsAlone) {
  TBitmap32 b(3, 1);
  b.At(0, 0) = 0x40FF0000u;  // red pixel word
  b.At(1, 0) = 0x00FF00FFu;
  b.At(2, 0) = 0xFF808080u;
  ChangeBitmapHue(b, 120);
  EXPECT_EQ(b.At(0, 0), 0x4000FF00u);
  EXPECT_EQ(b.At(1, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(2, 0), 0xFF808080u);
}

TEST(Saturation, MinusHundredGivesTheRoundedAverage) {
  EXPECT_EQ(ChangeColorSaturation(0x102030, -100), 0x202020);
  EXPECT_EQ(ChangeColorSaturation(0x000001, -100), 0x000000);  // 1/3 -> 0
  EXPECT_EQ(ChangeColorSaturation(0x000002, -100), 0x010101);  // 2/3 -> 1
  EXPECT_EQ(ChangeColorSaturation(0x123456, 0), 0x123456);
}

TEST(Saturation, ExactHalvesRoundToEvenAndResultsClamp) {
  // Bytes (2, 2, 5), amount 50: 2 - (3 - 2)/2 = 1.5 -> 2 and 5 + 1 = 6.
  EXPECT_EQ(ChangeColorSaturation(0x050202, 50), 0x060202);
  // Bytes (3, 3, 0): 3.5 -> 4 and -1 -> 0.
  EXPECT_EQ(ChangeColorSaturation(0x000303, 50), 0x000404);
  // Bytes (100, 50, 0), amount 50: 125, 50 and -25 -> 0.
  EXPECT_EQ(ChangeColorSaturation(0x003264, 50), 0x00327D);
  EXPECT_EQ(ChangeColorSaturation(static_cast<TColor>(0xAB0000FFu), -100), static_cast<TColor>(0xAB555555u));
}

TEST(Saturation, BitmapLeavesGrayAndKeyPixelsAlone) {
  TBitmap32 b(3, 1);
  b.At(0, 0) = 0xFF302010u;
  b.At(1, 0) = 0x00FF00FFu;
  b.At(2, 0) = 0xFF555555u;
  ChangeBitmapSaturation(b, -100);
  EXPECT_EQ(b.At(0, 0), 0xFF202020u);
  EXPECT_EQ(b.At(1, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(2, 0), 0xFF555555u);
}

}  // namespace
}  // namespace qw
