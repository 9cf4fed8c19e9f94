// Texture fill modes with their uncovered rests, and masked textures against the parent.
#include <gtest/gtest.h>

#include "skin/render/BorderMask.h"
#include "skin/render/TextureFill.h"
#include "tests/render/RenderTestUtil.h"

namespace qw {
namespace {

uint32_t Tile(int x, int y) { return 0xFF000000u | uint32_t(0x10 * (x + 1)) << 8 | uint32_t(0x20 * (y + 1)); }

class TextureFillTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A 3 x 2 tile at (10, 10) of the master bitmap.
    tile = skin.AddMask(u"S", u"PATTERN", TRect{10, 10, 13, 12}, 1, 0);
    skin.Paint(TRect{10, 10, 13, 12}, Tile);
  }
  const TsMaskData& mask() { return skin.Mask(tile); }
  test::TTestSkin skin;
  int tile = -1;
};

TEST_F(TextureFillTest, ModesPaintTheirPartAndReturnTheRest) {
  struct Case {
    int mode;
    TRect rest;
  } cases[] = {{0, TRect{0, 0, -1, 5}}, {1, TRect{0, 0, -1, 5}}, {2, TRect{0, 2, 7, 5}}, {3, TRect{3, 0, 7, 5}},
               {4, TRect{0, 2, 7, 5}},  {5, TRect{3, 0, 7, 5}},  {6, TRect{0, 0, 7, 3}}, {7, TRect{0, 0, 4, 5}},
               {10, TRect{0, 0, -1, 5}}};
  for (const Case& c : cases) {
    TBitmap32 b(7, 5);
    TRect r{0, 0, 7, 5};
    FillRectByTexture(b, r, nullptr, c.mode, mask());
    EXPECT_EQ(r, c.rest) << "mode " << c.mode;
    switch (c.mode) {
      case 0:
        for (int y = 0; y < 5; ++y)
          for (int x = 0; x < 7; ++x) ASSERT_EQ(b.At(x, y), Tile(x % 3, y % 2)) << x << "," << y;
        break;
      case 2:
        EXPECT_EQ(b.At(6, 1), Tile(0, 1));
        EXPECT_EQ(b.At(6, 2), 0x00FFFFFFu);
        break;
      case 4:  // stretched to 7 columns, 2 rows
        EXPECT_EQ(b.At(0, 0), Tile(0, 0));
        EXPECT_EQ(b.At(6, 1), Tile(2, 1));
        EXPECT_EQ(b.At(0, 2), 0x00FFFFFFu);
        break;
      case 6:  // tiles start on the bottom strip's top row
        EXPECT_EQ(b.At(0, 3), Tile(0, 0));
        EXPECT_EQ(b.At(4, 4), Tile(1, 1));
        EXPECT_EQ(b.At(0, 2), 0x00FFFFFFu);
        break;
      case 7:
        EXPECT_EQ(b.At(4, 0), Tile(0, 0));
        EXPECT_EQ(b.At(6, 4), Tile(2, 0));
        EXPECT_EQ(b.At(3, 0), 0x00FFFFFFu);
        break;
      case 10:  // whole tile rows only: rows 0..3; the last column is cut
        EXPECT_EQ(b.At(6, 3), Tile(0, 1));
        EXPECT_EQ(b.At(0, 4), 0x00FFFFFFu);
        break;
      default:
        break;
    }
  }
}

TEST_F(TextureFillTest, RestIsEmptyWhenTheStripCoversAll) {
  TBitmap32 b(7, 1);
  TRect r{0, 0, 7, 1};
  FillRectByTexture(b, r, nullptr, 4, mask());
  EXPECT_TRUE(IsRectEmpty(r));
  EXPECT_EQ(b.At(6, 0), Tile(2, 0));
}

TEST_F(TextureFillTest, NoTileLeavesTheRectangleToTheCaller) {
  TsMaskData& m = skin.Mask(tile);
  for (TRect area : {TRect{5, 5, 5, 9}, TRect{70, 70, 90, 90}, TRect{-40, -40, -30, -30}}) {
    m.R = area;
    TBitmap32 b(4, 4);
    for (int mode : {0, 1, 2, 3, 6, 10}) {
      TRect r{0, 0, 4, 4};
      FillRectByTexture(b, r, nullptr, mode, m);
      EXPECT_EQ(r, (TRect{0, 0, 4, 4}));
    }
  }
  // A tile partly outside the master bitmap is cut to it (62..63 of 64 columns).
  m.R = TRect{62, 0, 66, 1};
  TBitmap32 b(5, 1);
  TRect r{0, 0, 5, 1};
  FillRectByTexture(b, r, nullptr, 0, m);
  EXPECT_EQ(b.At(2, 0), b.At(0, 0));
}

