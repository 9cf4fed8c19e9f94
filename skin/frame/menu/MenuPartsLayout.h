#pragma once
// Where the parts of a skinned menu item go inside the item's own picture (its top-left at 0, 0): the
// check mark, the glyph, the caption and the shortcut text; and how a caption splits at a tab.
#include <string>
#include <string_view>

#include "base/Geometry.h"
#include "skin/frame/MenuItemLayout.h"

namespace qw {

// A caption as it is drawn: the part before a tab, the part after it (drawn right-aligned at the end),
// and whether the whole text goes to the right (a caption that begins with a backspace character).
struct TMenuCaptionText {
  std::u16string Text, AfterTab;
  bool RightAligned = false;
  friend bool operator==(const TMenuCaptionText&, const TMenuCaptionText&) = default;
};
TMenuCaptionText SplitMenuCaption(std::u16string_view caption);

// The caption's room: the item less the glyph column (glyph, two margins and the spacing) at the left,
// less a margin above and below.
TRect MenuItemTextRect(TSize item, int32_t glyphWidth, const TMenuMetrics& m);
// The check mark: a margin and 2 pixels in from the left, centred vertically.
TPoint MenuCheckMarkPos(TSize item, TSize mark, const TMenuMetrics& m);
// The glyph: centred vertically, as far in from the left as from the top but never more than 3 pixels.
TPoint MenuGlyphPos(TSize item, TSize glyph);
// The shortcut text: ends 8 pixels before the item's right edge.
TRect MenuShortCutRect(TSize item, int32_t shortCutWidth);

}  // namespace qw
