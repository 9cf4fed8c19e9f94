#pragma once
// Stretched border pieces kept between paints. Stretching a masked side or centre piece resamples its
// image and its mask, which costs far more than drawing it; a control repainted at the same size (a
// hover, a fade frame, the next window of the same kind) finds both ready here. Entries are keyed by
// the piece's own pixels, so a reloaded skin can never be served an old picture.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// Exactly StretchMaskedPiece (same pixels), with the stretched image and mask taken from the cache.
void StretchMaskedPieceCached(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect,
                              int32_t maskOffset, bool isCentre);
// Empties this thread's cache.
void ClearStretchCache();

}  // namespace qw
