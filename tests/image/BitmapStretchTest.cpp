// Nearest-pixel stretch, masked border pieces and tiling.
#include "image/BitmapStretch.h"

#include <gtest/gtest.h>

#include "image/BitmapTile.h"
#include "tests/image/PixelTestUtil.h"

namespace qw {
namespace {

using test::Filled;
using test::Pattern;
using test::Tag;

TEST(StretchRectNearest, DoublesAndHalvesByPixelCentres) {
  TBitmap32 src = Pattern(4, 1, Tag);
  TBitmap32 wide = Filled(8, 1, 0);
  StretchRectNearest(wide, Rect(0, 0, 8, 1), src, Rect(0, 0, 2, 1));
  for (int x = 0; x < 8; ++x) EXPECT_EQ(wide.At(x, 0), Tag(x / 4, 0));
  TBitmap32 narrow = Filled(2, 1, 0);
  StretchRectNearest(narrow, Rect(0, 0, 2, 1), src, Rect(0, 0, 4, 1));
  EXPECT_EQ(narrow.At(0, 0), Tag(1, 0));
  EXPECT_EQ(narrow.At(1, 0), Tag(3, 0));
}

TEST(StretchRectNearest, ClippingKeepsTheScaleAndNeverReadsOutside) {
  TBitmap32 src = Pattern(2, 2, Tag);
  TBitmap32 dst = Filled(3, 3, 0);
  StretchRectNearest(dst, Rect(-2, -2, 2, 2), src, Rect(0, 0, 2, 2));  // 2x: only the last quarter shows
  EXPECT_EQ(dst.At(0, 0), Tag(1, 1));
  EXPECT_EQ(dst.At(1, 1), Tag(1, 1));
  EXPECT_EQ(dst.At(2, 2), 0u);
  TBitmap32 d2 = Filled(4, 1, 0);
  StretchRectNearest(d2, Rect(0, 0, 4, 1), src, Rect(1, 0, 5, 1));  // source reaching past Src
  EXPECT_EQ(d2.At(0, 0), Tag(1, 0));
  EXPECT_EQ(d2.At(1, 0), 0u);
  StretchRectNearest(d2, Rect(INT32_MIN, 0, INT32_MAX, 1), src, Rect(0, 0, 2, 1));  // absurd spans: nothing
}

// A 2-column piece: rows 0 image, row 1 mask (offset 1).
TBitmap32 Piece(uint32_t image, uint32_t mask, int w = 1, int h = 1) {
  TBitmap32 b(w, 2 * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      b.At(x, y) = image;
      b.At(x, y + h) = mask;
    }
  return b;
}

TEST(StretchMaskedPiece, SinglePixelCentreFillsBlendsOrLeaves) {
  TBitmap32 dst = Filled(4, 4, 0x00000000u);
  StretchMaskedPiece(dst, Rect(1, 1, 3, 3), Piece(0x00FFFFFFu, 0), Rect(0, 0, 1, 1), 1, true);
  EXPECT_EQ(dst.At(1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(dst.At(2, 2), 0xFFFFFFFFu);
  EXPECT_EQ(dst.At(3, 3), 0u);
  TBitmap32 keep = Filled(4, 4, 0x12345678u);
  StretchMaskedPiece(keep, Rect(0, 0, 4, 4), Piece(0x00FFFFFFu, 0x00FFFFFFu), Rect(0, 0, 1, 1), 1, true);
  EXPECT_EQ(test::CountDifferent(keep, Filled(4, 4, 0x12345678u)), 0);
  TBitmap32 mix = Filled(2, 2, 0);
  StretchMaskedPiece(mix, Rect(0, 0, 2, 2), Piece(0x00FFFFFFu, 0x00808080u), Rect(0, 0, 1, 1), 1, true);
  EXPECT_EQ(mix.At(1, 1), 0xFF7F7F7Fu);
}

TEST(StretchMaskedPiece, RefusesBadTargetsAndPlainStretchesWithoutAMask) {
  TBitmap32 src = Piece(0x00FFFFFFu, 0, 2, 2);
  TBitmap32 line = Filled(5, 1, 0);
  StretchMaskedPiece(line, Rect(0, 0, 5, 1), src, Rect(0, 0, 2, 2), 2, false);  // Dst 1 pixel high
  EXPECT_EQ(test::CountDifferent(line, Filled(5, 1, 0)), 0);
  TBitmap32 dst = Filled(4, 4, 0);
  StretchMaskedPiece(dst, Rect(-1, 0, 3, 3), src, Rect(0, 0, 2, 2), 2, false);  // negative start
  StretchMaskedPiece(dst, Rect(1, 1, 1, 3), src, Rect(0, 0, 2, 2), 2, false);   // empty
  EXPECT_EQ(test::CountDifferent(dst, Filled(4, 4, 0)), 0);
  TBitmap32 tags = Pattern(2, 2, Tag);
  StretchMaskedPiece(dst, Rect(0, 0, 4, 4), tags, Rect(0, 0, 2, 2), 0, false);  // no mask: plain stretch
  EXPECT_EQ(dst.At(3, 3), Tag(1, 1));
  EXPECT_EQ(dst.At(1, 2), Tag(0, 1));
}

TEST(StretchMaskedPiece, MaskedSidesBlendAndBecomeOpaque) {
  // 2 x 1 image (white, black) with a black mask: stretched to 4 x 2 with the plain stretch (growth).
  TBitmap32 src(2, 2);
  src.At(0, 0) = 0x00FFFFFFu;
  src.At(1, 0) = 0x00000000u;
  src.At(0, 1) = 0;
  src.At(1, 1) = 0;
  TBitmap32 dst = Filled(4, 3, 0x00808080u);
  StretchMaskedPiece(dst, Rect(0, 0, 4, 2), src, Rect(0, 0, 2, 1), 1, false);
  EXPECT_EQ(dst.At(1, 1), 0xFFFFFFFFu);
  EXPECT_EQ(dst.At(2, 0), 0xFF000000u);
  EXPECT_EQ(dst.At(0, 2), 0x00808080u);
}

TEST(StretchMaskedPiece, OnePixelThickShrinkingPieceDoesNotFail) {
  // A 1-pixel-wide side shrinking in height would need the filtered path, which cannot take a source
  // one pixel wide; it takes the plain stretch instead of abandoning the paint.
  TBitmap32 src = Piece(0x00FFFFFFu, 0, 1, 4);
  TBitmap32 dst = Filled(3, 3, 0);
  EXPECT_NO_THROW(StretchMaskedPiece(dst, Rect(0, 0, 1, 2), src, Rect(0, 0, 1, 4), 4, false));
  EXPECT_EQ(dst.At(0, 1), 0xFFFFFFFFu);
  EXPECT_NO_THROW(StretchMaskedPiece(dst, Rect(0, 0, 3, 3), src, Rect(0, 0, 1, 4), 4, true));
}

TEST(StretchMaskedPiece, CentreUsesTheFilteredPathOnFlatPieces) {
  TBitmap32 src = Piece(0x00C86432u, 0, 3, 3);
  TBitmap32 dst = Filled(8, 8, 0);
  StretchMaskedPiece(dst, Rect(1, 1, 8, 7), src, Rect(0, 0, 3, 3), 3, true);
  EXPECT_EQ(dst.At(4, 4) & 0x00FFFFFFu, 0x00C86432u);
  EXPECT_EQ(dst.At(4, 4) >> 24, 255u);
  EXPECT_EQ(dst.At(0, 0), 0u);
  EXPECT_EQ(dst.At(4, 7), 0u);
}

TEST(StretchMaskedPiece, HugeTargetsAreDrawnWhereVisibleWithoutHugeTemporaries) {
  TBitmap32 src = Piece(0x00C86432u, 0, 3, 3);
  TBitmap32 dst = Filled(4, 4, 0);
  StretchMaskedPiece(dst, Rect(0, 0, INT32_MAX, INT32_MAX), src, Rect(0, 0, 3, 3), 3, true);
  EXPECT_EQ(dst.At(3, 3), 0xFFC86432u);
}

TEST(TileBitmap, RepeatsFromTheTopLeftAndCutsToTheRectangle) {
  TBitmap32 tile = Pattern(2, 2, Tag);
  TBitmap32 dst = Filled(8, 8, 0);
  TileBitmap(dst, Rect(1, 1, 6, 4), tile);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) {
      const bool inside = x >= 1 && x < 6 && y >= 1 && y < 4;
      EXPECT_EQ(dst.At(x, y), inside ? Tag((x - 1) % 2, (y - 1) % 2) : 0u) << x << "," << y;
    }
}

TEST(TileBitmap, EmptyImagesAndHugeRectanglesAreSafe) {
  TBitmap32 dst = Filled(4, 4, 0);
  TileBitmap(dst, Rect(0, 0, 4, 4), TBitmap32());
  EXPECT_EQ(test::CountDifferent(dst, Filled(4, 4, 0)), 0);
  TBitmap32 tile = Pattern(3, 3, Tag);
  TileBitmap(dst, Rect(-1000000001, -1000000001, 1000000000, 1000000000), tile);  // quick, clipped
  // -1000000001 + 3k: the tile containing x = 0 starts at -2 (1000000001 - 999999999 = 2 rows before).
  EXPECT_EQ(dst.At(0, 0), Tag(2, 2));
  EXPECT_EQ(dst.At(1, 3), Tag(0, 2));
}

}  // namespace
}  // namespace qw
