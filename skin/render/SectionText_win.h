#pragma once
// Windows: captions in a skin's text colours written straight onto a device context with its current
// font: the contours and the main colour of a section state, the dimmed disabled colour, and the
// engraved look of a disabled caption without a skin.
#include <windows.h>

#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "skin/render/TextPaint.h"

namespace qw {

class TsSkinManager;

// Draws the text once per pass (offset from R, colour) with a transparent background; the last pass
// (the main colour) gets LastExtraFlags added (DT_NOCLIP for captions that may touch their edge).
void DrawTextPassesDC(HDC dc, std::u16string_view text, const TRect& r, uint32_t flags,
                      const std::vector<TTextPass>& passes, uint32_t lastExtraFlags = 0);
// The classic disabled caption: the text in the highlight colour one pixel right and down, then in the
// shadow colour at R.
void DrawEngravedTextDC(HDC dc, std::u16string_view text, const TRect& r, uint32_t flags);
// A caption in the colours of a section: with Enabled its contours and the state's main colour (the hot
// state's with Hot); disabled, 40 % of the normal font colour over the section's colour. An invalid
// section draws in the DC's text colour.
void WriteSectionText(HDC dc, std::u16string_view text, bool enabled, const TsSkinManager* manager, bool hot,
                      int skinIndex, uint32_t flags, const TRect& r);

}  // namespace qw
