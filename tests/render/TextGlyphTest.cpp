// Text colours and contours, coverage compositing, the blur, glows, text cutting and glyphs.
#include <gtest/gtest.h>

#include "skin/render/GlowBitmap.h"
#include "skin/render/GlyphPaint.h"
#include "skin/render/SectionPaint.h"
#include "skin/render/TextPaint.h"
#include "tests/render/RenderTestUtil.h"

namespace qw {
namespace {

using test::Gray;

TEST(TextPaint, ContoursComeFirstInLeftTopRightBottomOrder) {
  test::TTestSkin skin;
  const int s = skin.AddSection(u"LABEL", 0, 2);
  TsGeneralData& g = skin.Section(s);
  g.Props[0].FontColor = TsFontColor{0x0000FF, -1, -1, -1, 0x00FF00};
  g.Props[1].FontColor = TsFontColor{0xFF0000, 0x111111, 0x222222, 0x333333, 0x444444};
  EXPECT_EQ(TextPasses(SectionTextColors(skin.M, s, false), true),
            (std::vector<TTextPass>{{{0, 1}, 0x00FF00}, {{0, 0}, 0x0000FF}}));
  EXPECT_EQ(TextPasses(SectionTextColors(skin.M, s, true), true),
            (std::vector<TTextPass>{{{-1, 0}, 0x111111}, {{0, -1}, 0x222222}, {{1, 0}, 0x333333}, {{0, 1}, 0x444444},
                                    {{0, 0}, 0xFF0000}}));
  EXPECT_EQ(TextPasses(SectionTextColors(skin.M, s, true), false).size(), 1u);
  // One state only: hot uses the normal colours.
  g.States = 1;
  EXPECT_EQ(SectionTextColors(skin.M, s, true).Main, 0x0000FF);

  // Drawn: the bottom contour shows one row below the main colour's glyph.
  g.States = 2;
  test::TFakeTextRenderer fake;
  TBitmap32 b(20, 12);
  WriteTextOnBitmap(b, fake, u"A", true, &skin.M, false, s, kDtNoClip, TRect{2, 2, 18, 11}, 0);
  EXPECT_EQ(b.At(2, 2), 0xFFFF0000u);   // main (red)
  EXPECT_EQ(b.At(2, 10), 0xFF00FF00u);  // contour row under the glyph
  EXPECT_EQ(b.At(6, 5), 0x00FFFFFFu);   // the gap between cells stays
  EXPECT_EQ(DisabledTextColor(0x000000, 0xFFFFFF), 0x999999);
}

TEST(TextPaint, CoverageBlendsTowardTheTextColour) {
  TBitmap32 cov(3, 1);
  cov.At(0, 0) = 0x00FFFFFFu;  // untouched
  cov.At(1, 0) = 0x00000000u;  // solid
  cov.At(2, 0) = 0x00808080u;  // half
  TBitmap32 b(5, 2);
  for (int x = 0; x < 5; ++x) b.At(x, 1) = 0x00FFFFFFu;
  CompositeTextCoverage(b, cov, TPoint{3, 1}, 0x000000);
  EXPECT_EQ(b.At(3, 1), 0x00FFFFFFu);
  EXPECT_EQ(b.At(4, 1), 0xFF000000u);
  CompositeTextCoverage(b, cov, TPoint{-1, 1}, 0x000000);  // the part outside Bmp is skipped
  EXPECT_EQ(b.At(1, 1), Gray(127));                        // ((255 - 0)*128 + 0) >> 8
}

TEST(TextPaint, BlurHalfWidthsAndLevels) {
  EXPECT_TRUE(BlurKernel(0).empty());
  const std::pair<int, size_t> halfWidths[] = {{1, 2}, {2, 5}, {3, 8}, {5, 14}, {10, 30}};
  for (auto [radius, j] : halfWidths) {
    const std::vector<double> k = BlurKernel(radius);
    EXPECT_EQ(k.size(), 2 * j + 1) << radius;
    double sum = 0;
    for (double v : k) sum += v;
    EXPECT_NEAR(sum, 1.0, 1e-12);
  }
  TGrayMask m{9, 5, std::vector<uint8_t>(45, 255)};
  BlurMask(m, 3);
  for (uint8_t v : m.Pixels) ASSERT_EQ(v, 255);  // a uniform white stays white
  m.At(4, 2) = 0;
  BlurMask(m, 1);
  EXPECT_LT(m.At(4, 2), 255);
  EXPECT_EQ(m.At(4, 2), m.At(4, 2));
  EXPECT_EQ(m.At(3, 2), m.At(5, 2));  // symmetric
  EXPECT_EQ(m.At(0, 0), 255);
}

TEST(TextPaint, GlowDarkensAroundTheTextAndKeepsItsMask) {
  test::TFakeTextRenderer fake;
  TBitmap32 b(30, 24);
  for (int y = 0; y < 24; ++y)
    for (int x = 0; x < 30; ++x) b.At(x, y) = 0x00FFFFFFu;
  TGrayMask cache;
  DrawTextGlow(b, fake, u"AB", TRect{10, 8, 20, 16}, cache, 0x000000, 2, gsLeft | gsRight, 0);
  EXPECT_EQ(cache.Width, 10 + 2 * 6);
  EXPECT_EQ(cache.Height, 8 + 2 * 6);
  EXPECT_LT(b.At(12, 12) & 0xFF, 128u);   // under the text: dark, opaque-ish
  EXPECT_GT(b.At(12, 12) >> 24, 128u);
  EXPECT_EQ(b.At(0, 0), 0x00FFFFFFu);     // far away: untouched
  const std::vector<uint8_t> kept = cache.Pixels;
  DrawTextGlow(b, fake, u"XYZW", TRect{10, 8, 20, 16}, cache, 0x000000, 2, 0, 0);
  EXPECT_EQ(cache.Pixels, kept);  // same size: the cached mask is used
  DrawTextGlow(b, fake, u"AB", TRect{-50, -50, -40, -40}, cache, 0x000000, 0, 0, 0);  // radius 0: nothing
}

TEST(TextPaint, CutTextToWidthKeepsWholeCharacters) {
  test::TFakeTextRenderer fake;  // 5 pixels a character
  EXPECT_EQ(CutTextToWidth(fake, u"Hello", 25), u"Hello");
  EXPECT_EQ(CutTextToWidth(fake, u"Hello", 24), u"H...");
  EXPECT_EQ(CutTextToWidth(fake, u"Hello", 14), u"");  // not even "..." fits
  EXPECT_EQ(CutTextToWidth(fake, u"Hello", 0), u"");
  EXPECT_EQ(CutTextToWidth(fake, u"", 10), u"");
  // "a😀bc": the face is one character of two code units and is removed whole.
  const std::u16string face = u"a\U0001F600bcdef";
  EXPECT_EQ(CutTextToWidth(fake, face, 35), face);
  EXPECT_EQ(CutTextToWidth(fake, face, 25), u"a\U0001F600...");
  EXPECT_EQ(CutTextToWidth(fake, face, 20), u"a...");
  for (int w = 0; w < 30; ++w) {
    const std::u16string r = CutTextToWidth(fake, face, w);
    for (size_t i = 0; i < r.size(); ++i)
      if (r[i] >= 0xD800 && r[i] <= 0xDBFF) {
        ASSERT_TRUE(i + 1 < r.size() && r[i + 1] >= 0xDC00) << w;
      }
  }
}

TEST(GlyphPaint, AlphaGlyphBlendsByAlphaTransparencyAndTint) {
  TBitmap32 src(2, 2);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 2; ++x) src.At(x, y) = 0x80000000u;  // black, alpha 128
  TBitmap32 dst(4, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) dst.At(x, y) = 0xFFFFFFFFu;
  DrawAlphaGlyph(TRect{1, 1, 3, 3}, TRect{0, 0, 2, 2}, dst, false, 0, kNoTint, false, EmptyCacheInfo(), src);
  EXPECT_EQ(dst.At(1, 1), 0xFF7F7F7Fu);
  TBitmap32 before = dst.Clone();
  DrawAlphaGlyph(TRect{0, 0, 4, 4}, TRect{0, 0, 2, 2}, dst, true, 100, kNoTint, false, EmptyCacheInfo(), src);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) ASSERT_EQ(dst.At(x, y), before.At(x, y));
  // Tint: gray level times the tint colour.
  src.At(0, 0) = 0xFF808080u;
  TBitmap32 t(1, 1);
  t.At(0, 0) = 0xFF000000u;
  DrawAlphaGlyph(TRect{0, 0, 1, 1}, TRect{0, 0, 1, 1}, t, false, 0, 0x0000FF, false, EmptyCacheInfo(), src);
  EXPECT_EQ(t.At(0, 0) & 0x00FFFFFFu, 0x007F0000u);  // red 128*255/255 blended at 255/256
  // A source one row high has no reflection to draw (and nothing to divide by).
  TBitmap32 row(2, 1);
  DrawAlphaGlyph(TRect{0, 0, 2, 1}, TRect{0, 0, 2, 1}, dst, true, 0, kNoTint, false, EmptyCacheInfo(), row);
}

