// Section painting: backgrounds against ready and not-ready parents, the share rules, nine-part
// borders, key corners, disabled looks, region runs and the sound handling of absurd skin values.
#include <gtest/gtest.h>

#include <cmath>

#include "skin/render/SectionPaint.h"
#include "skin/render/TextureFill.h"
#include "tests/render/RenderTestUtil.h"

namespace qw {
namespace {

using test::Gray;

TBitmap32 ParentBitmap(int w, int h) {
  TBitmap32 p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.At(x, y) = 0xFF000000u | uint32_t(x * 5) << 16 | uint32_t(y * 7) << 8 | 200u;
  return p;
}

TCacheInfo PlainParent(TColor c) {
  TCacheInfo ci;
  ci.FillColor = c;
  return ci;
}

TEST(SectionBackground, TransparencyAgainstReadyAndPlainParents) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"PANEL", 0x000000, 1);
  TsGeneralData& g = skin.Section(s);
  TBitmap32 parent = ParentBitmap(40, 30);

  // 0: the section's own colour whatever the parent.
  TBitmap32 b(10, 8);
  PaintSectionItem(s, u"PANEL", MakeCacheInfo(&parent, 2, 3), 0, TRect{0, 0, 10, 8}, TPoint{5, 6}, b, &skin.M);
  EXPECT_EQ(b.At(9, 7), 0xFF000000u);

  // 100 over a ready parent: the parent's pixels exactly, from (ci.X + pP.X, ci.Y + pP.Y).
  g.Props[0].Transparency = 100;
  PaintSectionItem(s, u"PANEL", MakeCacheInfo(&parent, 2, 3), 0, TRect{0, 0, 10, 8}, TPoint{5, 6}, b, &skin.M);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(b.At(x, y), parent.At(x + 7, y + 9));
  // 100 over a plain parent: its colour.
  PaintSectionItem(s, u"PANEL", PlainParent(0x00FF00), 0, TRect{0, 0, 10, 8}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(3, 3), 0xFF00FF00u);

  // 50 over a plain white parent: the mixed colour, 127.5 rounding to 128.
  g.Props[0].Transparency = 50;
  PaintSectionItem(s, u"PANEL", PlainParent(0xFFFFFF), 0, TRect{0, 0, 10, 8}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(4, 4), Gray(128));
  // 50 over a ready parent: A = round(127.5) = 128 keeps half of the parent, the black section the rest.
  PaintSectionItem(s, u"PANEL", MakeCacheInfo(&parent, 0, 0), 0, TRect{0, 0, 10, 8}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(4, 2), 0xFF000000u | ((20u * 128) >> 8) << 16 | ((14u * 128) >> 8) << 8 | ((200u * 128) >> 8));
  // Nothing known of the parent: the section's colour, opaque.
  PaintSectionItem(s, u"PANEL", EmptyCacheInfo(), 0, TRect{0, 0, 10, 8}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(4, 4), 0xFF000000u);
  // A parent bitmap smaller than what lies behind the item is read only where it exists.
  g.Props[0].Transparency = 100;
  TBitmap32 small = ParentBitmap(3, 3);
  TBitmap32 c(10, 8);
  PaintSectionItem(s, u"PANEL", MakeCacheInfo(&small, 1, 1), 0, TRect{0, 0, 10, 8}, TPoint{}, c, &skin.M);
  EXPECT_EQ(c.At(1, 1), small.At(2, 2));
  EXPECT_EQ(c.At(5, 5), 0x00FFFFFFu);
}

TEST(SectionBackground, StatesUseTheHotValuesAndAreLimited) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"BUTTON", 0x0000FF, 3);
  skin.Section(s).Props[1].Color = 0x00FF00;
  TBitmap32 b(4, 4);
  PaintSectionItem(s, u"BUTTON", EmptyCacheInfo(), 3, TRect{0, 0, 4, 4}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0xFF00FF00u);
  EXPECT_EQ(LimitState(skin.Section(s), 3), 2);
  skin.Section(s).States = 0;  // no states at all: state 0, nothing to divide
  EXPECT_EQ(LimitState(skin.Section(s), 2), 0);
  PaintSectionItem(s, u"BUTTON", EmptyCacheInfo(), 2, TRect{0, 0, 4, 4}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0xFFFF0000u);
}

class ShareTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s = skin.AddSection(u"BOX", 0x000000, 1);
    tex = skin.AddMask(u"BOX", u"PATTERN", TRect{0, 0, 2, 2}, 1, 0);
    skin.Paint(TRect{0, 0, 2, 2}, [](int x, int y) { return Gray(uint32_t(100 + 40 * x + 20 * y)); });
    TsGenState& p = skin.Section(s).Props[0];
    p.GradientData = u"16777215;16777215;100;0;0";
    p.GradientArray = ParseGradient(p.GradientData);
  }
  test::TTestSkin skin;
  int s = -1, tex = -1;
};

TEST_F(ShareTest, ImageAndGradientFillingAHundredUseTheOnePassFill) {
  TsGenState& p = skin.Section(s).Props[0];
  p.ImagePercent = 30;
  p.GradientPercent = 70;
  TBitmap32 b(4, 4);
  PaintSectionItem(s, u"BOX", EmptyCacheInfo(), 0, TRect{0, 0, 4, 4}, TPoint{}, b, &skin.M);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const uint32_t t = uint32_t(100 + 40 * (x % 2) + 20 * (y % 2));
      ASSERT_EQ(b.At(x, y), Gray((76 * t + 180 * 255) >> 8)) << x << "," << y;  // A = 30*255 div 100
    }
}

TEST_F(ShareTest, OtherSharesPaintTextureGradientAndColourSeparately) {
  TsGenState& p = skin.Section(s).Props[0];
  p.ImagePercent = 30;
  p.GradientPercent = 60;
  p.Color = 0x0000FF;  // red takes the remaining 10 %
  TBitmap32 b(4, 4);
  PaintSectionItem(s, u"BOX", EmptyCacheInfo(), 0, TRect{0, 0, 4, 4}, TPoint{}, b, &skin.M);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) {
      const uint32_t t = uint32_t(100 + 40 * (x % 2) + 20 * (y % 2));
      const uint32_t mixed = (76 * t + 180 * 255) >> 8;  // the gradient blended over the texture
      // BlendColorIntoRect keeps 90 %: round(0.9*v + 0.1*c).
      const uint32_t red = static_cast<uint32_t>(std::nearbyint(0.9 * mixed + 25.5));
      const uint32_t other = static_cast<uint32_t>(std::nearbyint(0.9 * mixed));
      ASSERT_EQ(b.At(x, y), 0xFF000000u | red << 16 | other << 8 | other) << x << "," << y;
    }
}

TEST_F(ShareTest, TextureStripRestTakesTheSectionColour) {
  skin.Mask(tex).DrawMode = 4;  // stretched along the top, 2 rows high
  TsGenState& p = skin.Section(s).Props[0];
  p.ImagePercent = 100;
  p.Color = 0x00FF00;
  TBitmap32 b(5, 6);
  PaintSectionItem(s, u"BOX", EmptyCacheInfo(), 0, TRect{0, 0, 5, 6}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), Gray(100));
  EXPECT_EQ(b.At(4, 1), Gray(160));
  for (int y = 2; y < 6; ++y) EXPECT_EQ(b.At(2, y), 0xFF00FF00u) << y;
  // A texture index that names nothing paints the colour instead of leaving stale pixels.
  skin.Section(s).Props[0].TextureIndex = 999;
  skin.Mask(tex).PropertyName = u"NOTPATTERN";
  skin.M.Tables.RebuildIndexes();
  PaintSectionItem(s, u"BOX", EmptyCacheInfo(), 0, TRect{0, 0, 5, 6}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0xFF00FF00u);
}

