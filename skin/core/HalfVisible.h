#pragma once
// Whether a control is "half visible": partly outside what its parent shows, so the picture behind it
// may change where nobody repaints it and its cache is rebuilt at every paint. Each kind of control
// measures it its own way; these are the three ways, on plain rectangles.
#include "base/Geometry.h"

namespace qw {

// Most controls: their bounds (in the parent's client coordinates) do not lie wholly inside the parent's
// client rectangle.
bool HalfVisibleByBounds(const TRect& bounds, const TRect& parentClient);

// Panels and page controls, from the clip box of the paint: the area painted is not the whole control
// (Width x Height), or not one rectangle at all.
bool HalfVisibleByClipBox(bool clipIsOneRect, const TRect& clip, int width, int height);

// Group boxes: the pixel just inside the top-left corner or the one at the bottom-right corner lies
// outside the parent's client rectangle.
bool HalfVisibleByCorners(const TRect& bounds, const TRect& parentClient);

}  // namespace qw
