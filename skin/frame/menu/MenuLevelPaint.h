#pragma once
// The picture behind one open menu level, painted once when the level opens: the menu body, the icon
// column, the border and the optional extra line down the left side. Every item paint copies its
// background from it and the menu window's frame is copied from it too.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "skin/render/BorderMask.h"

namespace qw {

class TsSkinManager;

struct TMenuLevelShape {
  TSize Size;                    // the menu window
  int32_t IconColumnWidth = 26;  // behind the glyphs
  int32_t ExtraWidth = 0;        // the extra line's strip; 0 without one
  int32_t SkinBorderWidth = 3;   // the skin's menu border (SkinMenuBorderWidth)
};

struct TMenuLevelPicture {
  TBitmap32 Bmp;
  std::vector<TRegionRun> Corners;  // the border's key-coloured corner pixels: cut from the window region
};

// Paints a level: "MAINMENU"'s background over the whole picture, the icon column in the manager's icon
// column section (none when the skin lacks it), "MAINMENU"'s border (its corners collected), and the
// extra line's strip in "EXTRALINE". A size that is empty or larger than any screen gives an empty
// picture.
TMenuLevelPicture PaintMenuLevel(const TsSkinManager& m, const TMenuLevelShape& shape);

// The width of the skin's menu border: the BorderWidth of "MAINMENU"'s border mask, 3 when that gives
// none, 0 when the skin has no such mask.
int32_t SkinMenuBorderWidth(const TsSkinManager& m);

}  // namespace qw