TEST(GlyphPaint, OnlyAGlyphWithoutAlphaOfItsOwnIsClassic) {
  struct TCase {
    uint32_t Pixel;
    int SourceBits;
    bool Alpha;
  } cases[] = {{0xFF102030, 32, true},   // wholly opaque 32 bits keep reflection and tint
               {0x80102030, 32, true},
               {0x00102030, 32, false},  // alpha never written
               {0xFF102030, 24, false}}; // a file without alpha, made opaque by its reader
  for (const TCase& c : cases) {
    TBitmap32 glyph(2, 2);
    std::fill_n(glyph.Pixels(), glyph.PixelCount(), c.Pixel);
    glyph.SourceBitCount = c.SourceBits;
    EXPECT_EQ(IsAlphaGlyph(glyph), c.Alpha) << std::hex << c.Pixel << " " << std::dec << c.SourceBits;
  }
}

TEST(GlyphPaint, ClassicGlyphUsesItsBottomLeftColourAsKey) {
  TBitmap32 glyph(2, 2);
  glyph.At(0, 0) = 0x00FF0000u;
  glyph.At(1, 0) = 0x000000FFu;
  glyph.At(0, 1) = 0x0000FF00u;  // bottom-left: the transparent colour
  glyph.At(1, 1) = 0x0000FF00u;
  TBitmap32 dst(3, 3);
  DrawClassicGlyph(glyph, dst, TRect{1, 1, 3, 3}, false, 1, 0, true, 0, 1);
  EXPECT_EQ(dst.At(1, 1), 0xFFFF0000u);
  EXPECT_EQ(dst.At(2, 1), 0xFF0000FFu);
  EXPECT_EQ(dst.At(1, 2), 0x00FFFFFFu);
  // Several images: the hot one in State 1, the first when disabled.
  TBitmap32 strip(4, 1);
  strip.At(0, 0) = 0xFF000001u;
  strip.At(1, 0) = 0xFF000002u;
  strip.At(2, 0) = 0xFF000003u;
  strip.At(3, 0) = 0xFF000004u;
  TBitmap32 d(1, 1);
  DrawClassicGlyph(strip, d, TRect{0, 0, 1, 1}, false, 1, 0, true, 0, 4);
  EXPECT_EQ(d.At(0, 0), 0x00FFFFFFu);  // image 1's only pixel is its own key
  TBitmap32 wide(8, 2);
  for (int x = 0; x < 8; ++x) wide.At(x, 0) = 0xFF000000u | uint32_t(x);
  DrawClassicGlyph(wide, d, TRect{0, 0, 1, 1}, true, 2, 0, true, 0, 4);
  EXPECT_EQ(d.At(0, 0), 0xFF000006u);  // pressed and down: image 3
  DrawClassicGlyph(wide, d, TRect{0, 0, 1, 1}, true, 2, 0, false, 0, 4);
  EXPECT_EQ(d.At(0, 0), 0xFF000000u);  // disabled: image 0
}

