// The three ways a control finds itself partly outside what its parent shows.
#include <gtest/gtest.h>

#include "skin/core/HalfVisible.h"

namespace qw {
namespace {

const TRect kParent{0, 0, 100, 50};

TEST(HalfVisible, ByBoundsEveryEdgeCounts) {
  struct TCase {
    TRect Bounds;
    bool Half;
  } cases[] = {{{0, 0, 100, 50}, false}, {{-1, 0, 20, 20}, true}, {{0, -1, 20, 20}, true},
               {{90, 0, 101, 20}, true}, {{0, 40, 20, 51}, true}};
  for (const TCase& c : cases) EXPECT_EQ(HalfVisibleByBounds(c.Bounds, kParent), c.Half) << c.Bounds.Left << "," << c.Bounds.Bottom;
}

TEST(HalfVisible, ByClipBoxOnlyTheWholeControlInOneRectangleIsWhole) {
  EXPECT_FALSE(HalfVisibleByClipBox(true, TRect{0, 0, 80, 30}, 80, 30));
  EXPECT_FALSE(HalfVisibleByClipBox(true, TRect{-5, -5, 90, 40}, 80, 30)) << "a clip beyond the control";
  EXPECT_TRUE(HalfVisibleByClipBox(false, TRect{0, 0, 80, 30}, 80, 30)) << "a clip of several rectangles";
  EXPECT_TRUE(HalfVisibleByClipBox(true, TRect{1, 0, 80, 30}, 80, 30));
  EXPECT_TRUE(HalfVisibleByClipBox(true, TRect{0, 0, 80, 29}, 80, 30));
}

TEST(HalfVisible, ByCornersAOnePixelOverhangOnTheTopLeftIsForgiven) {
  // The first pixel looked at lies one inside the top-left corner, the last on the bottom-right one.
  EXPECT_FALSE(HalfVisibleByCorners(TRect{-1, -1, 100, 50}, kParent));
  EXPECT_TRUE(HalfVisibleByCorners(TRect{-2, 0, 20, 20}, kParent));
  EXPECT_TRUE(HalfVisibleByCorners(TRect{0, 0, 101, 20}, kParent));
  EXPECT_TRUE(HalfVisibleByCorners(TRect{0, 0, 20, 51}, kParent));
}

}  // namespace
}  // namespace qw
