// The glow picture as the layered window shows it: premultiplied, the key cleared, and one alpha rule for
// every piece of a masked glow whether tiled or stretched.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/render/BorderMask.h"
#include "skin/render/GlowBitmap.h"
#include "tests/render/RenderTestUtil.h"

namespace qw {
namespace {

constexpr uint32_t kGlowColour = 0x00C08040u;  // red 0xC0, green 0x80, blue 0x40

uint32_t Alpha(uint32_t p) { return p >> 24; }

// Every channel at most the alpha, and near the glow colour scaled by it.
void ExpectPremultipliedGlow(uint32_t p, const char* where) {
  const uint32_t a = Alpha(p);
  for (int shift = 0; shift < 24; shift += 8) {
    const int c = int((p >> shift) & 0xFF), want = int(((kGlowColour >> shift) & 0xFF) * a / 255);
    EXPECT_LE(uint32_t(c), a) << where;
    EXPECT_LE(std::abs(c - want), 2) << where << " channel " << shift;
  }
}

// A 6 x 6 glow image with a 2-pixel border and its mask below it: corners fully shown (m = 0) but for
// the key at the top-left and one fully masked pixel (m = 255) at the top-right, sides half masked
// (m = 128), the centre a quarter (m = 64).
class MaskedGlowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    skin.AddSection(u"BUTTON", 0, 3);
    glow = skin.AddMask(u"BUTTON", u"GLOW0", TRect{0, 0, 6, 12}, 1, 1, bdCentre, 2, 1);
    skin.Paint(TRect{0, 0, 6, 6}, [](int x, int y) { return x == 0 && y == 0 ? kKeyPixel : kGlowColour; });
    skin.Paint(TRect{0, 6, 6, 12}, [](int x, int y) {
      const bool sideX = x >= 2 && x < 4, sideY = y >= 2 && y < 4;
      uint32_t m = sideX && sideY ? 64 : (sideX || sideY ? 128 : 0);
      if (x == 5 && y == 0) m = 255;
      return m << 16 | m << 8 | m;
    });
  }
  // The picture of a 10 x 8 control, the glow reaching 2 pixels beyond it on every side: 14 x 12.
  TBitmap32 Picture() {
    const TGlowGeometry g = CalcGlowGeometry(TRect{0, 0, 10, 8}, TRect{0, 0, 10, 8}, 2, 2, 2, 2, 0);
    return MakeGlowBitmap(skin.M, glow, g);
  }
  test::TTestSkin skin;
  int glow = -1;
};

TEST_F(MaskedGlowTest, EveryPieceKindTakesItsAlphaFromTheMask) {
  const TBitmap32 tiled = Picture();
  skin.Mask(glow).DrawMode = bdCentre | bdStretch;
  const TBitmap32 stretched = Picture();
  for (const TBitmap32* p : {&tiled, &stretched}) {
    ASSERT_EQ(p->Width(), 14);
    ASSERT_EQ(p->Height(), 12);
    const TBitmap32& b = *p;
    // Corners: the key is cleared to nothing, a shown pixel is opaque and exact, a masked one empty.
    EXPECT_EQ(b.At(0, 0), 0u);
    EXPECT_EQ(b.At(1, 1), 0xFF000000u | kGlowColour);
    EXPECT_EQ(b.At(13, 0), 0u);
    EXPECT_EQ(b.At(12, 11), 0xFF000000u | kGlowColour);
    // Sides (left, top, right, bottom) half covered, the centre three quarters.
    for (TPoint s : {TPoint{0, 5}, TPoint{6, 1}, TPoint{13, 6}, TPoint{7, 10}}) {
      EXPECT_NEAR(Alpha(b.At(s.X, s.Y)), 127, 1) << s.X << "," << s.Y;
      ExpectPremultipliedGlow(b.At(s.X, s.Y), "side");
    }
    EXPECT_NEAR(Alpha(b.At(6, 5)), 191, 2);
    ExpectPremultipliedGlow(b.At(6, 5), "centre");
  }
  // Tiled and stretched sides follow one rule.
  EXPECT_EQ(tiled.At(0, 5), stretched.At(0, 5));
  EXPECT_EQ(tiled.At(6, 1), stretched.At(6, 1));
}

TEST_F(MaskedGlowTest, CutPicturesKeepThePixelsTheyShow) {
  const TBitmap32 full = Picture();
  // The control's left 3 columns are hidden: the glow loses 2 + 3 columns on the left.
  const TGlowGeometry g = CalcGlowGeometry(TRect{0, 0, 10, 8}, TRect{3, 0, 10, 8}, 2, 2, 2, 2, 0);
  const TBitmap32 cut = MakeGlowBitmap(skin.M, glow, g);
  ASSERT_EQ(cut.Width(), 9);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 9; ++x) ASSERT_EQ(cut.At(x, y), full.At(x + 5, y)) << x << "," << y;
}

TEST(GlowBitmap, UnmaskedGlowKeepsItsImagesAlphaPremultiplied) {
  // A glow image of its own with alpha 128 and red 64. Descriptions up to 7.45 load PNGs with straight
  // alpha: the picture multiplies them; later ones are premultiplied already and kept.
  test::TTestSkin skin;
  const int glow = skin.AddMask(u"BUTTON", u"GLOW0", TRect{0, 0, 4, 4}, 1, 0, bdCentre, 1);
  skin.Mask(glow).Bmp = std::make_unique<TBitmap32>(4, 4);
  std::fill_n(skin.Mask(glow).Bmp->Pixels(), 16, 0x80400000u);
  skin.Mask(glow).Bmp->At(0, 0) = kKeyPixel;
  const TGlowGeometry g = CalcGlowGeometry(TRect{0, 0, 4, 4}, TRect{0, 0, 4, 4}, 1, 1, 1, 1, 0);
  skin.M.SkinData.Version = 7.0;
  TBitmap32 b = MakeGlowBitmap(skin.M, glow, g);
  EXPECT_EQ(b.At(0, 0), 0u);
  EXPECT_EQ(b.At(3, 3), 0x80200000u);
  skin.M.SkinData.Version = 8.0;
  b = MakeGlowBitmap(skin.M, glow, g);
  EXPECT_EQ(b.At(3, 3), 0x80400000u);
  // A colour brighter than its alpha is no premultiplied pixel: it is limited to the alpha.
  EXPECT_EQ(GlowPixel(0x40FF8010u, 0, false, false), 0x40404010u);
}

}  // namespace
}  // namespace qw
