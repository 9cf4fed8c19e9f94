#include "skin/frame/scroll/ScrollBarLayout.h"

#include <algorithm>
#include <limits>

namespace qw {

namespace {

constexpr int64_t kMaxScrollRange = 0x7FFFFFFE;

int32_t Clamp32(int64_t v, int64_t lo, int64_t hi) { return static_cast<int32_t>(std::clamp(v, lo, std::max(lo, hi))); }

}  // namespace

int32_t MulDivRound(int64_t a, int64_t b, int64_t c) {
  int64_t product;
  if (c == 0 || __builtin_mul_overflow(a, b, &product) || product == std::numeric_limits<int64_t>::min()) return -1;
  const bool negative = (product < 0) != (c < 0);
  const uint64_t p = static_cast<uint64_t>(product < 0 ? -product : product);
  const uint64_t d = c < 0 ? uint64_t(0) - static_cast<uint64_t>(c) : static_cast<uint64_t>(c);
  const uint64_t q = p / d + (p % d >= d - d / 2 ? 1 : 0);  // halves round away from zero
  if (q > static_cast<uint64_t>(std::numeric_limits<int32_t>::max()) + (negative ? 1 : 0)) return -1;
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(q) : static_cast<int64_t>(q));
}

int64_t ScrollRange(const TScrollState& s) {
  const int64_t range = int64_t{s.Max} - s.Min;
  return range < 0 || range > kMaxScrollRange ? -1 : range;
}

int64_t MaxScrollPos(const TScrollState& s) {
  return std::max<int64_t>(s.Min, int64_t{s.Max} - std::max<int64_t>(s.Page, 1) + 1);
}

int32_t ScaledMetric(int32_t setting, int32_t systemValue) {
  return setting >= 0 ? setting : Clamp32(-int64_t{setting} * systemValue, 0, std::numeric_limits<int32_t>::max());
}

int32_t DrawnArrowLength(int32_t setting, int32_t systemArrow, bool skinLongArrows, int32_t imageLength) {
  if (setting >= 0) return setting;
  const int64_t unit = skinLongArrows ? int64_t{imageLength} + systemArrow - 17 : systemArrow;
  return Clamp32(-int64_t{setting} * unit, 0, std::numeric_limits<int32_t>::max());
}

TThumb CalcThumb(const TScrollState& s, int32_t trackLength, int32_t arrowLength, int32_t minThumbSize) {
  const int64_t range = ScrollRange(s);
  if (range < 0) return {};
  TThumb t;
  if (s.Page == 0) {
    t.Size = arrowLength;
  } else {
    t.Size = std::max(MulDivRound(s.Page, trackLength, range + 1), minThumbSize);
  }
  const int64_t free = int64_t{trackLength} - t.Size;
  const int64_t span = range - std::max<int64_t>(1, s.Page) + 1;
  t.Offset = Clamp32(MulDivRound(int64_t{s.Pos} - s.Min, free, span), 0, free);
  return t;
}

bool ThumbShown(const TScrollState& s, int32_t trackLength, int32_t thumbSize, int32_t minThumbSize) {
  const int64_t range = ScrollRange(s);
  if (thumbSize <= 0 || range < 0) return false;
  return trackLength >= std::max(MulDivRound(s.Page, trackLength, range), minThumbSize);
}

TScrollPart ScrollPartAt(int32_t along, int32_t across, int32_t barLength, int32_t thickness, int32_t arrowLength,
                         const TThumb& thumb) {
  if (across < 0 || across >= thickness || along < 0 || along >= barLength) return spNone;
  if (int64_t{barLength} < 2 * int64_t{arrowLength}) return along < barLength / 2 ? spFirstArrow : spSecondArrow;
  if (along < arrowLength) return spFirstArrow;
  if (along >= barLength - arrowLength) return spSecondArrow;
  const int32_t track = barLength - 2 * arrowLength;
  if (thumb.Size >= track) return spNone;
  const int64_t start = int64_t{arrowLength} + thumb.Offset;
  if (along < start) return spPageBefore;
  if (along < start + thumb.Size) return spThumb;
  return spPageAfter;
}

int32_t DragThumbOffset(int32_t mouseAlong, int32_t grabOffset, int32_t arrowLength, int32_t trackLength,
                        int32_t thumbSize) {
  return Clamp32(int64_t{mouseAlong} - grabOffset - arrowLength, 0, int64_t{trackLength} - thumbSize);
}

int32_t DragPosition(const TScrollState& s, int32_t thumbOffset, int32_t trackLength, int32_t thumbSize) {
  const int64_t range = ScrollRange(s);
  if (range < 0) return s.Min;
  const int64_t free = int64_t{trackLength} - thumbSize;
  int64_t pos;
  if (range < 1 || free <= 0) {
    pos = int64_t{s.Min} + thumbOffset;
  } else {
    const int64_t span = range - std::max<int64_t>(1, s.Page) + 1;
    pos = int64_t{s.Min} + MulDivRound(thumbOffset, span, free);
  }
  return Clamp32(pos, s.Min, MaxScrollPos(s));
}

TBarSegments LayoutBar(int32_t barLength, int32_t arrowLength, const TThumb& thumb, bool thumbShown) {
  TBarSegments g;
  if (barLength <= 0) return g;
  if (int64_t{barLength} < 2 * int64_t{arrowLength}) {
    g.Short = true;
    g.Arrow1End = g.Split = g.Arrow2Start = barLength / 2;
    return g;
  }
  g.Arrow1End = arrowLength;
  g.Arrow2Start = barLength - arrowLength;
  g.ThumbStart = Clamp32(int64_t{arrowLength} + thumb.Offset, arrowLength, g.Arrow2Start);
  g.ThumbEnd = Clamp32(int64_t{g.ThumbStart} + thumb.Size, g.ThumbStart, g.Arrow2Start);
  g.Split = g.ThumbStart + (g.ThumbEnd - g.ThumbStart) / 2;
  g.ThumbVisible = thumbShown && g.ThumbEnd > g.ThumbStart;
  return g;
}

TBarPlacement PlaceBars(int32_t width, int32_t height, const TNonClientEdges& edges, int32_t hThickness, bool hShown,
                        int32_t vThickness, bool vShown, bool leftBar) {
  TBarPlacement p;
  const int32_t vLeftShare = vShown && leftBar ? vThickness : 0;
  const int32_t vRightShare = vShown && !leftBar ? vThickness : 0;
  p.Horz.Left = edges.Left + vLeftShare;
  p.Horz.Right = width - edges.Right - vRightShare;
  p.Horz.Bottom = height - edges.Bottom;
  p.Horz.Top = p.Horz.Bottom - hThickness;
  p.Vert.Top = edges.Top;
  p.Vert.Bottom = height - edges.Bottom - (hShown ? hThickness : 0);
  if (leftBar) {
    p.Vert.Left = edges.Left;
    p.Vert.Right = p.Vert.Left + vThickness;
  } else {
    p.Vert.Right = width - edges.Right;
    p.Vert.Left = p.Vert.Right - vThickness;
  }
  if (hShown && vShown) p.SizeBox = TRect{p.Vert.Left, p.Horz.Top, p.Vert.Right, p.Horz.Bottom};
  return p;
}

}  // namespace qw
