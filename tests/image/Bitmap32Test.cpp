#include "image/Bitmap32.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <new>

namespace qw {
namespace {

TEST(Bitmap32, StartsWhiteWithZeroAlphaAndRowsTopDown) {
  TBitmap32 b = CreateBitmap32(3, 2);
  ASSERT_EQ(b.Width(), 3);
  ASSERT_EQ(b.Height(), 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(b.At(x, y), 0x00FFFFFFu);
  b.At(2, 0) = 0x11223344u;
  EXPECT_EQ(b.Row(1) - b.Row(0), 3);  // rows are contiguous, width pixels apart
  EXPECT_EQ(b.Pixels()[2], 0x11223344u);
}

TEST(Bitmap32, EmptySizesAreAllowedAndAbsurdOnesRefused) {
  EXPECT_TRUE(CreateBitmap32(0, 0).Empty());
  EXPECT_TRUE(CreateBitmap32(5, 0).Empty());
  EXPECT_THROW(CreateBitmap32(-1, 4), std::bad_alloc);
  EXPECT_THROW(CreateBitmap32(1 << 16, 1 << 16), std::bad_alloc);
}

TEST(Bitmap32, AReusedStoreStartsWhiteAgain) {
  const uint32_t* store;
  {
    TBitmap32 painted(7, 5);
    std::fill_n(painted.Pixels(), painted.PixelCount(), 0xFF123456u);
    store = painted.Pixels();
  }
  TBitmap32 other(5, 7), again(7, 5);
  EXPECT_NE(other.Pixels(), store);  // only a bitmap of the same size takes it
  EXPECT_EQ(again.Pixels(), store);
  EXPECT_EQ(std::count(again.Pixels(), again.Pixels() + again.PixelCount(), 0x00FFFFFFu), 35);
}

TEST(Bitmap32, MovesAndClonesOwnTheirPixels) {
  TBitmap32 a(2, 2);
  a.At(1, 1) = 7;
  TBitmap32 c = a.Clone();
  TBitmap32 b = std::move(a);
  EXPECT_TRUE(a.Empty());
  EXPECT_EQ(a.Pixels(), nullptr);
  EXPECT_EQ(b.At(1, 1), 7u);
  c.At(1, 1) = 9;
  EXPECT_EQ(b.At(1, 1), 7u);  // the clone is independent
  b = std::move(c);
  EXPECT_EQ(b.At(1, 1), 9u);
}

}  // namespace
}  // namespace qw
