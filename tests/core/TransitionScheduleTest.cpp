// The transitions' schedules: steps from a duration, fade alphas in and out, the zoom rectangles and the
// page change's weights, against the worked examples.
#include <gtest/gtest.h>

#include <vector>

#include "skin/core/TransitionSchedule.h"

namespace qw {
namespace {

TEST(TransitionSchedule, StepsFromDurations) {
  EXPECT_EQ(TransitionSteps(0), 0);
  EXPECT_EQ(TransitionSteps(11), 0);
  EXPECT_EQ(TransitionSteps(100), 8);
  EXPECT_EQ(TransitionSteps(3060), 255);
  EXPECT_EQ(TransitionSteps(65535), 255) << "a transition never holds the window for a minute";
  EXPECT_EQ(TransitionSteps(65536 + 24), 2) << "the duration is a 16-bit value";
}

TEST(TransitionSchedule, FadeAlphas) {
  EXPECT_EQ(FadeInAlphas(255, 8), (std::vector<int>{32, 64, 96, 128, 159, 191, 223, 255, 255}));
  EXPECT_EQ(FadeInAlphas(200, 1), (std::vector<int>{200, 200}));
  EXPECT_TRUE(FadeInAlphas(255, 0).empty());
  // Dialogs reach the end alpha only at the last frame.
  const std::vector<int> late = FadeInAlphasLate(255, 8);
  ASSERT_EQ(late.size(), 9u);
  EXPECT_LT(late[7], 255);
  EXPECT_EQ(late[8], 255);
  EXPECT_EQ(FadeOutAlphas(255, 8), (std::vector<int>{223, 191, 159, 128, 96, 64, 32, 0, 0}));
}

TEST(TransitionSchedule, ZoomRectangles) {
  const std::vector<TRect> in = ZoomInRects(160, 80, 4);
  ASSERT_EQ(in.size(), 5u);
  EXPECT_EQ(in.front(), (TRect{20, 10, 140, 70})) << "75 %, centred";
  EXPECT_EQ(in[2], (TRect{10, 5, 150, 75}));
  EXPECT_EQ(in.back(), (TRect{0, 0, 160, 80}));
  const std::vector<TRect> out = ZoomOutRects(160, 80, 4);
  EXPECT_EQ(out.front(), (TRect{0, 0, 160, 80}));
  EXPECT_EQ(out.back(), (TRect{20, 10, 140, 70}));
  // One step: from 75 % straight to the whole picture.
  EXPECT_EQ(ZoomInRects(8, 8, 1), (std::vector<TRect>{TRect{1, 1, 7, 7}, TRect{0, 0, 8, 8}}));
}

TEST(TransitionSchedule, PageChangeWeights) {
  EXPECT_EQ(PageChangeWeights(8), (std::vector<int>{255, 224, 193, 162, 131, 100, 69, 38, 7}));
  EXPECT_EQ(PageChangeWeights(1), (std::vector<int>{255, 0}));
  const std::vector<int> many = PageChangeWeights(255);
  EXPECT_EQ(many.back(), 0);
  EXPECT_TRUE(PageChangeWeights(0).empty());
}

}  // namespace
}  // namespace qw
