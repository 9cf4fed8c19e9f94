// Captions written onto real device contexts with the skin's colours: contours, the dimmed disabled
// colour, the engraved look, the glow in the cache, and the parent that lends its text colours. Checks
// use the colours the test's skin defines, with an unsmoothed bold font so every pixel is one colour.
#include <gtest/gtest.h>

#include <set>

#include "CoreTestSupport.h"
#include "fw/Canvas.h"
#include "skin/core/SkinText_win.h"
#include "skin/render/SectionText_win.h"

namespace qw::test {
namespace {

constexpr TColor kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00;

// A bitmap with a memory DC and a crisp bold font selected.
class TTextTarget {
 public:
  TTextTarget(int w, int h, TColor background) : Bmp(w, h) {
    FillRect32(Bmp, TRect{0, 0, w, h}, background, 0);
    DC = CreateCompatibleDC(nullptr);
    FOldBitmap = SelectObject(DC, static_cast<HBITMAP>(Bmp.NativeHandle()));
    FFont = CreateFontW(-24, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Tahoma");
    FOldFont = SelectObject(DC, FFont);
  }
  ~TTextTarget() {
    SelectObject(DC, FOldFont);
    SelectObject(DC, FOldBitmap);
    DeleteObject(FFont);
    DeleteDC(DC);
  }
  // Rows (or columns) holding pixels of the colour.
  std::set<int> Rows(TColor c) { return Where(c, true); }
  std::set<int> Columns(TColor c) { return Where(c, false); }
  TBitmap32 Bmp;
  HDC DC;

 private:
  std::set<int> Where(TColor c, bool rows) {
    GdiFlush();
    std::set<int> found;
    const uint32_t want = ColorToPixel(c, 0) & 0xFFFFFF;
    for (int y = 0; y < Bmp.Height(); ++y)
      for (int x = 0; x < Bmp.Width(); ++x)
        if ((Bmp.At(x, y) & 0xFFFFFF) == want) found.insert(rows ? y : x);
    return found;
  }
  HGDIOBJ FOldBitmap, FOldFont;
  HFONT FFont;
};

constexpr TRect kTextRect{10, 5, 150, 40};

TEST(SectionText, ABottomContourIsDrawnOnePixelLower) {
  TTestSkin skin;
  const int s = skin.AddSection(u"LABEL", 0xFFFFFF);
  skin.Section(s).Props[0].FontColor = TsFontColor{kRed, -1, -1, -1, kBlue};
  TTextTarget t(160, 48, 0xFFFFFF);
  WriteSectionText(t.DC, u"HH", true, &skin.M, false, s, DT_LEFT | DT_TOP | DT_SINGLELINE, kTextRect);
  const std::set<int> red = t.Rows(kRed), blue = t.Rows(kBlue);
  ASSERT_FALSE(red.empty());
  ASSERT_FALSE(blue.empty());
  EXPECT_EQ(*blue.rbegin(), *red.rbegin() + 1);
  EXPECT_TRUE(t.Rows(0x000000).empty()) << "nothing in the DC's own colour";
}

TEST(SectionText, DisabledSectionTextIsDimmed) {
  TTestSkin skin;
  const int s = skin.AddSection(u"LABEL", 0xFFFFFF);
  skin.Section(s).Props[0].FontColor = TsFontColor{0x000000, -1, -1, -1, -1};
  TTextTarget t(160, 48, 0x00FF00);
  WriteSectionText(t.DC, u"HH", false, &skin.M, false, s, DT_LEFT | DT_TOP | DT_SINGLELINE, kTextRect);
  EXPECT_FALSE(t.Rows(0x999999).empty()) << "40 % black over the white section";
  EXPECT_TRUE(t.Rows(0x000000).empty());
}

class SkinTextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int global = Skin.AddSection(u"GLOBALINFO", 0xFFFFFF);
    Skin.M.ConstData.IndexGLobalInfo = static_cast<int16_t>(global);
    Label = Skin.AddSection(u"LABEL", 0xFFFFFF);
    Skin.Section(Label).Props[0].FontColor = TsFontColor{0x000000, -1, -1, -1, -1};
    Skin.Section(Label).Props[1].FontColor = TsFontColor{kRed, kBlue, -1, -1, -1};
    Probe = Host.Add<TProbe<COC_TsCheckBox>>(10, 10, 160, 48);
    Probe->SkinData.SetSkinSection(u"LABEL");
  }
  TTestSkin Skin;
  THostForm Host;
  TProbe<COC_TsCheckBox>* Probe = nullptr;
  int Label = -1;
};

TEST_F(SkinTextTest, DisabledCaptionIsFortyPercentFontColour) {
  TTextTarget t(160, 48, 0x00FF00);
  TCanvas canvas(t.DC);
  WriteSkinText(canvas, u"HH", false, false, Probe->SkinData, DT_LEFT | DT_TOP | DT_SINGLELINE, kTextRect);
  EXPECT_FALSE(t.Rows(0x999999).empty());
  EXPECT_TRUE(t.Rows(0x000000).empty());
}

TEST_F(SkinTextTest, HotCaptionWithALeftContourAndClippedToItsRectangle) {
  TTextTarget t(160, 48, 0xFFFFFF);
  TCanvas canvas(t.DC);
  WriteSkinText(canvas, u"HH", true, true, Probe->SkinData, DT_LEFT | DT_TOP | DT_SINGLELINE, kTextRect);
  const std::set<int> red = t.Columns(kRed), blue = t.Columns(kBlue);
  ASSERT_FALSE(red.empty());
  ASSERT_FALSE(blue.empty());
  EXPECT_EQ(*blue.begin(), *red.begin() - 1);
  // Clipped to R, the main colour's DT_NOCLIP notwithstanding.
  TTextTarget narrow(160, 48, 0xFFFFFF);
  TCanvas narrowCanvas(narrow.DC);
  WriteSkinText(narrowCanvas, u"HH", true, true, Probe->SkinData, DT_LEFT | DT_TOP | DT_SINGLELINE, TRect{10, 5, 20, 40});
  EXPECT_LT(*narrow.Columns(kRed).rbegin(), 20);
}

TEST_F(SkinTextTest, UnskinnedDisabledCaptionIsEngraved) {
  Probe->SkinData.SetSkinSection(u"NOSUCH");
  TTextTarget t(160, 48, 0x000000);
  TCanvas canvas(t.DC);
  WriteSkinText(canvas, u"HH", false, false, Probe->SkinData, DT_LEFT | DT_TOP | DT_SINGLELINE, kTextRect);
  const TColor light = ColorToRGB(static_cast<TColor>(0xFF000000u | COLOR_BTNHIGHLIGHT));
  const TColor dark = ColorToRGB(static_cast<TColor>(0xFF000000u | COLOR_BTNSHADOW));
  ASSERT_NE(light, dark);
  const std::set<int> lightRows = t.Rows(light), darkRows = t.Rows(dark);
  ASSERT_FALSE(lightRows.empty());
  ASSERT_FALSE(darkRows.empty());
  EXPECT_EQ(*lightRows.rbegin(), *darkRows.rbegin() + 1);
  EXPECT_EQ(*t.Columns(light).rbegin(), *t.Columns(dark).rbegin() + 1);
}

TEST_F(SkinTextTest, GlowIsDrawnIntoTheCache) {
  Skin.Section(Label).Props[0].GlowSize = 3;
  Skin.Section(Label).Props[0].GlowColor = kGreen;
  Probe->SkinData.InitCacheBmp();
  TBitmap32& cache = *Probe->SkinData.CacheBmp();
  FillRect32(cache, TRect{0, 0, cache.Width(), cache.Height()}, 0xFFFFFF, 255);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, static_cast<HBITMAP>(cache.NativeHandle()));
  {
    TCanvas canvas(dc);
    WriteSkinText(canvas, u"HH", true, false, Probe->SkinData, DT_LEFT | DT_TOP | DT_SINGLELINE, TRect{20, 10, 150, 40});
  }
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  int greenish = 0;
  for (int y = 0; y < cache.Height(); ++y)
    for (int x = 0; x < cache.Width(); ++x) {
      const uint32_t p = cache.At(x, y);
      const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
      greenish += g > r + 20 && g > b + 20;
    }
  EXPECT_GT(greenish, 20) << "a green halo around the black text";
}