TEST_F(ShareTest, MissingTextureLeavesTheGradientItsFullShare) {
  // The section asks for 30 % image and 60 % gradient, but its texture is not in the tables: the
  // gradient is painted straight into R and the colour takes the remaining 10 %, 0.9 G + 0.1 C (not a
  // gradient blended over the colour as if it were a texture, 0.63 G + 0.37 C).
  TsGenState& p = skin.Section(s).Props[0];
  p.ImagePercent = 30;
  p.GradientPercent = 60;
  p.GradientData = u"13158600;13158600;100;0;0";  // gray 200
  p.GradientArray = ParseGradient(p.GradientData);
  p.Color = 0x000064;  // red 100
  p.TextureIndex = 999;
  skin.Mask(tex).PropertyName = u"NOTPATTERN";
  skin.M.Tables.RebuildIndexes();
  TBitmap32 b(3, 3);
  PaintSectionItem(s, u"BOX", EmptyCacheInfo(), 0, TRect{0, 0, 3, 3}, TPoint{}, b, &skin.M);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) ASSERT_EQ(b.At(x, y), 0xFF000000u | 190u << 16 | 180u << 8 | 180u) << x << "," << y;
}

// A 5 x 5 border image: pixel (x, y) tagged with its own position.
uint32_t Tagged(int x, int y) { return 0xFF000000u | uint32_t(x) << 8 | uint32_t(y); }

class BorderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s = skin.AddSection(u"EDIT", 0x808080, 3);
    border = skin.AddMask(u"EDIT", u"BORDERSMASK", TRect{0, 0, 5, 5}, 1, 0, 4, 2);
    skin.Paint(TRect{0, 0, 5, 5}, Tagged);
    skin.Section(s).BorderIndex = border;
  }
  test::TTestSkin skin;
  int s = -1, border = -1;
};

TEST_F(BorderTest, NinePartsTileTheirPieces) {
  TBitmap32 b(8, 7);
  PaintSectionItem(s, u"EDIT", EmptyCacheInfo(), 0, TRect{0, 0, 8, 7}, TPoint{}, b, &skin.M);
  auto expect = [](int d, int size) { return d < 2 ? d : d >= size - 2 ? d - size + 5 : 2; };
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(b.At(x, y), Tagged(expect(x, 8), expect(y, 7))) << x << "," << y;
}

TEST_F(BorderTest, NarrowRectanglesSplitTheBorderWidths) {
  TsMaskData& m = skin.Mask(border);
  m.WL = m.WR = 8;
  EXPECT_EQ(FitBorderWidths(m, 10, 20), (TBorderWidths{5, 2, 5, 2}));
  m.WR = 7;
  EXPECT_EQ(FitBorderWidths(m, 10, 20), (TBorderWidths{6, 2, 4, 2}));
  // The region form: the parity of the width decides.
  EXPECT_EQ(FitRegionBorderWidths(m, 10, 20), (TBorderWidths{6, 2, 5, 2}));
  m.WR = 8;
  EXPECT_EQ(FitRegionBorderWidths(m, 11, 20), (TBorderWidths{6, 2, 5, 2}));
  m.WT = 9;
  m.WB = 8;
  EXPECT_EQ(FitBorderWidths(m, 20, 12), (TBorderWidths{8, 7, 8, 5}));
  EXPECT_EQ(FitBorderWidths(m, 0, 0), (TBorderWidths{0, 1, 0, 0}));  // nothing is drawn below 2 x 2 anyway
  // An odd 3-pixel width with 2 + 2: left keeps 2, right 1, and that column comes from the image's last.
  m.WL = m.WR = m.WT = m.WB = 2;
  TBitmap32 b(3, 5);
  DrawBorderMask(b, TRect{0, 0, 3, 5}, EmptyCacheInfo(), m, 0, true);
  EXPECT_EQ(b.At(1, 0), Tagged(1, 0));
  EXPECT_EQ(b.At(2, 0), Tagged(4, 0));
  EXPECT_EQ(b.At(2, 4), Tagged(4, 4));
}

