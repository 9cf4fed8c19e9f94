#pragma once
// The arithmetic of a skinned scroll bar: its metrics, where it lies in a window, the thumb's size and
// place, the part under a point and the position a dragged thumb stands for. Plain values in and out,
// lengths measured along the bar; ranges are computed in 64 bits, so no range a window can hold
// overflows.
#include <cstdint>

#include "base/Geometry.h"

namespace qw {

// Parts of a bar. The numbers are the scroll codes a press on them sends (line up, line down, page up,
// page down, thumb track).
enum TScrollPart : int {
  spNone = -1,
  spFirstArrow = 0,
  spSecondArrow = 1,
  spPageBefore = 2,
  spPageAfter = 3,
  spThumb = 5,
};

// The scroll state the system keeps for a bar.
struct TScrollState {
  int32_t Min = 0;
  int32_t Max = 0;
  uint32_t Page = 0;
  int32_t Pos = 0;
};

// A * B / C rounded to the nearest integer, halves away from zero (the system's MulDiv); -1 when C is 0
// or the result does not fit 32 bits.
int32_t MulDivRound(int64_t a, int64_t b, int64_t c);

// Max - Min, or -1 for a range the bar cannot show (Max below Min, or wider than 0x7FFFFFFE).
int64_t ScrollRange(const TScrollState& s);

// The highest position the bar can reach: Max - max(Page, 1) + 1, never below Min.
int64_t MaxScrollPos(const TScrollState& s);

// A metric setting: a value >= 0 is taken as it is, a negative n means -n times the system's value.
int32_t ScaledMetric(int32_t setting, int32_t systemValue);

// The arrow length a bar is painted with: the setting when >= 0; for a negative setting n, -n times the
// skin's arrow image length (plus what the system's arrow length exceeds 17 pixels by) when the skin asks
// for long arrows, else -n times the system's arrow length.
int32_t DrawnArrowLength(int32_t setting, int32_t systemArrow, bool skinLongArrows, int32_t imageLength);

struct TThumb {
  int32_t Size = 0;    // along the bar
  int32_t Offset = 0;  // from the end of the first arrow
  friend bool operator==(const TThumb&, const TThumb&) = default;
};

// The thumb on a track of TrackLength pixels (the bar between its arrows). Without a page the thumb is
// as long as an arrow; otherwise Page / (range + 1) of the track, at least MinThumbSize. The offset puts
// the position's share of the range on the free part of the track. Size and offset are 0 for an
// invalid range.
TThumb CalcThumb(const TScrollState& s, int32_t trackLength, int32_t arrowLength, int32_t minThumbSize);

// The thumb is painted when it has a size and the track holds it: the track is at least as long as the
// page's share of it (and as the smallest thumb).
bool ThumbShown(const TScrollState& s, int32_t trackLength, int32_t thumbSize, int32_t minThumbSize);

// The part at a point of a bar BarLength long and Thickness thick (Along from the bar's start, Across
// from its side). The arrows take ArrowLength each (half the bar each when it is shorter than both);
// a bar too short for a track, or whose thumb fills its track, has only its arrows.
TScrollPart ScrollPartAt(int32_t along, int32_t across, int32_t barLength, int32_t thickness, int32_t arrowLength,
                         const TThumb& thumb);

// Where a dragged thumb lies on its track: the mouse (along the bar) less where the thumb was grabbed
// and less the first arrow, kept between the track's start and its end less the thumb.
int32_t DragThumbOffset(int32_t mouseAlong, int32_t grabOffset, int32_t arrowLength, int32_t trackLength,
                        int32_t thumbSize);

// The position a thumb at ThumbOffset stands for: the inverse of CalcThumb's offset, from Min up to
// MaxScrollPos.
int32_t DragPosition(const TScrollState& s, int32_t thumbOffset, int32_t trackLength, int32_t thumbSize);

// How a bar is painted, along its length: the first arrow [0, Arrow1End), the first track half up to
// Split, the second one up to Arrow2Start, the second arrow to the end; the thumb [ThumbStart, ThumbEnd)
// when ThumbVisible. A bar shorter than both arrows is split in halves: track halves and arrows each
// take half of it.
struct TBarSegments {
  int32_t Arrow1End = 0;
  int32_t Split = 0;
  int32_t Arrow2Start = 0;
  int32_t ThumbStart = 0;
  int32_t ThumbEnd = 0;
  bool ThumbVisible = false;
  bool Short = false;
};
TBarSegments LayoutBar(int32_t barLength, int32_t arrowLength, const TThumb& thumb, bool thumbShown);

// The window's own border on each side, outside its client area and bars.
struct TNonClientEdges {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
};

// Where the bars of a Width x Height window lie, in window coordinates. HThickness / VThickness are the
// bars' thicknesses, HShown / VShown whether they are shown; LeftBar puts the vertical bar on the left.
struct TBarPlacement {
  TRect Horz;
  TRect Vert;
  TRect SizeBox;  // between the two bars; empty unless both are shown
};
TBarPlacement PlaceBars(int32_t width, int32_t height, const TNonClientEdges& edges, int32_t hThickness, bool hShown,
                        int32_t vThickness, bool vShown, bool leftBar);

}  // namespace qw
