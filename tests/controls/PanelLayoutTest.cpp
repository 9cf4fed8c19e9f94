// A skinned panel's section following its outer bevel, the room its bevels take, its caption's place and
// flags, and the colour it fills itself with when it paints straight from colours.
#include <gtest/gtest.h>

#include "skin/controls/PanelLayout.h"
#include "skin/render/TextPaint.h"

namespace qw {
namespace {

TEST(PanelBevel, TheDefaultSectionFollowsTheBevelOnlyWhileItIsTheDefault) {
  EXPECT_EQ(PanelSectionAfterBevelChange(u"PANEL", bvRaised, bvLowered), std::u16string_view(u"PANEL_LOW"));
  EXPECT_EQ(PanelSectionAfterBevelChange(u"PANEL_LOW", bvLowered, bvNone), std::u16string_view(u"CHECKBOX"));
  EXPECT_EQ(PanelSectionAfterBevelChange(u"CHECKBOX", bvNone, bvRaised), std::u16string_view(u"PANEL"));
  EXPECT_FALSE(PanelSectionAfterBevelChange(u"EDIT", bvRaised, bvLowered)) << "a chosen section stays";
  EXPECT_FALSE(PanelSectionAfterBevelChange(u"PANEL", bvLowered, bvNone)) << "not the old bevel's default";
  EXPECT_FALSE(PanelSectionAfterBevelChange(u"PANEL", bvRaised, bvSpace)) << "a bevel without a section";
}

TEST(PanelCaption, BevelsAndTheBorderMoveTheCaptionInward) {
  EXPECT_EQ(PanelContentInset(bvRaised, bvNone, 1, 0), 1);
  EXPECT_EQ(PanelContentInset(bvRaised, bvLowered, 2, 3), 7);
  EXPECT_EQ(PanelContentInset(bvNone, bvNone, 4, 0), 0);
}

TEST(PanelCaption, CentredVerticallyItWrapsAndSitsByItsHeight) {
  const TPanelCaption c = PanelCaptionPlacement(TRect{1, 1, 423, 44}, taCenter, taVerticalCenter, 0, 23, false);
  EXPECT_EQ(c.R, (TRect{1, 10, 423, 33}));  // (43 - 23) / 2
  EXPECT_EQ(c.Flags, kDtCenter | kDtVCenter | kDtWordBreak | kDtExpandTabs | kDtNoPrefix);
  const TPanelCaption bordered = PanelCaptionPlacement(TRect{4, 4, 96, 36}, taLeftJustify, taVerticalCenter, 3, 10, false);
  EXPECT_EQ(bordered.R.Top, (32 - 10) / 2 + 3);
}

TEST(PanelCaption, TopAndBottomAreOneLineAtThatEdge) {
  const TRect r{2, 2, 98, 38};
  const TPanelCaption top = PanelCaptionPlacement(r, taRightJustify, taAlignTop, 0, 10, false);
  EXPECT_EQ(top.R, r);
  EXPECT_EQ(top.Flags, kDtRight | kDtSingleLine | kDtExpandTabs | kDtNoPrefix) << "not centred after all";
  const TPanelCaption bottom = PanelCaptionPlacement(r, taLeftJustify, taAlignBottom, 0, 10, true);
  EXPECT_EQ(bottom.Flags, kDtRight | kDtSingleLine | kDtBottom | kDtExpandTabs | kDtNoPrefix | kDtRtlReading);
}

TEST(PanelFill, OwnColourSectionColourParentOrAMixOfThem) {
  TPanelFillInput in{0, false, 0xFFFFFF, 0x00FF00, 0x0000FF};
  EXPECT_EQ(PanelFillColor(in), 0x00FF00);
  in.CustomColor = true;
  EXPECT_EQ(PanelFillColor(in), 0xFFFFFF);
  in.Transparency = 100;
  EXPECT_EQ(PanelFillColor(in), 0x0000FF);
  in = TPanelFillInput{40, false, 0xFFFFFF, 0x000000, 0x0000FF};
  EXPECT_EQ(PanelFillColor(in), 0x000066) << "40 % of the parent";
}

}  // namespace
}  // namespace qw