TEST_F(BorderTest, HotOnlyBordersAndStateImages) {
  TsMaskData& m = skin.Mask(border);
  m.R = TRect{0, 0, 15, 5};
  m.ImageCount = 3;
  m.DrawMode = 7;
  skin.Paint(TRect{0, 0, 15, 5}, Tagged);
  TBitmap32 b(6, 6);
  for (int state = 0; state < 3; ++state) {
    PaintSectionItem(s, u"EDIT", EmptyCacheInfo(), state, TRect{0, 0, 6, 6}, TPoint{}, b, &skin.M);
    if (state == 0)
      EXPECT_EQ(b.At(0, 0), 0xFF808080u);
    else
      EXPECT_EQ(b.At(0, 0), Tagged(5 * state, 0)) << state;
  }
}

TEST_F(BorderTest, KeyCornersShowTheParent) {
  skin.M.Tables.MasterBitmap.At(0, 0) = kKeyPixel;
  skin.M.Tables.MasterBitmap.At(2, 0) = kKeyPixel;  // a key in the top side is copied like any pixel
  TsMaskData& m = skin.Mask(border);
  m.CornerType = 1;
  TBitmap32 parent = ParentBitmap(30, 30);
  TBitmap32 b(6, 6);
  PaintSectionItem(s, u"EDIT", MakeCacheInfo(&parent, 4, 5), 0, TRect{0, 0, 6, 6}, TPoint{2, 1}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), parent.At(6, 6));
  EXPECT_EQ(b.At(2, 0), kKeyPixel);
  // Without a parent bitmap the key takes the parent's colour.
  PaintSectionItem(s, u"EDIT", PlainParent(0x0000FF), 0, TRect{0, 0, 6, 6}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0x00FF0000u);
  // CornerType 0: the key keeps what the background painted.
  m.CornerType = 0;
  PaintSectionItem(s, u"EDIT", MakeCacheInfo(&parent, 4, 5), 0, TRect{0, 0, 6, 6}, TPoint{2, 1}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0xFF808080u);
}

TEST_F(BorderTest, CornerImagesKeepTheBackgroundUnderTheirKey) {
  const int corner = skin.AddMask(u"EDIT", u"IMGTL", TRect{30, 0, 32, 2}, 1, 0);
  skin.Paint(TRect{30, 0, 32, 2}, [](int x, int y) { return x == 0 && y == 0 ? kKeyPixel : 0xFF0000FFu; });
  skin.Section(s).BorderIndex = -1;
  skin.Section(s).ImgBR = corner;
  TBitmap32 b(6, 6);
  PaintSectionItem(s, u"EDIT", EmptyCacheInfo(), 0, TRect{0, 0, 6, 6}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(4, 4), 0xFF808080u);
  EXPECT_EQ(b.At(5, 5), 0xFF0000FFu);
}

TEST_F(BorderTest, RegionRunsCutOnlyCornerKeys) {
  TsMaskData& m = skin.Mask(border);
  m.CornerType = 2;
  m.R = TRect{0, 0, 6, 6};
  TBitmap32& master = skin.M.Tables.MasterBitmap;
  skin.Paint(TRect{0, 0, 6, 6}, Tagged);
  master.At(0, 0) = master.At(1, 0) = master.At(0, 1) = master.At(5, 0) = kKeyPixel;
  master.At(2, 0) = kKeyPixel;  // in the top side: copied, not cut
  TBitmap32 b(6, 6);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) b.At(x, y) = 0xFF123456u;
  const std::vector<TRegionRun> runs = DrawBorderMaskRegion(b, true, 0, m);
  EXPECT_EQ(runs, (std::vector<TRegionRun>{{0, 0, 2}, {0, 5, 6}, {1, 0, 1}}));
  EXPECT_EQ(b.At(0, 0), 0xFF123456u);
  EXPECT_EQ(b.At(2, 0), kKeyPixel);
  EXPECT_EQ(b.At(4, 0), Tagged(4, 0));
  EXPECT_EQ(b.At(5, 5), Tagged(5, 5));
  // Overlapping corners on a narrow bitmap: runs of the same row merge.
  master.At(4, 0) = kKeyPixel;
  TBitmap32 n(3, 6);
  const std::vector<TRegionRun> narrow = DrawBorderMaskRegion(n, false, 0, m);
  ASSERT_FALSE(narrow.empty());
  EXPECT_EQ(narrow[0], (TRegionRun{0, 0, 3}));
}

