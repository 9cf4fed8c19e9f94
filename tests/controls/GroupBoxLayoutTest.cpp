// The caption rectangle of a skinned group box for every layout, with and without a fixed caption width,
// mirrored for right-to-left reading, moved by the vertical offset, and where the frame starts below it.
#include <gtest/gtest.h>

#include "skin/controls/GroupBoxLayout.h"
#include "skin/render/TextPaint.h"

namespace qw {
namespace {

// A 233-pixel box with a 90-pixel caption in a font whose "W" is 13 pixels high, default margins.
TGroupBoxCaption Box(TsCaptionLayout layout) {
  TGroupBoxCaption c;
  c.BoxWidth = 233;
  c.LetterHeight = 13;
  c.TextWidth = 90;
  c.Layout = layout;
  return c;
}

TEST(GroupBoxCaptionRect, TopCentreCentresTextAndMargins) {
  const TRect r = GroupBoxCaptionRect(Box(clTopCenter));
  EXPECT_EQ(r.Left, 66);  // (233 - 90 - 4 - 6) / 2
  EXPECT_EQ(r.Right, 66 + 90 + 8);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Bottom, 15);  // the letter's height and one pixel above and below
}

TEST(GroupBoxCaptionRect, SideLayoutsKeepTheirGapAndMirrorForRightToLeft) {
  EXPECT_EQ(GroupBoxCaptionRect(Box(clTopLeft)), (TRect{6, 0, 104, 15}));
  EXPECT_EQ(GroupBoxCaptionRect(Box(clTopRight)), (TRect{233 - 90 - 8 - 6, 0, 233 - 6, 15}));
  TGroupBoxCaption rtl = Box(clTopLeft);
  rtl.RightToLeft = true;
  EXPECT_EQ(GroupBoxCaptionRect(rtl), GroupBoxCaptionRect(Box(clTopRight)));
  rtl.Layout = clTopRight;
  EXPECT_EQ(GroupBoxCaptionRect(rtl), GroupBoxCaptionRect(Box(clTopLeft)));
  rtl.Layout = clTopCenter;
  EXPECT_EQ(GroupBoxCaptionRect(rtl), GroupBoxCaptionRect(Box(clTopCenter)));
}

TEST(GroupBoxCaptionRect, AFixedWidthPlacesTheCaptionByThatWidth) {
  TGroupBoxCaption c = Box(clTopCenter);
  c.FixedWidth = 50;
  c.Margin = TsMarginValues{3, 0, 5, 0};
  EXPECT_EQ(GroupBoxCaptionRect(c), (TRect{88, 0, 88 + 3 + 50, 15}));  // (233 - 50 - 6) / 2 = 88
  c.Layout = clTopLeft;
  EXPECT_EQ(GroupBoxCaptionRect(c).Left, 3 + 6);
  c.Layout = clTopRight;
  EXPECT_EQ(GroupBoxCaptionRect(c).Left, 233 - 50 - 5 - 6);
  c.RightToLeft = true;
  EXPECT_EQ(GroupBoxCaptionRect(c).Left, 3 + 6);
}

TEST(GroupBoxCaptionRect, StaysInsideANarrowBox) {
  TGroupBoxCaption c = Box(clTopCenter);
  c.BoxWidth = 60;
  EXPECT_EQ(GroupBoxCaptionRect(c), (TRect{0, 0, 60, 15})) << "left at least 0, right at most the width";
  c.Layout = clTopRight;
  EXPECT_EQ(GroupBoxCaptionRect(c).Left, 0);
  c.FixedWidth = 200;
  EXPECT_EQ(GroupBoxCaptionRect(c), (TRect{0, 0, 60, 15}));
}

TEST(GroupBoxCaptionRect, AnEmptyCaptionStillReservesItsBand) {
  TGroupBoxCaption c = Box(clTopLeft);
  c.TextWidth = 0;
  const TRect r = GroupBoxCaptionRect(c);
  EXPECT_EQ(HeightOfRect(r), 15);
  EXPECT_EQ(r, (TRect{6, 0, 14, 15})) << "only the margins";
  EXPECT_EQ(GroupBoxFrameTop(r, 0), 7);
}

TEST(GroupBoxCaptionRect, ANarrowerRectangleThanTwoBevelsIsWidenedByOneOnEachSide) {
  TGroupBoxCaption c = Box(clTopLeft);
  c.TextWidth = 0;
  c.Margin = TsMarginValues{0, 0, 0, 0};
  c.BevelWidth = 2;
  EXPECT_EQ(GroupBoxCaptionRect(c), (TRect{4, 0, 8, 15}));
  c.Margin = TsMarginValues{1, 0, 1, 0};  // exactly two bevels wide: as it is
  EXPECT_EQ(GroupBoxCaptionRect(c), (TRect{6, 0, 10, 15}));
}

TEST(GroupBoxCaptionRect, TheVerticalOffsetMovesTheBandAndTheFrame) {
  TGroupBoxCaption c = Box(clTopLeft);
  c.Margin = TsMarginValues{2, 1, 2, 3};
  c.YOffset = -4;
  TRect r = GroupBoxCaptionRect(c);
  EXPECT_EQ(r.Top, -4);
  EXPECT_EQ(r.Bottom, 15 - 4 + 1 + 3);
  EXPECT_EQ(GroupBoxFrameTop(r, c.YOffset), 0) << "a caption moved up starts the frame at the top";
  c.YOffset = 6;
  r = GroupBoxCaptionRect(c);
  EXPECT_EQ(r.Top, 0);
  EXPECT_EQ(r.Bottom, 15 + 6 + 4);
  EXPECT_EQ(GroupBoxFrameTop(r, c.YOffset), 12);
  c.Skinned = false;
  EXPECT_EQ(GroupBoxCaptionRect(c).Bottom, 15 + 4) << "without a skin the offset is not used";
  c.YOffset = -4;
  EXPECT_EQ(GroupBoxCaptionRect(c).Top, 0);
}

TEST(GroupBoxCaptionRect, ATinyFontStillGetsAFourPixelLetter) {
  TGroupBoxCaption c = Box(clTopLeft);
  c.LetterHeight = 1;
  EXPECT_EQ(HeightOfRect(GroupBoxCaptionRect(c)), 6);
}

TEST(GroupBoxCaption, TextSitsInsideTheMarginsCentredOrCutWithAnEllipsis) {
  EXPECT_EQ(GroupBoxTextRect(TRect{10, 0, 60, 20}, TsMarginValues{2, 1, 3, 4}), (TRect{12, 1, 57, 16}));
  EXPECT_EQ(GroupBoxCaptionFlags(false, false), kDtSingleLine | kDtVCenter | kDtCenter);
  EXPECT_EQ(GroupBoxCaptionFlags(true, false), kDtSingleLine | kDtVCenter | kDtEndEllipsis);
  EXPECT_EQ(GroupBoxCaptionFlags(true, true), kDtSingleLine | kDtVCenter | kDtEndEllipsis | kDtRtlReading);
}

}  // namespace
}  // namespace qw
