#pragma once
// The window system's RECT and our TRect are the same rectangle (exclusive right and bottom): these
// convert between them without anyone spelling out the four fields again.
#include <windows.h>

#include "base/Geometry.h"

namespace qw {

inline TRect RectOf(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }
inline RECT WinRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

}  // namespace qw