TEST(DisabledLook, GrayedThenBlendedWithTheParent) {
  TBitmap32 b(2, 1);
  b.At(0, 0) = 0xFFFF0001u;
  b.At(1, 0) = 0xFF000000u;
  ApplyDisabledLook(b, dkGrayed, clNoColor, TPoint{}, EmptyCacheInfo());
  EXPECT_EQ(b.At(0, 0), Gray(85));
  // Blended with a parent bitmap: 40 % of the control stays, round(200 - 200*0.4) = 120.
  TBitmap32 parent(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) parent.At(x, y) = Gray(200);
  ApplyDisabledLook(b, dkBlended, clNoColor, TPoint{3, 3}, MakeCacheInfo(&parent, 1, 1));
  EXPECT_EQ(b.At(1, 0), Gray(120));
  // Without a bitmap: half the parent's colour (or, when that is unknown, the given parent colour).
  TBitmap32 c(1, 1);
  c.At(0, 0) = 0xFF000000u;
  ApplyDisabledLook(c, dkBlended, clNoColor, TPoint{}, PlainParent(0xFFFFFF));
  EXPECT_EQ(c.At(0, 0), Gray(128));
  c.At(0, 0) = 0xFF000000u;
  ApplyDisabledLook(c, dkBlended, 0xFFFFFF, TPoint{}, EmptyCacheInfo());
  EXPECT_EQ(c.At(0, 0), Gray(128));
}

TEST(SectionPaint, ControlsKeepHueInsideTheirRectangle) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"BUTTON", 0x0000FF, 1);  // red
  test::TTestControl control;
  control.Manager = &skin.M;
  control.Index = s;
  control.Hue = 120;
  TBitmap32 b(10, 10);
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x) b.At(x, y) = 0xFFFF0000u;
  PaintControlItem(control, EmptyCacheInfo(), 0, TRect{2, 2, 6, 6}, TPoint{}, b, true);
  EXPECT_EQ(b.At(3, 3), 0xFF00FF00u);  // red turned 120 degrees is green
  EXPECT_EQ(b.At(0, 0), 0xFFFF0000u);  // outside R: untouched
  EXPECT_EQ(b.At(7, 7), 0xFFFF0000u);
  // A custom colour replaces the section's.
  control.Hue = 0;
  control.Custom = 0x00FFFF;
  PaintControlItem(control, EmptyCacheInfo(), 0, TRect{0, 0, 10, 10}, TPoint{}, b, true);
  EXPECT_EQ(b.At(5, 5), 0xFFFFFF00u);
}

TEST(SectionPaint, ByNameFallsBackAndReportsMissingSections) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"PANEL", 0x00FF00, 1);
  TBitmap32 b(3, 3);
  EXPECT_EQ(PaintSectionByName(b, u"NOPE", u"ALSONOPE", nullptr, TPoint{}, 0, &skin.M, 0), -1);
  EXPECT_EQ(b.At(1, 1), 0x00FFFFFFu);
  EXPECT_EQ(PaintSectionByName(b, u"NOPE", u"PANEL", nullptr, TPoint{}, 0, &skin.M, 0), s);
  EXPECT_EQ(b.At(1, 1), 0xFF00FF00u);
  // Against parent pixels copied first: a fully transparent section shows them.
  skin.Section(s).Props[0].Transparency = 100;
  TBitmap32 parent = ParentBitmap(8, 8);
  EXPECT_EQ(PaintSectionByName(b, u"PANEL", u"", &parent, TPoint{4, 2}, 0, &skin.M, 0), s);
  EXPECT_EQ(b.At(2, 1), parent.At(6, 3));
}

