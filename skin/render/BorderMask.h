#pragma once
// Nine-part border masks and single mask images (corner pictures, glyphs) drawn from a skin's masks.
#include <cstdint>
#include <vector>

#include "base/Geometry.h"
#include "skin/data/SkinTables.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"

namespace qw {

// DrawMode bits of a border mask.
enum TBorderDrawMode : int { bdStretch = 1, bdHotOnly = 2, bdCentre = 4 };

// The record painting against which gives an opaque item: nothing is known of the parent.
const TCacheInfo& EmptyCacheInfo();
// A ready record for a parent bitmap whose pixel (X, Y) lies behind the item's origin.
TCacheInfo MakeCacheInfo(TBitmap32* bmp, int32_t x, int32_t y);

// Widths of the four border parts as drawn in a W x H rectangle.
struct TBorderWidths {
  int32_t L = 0, T = 0, R = 0, B = 0;
  friend bool operator==(const TBorderWidths&, const TBorderWidths&) = default;
};
// The mask's widths, shrunk when the rectangle is narrower (lower) than both together: each loses half
// the excess, the right (bottom) one a pixel more when the excess is odd; none below 0.
TBorderWidths FitBorderWidths(const TsMaskData& mask, int32_t width, int32_t height);
// The same for the window-region form: there the parity of the width (height) itself decides which
// side loses the extra pixel.
TBorderWidths FitRegionBorderWidths(const TsMaskData& mask, int32_t width, int32_t height);

// Draws the nine parts of a border mask over R in the state's image: corners, sides and (with DrawMode
// bit 4) the centre, tiled or (bit 1) stretched. Nothing in State 0 with bit 2, for R under 2 x 2 or a
// mask without a manager. Corners of a CornerType > 0 mask show ci's parent through their key pixels
// when UpdateCorners is set; ci maps a pixel (x, y) of Bmp to (x + ci.X, y + ci.Y) of ci.Bmp.
void DrawBorderMask(TBitmap32& bmp, const TRect& r, const TCacheInfo& ci, const TsMaskData& mask, int state,
                    bool updateCorners);

// Draws one state image of a mask with its top-left corner at P (negative coordinates skip source
// columns or rows): masked images through their mask, keyed ones showing ci's parent through the key
// (AddedTransparency 1) or blended half-transparent (any other value).
void DrawMaskGlyph(TBitmap32& bmp, TPoint p, int state, const TCacheInfo& ci, const TsMaskData& mask,
                   int addedTransparency);

// One row's run of pixels [Left, Right) to cut out of a window region.
struct TRegionRun {
  int32_t Y = 0, Left = 0, Right = 0;
  friend bool operator==(const TRegionRun&, const TRegionRun&) = default;
};
// Draws the border over the whole of Bmp (as buttons do while rebuilding their window region) and
// returns the corner pixels that are key-coloured in the mask: they keep what Bmp held and are to be
// cut from the region. Runs are sorted by row and then column, overlapping and touching runs merged.
std::vector<TRegionRun> DrawBorderMaskRegion(TBitmap32& bmp, bool drawCentre, int state, const TsMaskData& mask);

}  // namespace qw
