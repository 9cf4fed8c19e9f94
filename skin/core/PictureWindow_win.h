#pragma once
// Picture windows: borderless layered windows that show a finished picture of a window (with a constant
// alpha over its per-pixel alpha) while the real window is hidden or being rebuilt under it.
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// A new, hidden picture window (null without layered windows). The caller destroys it.
HWND CreatePictureWindow();
// Shows Picture in the window at Position (screen coordinates) with the constant alpha; the picture's
// alpha is used per pixel (premultiplied: an opaque picture, alpha 255 everywhere, is drawn as it is).
bool UpdatePictureWindow(HWND window, const TBitmap32& picture, TPoint position, int constantAlpha);
// Places the window directly above Above in the z-order (stay-on-top when that window is), or at the top.
void PlaceAbove(HWND window, HWND above);

// The window's whole window area as it is on the screen now, alpha 255.
TBitmap32 ScreenPicture(HWND window);

}  // namespace qw
