#pragma once
// Temporary bitmaps of the painters, kept between calls: a paint that needs a temporary of a size it
// needed before gets the same bitmap back instead of a new allocation (a new DIB section on Windows).
// Painting runs on the user-interface thread only; the pool is per thread all the same.
#include "image/Bitmap32.h"

namespace qw {

// Which temporary of one paint call: the ones in use at the same time must differ.
enum TScratchSlot : int { ssBackground = 0, ssGradient = 1, ssText = 2, ssGlow = 3, ssCount = 4 };

// A W x H bitmap for the slot with every pixel 0x00FFFFFF, as a new bitmap would be. Valid until the
// next call for the same slot. Sizes beyond what a bitmap may have give an empty bitmap.
TBitmap32& ScratchBitmap(TScratchSlot slot, int width, int height);
// Frees every pooled bitmap of this thread and the stretched border pieces (tests and the benchmark's
// cold runs).
void ReleaseScratchBitmaps();

}  // namespace qw
