#pragma once
// The dotted focus frame of buttons and check boxes: single black dots every third pixel along the inner
// edge of a rectangle, each with a dot of the button face before it.
#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

// Draws the frame on R's inner edge (Right and Bottom exclusive): for i = 0 .. width / 3 the dots at
// (Left + 3i, Top) and (Left + 3i, Bottom - 1) with face dots one to their left, and for i = 0 .. height / 3
// the dots at (Left, Top + 3i) and (Right - 1, Top + 3i) with face dots one above them. Pixels outside the
// bitmap are left out. Face is a colour value (system colours resolved).
void DrawDottedFocusFrame(TBitmap32& bmp, const TRect& r, TColor face);

}  // namespace qw
