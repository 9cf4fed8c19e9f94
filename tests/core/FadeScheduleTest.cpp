// The fade's frame arithmetic: the old look's share per frame, how a (re)started fade is planned, and
// when it ends.
#include <gtest/gtest.h>

#include <vector>

#include "skin/core/FadeSchedule.h"

namespace qw {
namespace {

std::vector<int> Shares(const TFadeStart& start) {
  std::vector<int> a;
  for (int level = start.FadeLevel; !FadeFinished(level, start.Iterations); ++level)
    a.push_back(FadeOldShare(level, start.Iterations));
  return a;
}

TEST(FadeSchedule, TenFramesOnEnterAndFiveOnPress) {
  const TFadeStart normal = PlanFade(10, false, TFadeDirection::fdNone, false);
  EXPECT_EQ(normal.Iterations, 10);
  EXPECT_EQ(normal.FadeLevel, 1);
  EXPECT_EQ(Shares(normal), (std::vector<int>{230, 204, 179, 153, 128, 102, 77, 51, 26, 0}));
  // The eleventh tick finds the fade over.
  EXPECT_TRUE(FadeFinished(11, 10));
  EXPECT_FALSE(FadeFinished(10, 10));

  const TFadeStart fast = PlanFade(10, false, TFadeDirection::fdNone, true);
  EXPECT_EQ(Shares(fast), (std::vector<int>{204, 153, 102, 51, 0}));
}

TEST(FadeSchedule, OneFrameShowsTheNewLookAtOnce) {
  EXPECT_EQ(Shares(PlanFade(1, false, TFadeDirection::fdNone, false)), (std::vector<int>{0}));
  // Halved to nothing: no frame at all, the fade ends on its first tick.
  EXPECT_TRUE(Shares(PlanFade(1, false, TFadeDirection::fdNone, true)).empty());
  EXPECT_EQ(FadeOldShare(3, 0), 0);
}

TEST(FadeSchedule, ARestartedFadeBeginsAgainAtItsFirstFrame) {
  // A running fade (upwards) that is started again runs its whole schedule from frame 1.
  const TFadeStart again = PlanFade(20, true, TFadeDirection::fdUp, false);
  EXPECT_EQ(again.Iterations, 20);
  EXPECT_EQ(again.FadeLevel, 1);
  const TFadeStart fastAgain = PlanFade(20, true, TFadeDirection::fdUp, true);
  EXPECT_EQ(fastAgain.Iterations, 10);
  EXPECT_EQ(fastAgain.FadeLevel, 1);
  EXPECT_FALSE(FadeFinished(0, 10));
  EXPECT_TRUE(FadeFinished(-1, 10));
}

}  // namespace
}  // namespace qw
