#pragma once
// The shadow pictures of the window frame, decoded at start-up.
#include "skin/image/Bitmap32.h"

namespace qw {

// White with zero alpha (exactly 0x00FFFFFF) is the decoder's "nothing here"; the shadow code wants 0.
void ClearTransparentWhite(TBitmap32& bitmap);

}  // namespace qw
