// Copies out of and into the frame's picture stay inside both bitmaps whatever the rectangle, and a
// fade without steps never divides by zero.
#include <gtest/gtest.h>

#include "skin/frame/FramePicture.h"

namespace qw {
namespace {

TBitmap32 Numbered(int w, int h) {
  TBitmap32 b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) b.At(x, y) = static_cast<uint32_t>(y * 100 + x);
  return b;
}

TEST(FramePicture, CopiesAreClippedToBothBitmaps) {
  const TBitmap32 src = Numbered(10, 4);
  struct {
    TRect R;
    int W, H;
    uint32_t First;
  } cases[] = {
      {{2, 1, 5, 3}, 3, 2, 102},     // inside
      {{-6, -2, 3, 2}, 3, 2, 0},     // starts before the first pixel: never read there
      {{8, 2, 40, 90}, 2, 2, 208},   // runs past the end
      {{12, 0, 20, 4}, 0, 0, 0},     // wholly outside
  };
  for (const auto& c : cases) {
    const TBitmap32 out = CopyBitmapArea(src, c.R);
    EXPECT_EQ(out.Width(), c.W);
    EXPECT_EQ(out.Height(), c.H);
    if (!out.Empty()) {
      EXPECT_EQ(out.At(0, 0), c.First);
    }
  }
  TBitmap32 dst(4, 3);
  PasteBitmap(dst, src, TPoint{-8, 1});  // only src's last two columns land, in dst's first two
  EXPECT_EQ(dst.At(0, 1), 8u);
  EXPECT_EQ(dst.At(1, 2), 109u);
  EXPECT_EQ(dst.At(2, 1), 0x00FFFFFFu);
  PasteBitmapArea(dst, src, TRect{-3, -3, 2, 2}, TPoint{3, 2});  // source clipped first, then target
  EXPECT_EQ(dst.At(3, 2), 0x00FFFFFFu) << "the part of the source before its first pixel is not read";
}

TEST(FramePicture, FadeLevelsAreBoundedAndAZeroCountIsOpaque) {
  EXPECT_EQ(FadeLevelAlpha(3, 0), 255);
  EXPECT_EQ(FadeLevelAlpha(3, -1), 255);
  EXPECT_EQ(FadeLevelAlpha(1, 10), 25);
  EXPECT_EQ(FadeLevelAlpha(10, 10), 250);
  EXPECT_EQ(FadeLevelAlpha(40, 10), 255);
  EXPECT_EQ(FadeLevelAlpha(-2, 10), 0);
}

}  // namespace
}  // namespace qw