TEST_F(TextureFillTest, HugeRectanglesCostNoMoreThanTheBitmap) {
  TBitmap32 b(6, 4);
  TRect r{-2000000000, -2000000000, 2000000000, 2000000000};
  FillRectByTexture(b, r, nullptr, 0, mask());
  EXPECT_EQ(r.Right, -1);
  r = TRect{-2000000000, -2000000000, 2000000000, 2000000000};
  FillRectByTexture(b, r, nullptr, 6, mask());
  r = TRect{-2000000000, -2000000000, 2000000000, 2000000000};
  FillRectByTexture(b, r, nullptr, 7, mask());
}

// A 3 x 2 image over a black mask (fully the image) with one key pixel, at (20, 20) of the master.
int AddMaskedTile(test::TTestSkin& skin) {
  const int masked = skin.AddMask(u"S", u"M", TRect{20, 20, 23, 24}, 1, 1);
  skin.Paint(TRect{20, 20, 23, 22}, Tile);
  skin.Paint(TRect{20, 22, 23, 24}, [](int, int) { return 0xFF000000u; });
  skin.M.Tables.MasterBitmap.At(21, 21) = kKeyPixel;
  return masked;
}

TBitmap32 TaggedParent() {
  TBitmap32 parent(20, 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) parent.At(x, y) = 0xFF000000u | uint32_t(x << 16 | y);
  return parent;
}

TEST_F(TextureFillTest, MaskedTextureModeTenShowsTheParentInTheStrips) {
  const int masked = AddMaskedTile(skin);
  TBitmap32 parent = TaggedParent();
  TBitmap32 b(7, 5);
  TRect r{0, 0, 7, 5};
  FillRectByMaskedTexture(b, r, MakeCacheInfo(&parent, 3, 4), 10, skin.Mask(masked));
  EXPECT_EQ(r.Right, -1);
  EXPECT_EQ(b.At(0, 0), Tile(0, 0));
  EXPECT_EQ(b.At(5, 3), Tile(2, 1) | 0xFF000000u);
  EXPECT_EQ(b.At(1, 1), parent.At(4, 5));  // the key shows the parent
  EXPECT_EQ(b.At(6, 0), parent.At(9, 4));  // right strip
  EXPECT_EQ(b.At(2, 4), parent.At(5, 8));  // bottom strip
  // Not ready: the strips take the parent's colour, opaque.
  TBitmap32 c(7, 5);
  TRect r2{0, 0, 7, 5};
  TCacheInfo plain;
  plain.FillColor = 0x0000FF;
  FillRectByMaskedTexture(c, r2, plain, 10, skin.Mask(masked));
  EXPECT_EQ(c.At(6, 2), 0xFFFF0000u);
  EXPECT_EQ(c.At(0, 4), 0xFFFF0000u);
  // Zero image count: nothing, no division.
  skin.Mask(masked).ImageCount = 0;
  TBitmap32 d(7, 5);
  TRect r3{0, 0, 7, 5};
  FillRectByMaskedTexture(d, r3, plain, 0, skin.Mask(masked));
  EXPECT_EQ(d.At(0, 0), 0x00FFFFFFu);
}

TEST_F(TextureFillTest, MaskedTextureModeTenCoversAnExactMultipleOfTheTile) {
  // 6 x 4 is exactly 2 x 2 tiles: all four are laid, none of the parent shows (but through the key).
  const int masked = AddMaskedTile(skin);
  TBitmap32 parent = TaggedParent();
  for (const TRect& r : {TRect{0, 0, 6, 4}, TRect{1, 1, 4, 3}}) {  // also a rectangle of just one tile
    TBitmap32 b(7, 5);
    TRect rest = r;
    FillRectByMaskedTexture(b, rest, MakeCacheInfo(&parent, 3, 4), 10, skin.Mask(masked));
    for (int y = r.Top; y < r.Bottom; ++y)
      for (int x = r.Left; x < r.Right; ++x) {
        const int tx = (x - r.Left) % 3, ty = (y - r.Top) % 2;
        const uint32_t want = tx == 1 && ty == 1 ? parent.At(x + 3, y + 4) : Tile(tx, ty);
        ASSERT_EQ(b.At(x, y), want) << x << "," << y;
      }
    EXPECT_EQ(b.At(6, 4), 0x00FFFFFFu);  // nothing outside R
  }
}

}  // namespace
}  // namespace qw