TEST(GlyphPaint, ClassicGlyphFadedInStateZeroSkipsTheSkinKey) {
  // Blend 40 keeps 40 % of the white destination. The key is the word 0x00FF00FF, so the bottom-left
  // colour (green 128), which keys the copied looks, is blended like any other pixel here.
  TBitmap32 glyph(2, 2);
  glyph.At(0, 0) = kKeyPixel;
  glyph.At(1, 0) = 0x00000000u;
  glyph.At(0, 1) = glyph.At(1, 1) = 0x00008000u;
  const uint32_t white = 0x00FFFFFFu, black40 = 0x00666666u, green40 = 0x0066B366u;  // round(s + (d - s) * 0.4)
  TBitmap32 d(2, 2);
  DrawClassicGlyph(glyph, d, TRect{0, 0, 2, 2}, false, 0, 40, true, 0, 1);
  EXPECT_EQ(d.At(0, 0), white);
  EXPECT_EQ(d.At(1, 0), black40);
  EXPECT_EQ(d.At(0, 1), green40);
  EXPECT_EQ(d.At(1, 1), green40);
  // A strip of images fades its first image the same way.
  TBitmap32 strip(4, 2);
  for (int i = 0; i < 2; ++i) {
    strip.At(2 * i, 0) = kKeyPixel;
    strip.At(2 * i + 1, 0) = 0x00000000u;
    strip.At(2 * i, 1) = strip.At(2 * i + 1, 1) = 0x00008000u;
  }
  TBitmap32 e(2, 2);
  DrawClassicGlyph(strip, e, TRect{0, 0, 2, 2}, false, 0, 40, true, 0, 2);
  EXPECT_EQ(e.At(0, 0), white);
  EXPECT_EQ(e.At(1, 0), black40);
  EXPECT_EQ(e.At(0, 1), green40);
  // Hot, the same glyph is copied opaque without its bottom-left colour; the key word is copied then.
  TBitmap32 h(2, 2);
  DrawClassicGlyph(glyph, h, TRect{0, 0, 2, 2}, false, 1, 40, true, 0, 1);
  EXPECT_EQ(h.At(0, 0), 0xFFFF00FFu);
  EXPECT_EQ(h.At(1, 0), 0xFF000000u);
  EXPECT_EQ(h.At(0, 1), white);
}

