#pragma once
// The picture of a glow: the halo drawn around a control while the mouse is above it, built from the
// section's "GLOW0" border mask, sized and cut to the part of the control that can be seen. The window
// that shows it belongs to the control layer.
#include <cstdint>
#include <string_view>

#include "base/Geometry.h"
#include "image/Bitmap32.h"

namespace qw {

class TsSkinManager;

// Where a glow goes and how much of its picture is shown.
struct TGlowGeometry {
  int32_t FullWidth = 0, FullHeight = 0;  // the whole glow picture
  int32_t CutLeft = 0, CutTop = 0, CutRight = 0, CutBottom = 0;
  int32_t Width = 0, Height = 0;          // what is shown: the full size less the cuts
  TPoint Position;                        // the shown part's top-left corner, in screen coordinates
  bool Empty() const { return Width <= 0 || Height <= 0; }
};

// The glow of a control at R (screen coordinates) of which Visible (control coordinates) can be seen,
// for a glow mask with the given border widths and a Margin of overlap. Cuts never exceed the picture.
TGlowGeometry CalcGlowGeometry(const TRect& r, const TRect& visible, int32_t wl, int32_t wt, int32_t wr, int32_t wb,
                               int32_t margin);

// The mask a section declares as its glow ("GLOW" + "0" by default); -1 when it has none.
int FindGlowMask(const TsSkinManager& manager, std::u16string_view section, std::u16string_view propertyName = u"GLOW");

// The glow picture as a layered window shows it: the mask drawn as a border of the full size (State 0,
// nothing known of a parent), cut as the geometry says, every pixel premultiplied by its own alpha.
// Where the mask leaves its key colour (key corners, keyed side pieces) the picture is fully
// transparent. A masked glow (MaskType > 0) takes its alpha from its mask, the same rule for corners,
// tiled and stretched pieces; an unmasked one keeps its image's alpha. Empty when there is nothing to show.
TBitmap32 MakeGlowBitmap(const TsSkinManager& manager, int maskIndex, const TGlowGeometry& geometry);

// One pixel of the glow picture from the border drawn over transparent black (OverBlack) and, for a
// masked glow, over transparent white (OverWhite): the key word gives 0; a masked pixel gets the alpha
// of what covers the background and keeps its colour from OverBlack; an unmasked one keeps its own alpha,
// premultiplied when its image holds straight alpha, else limited to the alpha.
uint32_t GlowPixel(uint32_t overBlack, uint32_t overWhite, bool masked, bool straightAlpha);

}  // namespace qw
