#pragma once
// Where a skinned form goes on its monitor: snapped to the work area's edges while it is moved, and
// placed when maximised so that its frame lies off the screen.
#include <cstdint>

#include "base/Geometry.h"
#include "skin/frame/FrameLayout.h"

namespace qw {

// The top-left corner a window proposed at Bounds takes: each edge closer than Buffer pixels (strictly)
// to the same edge of the work area moves onto it. Left and top are tested after right and bottom, so
// a window near both edges of a narrow work area goes to the left (top) one.
TPoint SnapToWorkArea(const TRect& bounds, const TRect& workArea, int32_t buffer);

// A maximised window's place and size (what WM_GETMINMAXINFO answers), relative to the monitor's
// top-left corner, as its work area is given.
struct TMaximizedPlacement {
  TPoint Position;
  TSize Size;
  friend bool operator==(const TMaximizedPlacement&, const TMaximizedPlacement&) = default;
};

// The system frame lies just outside the work area on every side. With a border window the skin's
// maximised caption replaces the system's: the window moves down by what it is higher, so that the
// skin's caption starts at the top of the work area and the client area still ends at its bottom.
TMaximizedPlacement MaximizedPlacement(const TRect& workArea, const TFrameGeometry& g, const TFrameWindow& w);

// The bounds an outline drag proposes: the start bounds moved by (Dx, Dy) for the caption, or the
// edges the sizing code names moved by it; never narrower or lower than the minimum (the moved edge
// stops there).
TRect OutlineBounds(const TRect& start, int32_t hitCode, int32_t dx, int32_t dy, TSize minimum);

}  // namespace qw