TEST(Glow, GeometryOfAButtonAndItsCuts) {
  const TRect button{100, 50, 175, 75};
  TGlowGeometry g = CalcGlowGeometry(button, TRect{0, 0, 75, 25}, 8, 8, 8, 8, 2);
  EXPECT_EQ(g.Width, 87);
  EXPECT_EQ(g.Height, 37);
  EXPECT_EQ(g.Position, (TPoint{94, 44}));
  // The left 10 columns are hidden by the parent's edge.
  g = CalcGlowGeometry(button, TRect{10, 0, 75, 25}, 8, 8, 8, 8, 2);
  EXPECT_EQ(g.CutLeft, 16);
  EXPECT_EQ(g.Width, 87 - 16);
  EXPECT_EQ(g.Position.X, 100 + 2 + 16 - 8);
  // Cut on the right: only 40 columns visible.
  g = CalcGlowGeometry(button, TRect{0, 0, 40, 25}, 8, 8, 8, 8, 2);
  EXPECT_EQ(g.CutRight, 75 + 8 - 40 - 2);
  // Nothing visible: no glow, never a negative size.
  g = CalcGlowGeometry(button, TRect{500, 500, 400, 400}, 8, 8, 8, 8, 2);
  EXPECT_GE(g.Width, 0);
  EXPECT_TRUE(CalcGlowGeometry(TRect{0, 0, 2, 2}, TRect{0, 0, 2, 2}, 0, 0, 0, 0, 5).Empty());
}

TEST(Glow, BitmapFromTheSectionsGlowMask) {
  test::TTestSkin skin;
  skin.AddSection(u"BUTTON", 0, 3);
  EXPECT_EQ(FindGlowMask(skin.M, u"BUTTON"), -1);
  const int glow = skin.AddMask(u"BUTTON", u"GLOW0", TRect{0, 0, 6, 6}, 1, 0, 4, 2);
  skin.Paint(TRect{0, 0, 6, 6}, [](int x, int y) { return uint32_t(x + 10 * y) << 24; });
  EXPECT_EQ(FindGlowMask(skin.M, u"BUTTON"), glow);
  const TGlowGeometry g = CalcGlowGeometry(TRect{0, 0, 20, 10}, TRect{0, 0, 20, 10}, 2, 2, 2, 2, 1);
  const TBitmap32 bmp = MakeGlowBitmap(skin.M, glow, g);
  ASSERT_EQ(bmp.Width(), 22);
  ASSERT_EQ(bmp.Height(), 12);
  EXPECT_EQ(bmp.At(0, 0), 0u);
  EXPECT_EQ(bmp.At(21, 11), 55u << 24);
  EXPECT_EQ(bmp.At(10, 5), 32u << 24);  // the centre piece, tiled from its own corner
  EXPECT_TRUE(MakeGlowBitmap(skin.M, 77, g).Empty());
}

}  // namespace
}  // namespace qw
