// Where a bound caption label goes for each of its eight layouts, how it aligns and wraps, and the colour
// a skinned label's text takes: lent by the skin, its own section's, its own, dimmed when disabled.
#include <gtest/gtest.h>

#include "skin/controls/LabelLayout.h"

namespace qw {
namespace {

// A control at (100, 50), 100 x 21, and a label 40 x 13 kept 2 pixels away.
constexpr TRect kControl{100, 50, 200, 71};
TPoint Place(TsBoundCaptionLayout layout) { return BoundLabelPosition(layout, kControl, 40, 13, 2); }

TEST(BoundLabel, EachLayoutPlacesTheLabelBesideTheControl) {
  EXPECT_EQ(Place(sclLeft), (TPoint{100 - 40 - 2 - 4, 50 + (21 - 13) / 2 - 1}));
  EXPECT_EQ(Place(sclLeftTop), (TPoint{54, 53}));
  EXPECT_EQ(Place(sclTopLeft), (TPoint{100, 50 - 13 - 2}));
  EXPECT_EQ(Place(sclTopCenter), (TPoint{130, 35}));
  EXPECT_EQ(Place(sclTopRight), (TPoint{160, 35}));
  EXPECT_EQ(Place(sclBottomLeft), (TPoint{100, 73}));
  EXPECT_EQ(Place(sclBottomCenter), (TPoint{130, 73}));
  EXPECT_EQ(Place(sclBottomRight), (TPoint{160, 73}));
}

TEST(BoundLabel, DivisionsTruncateTowardsZero) {
  // A label taller than its control on the left: (21 - 30) / 2 is -4, not -5.
  EXPECT_EQ(BoundLabelPosition(sclLeft, kControl, 40, 30, 0).Y, 50 - 4 - 1);
  EXPECT_EQ(BoundLabelPosition(sclTopCenter, kControl, 111, 13, 0).X, 100 - 5);
}

TEST(BoundLabel, TheTextLeansTowardsTheControl) {
  for (auto layout : {sclTopLeft, sclLeftTop, sclBottomLeft}) EXPECT_EQ(BoundLabelAlignment(layout), taLeftJustify);
  for (auto layout : {sclTopCenter, sclBottomCenter}) EXPECT_EQ(BoundLabelAlignment(layout), taCenter);
  for (auto layout : {sclLeft, sclTopRight, sclBottomRight}) EXPECT_EQ(BoundLabelAlignment(layout), taRightJustify);
}

TEST(BoundLabel, WrapsWhenItReachesItsLimit) {
  EXPECT_FALSE(BoundLabelWordWrap(500, 0).has_value()) << "no limit, nothing changes";
  EXPECT_EQ(BoundLabelWordWrap(96, 100), true);
  EXPECT_EQ(BoundLabelWordWrap(95, 100), false);
}

TEST(LabelColor, ASkinnedLabelTakesWhatItsParentLends) {
  TLabelColorInput in;
  in.Own = 0x123456;
  in.SkinActive = true;
  in.Lent = 0x0000FF;
  EXPECT_EQ(LabelFontColor(in), 0x0000FF);
  in.UseSkinColor = false;
  EXPECT_EQ(LabelFontColor(in), 0x123456) << "a label keeping its colour";
  in.UseSkinColor = true;
  in.Lent = clNoColor;
  EXPECT_EQ(LabelFontColor(in), 0x123456) << "magenta from the skin means none";
  in.SectionFont = 0x00FF00;
  EXPECT_EQ(LabelFontColor(in), 0x00FF00) << "its own section wins";
  in.SkinActive = false;
  EXPECT_EQ(LabelFontColor(in), 0x123456) << "no skin, no change";
}

TEST(LabelColor, ADisabledSkinnedLabelIsFortyPercentOfItsColourOverItsParent) {
  TLabelColorInput in;
  in.SkinActive = true;
  in.Lent = 0x000000;
  in.ParentColor = 0xFFFFFF;
  in.Enabled = false;
  EXPECT_EQ(LabelTextColor(in), 0x999999);  // RGB(153, 153, 153)
  in.ParentColor = 0x0000FF;
  in.Lent = 0xFF0000;
  EXPECT_EQ(LabelTextColor(in), 0x660099);  // blue 0.4 * 255 = 102, red 0.6 * 255 = 153
  in.Enabled = true;
  EXPECT_EQ(LabelTextColor(in), 0xFF0000);
  in.Enabled = false;
  in.SkinActive = false;
  in.Own = 0x000000;
  EXPECT_EQ(LabelTextColor(in), 0x000000) << "without a skin the plain label draws its disabled look";
}

}  // namespace
}  // namespace qw
