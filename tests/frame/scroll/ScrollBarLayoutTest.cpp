// Scroll-bar arithmetic: thumb size and place, the part under a point, dragging, painted segments and the
// bars' places in a window, with the ranges a window can hold at their extremes.
#include <gtest/gtest.h>

#include <limits>

#include "skin/frame/scroll/ScrollBarLayout.h"

namespace qw {
namespace {

constexpr int32_t kArrow = 17;
constexpr int32_t kMinThumb = 10;

TScrollState State(int32_t min, int32_t max, uint32_t page, int32_t pos) { return TScrollState{min, max, page, pos}; }

TEST(MulDivRound, RoundsHalvesAwayFromZeroAndRefusesWhatDoesNotFit) {
  EXPECT_EQ(MulDivRound(10, 200, 1000), 2);
  EXPECT_EQ(MulDivRound(1, 1, 2), 1);
  EXPECT_EQ(MulDivRound(-1, 1, 2), -1);
  EXPECT_EQ(MulDivRound(1, 1, 3), 0);
  EXPECT_EQ(MulDivRound(2, 1, 3), 1);
  EXPECT_EQ(MulDivRound(-5, 3, -2), 8);
  EXPECT_EQ(MulDivRound(7, 3, 0), -1);
  EXPECT_EQ(MulDivRound(std::numeric_limits<int32_t>::max(), 4, 2), -1);
  EXPECT_EQ(MulDivRound(std::numeric_limits<int32_t>::min(), 1, 1), std::numeric_limits<int32_t>::min());
}

TEST(ScrollRange, WholeIntRangeIsInvalidInsteadOfOverflowing) {
  EXPECT_EQ(ScrollRange(State(0, 999, 10, 0)), 999);
  EXPECT_EQ(ScrollRange(State(-5, 5, 0, 0)), 10);
  EXPECT_EQ(ScrollRange(State(0, 0x7FFFFFFE, 0, 0)), 0x7FFFFFFE);
  // Max - Min wraps in 32 bits: taken in 64 it is too wide, so no thumb and no division by a wrapped value.
  EXPECT_EQ(ScrollRange(State(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 0, 0)), -1);
  EXPECT_EQ(ScrollRange(State(10, 5, 0, 0)), -1);
  EXPECT_EQ(CalcThumb(State(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), 100, 0), 200,
                      kArrow, kMinThumb),
            TThumb{});
}

TEST(CalcThumb, PageShareOfTheTrackRaisedToTheMinimum) {
  // 10 of 1000 on a 200-pixel track is 2 pixels, raised to the minimum of 10.
  const TScrollState s = State(0, 999, 10, 0);
  EXPECT_EQ(CalcThumb(s, 200, kArrow, kMinThumb).Size, 10);
  EXPECT_EQ(CalcThumb(State(0, 99, 50, 0), 200, kArrow, kMinThumb).Size, 100);
  // Without a page the thumb is as long as an arrow.
  EXPECT_EQ(CalcThumb(State(0, 99, 0, 0), 200, kArrow, kMinThumb).Size, kArrow);
}

TEST(CalcThumb, OffsetFollowsThePositionAndStaysOnTheTrack) {
  // Position 495 of 0..999 with a page of 10: 495 / 990 of the 190 free pixels.
  EXPECT_EQ(CalcThumb(State(0, 999, 10, 495), 200, kArrow, kMinThumb).Offset, 95);
  EXPECT_EQ(CalcThumb(State(0, 999, 10, 0), 200, kArrow, kMinThumb).Offset, 0);
  EXPECT_EQ(CalcThumb(State(0, 999, 10, 990), 200, kArrow, kMinThumb).Offset, 190);
  // A position beyond the last one (or before the first) is clamped to the track.
  EXPECT_EQ(CalcThumb(State(0, 999, 10, 5000), 200, kArrow, kMinThumb).Offset, 190);
  EXPECT_EQ(CalcThumb(State(100, 1099, 10, 50), 200, kArrow, kMinThumb).Offset, 0);
  // The minimum counts from Min.
  EXPECT_EQ(CalcThumb(State(-500, 499, 10, -5), 200, kArrow, kMinThumb).Offset, 95);
  // A page wider than the range: the thumb fills the track, nothing left to move it on.
  const TThumb full = CalcThumb(State(0, 50, 100, 20), 200, kArrow, kMinThumb);
  EXPECT_GE(full.Size, 200);
  EXPECT_EQ(full.Offset, 0);
}

TEST(ThumbShown, OnlyWhenTheTrackHoldsThePagesShare) {
  EXPECT_TRUE(ThumbShown(State(0, 999, 10, 0), 200, 10, kMinThumb));
  EXPECT_FALSE(ThumbShown(State(0, 50, 100, 0), 200, 400, kMinThumb));
  EXPECT_FALSE(ThumbShown(State(0, 999, 10, 0), 8, 10, kMinThumb)) << "a track shorter than the smallest thumb";
  EXPECT_FALSE(ThumbShown(State(0, 999, 10, 0), 200, 0, kMinThumb));
}

TEST(ScrollPartAt, ArrowsPagesAndThumbAlongTheBar) {
  // A 234-pixel bar: arrows of 17, a 200-pixel track, the thumb (10) at offset 95: [112, 122).
  const TThumb thumb{10, 95};
  const auto at = [&](int along, int across = 5) { return ScrollPartAt(along, across, 234, 17, kArrow, thumb); };
  EXPECT_EQ(at(0), spFirstArrow);
  EXPECT_EQ(at(16), spFirstArrow);
  EXPECT_EQ(at(17), spPageBefore);
  EXPECT_EQ(at(111), spPageBefore);
  EXPECT_EQ(at(112), spThumb);
  EXPECT_EQ(at(121), spThumb);
  EXPECT_EQ(at(122), spPageAfter);
  EXPECT_EQ(at(216), spPageAfter);
  EXPECT_EQ(at(217), spSecondArrow);
  EXPECT_EQ(at(233), spSecondArrow);
  EXPECT_EQ(at(234), spNone);
  EXPECT_EQ(at(-1), spNone);
  EXPECT_EQ(at(50, 17), spNone) << "beside the bar";
  EXPECT_EQ(at(50, -1), spNone);
  // A thumb that fills its track leaves nothing to page with.
  EXPECT_EQ(ScrollPartAt(100, 5, 234, 17, kArrow, TThumb{200, 0}), spNone);
}

TEST(ScrollPartAt, BarShorterThanTwoArrowsHasOnlyItsArrows) {
  const TThumb thumb{10, 0};
  for (int along = 0; along < 15; ++along)
    EXPECT_EQ(ScrollPartAt(along, 3, 25, 17, kArrow, thumb), along < 12 ? spFirstArrow : spSecondArrow) << along;
  const TBarSegments g = LayoutBar(25, kArrow, thumb, true);
  EXPECT_TRUE(g.Short);
  EXPECT_FALSE(g.ThumbVisible);
  EXPECT_EQ(g.Arrow1End, 12);
  EXPECT_EQ(g.Arrow2Start, 12);
}

TEST(Drag, BackToTheSamePositionAndNeverPastTheEnd) {
  const TScrollState s = State(0, 999, 10, 495);
  const TThumb thumb = CalcThumb(s, 200, kArrow, kMinThumb);
  EXPECT_EQ(DragPosition(s, thumb.Offset, 200, thumb.Size), 495);
  EXPECT_EQ(DragPosition(s, 0, 200, thumb.Size), 0);
  EXPECT_EQ(DragPosition(s, 190, 200, thumb.Size), 990) << "the last position shows the last page";
  // The position counts from Min.
  const TScrollState shifted = State(1000, 1999, 10, 1495);
  EXPECT_EQ(DragPosition(shifted, 95, 200, 10), 1495);
  EXPECT_EQ(DragPosition(shifted, 0, 200, 10), 1000);
  // Without a page the end of the track is Max, not Max + 1.
  const TScrollState noPage = State(0, 99, 0, 0);
  const TThumb t = CalcThumb(noPage, 200, kArrow, kMinThumb);
  EXPECT_EQ(DragPosition(noPage, 200 - t.Size, 200, t.Size), 99);
  EXPECT_EQ(MaxScrollPos(noPage), 99);
  EXPECT_EQ(DragPosition(State(5, 5, 0, 5), 3, 200, kArrow), 5) << "an empty range keeps its only position";
}

TEST(Drag, ThumbStaysOnTheTrackHoweverFarTheMouseGoes) {
  // Grabbed 4 pixels into the thumb; the track starts after a 17-pixel arrow.
  EXPECT_EQ(DragThumbOffset(17 + 4 + 50, 4, kArrow, 200, 10), 50);
  EXPECT_EQ(DragThumbOffset(-3000, 4, kArrow, 200, 10), 0);
  EXPECT_EQ(DragThumbOffset(3000, 4, kArrow, 200, 10), 190);
  EXPECT_EQ(DragThumbOffset(3000, 4, kArrow, 5, 10), 0) << "a thumb longer than its track";
}

TEST(LayoutBar, TrackHalvesSplitAtTheThumbsMiddle) {
  const TBarSegments g = LayoutBar(234, kArrow, TThumb{10, 95}, true);
  EXPECT_FALSE(g.Short);
  EXPECT_EQ(g.Arrow1End, 17);
  EXPECT_EQ(g.Arrow2Start, 217);
  EXPECT_EQ(g.ThumbStart, 112);
  EXPECT_EQ(g.ThumbEnd, 122);
  EXPECT_EQ(g.Split, 117);
  EXPECT_TRUE(g.ThumbVisible);
  EXPECT_FALSE(LayoutBar(234, kArrow, TThumb{10, 95}, false).ThumbVisible);
  EXPECT_EQ(LayoutBar(0, kArrow, TThumb{}, true).Arrow2Start, 0);
}

TEST(Metrics, NegativeSettingsScaleTheSystemOrTheSkinImage) {
  EXPECT_EQ(ScaledMetric(-1, 17), 17);
  EXPECT_EQ(ScaledMetric(-2, 17), 34);
  EXPECT_EQ(ScaledMetric(12, 17), 12);
  // A skin with long arrows: a 26-pixel image and a 17-pixel system arrow give 26.
  EXPECT_EQ(DrawnArrowLength(-1, 17, true, 26), 26);
  EXPECT_EQ(DrawnArrowLength(-1, 20, true, 26), 29);
  EXPECT_EQ(DrawnArrowLength(-1, 17, false, 26), 17);
  EXPECT_EQ(DrawnArrowLength(9, 17, true, 26), 9);
  EXPECT_EQ(ScaledMetric(std::numeric_limits<int32_t>::min(), 17), std::numeric_limits<int32_t>::max());
}

TEST(PlaceBars, BarsInsideTheEdgesAndTheBoxBetweenThem) {
  const TNonClientEdges edges{2, 2, 2, 2};
  const TBarPlacement p = PlaceBars(100, 80, edges, 17, true, 17, true, false);
  EXPECT_EQ(p.Vert, (TRect{81, 2, 98, 61}));
  EXPECT_EQ(p.Horz, (TRect{2, 61, 81, 78}));
  EXPECT_EQ(p.SizeBox, (TRect{81, 61, 98, 78}));
  const TBarPlacement left = PlaceBars(100, 80, edges, 17, true, 17, true, true);
  EXPECT_EQ(left.Vert, (TRect{2, 2, 19, 61}));
  EXPECT_EQ(left.Horz, (TRect{19, 61, 98, 78}));
  const TBarPlacement only = PlaceBars(100, 80, edges, 17, false, 17, true, false);
  EXPECT_EQ(only.Vert, (TRect{81, 2, 98, 78}));
  EXPECT_TRUE(IsRectEmpty(only.SizeBox));
}

}  // namespace
}  // namespace qw
