// Skinned panels on a plain form against a skin the test builds: straight from colours (its own colour
// or the section's inside the section's border), through the cache for a translucent section, the
// caption in its place, the section following the outer bevel, never hot, and the events.
#include <gtest/gtest.h>

#include "../../win/core/CoreTestSupport.h"
#include "BoxTestSupport.h"
#include "skin/controls/sPanel.h"
#include "skin/core/BackgroundRequest_win.h"
#include "skin/core/SkinBroadcast_win.h"

namespace qw::test {
namespace {

constexpr TColor kFormColor = 0xFFFFFF, kBorder = 0x0000FF, kFace = 0x00FF00;

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Face = Skin.AddSection(u"FACE", kFace, 1);
    Skin.Section(Face).Props[0].FontColor.Color = 0x000000;
    AddPlainFrame(Skin, Face, kBorder, 3);
    Skin.AddSection(u"PANEL", 0x404040, 1);
    Skin.AddSection(u"PANEL_LOW", 0x404040, 1);
    Skin.AddSection(u"CHECKBOX", 0x404040, 1);
    Host.Form->SetColor(kFormColor);
    P = Host.Add<TsPanel>(10, 10, 120, 40);
    P->SetCaption(L"");
    P->SkinData.SetSkinSection(u"FACE");
    ASSERT_TRUE(P->SkinData.Skinned());
  }
  TTestSkin Skin;
  THostForm Host;
  TsPanel* P = nullptr;
  int Face = -1;
};

TEST_F(PanelTest, APlainSectionIsPaintedFromColoursInsideItsBorder) {
  EXPECT_FALSE(P->PaintsThroughCache());
  const TBitmap32 picture = PictureOf(*P);
  EXPECT_EQ(Rgb(picture, 0, 20), PixelOf(kBorder));
  EXPECT_EQ(Rgb(picture, 2, 20), PixelOf(kBorder));
  EXPECT_EQ(Rgb(picture, 3, 20), PixelOf(kFace));
  EXPECT_EQ(Rgb(picture, 60, 20), PixelOf(kFace));
  EXPECT_EQ(Rgb(picture, 119, 39), PixelOf(kBorder));
}

TEST_F(PanelTest, ItsOwnColourReplacesTheSectionsWhatEverTheSection) {
  Skin.Section(Face).Props[0].GradientPercent = 100;  // a look that would need the cache
  P->SkinData.UpdateIndexes();
  P->SetColor(0xFFFFFF);
  P->SkinData.SetCustomColor(true);
  EXPECT_FALSE(P->PaintsThroughCache());
  const TBitmap32 picture = PictureOf(*P);
  EXPECT_EQ(Rgb(picture, 60, 20), 0xFFFFFFu);
  EXPECT_EQ(Rgb(picture, 1, 20), PixelOf(kBorder));
}

TEST_F(PanelTest, ATranslucentSectionIsPaintedThroughTheCache) {
  Skin.Section(Face).Props[0].Color = 0x000000;
  Skin.Section(Face).Props[0].Transparency = 50;
  Skin.Section(Face).BorderIndex = -1;
  P->SkinData.UpdateIndexes();
  EXPECT_TRUE(P->PaintsThroughCache());
  const TBitmap32 picture = PictureOf(*P);
  EXPECT_EQ(Rgb(picture, 60, 20), 0x808080u) << "half of the white form over black";
  EXPECT_EQ(Rgb(*P->SkinData.CacheBmp(), 60, 20), 0x808080u);
  EXPECT_FALSE(P->SkinData.BGChanged);
}

TEST_F(PanelTest, TheCaptionIsCentredInTheSkinsFontColour) {
  P->SkinData.SetCustomFont(false);
  Skin.Section(Face).Props[0].FontColor.Color = 0xFF0000;
  P->SetCaption(L"HHHH");
  const TBitmap32 picture = PictureOf(*P);
  EXPECT_GT(CountOf(picture, TRect{0, 0, 120, 40}, 0x0000FFu), 10);
  // The text's ink, whatever its smoothing, lies about the middle both ways.
  int left = picture.Width(), right = 0, top = picture.Height(), bottom = 0;
  for (int y = 3; y < picture.Height() - 3; ++y)
    for (int x = 3; x < picture.Width() - 3; ++x)
      if (Rgb(picture, x, y) != PixelOf(kFace)) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
  ASSERT_LT(left, right);
  EXPECT_LE(std::abs((left + right + 1) / 2 - 60), 3) << left << ".." << right;
  EXPECT_LE(std::abs((top + bottom + 1) / 2 - 20), 3) << top << ".." << bottom;
  // With its own font colour the panel keeps it.
  P->Font().SetColor(0x00FFFF);
  P->SkinData.SetCustomFont(true);
  const TBitmap32 own = PictureOf(*P);
  EXPECT_EQ(CountOf(own, TRect{0, 0, 120, 40}, 0x0000FFu), 0);
  EXPECT_GT(CountOf(own, TRect{0, 0, 120, 40}, PixelOf(0x00FFFF)), 10);
}

