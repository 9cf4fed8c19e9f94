// Snapping a moved form to the work area's edges, and the place and size of a maximised form.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <utility>

#include "skin/frame/WindowPlacementLayout.h"
#include "tests/frame/GeneratorFrame.h"

namespace qw {
namespace {

TEST(SnapToWorkArea, CloserThanTheBufferSnapsLeftAndTopWin) {
  // A 447 x 432 window on 1024 x 768: 9 from an edge (either side of it) snaps, 10 stays.
  for (auto [from, to] : {std::pair<TPoint, TPoint>{{9, 100}, {0, 100}}, {{10, 100}, {10, 100}}, {{-9, 100}, {0, 100}},
                          {{568, 327}, {577, 336}}, {{567, 326}, {567, 326}}}) {
    EXPECT_EQ(SnapToWorkArea({from.X, from.Y, from.X + 447, from.Y + 432}, {0, 0, 1024, 768}, 10), to) << from.X;
  }
  // Near both edges of a pair the left (top) one wins; no buffer, no snapping; no overflow.
  EXPECT_EQ(SnapToWorkArea({5, 5, 1020, 765}, {0, 0, 1024, 768}, 10), (TPoint{0, 0}));
  EXPECT_EQ(SnapToWorkArea({1, 1, 50, 50}, {0, 0, 1024, 768}, 0), (TPoint{1, 1}));
  EXPECT_EQ(SnapToWorkArea({INT32_MIN, 0, INT32_MAX, 10}, {0, 0, 1024, 768}, 10), (TPoint{INT32_MIN, 0}));
}

TEST(MaximizedPlacement, SizeableFormOn1024x768WithAndWithoutABorderWindow) {
  TFrameWindow w = Window(kWsCaption | kWsThickFrame, qxbsSizeable, {449, 434}, {441, 407});
  const auto place = [&w](TRect area) { return MaximizedPlacement(area, MeasureFrame(w, kWineMetrics), w); };
  // The 4-pixel frame lies just outside the work area, also below a taskbar at the top.
  EXPECT_EQ(place({0, 0, 1024, 768}), (TMaximizedPlacement{{-4, -4}, {1032, 776}}));
  EXPECT_EQ(place({0, 30, 1024, 768}), (TMaximizedPlacement{{-4, 26}, {1032, 746}}));
  // A border window's maximised caption of 28 replaces the system's 19: the window is 9 lower, its
  // client area still ends at the work area's bottom.
  w.BorderWindow.Present = true, w.BorderWindow.MaxHeight = 28;
  EXPECT_EQ(place({0, 0, 1024, 768}), (TMaximizedPlacement{{-4, 5}, {1032, 767}}));
}

TEST(OutlineBounds, MovesWithTheCaptionAndSizesByTheNamedEdgesDownToTheMinimum) {
  const TRect start{100, 100, 400, 300};
  const TSize minimum{200, 150};
  for (auto [hit, dx, dy, want] : {std::tuple{kHtCaption, -30, 20, TRect{70, 120, 370, 320}},
                                  std::tuple{kHtBottomRight, 50, 60, TRect{100, 100, 450, 360}},
                                  std::tuple{kHtTopLeft, 20, -10, TRect{120, 90, 400, 300}},
                                  std::tuple{kHtLeft, 250, 40, TRect{200, 100, 400, 300}},    // stops at the minimum width
                                  std::tuple{kHtTop, 0, 120, TRect{100, 150, 400, 300}}}) {  // and height
    EXPECT_EQ(OutlineBounds(start, hit, dx, dy, minimum), want) << hit;
  }
}

}  // namespace
}  // namespace qw
