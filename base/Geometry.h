#pragma once
// Points, sizes and rectangles in the window system's layout. Right and Bottom are exclusive unless an
// operation says otherwise.
#include <algorithm>
#include <cstdint>

namespace qw {

struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int32_t l, int32_t t, int32_t r, int32_t b) { return TRect{l, t, r, b}; }
inline int32_t WidthOfRect(const TRect& r) { return r.Right - r.Left; }
inline int32_t HeightOfRect(const TRect& r) { return r.Bottom - r.Top; }
// The checked forms never go negative.
inline int32_t CheckedWidthOfRect(const TRect& r) { return std::max<int32_t>(0, r.Right - r.Left); }
inline int32_t CheckedHeightOfRect(const TRect& r) { return std::max<int32_t>(0, r.Bottom - r.Top); }
inline bool IsRectEmpty(const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; }
inline bool PointInRect(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }
// The common part of two rectangles; empty (all zero) when they do not meet.
inline TRect IntersectRects(const TRect& a, const TRect& b) {
  TRect r{std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
  return IsRectEmpty(r) ? TRect{} : r;
}
inline TRect OffsetRect(const TRect& r, int32_t dx, int32_t dy) {
  return TRect{r.Left + dx, r.Top + dy, r.Right + dx, r.Bottom + dy};
}

}  // namespace qw