TEST_F(PanelTest, TheOuterBevelSwitchesADefaultSectionOnly) {
  P->SkinData.SetSkinSection(u"PANEL");
  P->SetBevelOuter(bvLowered);
  EXPECT_EQ(P->SkinData.SkinSection(), u"PANEL_LOW");
  P->SetBevelOuter(bvNone);
  EXPECT_EQ(P->SkinData.SkinSection(), u"CHECKBOX");
  P->SetBevelOuter(bvRaised);
  EXPECT_EQ(P->SkinData.SkinSection(), u"PANEL");
  P->SkinData.SetSkinSection(u"FACE");
  P->SetBevelOuter(bvLowered);
  EXPECT_EQ(P->SkinData.SkinSection(), u"FACE") << "a section chosen for the panel stays";
  P->SetBevelOuter(bvRaised);
  P->SkinData.SetSkinSection(u"PANEL_LOW");
  P->SetBevelOuter(bvNone);
  EXPECT_EQ(P->SkinData.SkinSection(), u"PANEL_LOW") << "not the default of the bevel it had";
}

TEST_F(PanelTest, HoveringChangesNothingAndRaisesTheEvents) {
  Skin.Section(Face).States = 2;
  Skin.Section(Face).Props[1].Color = 0x123456;
  P->SkinData.UpdateIndexes();
  int entered = 0, left = 0;
  P->OnMouseEnter = [&](TComponent*) { ++entered; };
  P->OnMouseLeave = [&](TComponent*) { ++left; };
  const TBitmap32 before = PictureOf(*P);
  P->Perform(FW_MOUSE_ENTER);
  EXPECT_FALSE(P->SkinData.ControlIsActive());
  const TBitmap32 hovered = PictureOf(*P);
  EXPECT_EQ(Rgb(hovered, 60, 20), Rgb(before, 60, 20));
  P->Perform(FW_MOUSE_LEAVE);
  EXPECT_EQ(entered, 1);
  EXPECT_EQ(left, 1);
  // Without a skin too.
  P->SkinData.SetSkinSection(u"NOSUCH");
  P->Perform(FW_MOUSE_ENTER);
  EXPECT_EQ(entered, 2);
}

TEST_F(PanelTest, AChildOfABevelledPanelGetsThePanelsPixelsAtItsOwnPlace) {
  Skin.Section(Face).Props[0].Color = 0x000000;
  Skin.Section(Face).Props[0].Transparency = 50;
  P->SkinData.UpdateIndexes();
  P->SetBevelWidth(2);
  P->SetBorderWidth(1);
  auto* child = Host.Add<TWinControl>(1, 1, 20, 10, P);
  PictureOf(*P);
  TBackgroundInfo info;
  RequestParentBackground(*child, info, false);
  ASSERT_EQ(info.BgType, btCache);
  // The child's coordinates start at the panel's corner, bevels included: no inward shift.
  const TBitmap32& cache = *P->SkinData.CacheBmp();
  EXPECT_EQ(Rgb(*info.Bmp, child->Left() + info.Offset.X, child->Top() + info.Offset.Y), Rgb(cache, 1, 1));
  EXPECT_EQ(Rgb(*info.Bmp, child->Left() + info.Offset.X, child->Top() + info.Offset.Y), PixelOf(kBorder));
}

TEST_F(PanelTest, ChildrenWaitWhileThePanelHasNoPicture) {
  Skin.Section(Face).Props[0].Transparency = 50;
  Skin.Section(Face).BorderIndex = -1;
  P->SkinData.UpdateIndexes();
  P->SkinData.InitCacheBmp();
  *P->SkinData.CacheBmp() = TBitmap32(0, 0);
  EXPECT_EQ(SendSkinCommandToWindow(P->Handle(), skcQueryUpdating), 1) << "a cache still to be made";
  PictureOf(*P);
  EXPECT_EQ(SendSkinCommandToWindow(P->Handle(), skcQueryUpdating), 0);
}

}  // namespace
}  // namespace qw::test
