#pragma once
// The layered popup windows the engine lays over the screen (pictures of windows during transitions,
// glows around controls): borderless, never activated, never on the task bar, showing a 32-bit picture
// with its per-pixel alpha under a constant alpha.
#include <windows.h>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// A new, hidden layered popup of its own window class (registered on first use with Proc), with
// ExtraExStyle added to the layered, tool-window and no-activate styles. Null without layered windows.
// The caller destroys it.
HWND CreateLayeredPopup(const wchar_t* className, WNDPROC proc, DWORD extraExStyle = 0);
// Shows Picture in the window at Position (screen coordinates) with the constant alpha (clamped to
// 0..255) over the picture's premultiplied alpha. False without layered windows or an empty picture.
bool UpdateLayeredPicture(HWND window, const TBitmap32& picture, TPoint position, int constantAlpha);

}  // namespace qw
