#pragma once
// Stretching pieces of skin images: a nearest-pixel stretch (the same on every platform) and the
// stretch of a masked border piece.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

// Blends the stretched Image over C of Dst through the stretched Mask (both placed with their top-left
// corner at At, C inside Dst and covered by both): d = (s*256 + m*(d - s)) >> 8 per channel, alpha 255.
void BlendByStretchedMask(TBitmap32& dst, const TRect& c, TPoint at, const TBitmap32& image, const TBitmap32& mask);
// Stretches SrcRect of Src over DstRect of Dst, each destination pixel taking the source pixel under its
// centre (whole words); parts outside either bitmap are skipped, never read or written.
void StretchRectNearest(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect);
// Stretches one side or centre piece of a border image to DstRect: plain stretch without a mask
// (MaskOffset 0), otherwise blended through its mask (MaskOffset rows below the image), alpha 255.
void StretchMaskedPiece(TBitmap32& dst, const TRect& dstRect, const TBitmap32& src, const TRect& srcRect,
                        int32_t maskOffset, bool isCentre);

}  // namespace qw