TEST(SectionPaint, AbsurdSkinValuesPaintLessAndNeverFault) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"X", 0x123456, 3);
  TBitmap32 b(16, 12);
  // Rectangles outside the bitmap are refused as a whole.
  PaintSectionItem(s, u"X", EmptyCacheInfo(), 1, TRect{-5, 0, 10, 10}, TPoint{}, b, &skin.M);
  PaintSectionItem(s, u"X", EmptyCacheInfo(), 1, TRect{0, 0, 17, 10}, TPoint{}, b, &skin.M);
  PaintSectionItem(99, u"X", EmptyCacheInfo(), 1, TRect{0, 0, 16, 12}, TPoint{}, b, &skin.M);
  EXPECT_EQ(b.At(0, 0), 0x00FFFFFFu);
  // Masks whose numbers name nothing sensible.
  int absurd[] = {
      skin.AddMask(u"X", u"BORDERSMASK", TRect{-100, -100, 5000, 5000}, 1, 0, 5, 30000),
      skin.AddMask(u"X", u"B2", TRect{60, 60, 70, 70}, 0, 1, 1, 3),
      skin.AddMask(u"X", u"B3", TRect{0, 0, 1, 1}, 7, 3, 7, 0),
      skin.AddMask(u"X", u"B4", TRect{10, 10, 5, 5}, -3, -1, 5, -7),
      skin.AddMask(u"X", u"B5", TRect{0, 0, 64, 64}, 1, 1, 5, 1),
  };
  // Coordinates at the ends of the 32-bit range (found by fuzzing): nothing may overflow.
  const int extreme = skin.AddMask(u"X", u"B6", TRect{INT32_MAX - 5, INT32_MIN, INT32_MAX, INT32_MIN + 9}, 3, 1, 5, 4);
  DrawBorderMask(b, TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, EmptyCacheInfo(), skin.Mask(absurd[4]), 1, true);
  DrawMaskGlyph(b, TPoint{INT32_MAX, INT32_MIN}, 2, EmptyCacheInfo(), skin.Mask(absurd[4]), 1);
  TRect whole{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  FillRectByTexture(b, whole, nullptr, 10, skin.Mask(absurd[4]));
  whole = TRect{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
  FillRectByMaskedTexture(b, whole, EmptyCacheInfo(), 10, skin.Mask(absurd[4]));
  skin.Mask(absurd[4]).ImageCount = 30000;
  DrawBorderMask(b, TRect{0, 0, 16, 12}, EmptyCacheInfo(), skin.Mask(absurd[4]), 29999, true);
  TsGeneralData& g = skin.Section(s);
  g.States = 30000;
  for (int border : {absurd[0], absurd[1], absurd[2], absurd[3], absurd[4], extreme}) {
    g.BorderIndex = border;
    g.ImgTL = g.ImgBR = border;
    g.Props[1].ImagePercent = 100;
    g.Props[1].Transparency = 37;
    g.Props[0].TextureIndex = border;
    for (int state = 0; state < 3; ++state) {
      PaintSectionItem(s, u"X", EmptyCacheInfo(), state, TRect{0, 0, 16, 12}, TPoint{}, b, &skin.M, border, border);
      PaintSectionItem(s, u"X", EmptyCacheInfo(), state, TRect{0, 0, INT32_MIN, INT32_MIN}, TPoint{}, b, &skin.M);
      PaintSectionItemWithMask(s, border, border, border, &skin.M, b, TPoint{-7, 900}, TRect{1, 1, 15, 11}, state,
                               MakeCacheInfo(&b, -1000, 1000), u"X");
      DrawBorderMask(b, TRect{-1000000, -1000000, 1000000, 1000000}, EmptyCacheInfo(), skin.Mask(border), state, true);
      DrawMaskGlyph(b, TPoint{-3, 20}, state, EmptyCacheInfo(), skin.Mask(border), 0);
      TBitmap32 region(3, 2);
      DrawBorderMaskRegion(region, true, state, skin.Mask(border));
    }
  }
  SUCCEED();
}

}  // namespace
}  // namespace qw
