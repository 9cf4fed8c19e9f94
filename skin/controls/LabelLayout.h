#pragma once
// The maths of skinned labels: the colour a label's text takes from the skin (what a lending parent
// section or the skin says, its own section, the dimmed look when disabled), and where the caption label
// bound to an input control goes for each of its layouts.
#include <optional>

#include "base/ControlEnums.h"
#include "base/Geometry.h"
#include "image/ColorToRgb.h"

namespace qw {

// Where a bound caption label sits beside its input control.
enum TsBoundCaptionLayout : int {
  sclLeft,
  sclTopLeft,
  sclTopCenter,
  sclTopRight,
  sclLeftTop,
  sclBottomLeft,
  sclBottomCenter,
  sclBottomRight
};

struct TLabelColorInput {
  TColor Own = 0;                 // the label's font colour as it is set
  bool SkinActive = false;
  bool UseSkinColor = true;       // the skin decides the font colour
  TColor Lent = clNoColor;        // the lending section's font colour, else the skin's global one; clNoColor: none
  TColor SectionFont = clNoColor; // the font colour of the label's own section; clNoColor: none
  bool Enabled = true;
  TColor ParentColor = clNoColor; // the colour behind the label
};

// The font colour a label keeps: with an active skin what the skin lends (unless the label keeps its own
// colour), then its own section's font colour when it names one. clNoColor from the skin means "none".
TColor LabelFontColor(const TLabelColorInput& in);
// The colour its text is drawn in: the font colour, or for a disabled label under a skin 40 % of it
// over the colour behind the label, drawn once.
TColor LabelTextColor(const TLabelColorInput& in);

// The text alignment a bound label takes for its layout: towards the control.
TAlignment BoundLabelAlignment(TsBoundCaptionLayout layout);

// The bound label's top-left corner for its size, the control's bounds and the indent.
TPoint BoundLabelPosition(TsBoundCaptionLayout layout, const TRect& control, int labelWidth, int labelHeight,
                          int indent);

// Whether a bound label limited to MaxWidth wraps its words; nothing to change without a limit.
std::optional<bool> BoundLabelWordWrap(int labelWidth, int maxWidth);

}  // namespace qw
