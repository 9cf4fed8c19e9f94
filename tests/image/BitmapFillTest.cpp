// Colour values, system colours, fills and the per-pixel alpha operations.
#include "image/BitmapFill.h"

#include <gtest/gtest.h>

#include "image/ColorToRgb.h"
#include "tests/image/PixelTestUtil.h"

namespace qw {
namespace {

using test::Filled;

TEST(Colors, SystemColoursComeFromTheInstalledTable) {
  const TSystemColorTable saved = SystemColorTable();
  TSystemColorTable t{};
  t[15] = 0x123456;
  t[5] = 0xFFFFFF;
  SetSystemColorTable(t);
  EXPECT_EQ(ColorToRGB(clBtnFace), 0x123456);
  EXPECT_EQ(ColorToRGB(static_cast<TColor>(0xFF000005u)), 0xFFFFFF);
  EXPECT_EQ(ColorToRGB(0x00ABCDEF), 0x00ABCDEF);  // plain colours pass unchanged
  SetSystemColorTable(saved);
}

TEST(Colors, MixColorsRoundsHalvesToEvenAndKeepsTheFirstTopByte) {
  EXPECT_EQ(MixColors(0x000000, 0xFFFFFF, 0.5), 0x808080);  // 127.5 -> 128
  EXPECT_EQ(MixColors(0x000000, 0x030303, 0.5), 0x020202);  // 1.5 -> 2
  EXPECT_EQ(MixColors(0x000000, 0x050505, 0.5), 0x020202);  // 2.5 -> 2
  EXPECT_EQ(MixColors(0x00123456, 0x00FEDCBA, 1.0), 0x00123456);
  EXPECT_EQ(MixColors(0x00123456, 0x00FEDCBA, 0.0), 0x00FEDCBA);
  EXPECT_EQ(MixColors(static_cast<TColor>(0x7F000000), 0x00FFFFFF, 0.0), static_cast<TColor>(0x7FFFFFFF));
  EXPECT_EQ(MixColors(0x000000, 0xFFFFFF, -3.0), 0xFFFFFF);  // out-of-range shares stay within a byte
}

TEST(FillRect32, WritesAlphaAndSwappedColourCutToTheBitmap) {
  TBitmap32 b = Filled(4, 3, 0x01020304u);
  FillRect32(b, Rect(-5, 1, 2, 99), 0x0000FF, 0x80);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(b.At(x, y), (y >= 1 && x < 2) ? 0x80FF0000u : 0x01020304u) << x << "," << y;
}

TEST(FillRect32, EmptyOrOutsideRectanglesChangeNothing) {
  TBitmap32 b = Filled(4, 4, 7);
  const TBitmap32 before = b.Clone();
  FillRect32(b, Rect(2, 2, 2, 4), 0, 255);    // zero width
  FillRect32(b, Rect(3, 3, 1, 1), 0, 255);    // reversed
  FillRect32(b, Rect(4, 0, 9, 4), 0, 255);    // right of the bitmap
  FillRect32(b, Rect(-9, -9, 0, 0), 0, 255);  // above and left
  EXPECT_EQ(test::CountDifferent(b, before), 0);
  TBitmap32 empty;
  FillRect32(empty, Rect(0, 0, 5, 5), 0, 255);  // a 0 x 0 bitmap is no error
}

TEST(SetAlphaInRect, SkipsKeyPixelsOnlyWhenAsked) {
  TBitmap32 b = Filled(2, 1, 0x00FF00FFu);
  b.At(1, 0) = 0x00123456u;
  SetAlphaInRect(b, Rect(0, 0, 2, 1), 0xFF, true);
  EXPECT_EQ(b.At(0, 0), 0x00FF00FFu);
  EXPECT_EQ(b.At(1, 0), 0xFF123456u);
  SetAlphaInRect(b, Rect(0, 0, 1, 1), 0x40, false);
  EXPECT_EQ(b.At(0, 0), 0x40FF00FFu);
}

TEST(PremultiplyAlpha, ClearsFreshWhiteAndScalesChannelsByAlpha) {
  TBitmap32 b(3, 1);  // starts 0x00FFFFFF
  b.At(1, 0) = 0x80C8C8C8u;
  b.At(2, 0) = 0xFF0A141Eu;
  PremultiplyAlpha(b, Rect(0, 0, 3, 1));
  EXPECT_EQ(b.At(0, 0), 0u);           // white with alpha 0 becomes transparent black
  EXPECT_EQ(b.At(1, 0), 0x80646464u);  // 200 under alpha 128 -> 100
  EXPECT_EQ(b.At(2, 0), 0xFF09131Du);  // c*255 >> 8 loses one
}

TEST(PremultiplyExact, KeepsOpaqueColoursAndClearsTransparentOnes) {
  TBitmap32 b(5, 1);
  b.At(0, 0) = 0xFF0A141Eu;  // opaque: unchanged, where the shift rule would lose one
  b.At(1, 0) = 0x80C8C8C8u;  // 200*128/255 = 100.39
  b.At(2, 0) = 0x01FFFFFFu;  // 255*1/255 = 1
  b.At(3, 0) = 0x00FFFFFFu;  // transparent white: no special case, just zero colour
  b.At(4, 0) = 0xFEFF7F01u;  // 255*254/255 = 254, 127*254/255 = 126.5 (down), 1*254/255 = 0
  PremultiplyExact(b);
  EXPECT_EQ(b.At(0, 0), 0xFF0A141Eu);
  EXPECT_EQ(b.At(1, 0), 0x80646464u);
  EXPECT_EQ(b.At(2, 0), 0x01010101u);
  EXPECT_EQ(b.At(3, 0), 0x00000000u);
  EXPECT_EQ(b.At(4, 0), 0xFEFE7E00u);
  TBitmap32 empty;
  PremultiplyExact(empty);  // nothing to do, nothing to touch
}

}  // namespace
}  // namespace qw
