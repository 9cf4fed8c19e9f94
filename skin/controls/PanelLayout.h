#pragma once
// The maths of skinned panels: the section a panel paints with when its bevel changes, how far its bevels
// and border move the caption inward, where the caption goes and how it is drawn, and how the inside is
// filled when the panel paints straight from colours.
#include <cstdint>
#include <optional>
#include <string_view>

#include "base/ControlEnums.h"
#include "base/Geometry.h"
#include "image/ColorToRgb.h"

namespace qw {

// The section a panel with this outer bevel paints with by default; empty when the bevel has none.
std::u16string_view PanelBevelSection(TBevelCut outer);
// The section after the outer bevel changed from Old to New: the new bevel's default, but only when the
// panel still paints with the old bevel's default (a section chosen for the panel stays).
std::optional<std::u16string_view> PanelSectionAfterBevelChange(std::u16string_view current, TBevelCut oldBevel,
                                                                TBevelCut newBevel);

// How far the caption keeps from the panel's edge: the bevel width for each bevel drawn, plus the border.
int PanelContentInset(TBevelCut outer, TBevelCut inner, int bevelWidth, int borderWidth);

struct TPanelCaption {
  TRect R;
  uint32_t Flags = 0;
};
// The caption's rectangle and text flags inside TextRect. Centred vertically, the caption wraps and is
// placed by its wrapped height (WrappedHeight, measured in TextRect's width); at the top or bottom it
// is one line. Prefix characters are shown as they are: a panel may display any text.
TPanelCaption PanelCaptionPlacement(const TRect& textRect, TAlignment alignment, TVerticalAlignment vertical,
                                    int borderWidth, int wrappedHeight, bool rightToLeft);

// What a panel painting straight from colours fills its inside with.
struct TPanelFillInput {
  int Transparency = 0;           // the section's, 0..100
  bool CustomColor = false;
  TColor Color = 0;               // the panel's own colour
  TColor SectionColor = 0;
  TColor ParentColor = 0;         // the colour behind the panel
};
TColor PanelFillColor(const TPanelFillInput& in);

}  // namespace qw
