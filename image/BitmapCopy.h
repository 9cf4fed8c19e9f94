#pragma once
// Copies of skin image pieces into 32-bit bitmaps: keyed copies (transparent key colour), masked pieces
// (an alpha mask below the image), glyph state images and images with their own alpha. The parent's
// background (TCacheInfo) shows through where the piece is transparent.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"

namespace qw {

// What the masked copies need to know of a skin mask: its whole area in the source image (image strip
// and mask rows together) and its type (0: key-colour transparency; n > 0: the mask lies below the
// image, the area being n + 1 image heights high).
struct TMaskPieceInfo {
  TRect R;
  int MaskType = 0;
};

// Copies SrcRect (Right and Bottom inclusive) of Src to (DstX, DstY); key pixels show the parent
// (UseParent with a ready ci), keep the destination (ready ci) or become ci.FillColor with alpha 0.
void CopyKeyedRect(TBitmap32& dst, const TBitmap32& src, int32_t dstX, int32_t dstY, TRect srcRect,
                   bool useParent, const TCacheInfo& ci, uint32_t key);
// Copies one piece of a masked image: d = (s*256 + m*(d - s)) >> 8 per channel, m the mask's value
// (the mask lies half the mask area's height below the source row); key pixels per the ci modes.
void CopyMaskedPiece(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                     bool useParent, const TCacheInfo& ci, const TBitmap32& src);
// Draws a glyph state image through its mask (AddedTransparency 1: as masked, otherwise fainter), alpha
// accumulating coverage; without a mask type the non-key pixels are copied.
void CopyGlyphWithMask(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, const TMaskPieceInfo& mask,
                       int addedTransparency, const TBitmap32& src);
// Draws an image with its own alpha: d = ((s - d)*A + d*256) >> 8, alpha a + A*(255 - a) div 255; with a
// ready ci the key word 0x00FF00FF shows the parent (UseParent) or nothing. Nothing when Src is null.
void CopyAlphaBitmap(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool useParent,
                     const TCacheInfo& ci, const TBitmap32* src);

}  // namespace qw
