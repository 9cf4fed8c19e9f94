#include "skin/frame/WindowPlacementLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "skin/frame/FrameHitCodes.h"

namespace qw {

namespace {

int32_t Fit(int64_t v) {
  using TLimits = std::numeric_limits<int32_t>;
  return static_cast<int32_t>(std::clamp<int64_t>(v, TLimits::min(), TLimits::max()));
}

bool Near(int32_t edge, int32_t areaEdge, int32_t buffer) { return std::llabs(int64_t{edge} - areaEdge) < buffer; }

}  // namespace

TPoint SnapToWorkArea(const TRect& bounds, const TRect& workArea, int32_t buffer) {
  TPoint p{bounds.Left, bounds.Top};
  const int64_t width = int64_t{bounds.Right} - bounds.Left, height = int64_t{bounds.Bottom} - bounds.Top;
  if (Near(bounds.Right, workArea.Right, buffer)) p.X = Fit(workArea.Right - width);
  if (Near(bounds.Bottom, workArea.Bottom, buffer)) p.Y = Fit(workArea.Bottom - height);
  if (Near(bounds.Left, workArea.Left, buffer)) p.X = workArea.Left;
  if (Near(bounds.Top, workArea.Top, buffer)) p.Y = workArea.Top;
  return p;
}

TMaximizedPlacement MaximizedPlacement(const TRect& workArea, const TFrameGeometry& g, const TFrameWindow& w) {
  const int64_t f = g.SystemFrameWidth;
  const int64_t below = w.BorderWindow.Present ? int64_t{w.BorderWindow.MaxHeight} - g.SysCaptionHeight : 0;
  const int64_t width = int64_t{workArea.Right} - workArea.Left, height = int64_t{workArea.Bottom} - workArea.Top;
  return TMaximizedPlacement{TPoint{Fit(workArea.Left - f), Fit(workArea.Top + below - f)},
                             TSize{Fit(width + 2 * f), Fit(height + 2 * f - below)}};
}

TRect OutlineBounds(const TRect& start, int32_t hitCode, int32_t dx, int32_t dy, TSize minimum) {
  if (hitCode == kHtCaption) return TRect{start.Left + dx, start.Top + dy, start.Right + dx, start.Bottom + dy};
  TRect r = start;
  const bool left = hitCode == kHtLeft || hitCode == kHtTopLeft || hitCode == kHtBottomLeft;
  const bool right = hitCode == kHtRight || hitCode == kHtTopRight || hitCode == kHtBottomRight;
  const bool top = hitCode == kHtTop || hitCode == kHtTopLeft || hitCode == kHtTopRight;
  const bool bottom = hitCode == kHtBottom || hitCode == kHtBottomLeft || hitCode == kHtBottomRight;
  if (left) r.Left = std::min(start.Left + dx, start.Right - minimum.Width);
  if (right) r.Right = std::max(start.Right + dx, start.Left + minimum.Width);
  if (top) r.Top = std::min(start.Top + dy, start.Bottom - minimum.Height);
  if (bottom) r.Bottom = std::max(start.Bottom + dy, start.Top + minimum.Height);
  return r;
}

}  // namespace qw
