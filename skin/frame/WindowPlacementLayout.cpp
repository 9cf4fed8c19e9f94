#include "skin/frame/WindowPlacementLayout.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

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

}  // namespace qw
