#pragma once
// What a skinned container does for its children when it paints: the windowless children painted over
// its own picture, and the windowed ones told that the picture behind them is ready.
#include <windows.h>

#include "base/Geometry.h"

namespace qw {

class TWinControl;

// Paints the windowless children of Container into DC, each over the container's background behind it,
// through an off-screen picture of the container's size, at their positions plus Offset.
void PaintGraphicChildren(HDC dc, TWinControl& container, TPoint offset);

// After a container painted itself: every child (windowed ones through their window) gets
// skcEndParentUpdate, so a child that waited for the picture behind it repaints. Nothing while a
// transition or a skin change freezes the windows.
void NotifyChildrenParentPainted(TWinControl& container);
// The same for every child window of a window, from the top of their z-order, without the freeze test.
void NotifyChildWindowsParentPainted(HWND window);

}  // namespace qw
