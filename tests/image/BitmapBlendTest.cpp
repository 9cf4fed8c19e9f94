// Colour-into-rectangle, rectangle, keyed and whole-bitmap blends: arithmetic and clipping.
#include "image/BitmapBlend.h"

#include <gtest/gtest.h>

#include "tests/image/PixelTestUtil.h"

namespace qw {
namespace {

using test::Filled;
using test::Pattern;
using test::Tag;

TEST(BlendColorIntoRect, ChangesExactlyTheClippedAreaAndKeepsAlpha) {
  TBitmap32 b = Filled(10, 10, 0x7F000000u);
  BlendColorIntoRect(b, Rect(2, 2, 5, 5), 0, 0x0000FF);
  int changed = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      if (b.At(x, y) != 0x7F000000u) {
        ++changed;
        EXPECT_EQ(b.At(x, y), 0x7FFF0000u);  // KeepPercent 0 gives the plain colour
      }
  EXPECT_EQ(changed, 9);

  TBitmap32 c = Filled(3, 3, 0x00123456u);
  BlendColorIntoRect(c, Rect(-100, -100, 100, 100), 100, 0xFFFFFF);
  for (int i = 0; i < 9; ++i) EXPECT_EQ(c.Pixels()[i], 0x00123456u);  // 100 keeps everything
}

TEST(BlendColorIntoRect, HalvesRoundToEvenExactly) {
  TBitmap32 b(3, 1);
  b.At(0, 0) = 0x00000000u;
  b.At(1, 0) = 0x00020202u;
  b.At(2, 0) = 0x00FFFFFFu;
  BlendColorIntoRect(b, Rect(0, 0, 3, 1), 50, 0x010203);  // colour bytes R=3, G=2, B=1
  // Blue: (0+1)/2 = 0.5 -> 0; green 1; red 1.5 -> 2.
  EXPECT_EQ(b.At(0, 0), 0x00020100u);
  // Blue 1.5 -> 2, green 2, red 2.5 -> 2.
  EXPECT_EQ(b.At(1, 0), 0x00020202u);
  EXPECT_EQ(b.At(2, 0), 0x00818080u);  // blue 128, green 128.5 -> 128, red 129
  // 0.3*255 + 0.7*0 = 76.5: exact in integers, a tie that goes to 76.
  TBitmap32 t = Filled(1, 1, 0x00FFFFFFu);
  BlendColorIntoRect(t, Rect(0, 0, 1, 1), 30, 0x000000);
  EXPECT_EQ(t.At(0, 0), 0x004C4C4Cu);
}

TEST(BlendColorIntoRect, ResolvesSystemColours) {
  const TSystemColorTable saved = SystemColorTable();
  TSystemColorTable t{};
  t[15] = 0x0000FF;
  SetSystemColorTable(t);
  TBitmap32 b = Filled(1, 1, 0);
  BlendColorIntoRect(b, Rect(0, 0, 1, 1), 0, clBtnFace);
  EXPECT_EQ(b.At(0, 0), 0x00FF0000u);
  SetSystemColorTable(saved);
}

TEST(BlendRectangle, ZeroWeightCopiesAndFullWeightKeepsAlmostEverything) {
  TBitmap32 src = Pattern(3, 2, Tag);
  TBitmap32 dst = Filled(3, 2, 0x11000000u);
  BlendRectangle(dst, src, 0, TPoint{0, 0}, Rect(0, 0, 3, 2));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(dst.At(x, y), (Tag(x, y) & 0x00FFFFFFu) | 0x11000000u);

  TBitmap32 white = Filled(1, 1, 0xFFFFFFFFu), black = Filled(1, 1, 0xFF000000u);
  BlendRectangle(black, white, 255, TPoint{0, 0}, Rect(0, 0, 1, 1));
  EXPECT_EQ(black.At(0, 0), 0xFF000000u);
}

TEST(BlendRectangle, NegativeDestinationShiftsTheSource) {
  TBitmap32 src = Pattern(4, 4, Tag);
  TBitmap32 dst = Filled(4, 4, 0);
  BlendRectangle(dst, src, 0, TPoint{-1, -2}, Rect(0, 0, 4, 4));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(dst.At(x, y), (x < 3 && y < 2) ? (Tag(x + 1, y + 2) & 0x00FFFFFFu) : 0u) << x << "," << y;
}

TEST(BlendRectangle, AreaReachingTheEdgesBlendsTheLastColumnAndRow) {
  TBitmap32 src = Filled(4, 4, 0x00FFFFFFu);
  TBitmap32 dst = Filled(4, 4, 0);
  BlendRectangle(dst, src, 0, TPoint{2, 2}, Rect(0, 0, 2, 2));
  EXPECT_EQ(dst.At(3, 3), 0x00FFFFFFu);
  EXPECT_EQ(dst.At(2, 2), 0x00FFFFFFu);
  EXPECT_EQ(dst.At(1, 3), 0u);

  TBitmap32 d2 = Filled(4, 4, 0);
  BlendRectangle(d2, src, 0, TPoint{3, 3}, Rect(0, 0, 4, 4));  // cut at Dst's right and bottom
  EXPECT_EQ(test::CountDifferent(d2, Filled(4, 4, 0)), 1);
  EXPECT_EQ(d2.At(3, 3), 0x00FFFFFFu);
}

TEST(BlendRectangle, SourceIsCutToItsBitmapAndStrayRectanglesDoNothing) {
  TBitmap32 src = Pattern(4, 4, Tag);
  TBitmap32 dst = Filled(8, 8, 0);
  BlendRectangle(dst, src, 0, TPoint{0, 0}, Rect(2, 2, 100, 100));  // cut to 2 x 2
  EXPECT_EQ(test::CountDifferent(dst, Filled(8, 8, 0)), 4);
  EXPECT_EQ(dst.At(1, 1), Tag(3, 3) & 0x00FFFFFFu);

  TBitmap32 d = Filled(8, 8, 0);
  BlendRectangle(d, src, 0, TPoint{0, 0}, Rect(-1, 0, 2, 1));  // a negative source start moves the target
  EXPECT_EQ(d.At(0, 0), 0u);
  EXPECT_EQ(d.At(1, 0), Tag(0, 0) & 0x00FFFFFFu);
  EXPECT_EQ(d.At(2, 0), Tag(1, 0) & 0x00FFFFFFu);

  TBitmap32 e = Filled(8, 8, 0);
  BlendRectangle(e, src, 0, TPoint{0, 0}, Rect(1, 1, 1, 3));    // empty
  BlendRectangle(e, src, 0, TPoint{8, 0}, Rect(0, 0, 4, 4));    // beyond Dst
  BlendRectangle(e, src, 0, TPoint{0, 0}, Rect(4, 0, 9, 4));    // starts beyond Src
  BlendRectangle(e, src, 0, TPoint{-4, 0}, Rect(0, 0, 4, 4));   // shifted off the source
  BlendRectangle(e, src, 0, TPoint{INT32_MIN, INT32_MIN}, Rect(0, 0, 4, 4));
  BlendRectangle(e, src, 0, TPoint{0, 0}, Rect(INT32_MIN, 0, INT32_MAX, 4));
  EXPECT_EQ(test::CountDifferent(e, Filled(8, 8, 0)), 0);
}

TEST(BlendRectangle, SinglePixelRowsAndColumns) {
  TBitmap32 src = Pattern(5, 1, Tag);
  TBitmap32 row = Filled(5, 1, 0);
  BlendRectangle(row, src, 0, TPoint{1, 0}, Rect(0, 0, 5, 1));
  EXPECT_EQ(row.At(0, 0), 0u);
  EXPECT_EQ(row.At(4, 0), Tag(3, 0) & 0x00FFFFFFu);
  TBitmap32 csrc = Pattern(1, 5, Tag);
  TBitmap32 col = Filled(1, 5, 0);
  BlendRectangle(col, csrc, 0, TPoint{0, -1}, Rect(0, 0, 1, 5));
  EXPECT_EQ(col.At(0, 0), Tag(0, 1) & 0x00FFFFFFu);
  EXPECT_EQ(col.At(0, 3), Tag(0, 4) & 0x00FFFFFFu);
  EXPECT_EQ(col.At(0, 4), 0u);
}

TEST(BlendRectangle, OntoItselfReadsTheOriginalPixels) {
  TBitmap32 b = Pattern(4, 1, Tag);
  BlendRectangle(b, b, 0, TPoint{1, 0}, Rect(0, 0, 3, 1));
  EXPECT_EQ(b.At(1, 0), Tag(0, 0));
  EXPECT_EQ(b.At(2, 0), Tag(1, 0));  // not a smear of the first pixel
  EXPECT_EQ(b.At(3, 0), Tag(2, 0));
}

TEST(BlendKeyedBitmap, MixesByTheDestinationShareAndSkipsTheKey) {
  TBitmap32 src(3, 1);
  src.At(0, 0) = 0x00000000u;
  src.At(1, 0) = 0x00FF00FFu;  // key
  src.At(2, 0) = 0x00646464u;  // 100
  TBitmap32 dst = Filled(3, 1, 0xEEFFFFFFu);
  dst.At(2, 0) = 0xEEC8C8C8u;  // 200
  BlendKeyedBitmap(dst, 0, 0, 0x00FF00FFu, 0.5, Rect(0, 0, 2, 0), src);
  EXPECT_EQ(dst.At(0, 0), 0xEE808080u);  // 127.5 -> 128
  EXPECT_EQ(dst.At(1, 0), 0xEEFFFFFFu);  // key: untouched
  EXPECT_EQ(dst.At(2, 0), 0xEE969696u);  // 100 + 100*0.5 = 150
  TBitmap32 d2 = Filled(1, 1, 0x00C8C8C8u);
  BlendKeyedBitmap(d2, 0, 0, 0x00FF00FFu, 0.4, Rect(2, 0, 2, 0), src);
  EXPECT_EQ(d2.At(0, 0), 0x008C8C8Cu);  // keeps 40 %: 100 + 100*0.4 = 140
}

TEST(BlendKeyedBitmap, InclusiveSourceIsCutAndShiftsTheTarget) {
  TBitmap32 src = Pattern(2, 2, Tag);
  TBitmap32 dst = Filled(4, 4, 0);
  BlendKeyedBitmap(dst, 0, 0, 0x00FF00FFu, 0.0, Rect(-1, -1, 50, 50), src);
  // Left/Top -1 become 0 and the target moves to (1, 1); Right/Bottom are cut to the last column/row.
  EXPECT_EQ(test::CountDifferent(dst, Filled(4, 4, 0)), 4);
  EXPECT_EQ(dst.At(1, 1), Tag(0, 0) & 0x00FFFFFFu);
  EXPECT_EQ(dst.At(2, 2), Tag(1, 1) & 0x00FFFFFFu);
  TBitmap32 d2 = Filled(2, 2, 0);
  BlendKeyedBitmap(d2, -1, 1, 0x00FF00FFu, 0.0, Rect(0, 0, 1, 1), src);  // outside parts skipped
  EXPECT_EQ(test::CountDifferent(d2, Filled(2, 2, 0)), 1);
  EXPECT_EQ(d2.At(0, 1), Tag(1, 0) & 0x00FFFFFFu);
}

TEST(BlendTwoBitmaps, BlendsSameSizesAndIgnoresOthers) {
  TBitmap32 a = Filled(3, 2, 0x40000000u), b = Filled(3, 2, 0x00FFFFFFu);
  BlendTwoBitmaps(a, b, 128);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(a.Pixels()[i], 0x407F7F7Fu);
  TBitmap32 c = Filled(2, 3, 0);
  BlendTwoBitmaps(c, b, 0);
  EXPECT_EQ(test::CountDifferent(c, Filled(2, 3, 0)), 0);
  TBitmap32 e1, e2;
  BlendTwoBitmaps(e1, e2, 10);  // two empty bitmaps: nothing to do
}

}  // namespace
}  // namespace qw
