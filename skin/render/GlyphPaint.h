#pragma once
// Glyph images of buttons and check boxes: 32-bit pictures with their own alpha (with tint,
// transparency and a fading reflection) and classic pictures with a transparent colour.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"

namespace qw {

// The "no tint" value of DrawAlphaGlyph.
inline constexpr uint32_t kNoTint = 0x1FFFFFFF;

// Disabled glyph looks (bits).
enum TsDisabledGlyphKind : int { dgBlended = 1, dgGrayed = 2 };

// A glyph drawn with its own alpha (DrawAlphaGlyph, with reflection and tint): a 32-bit picture with any
// alpha, a wholly opaque one included. A picture whose file had no alpha (SourceBitCount below 32), or
// whose alpha bytes are all zero (never written), is a classic glyph (DrawClassicGlyph).
bool IsAlphaGlyph(const TBitmap32& glyph);

// Draws SrcRect of a 32-bit glyph onto DstRect of Dst by its alpha, fainter by Transparency percent and
// optionally tinted (the gray level times the tint colour); with a ready ci key pixels show the parent
// (UseParent) or nothing. Reflected adds a mirrored copy fading out below DstRect.
void DrawAlphaGlyph(const TRect& dstRect, const TRect& srcRect, TBitmap32& dst, bool reflected, int transparency,
                    uint32_t tintColor, bool useParent, const TCacheInfo& ci, const TBitmap32& src);

// The glyph as a classic picture: colour words without alpha, as DrawClassicGlyph compares them with its
// transparent colour.
TBitmap32 WithoutAlpha(const TBitmap32& glyph);

// Draws a classic glyph (NumGlyphs images side by side, the transparent colour being an image's
// bottom-left pixel) at R's top-left: the image for the state (0 normal or disabled, 1 hot, 2 + Down
// pressed) copied or, in State 0 with Blend > 0, blended keeping Blend % of Dst. The blended normal look
// skips the skin's key word 0x00FF00FF, not the bottom-left colour: a glyph meant to fade must use the
// key colour for its transparent pixels. A disabled single image is grayed and/or blended as
// DisabledGlyphKind says. FourBit glyphs have no hot image.
void DrawClassicGlyph(const TBitmap32& glyph, TBitmap32& dst, const TRect& r, bool down, int state, int blend,
                      bool enabled, int disabledGlyphKind, int numGlyphs, bool fourBit = false);

}  // namespace qw
