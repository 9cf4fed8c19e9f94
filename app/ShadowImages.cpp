#include "app/ShadowImages.h"

namespace qw {

void ClearTransparentWhite(TBitmap32& bitmap) {
  uint32_t* p = bitmap.Pixels();
  for (size_t i = 0, n = bitmap.PixelCount(); i < n; ++i)
    if (p[i] == 0x00FFFFFFu) p[i] = 0;
}

}  // namespace qw
