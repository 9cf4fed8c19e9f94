// The up-down control's buttons: halves of the control, the one under the cursor hot or pressed.
#include <gtest/gtest.h>

#include "skin/controls/UpDownLayout.h"

namespace qw {
namespace {

TEST(UpDownLayout, HalvesAlongTheControlsDirection) {
  const TUpDownButtons v = UpDownButtons(16, 21, true);
  EXPECT_EQ(v.First, (TRect{0, 0, 16, 10}));
  EXPECT_EQ(v.Second, (TRect{0, 10, 16, 21}));
  const TUpDownButtons h = UpDownButtons(31, 12, false);
  EXPECT_EQ(h.First, (TRect{0, 0, 15, 12}));
  EXPECT_EQ(h.Second, (TRect{15, 0, 31, 12}));
}

TEST(UpDownLayout, ButtonUnderTheCursorIsHotOrPressed) {
  // Over the lower half: the lower button hot, the upper one normal.
  TUpDownStates s = UpDownStates(16, 20, true, TPoint{8, 15}, false);
  EXPECT_EQ(s.First, 0);
  EXPECT_EQ(s.Second, 1);
  s = UpDownStates(16, 20, true, TPoint{8, 9}, true);
  EXPECT_EQ(s.First, 2);
  EXPECT_EQ(s.Second, 0);
  s = UpDownStates(30, 12, false, TPoint{20, 3}, false);
  EXPECT_EQ(s.First, 0);
  EXPECT_EQ(s.Second, 1);
  // Outside the control (also just past its edge) both are normal.
  for (const TPoint p : {TPoint{-1, 5}, TPoint{16, 5}, TPoint{5, 20}, TPoint{5, -3}}) {
    s = UpDownStates(16, 20, true, p, true);
    EXPECT_EQ(s.First, 0);
    EXPECT_EQ(s.Second, 0);
  }
}

}  // namespace
}  // namespace qw
