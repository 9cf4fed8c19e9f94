// Keyed, masked, glyph and alpha copies: every mode of the parent background and the clipping.
#include "image/BitmapCopy.h"

#include <gtest/gtest.h>

#include "tests/image/PixelTestUtil.h"

namespace qw {
namespace {

using test::Filled;
using test::Pattern;
using test::Tag;

constexpr uint32_t kKey = 0x00FF00FFu;

// 2 x 2 image whose top-right pixel is the key.
TBitmap32 KeyedImage() {
  TBitmap32 b = Pattern(2, 2, [](int x, int y) { return 0x00101010u * uint32_t(1 + x + 2 * y); });
  b.At(1, 0) = kKey;
  return b;
}

TEST(CopyKeyedRect, NotReadyParentFillsKeyWithTheFillColour) {
  TBitmap32 dst = Filled(4, 4, 0xFF111111u);
  TCacheInfo ci;
  ci.FillColor = 0x0000FF;  // red, as a colour value
  CopyKeyedRect(dst, KeyedImage(), 1, 1, Rect(0, 0, 1, 1), false, ci, kKey);
  EXPECT_EQ(dst.At(1, 1), 0x00101010u);
  EXPECT_EQ(dst.At(2, 1), 0x00FF0000u);  // pixel word of the fill colour, alpha 0
  EXPECT_EQ(dst.At(2, 2), 0x00404040u);
  EXPECT_EQ(dst.At(0, 0), 0xFF111111u);
}

TEST(CopyKeyedRect, ReadyParentShowsThroughTheKeyOrKeepsTheDestination) {
  TBitmap32 parent = Pattern(8, 8, Tag);
  TCacheInfo ci{&parent, 3, 2, clNoColor, true};
  TBitmap32 dst = Filled(4, 4, 0xFF111111u);
  CopyKeyedRect(dst, KeyedImage(), 1, 1, Rect(0, 0, 1, 1), true, ci, kKey);
  EXPECT_EQ(dst.At(2, 1), Tag(2 + 3, 1 + 2));  // the parent's pixel behind the key
  EXPECT_EQ(dst.At(1, 1), 0x00101010u);

  TBitmap32 keep = Filled(4, 4, 0xFF111111u);
  CopyKeyedRect(keep, KeyedImage(), 1, 1, Rect(0, 0, 1, 1), false, ci, kKey);
  EXPECT_EQ(keep.At(2, 1), 0xFF111111u);

  TCacheInfo far{&parent, 100, 100, clNoColor, true};  // parent positions outside its bitmap are skipped
  TBitmap32 skip = Filled(4, 4, 0xFF111111u);
  CopyKeyedRect(skip, KeyedImage(), 1, 1, Rect(0, 0, 1, 1), true, far, kKey);
  EXPECT_EQ(skip.At(2, 1), 0xFF111111u);
}

TEST(CopyKeyedRect, OntoTheParentItselfMakesCopiesOpaque) {
  TBitmap32 dst = Filled(4, 4, 0x22334455u);
  TCacheInfo ci{&dst, 0, 0, clNoColor, true};
  CopyKeyedRect(dst, KeyedImage(), 0, 0, Rect(0, 0, 1, 1), true, ci, kKey);
  EXPECT_EQ(dst.At(0, 0), 0xFF101010u);
  EXPECT_EQ(dst.At(1, 0), 0x22334455u);
}

TEST(CopyKeyedRect, InclusiveSourceAndDestinationAreClipped) {
  TBitmap32 src = Pattern(3, 3, Tag);
  TBitmap32 dst = Filled(3, 3, 0);
  TCacheInfo ci;
  CopyKeyedRect(dst, src, -1, 2, Rect(0, 0, 10, 10), false, ci, kKey);  // cut to 3 x 3, then to Dst
  EXPECT_EQ(test::CountDifferent(dst, Filled(3, 3, 0)), 2);
  EXPECT_EQ(dst.At(0, 2), Tag(1, 0));
  EXPECT_EQ(dst.At(1, 2), Tag(2, 0));
  TBitmap32 one = Filled(3, 3, 0);
  CopyKeyedRect(one, src, 0, 0, Rect(2, 2, 2, 2), false, ci, kKey);  // a 1 x 1 inclusive rectangle
  EXPECT_EQ(test::CountDifferent(one, Filled(3, 3, 0)), 1);
  CopyKeyedRect(one, src, 0, 0, Rect(2, 2, 1, 1), false, ci, kKey);  // reversed: nothing
  EXPECT_EQ(test::CountDifferent(one, Filled(3, 3, 0)), 1);
}

// A 3 x 4 masked image: rows 0-1 the picture, rows 2-3 its mask (mask area height 4, so offset 2).
// Column 0: mask 0 (source shows), column 1: mask 255 (destination kept), column 2: mask 128.
TBitmap32 MaskedImage() {
  TBitmap32 b(3, 4);
  const uint32_t masks[3] = {0x000000u, 0xFFFFFFu, 0x808080u};
  for (int x = 0; x < 3; ++x) {
    b.At(x, 0) = 0x00FFFFFFu;
    b.At(x, 1) = kKey;
    b.At(x, 2) = masks[x];
    b.At(x, 3) = masks[x];
  }
  return b;
}

TEST(CopyMaskedPiece, MaskWeighsTheDestinationPerChannel) {
  const TMaskPieceInfo mask{Rect(0, 0, 3, 4), 1};
  TBitmap32 dst = Filled(3, 2, 0x7F000000u);
  CopyMaskedPiece(Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), dst, mask, false, TCacheInfo{}, MaskedImage());
  EXPECT_EQ(dst.At(0, 0), 0x7FFFFFFFu);  // (255*256 + 0) >> 8
  EXPECT_EQ(dst.At(1, 0), 0x7F000000u);  // (255*256 + 255*(0 - 255)) >> 8 = 0
  EXPECT_EQ(dst.At(2, 0), 0x7F7F7F7Fu);  // (255*256 + 128*(0 - 255)) >> 8 = 127, alpha kept (not ready)
}

TEST(CopyMaskedPiece, FourModesOfTheKeyPixels) {
  const TMaskPieceInfo mask{Rect(0, 0, 3, 4), 1};
  const TBitmap32 src = MaskedImage();
  TBitmap32 parent = Pattern(6, 6, Tag);
  const TRect row1 = Rect(0, 1, 3, 2);  // the key row of the picture

  TBitmap32 a = Filled(3, 1, 0x10000000u);
  CopyMaskedPiece(Rect(0, 0, 3, 1), row1, a, mask, true, TCacheInfo{&parent, 2, 3, clNoColor, true}, src);
  EXPECT_EQ(a.At(0, 0), Tag(2, 3) | 0xFF000000u);  // parent behind the key, alpha 255
  EXPECT_EQ(a.At(2, 0), Tag(4, 3) | 0xFF000000u);

  TBitmap32 b = Filled(3, 1, 0x10000000u);
  CopyMaskedPiece(Rect(0, 0, 3, 1), row1, b, mask, false, TCacheInfo{&parent, 2, 3, clNoColor, true}, src);
  EXPECT_EQ(b.At(0, 0), 0xFFFF00FFu);  // ready, no parent: the key is blended like any pixel (mask 0)
  EXPECT_EQ(b.At(1, 0), 0xFF000000u);

  TCacheInfo notReady;
  notReady.FillColor = 0x00FF00;
  TBitmap32 c = Filled(3, 1, 0x10000000u);
  CopyMaskedPiece(Rect(0, 0, 3, 1), row1, c, mask, true, notReady, src);
  EXPECT_EQ(c.At(1, 0), 0x0000FF00u);  // fill colour as a pixel word, alpha 0

  TBitmap32 d = Filled(3, 1, 0x10000000u);
  CopyMaskedPiece(Rect(0, 0, 3, 1), row1, d, mask, false, notReady, src);
  EXPECT_EQ(test::CountDifferent(d, Filled(3, 1, 0x10000000u)), 0);  // keys leave the destination
}

TEST(CopyMaskedPiece, RowsWithoutAMaskInsideTheImageAreNotCopied) {
  // Mask offset 2 in a 4-row image: asking for rows 1..3 copies only row 1 (its mask is row 3).
  const TMaskPieceInfo mask{Rect(0, 0, 3, 4), 1};
  TBitmap32 src = MaskedImage();
  src.At(0, 1) = 0x00123456u;
  TBitmap32 dst = Filled(3, 3, 0);
  CopyMaskedPiece(Rect(0, 0, 3, 3), Rect(0, 1, 3, 4), dst, mask, false, TCacheInfo{}, src);
  EXPECT_EQ(dst.At(0, 0), 0x00123456u);
  EXPECT_EQ(dst.At(0, 1), 0u);
  // Negative destination shifts the source.
  TBitmap32 neg = Filled(2, 1, 0);
  CopyMaskedPiece(Rect(-1, 0, 2, 1), Rect(0, 0, 3, 1), neg, mask, false, TCacheInfo{}, src);
  EXPECT_EQ(neg.At(0, 0), 0u);          // column 1: white mask keeps 0
  EXPECT_EQ(neg.At(1, 0), 0x007F7F7Fu);  // column 2: mask 128
}

// Glyph: 2 x 2, MaskType 1 (mask area height 2 -> offset 1). Pixel 0 mask 0, pixel 1 mask 255.
TEST(CopyGlyphWithMask, CoverageAccumulatesInAlphaAndTheFainterFormAddsHundred) {
  TBitmap32 src(3, 2);
  src.At(0, 0) = 0x00FFFFFFu;
  src.At(1, 0) = 0x00FFFFFFu;
  src.At(2, 0) = kKey;
  src.At(0, 1) = 0x00000000u;
  src.At(1, 1) = 0x00FFFFFFu;
  src.At(2, 1) = 0x00000000u;
  const TMaskPieceInfo mask{Rect(0, 0, 3, 2), 1};
  TBitmap32 dst = Filled(3, 1, 0x00000000u);
  CopyGlyphWithMask(Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), dst, mask, 1, src);
  EXPECT_EQ(dst.At(0, 0), 0xFEFFFFFFu);  // alpha 0 + 255*255 >> 8 = 254
  EXPECT_EQ(dst.At(1, 0), 0u);           // mask 255: not drawn
  EXPECT_EQ(dst.At(2, 0), 0u);           // key: not drawn
  TBitmap32 faint = Filled(1, 1, 0x80000000u);
  CopyGlyphWithMask(Rect(0, 0, 1, 1), Rect(0, 0, 1, 1), faint, mask, 0, src);
  // Weight 100: (255*256 + 100*(0 - 255)) >> 8 = 155; alpha 128 + (127*255 >> 8) = 254.
  EXPECT_EQ(faint.At(0, 0), 0xFE9B9B9Bu);
}

