#pragma once
// The picture a standard window shows by handle (a static's or a button's bitmap), read into a 32-bit
// bitmap the skin's painters take. The handle stays the window's: it is only read.
#include <windows.h>

#include "image/Bitmap32.h"

namespace qw {

// The bitmap's pixels, rows from the top, with its bits per pixel in BitsPerPixel (alpha means something
// only at 32); empty for no bitmap, one that cannot be read, or one larger than any window shows.
TBitmap32 ReadWindowBitmap(HBITMAP bitmap, int& bitsPerPixel);

}  // namespace qw