TEST_F(SkinTextTest, ATransparentBoxTakesTheColoursItsParentLends) {
  const int box = Skin.AddSection(u"CLEARBOX", 0xFFFFFF);
  Skin.Section(box).Props[0].Transparency = Skin.Section(box).Props[1].Transparency = 100;
  const int lender = Skin.AddSection(u"LENDER", 0x808080);
  Skin.Section(lender).GiveOwnFont = true;
  Skin.AddSection(u"KEEPER", 0x808080);
  const int glass = Skin.AddSection(u"GLASS", 0x808080);
  Skin.Section(glass).Props[0].Transparency = 80;
  auto* outer = Host.Add<TPanelProbe>(0, 60, 200, 100);
  auto* middle = Host.Add<TPanelProbe>(5, 5, 150, 80, outer);
  auto* box1 = Host.Add<TProbe<COC_TsCheckBox>>(5, 5, 100, 20, middle);
  box1->SkinData.SetSkinSection(u"CLEARBOX");
  outer->SkinData.SetSkinSection(u"LENDER");
  middle->SkinData.SetSkinSection(u"LENDER");
  EXPECT_EQ(CaptionColorSection(box1->SkinData, false), lender);
  middle->SkinData.SetSkinSection(u"KEEPER");
  EXPECT_EQ(CaptionColorSection(box1->SkinData, false), box) << "a parent that lends nothing";
  middle->SkinData.SetSkinSection(u"GLASS");
  EXPECT_EQ(CaptionColorSection(box1->SkinData, false), lender) << "a mostly transparent parent passes on";
  middle->SkinData.SetSkinSection(u"NOSUCH");
  EXPECT_EQ(CaptionColorSection(box1->SkinData, false), box) << "an unskinned parent ends the search";
  // An opaque box keeps its own colours.
  box1->SkinData.SetSkinSection(u"LABEL");
  EXPECT_EQ(CaptionColorSection(box1->SkinData, false), Label);
}

}  // namespace
}  // namespace qw::test
