// The window-free state rules: section names, the background type, the plain-background test's three
// outcomes and the colours a translucent control answers.
#include <gtest/gtest.h>

#include "skin/core/SkinState.h"
#include "skin/data/SkinTables.h"

namespace qw {
namespace {

TEST(SkinState, SectionNamesAreUpperCaseAndNeverEmpty) {
  EXPECT_EQ(NormalizeSectionName(u"button"), u"BUTTON");
  EXPECT_EQ(NormalizeSectionName(u"Panel_Low"), u"PANEL_LOW");
  EXPECT_EQ(NormalizeSectionName(u""), u"UNKNOWN");
  EXPECT_EQ(NormalizeSectionName(u"ä1"), u"ä1");  // non-ASCII kept
}

TEST(SkinState, PropsIndexNeedsASecondState) {
  TsGeneralData g;
  g.States = 1;
  EXPECT_EQ(SectionPropsIndex(g, 0), 0);
  EXPECT_EQ(SectionPropsIndex(g, 2), 0);
  g.States = 3;
  EXPECT_EQ(SectionPropsIndex(g, 0), 0);
  EXPECT_EQ(SectionPropsIndex(g, 1), 1);
  EXPECT_EQ(SectionPropsIndex(g, 3), 1);
}

TEST(SkinState, BackgroundTypeFromTextureAndFirstBand) {
  TsGeneralData g;
  EXPECT_EQ(SectionBackgroundType(g), 0);
  g.Props[0].ImagePercent = 30;
  EXPECT_EQ(SectionBackgroundType(g), 4);
  g.Props[0].GradientPercent = 70;
  g.Props[0].GradientArray = {TsGradPie{0, 0, 100, 0, 0}};
  EXPECT_EQ(SectionBackgroundType(g), 6);
  g.Props[0].GradientArray[0].Mode1 = 1;
  EXPECT_EQ(SectionBackgroundType(g), 5);
  g.Props[0].GradientArray[0].Mode1 = 2;
  EXPECT_EQ(SectionBackgroundType(g), 7);
  g.Props[0].GradientPercent = 0;  // bands without a share do not count
  EXPECT_EQ(SectionBackgroundType(g), 4);
}

TEST(SkinState, PlainBackgroundOutcomes) {
  TPlainBackgroundInput in;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Yes);  // nothing to paint with
  in.HasSection = true;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Yes);  // opaque colour
  in.BorderWL = 16;
  in.BorderWR = 15;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);  // wide border
  in.BorderWR = 14;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Yes);
  in.BorderDrawMode = 4;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);  // the border fills the centre
  in.BorderDrawMode = 3;
  in.GradientPercent = 10;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);
  in.GradientPercent = 0;
  in.HasCornerImages = true;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);
  in.HasCornerImages = false;
  in.Transparency = 40;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);

  // Fully transparent: the parent decides.
  in.Transparency = 100;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);  // no parent
  in.HasParent = true;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Unknown);  // a parent without a window
  in.ParentHasWindow = true;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Unknown);  // the parent has not evaluated itself
  in.ParentSkinState = cssPlainBackground | cssLocked;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::Yes);
  in.ParentSkinState = 0;
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);
  in.ParentSkinState = cssPlainBackground;
  in.TextureIsMaskedFill = true;  // a masked texture shows the parent through itself
  EXPECT_EQ(PlainBackgroundTest(in), TPlainAnswer::No);
}

TEST(SkinState, TranslucentColourMixesTheParentIn) {
  // 40 % of a red parent over black: 0.4 * 255 = 102.
  EXPECT_EQ(TranslucentColor(0x0000FF, 0x000000, 40), 0x000066);
  EXPECT_EQ(TranslucentColor(0x0000FF, 0x123456, 0), 0x123456);
  EXPECT_EQ(TranslucentColor(0x0000FF, 0x123456, 100), 0x0000FF);
  EXPECT_EQ(TranslucentColor(0x0000FF, 0x123456, 250), 0x0000FF);  // limited to 100
  // System colours are resolved before mixing.
  EXPECT_EQ(TranslucentColor(clBtnFace, 0x000000, 100), ColorToRGB(clBtnFace));
}

}  // namespace
}  // namespace qw