TEST(CopyGlyphWithMask, TypeZeroCopiesNonKeyPixelsAndClipsAtTheEdges) {
  TBitmap32 src = Pattern(3, 3, Tag);
  src.At(1, 1) = kKey;
  TBitmap32 dst = Filled(3, 3, 0);
  CopyGlyphWithMask(Rect(1, 1, 9, 9), Rect(0, 0, 3, 3), dst, TMaskPieceInfo{Rect(0, 0, 3, 3), 0}, 1, src);
  EXPECT_EQ(dst.At(1, 1), Tag(0, 0));
  EXPECT_EQ(dst.At(2, 2), 0u);  // the key at (1, 1)
  EXPECT_EQ(dst.At(2, 1), Tag(1, 0));  // the last column of the bitmap is drawn too
  EXPECT_EQ(dst.At(0, 0), 0u);
}

TEST(CopyAlphaBitmap, BlendsByOwnAlphaAndAccumulatesCoverage) {
  TBitmap32 src(3, 1);
  src.At(0, 0) = 0x80FFFFFFu;
  src.At(1, 0) = 0x00123456u;  // alpha 0: invisible
  src.At(2, 0) = kKey;
  TBitmap32 parent = Pattern(4, 4, Tag);
  TBitmap32 dst = Filled(3, 1, 0x00000000u);
  CopyAlphaBitmap(Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), dst, true, TCacheInfo{&parent, 1, 2, clNoColor, true}, &src);
  EXPECT_EQ(dst.At(0, 0), 0x807F7F7Fu);  // (255*128) >> 8 = 127; alpha 128*255 div 255
  EXPECT_EQ(dst.At(1, 0), 0u);
  EXPECT_EQ(dst.At(2, 0), Tag(3, 2) | 0xFF000000u);  // parent behind the key

  TBitmap32 nr = Filled(3, 1, 0x00000000u);
  CopyAlphaBitmap(Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), nr, true, TCacheInfo{}, &src);
  EXPECT_EQ(nr.At(2, 0), 0u);  // not ready: the key word is alpha 0 and blends to nothing
  CopyAlphaBitmap(Rect(0, 0, 3, 1), Rect(0, 0, 3, 1), nr, true, TCacheInfo{}, nullptr);  // no image: nothing
}

TEST(CopyAlphaBitmap, NegativeStartsShrinkTheArea) {
  TBitmap32 src = Filled(3, 3, 0xFF0000FFu);
  src.At(2, 2) = 0xFF00FF00u;
  TBitmap32 dst = Filled(2, 2, 0);
  CopyAlphaBitmap(Rect(-1, -1, 2, 2), Rect(0, 0, 3, 3), dst, false, TCacheInfo{}, &src);
  // A = 255: (s*255 + d*1) >> 8 = 254 for s = 255.
  EXPECT_EQ(dst.At(1, 1), 0xFF00FE00u);
  EXPECT_EQ(dst.At(0, 0), 0xFF0000FEu);
}

}  // namespace
}  // namespace qw
