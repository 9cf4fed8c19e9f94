#pragma once
// Painting shared by the skinned page control and the wrapped system tab controls: the page area with
// its section chosen by tab position (corners and border included) and a tab's section on the parent's
// background.
#include <string>
#include <string_view>

#include "image/Bitmap32.h"
#include "image/CacheInfo.h"
#include "skin/controls/PageControlLayout.h"

namespace qw {

class TsCommonData;
class TsSkinManager;

// The section that paints the page area: the control's own, or the positional one of the tab side
// (with its border) when the control keeps the default section and the skin has that one.
struct TPageAreaSection {
  std::u16string Name;
  int SkinIndex = -1;
  int BorderIndex = -1;
};
TPageAreaSection ResolvePageAreaSection(const TsCommonData& data, TTabPosition side);

// The page area R of a cache in state 0: background (the control's custom colour and textures when the
// section is its own), corner images and border. Pos is R's place in the parent.
void PaintPageArea(const TsCommonData& data, const TPageAreaSection& section, const TCacheInfo& ci, const TRect& r,
                   TPoint pos, TBitmap32& cache);

// A tab's section over the whole of Tab (its own bitmap) on the parent's background at Pos, in State
// limited to the section's looks; without the section only the parent's background. Answers the caption
// colour: the section's (hot for any state but 0), else DefaultFont.
TColor PaintTabFace(const TsSkinManager& manager, int section, std::u16string_view name, int state,
                    const TCacheInfo& ci, TPoint pos, TBitmap32& tab, TColor defaultFont);

}  // namespace qw
