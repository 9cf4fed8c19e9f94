// The stretched-piece cache must give exactly the pixels of the uncached stretch, first time and again.
#include <gtest/gtest.h>

#include "image/BitmapStretch.h"
#include "skin/render/RenderScratch.h"
#include "skin/render/StretchCache.h"

namespace qw {
namespace {

TEST(StretchCache, SamePixelsAsTheUncachedStretchOnEveryPaint) {
  // An image strip over its mask rows (mask offset 6).
  TBitmap32 src(9, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 9; ++x)
      src.At(x, y) = y < 6 ? 0xFF000000u | uint32_t(x * 29) << 16 | uint32_t(y * 41) << 8 | uint32_t(x * y * 7 & 0xFF)
                           : 0xFF000000u | uint32_t((x * 31 + y * 17) & 0xFF) * 0x010101u;
  const TRect pieces[] = {TRect{0, 0, 3, 6}, TRect{2, 1, 7, 4}, TRect{4, 4, 5, 5}, TRect{1, 0, 9, 6}, TRect{5, 2, 12, 9}};
  const TRect targets[] = {TRect{0, 0, 10, 7}, TRect{3, 2, 5, 20}, TRect{1, 1, 2, 2}, TRect{0, 0, 30, 3},
                           TRect{6, 5, 40, 40}};
  ReleaseScratchBitmaps();
  for (int round = 0; round < 2; ++round)
    for (const TRect& piece : pieces)
      for (const TRect& target : targets)
        for (bool centre : {false, true}) {
          TBitmap32 a(32, 24), b(32, 24);
          for (size_t i = 0; i < a.PixelCount(); ++i) a.Pixels()[i] = b.Pixels()[i] = 0xFF102030u + uint32_t(i);
          StretchMaskedPiece(a, target, src, piece, 6, centre);
          StretchMaskedPieceCached(b, target, src, piece, 6, centre);
          for (size_t i = 0; i < a.PixelCount(); ++i)
            ASSERT_EQ(a.Pixels()[i], b.Pixels()[i]) << round << " " << i << " centre " << centre;
        }
  // Changed pixels in the source are a different piece: never the old picture.
  TBitmap32 first(8, 8), second(8, 8);
  StretchMaskedPieceCached(first, TRect{0, 0, 8, 8}, src, TRect{0, 0, 3, 3}, 6, true);
  src.At(1, 1) ^= 0x00FFFFFFu;
  StretchMaskedPieceCached(second, TRect{0, 0, 8, 8}, src, TRect{0, 0, 3, 3}, 6, true);
  TBitmap32 fresh(8, 8);
  StretchMaskedPiece(fresh, TRect{0, 0, 8, 8}, src, TRect{0, 0, 3, 3}, 6, true);
  for (size_t i = 0; i < fresh.PixelCount(); ++i) ASSERT_EQ(second.Pixels()[i], fresh.Pixels()[i]);
}

}  // namespace
}  // namespace qw
