#pragma once
// Where a skinned combo box draws: its drop-down button, the field beside it and the arrow glyph inside
// the button, the text of an item, and which keys and notifications a read-only box ignores. Pure, so the
// numbers are tested natively.
#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometry.h"

namespace qw {

struct TComboLayoutInput {
  int Width = 0;
  int Height = 0;          // the painted height (the field's, not the dropped list's)
  int ScrollBarWidth = 0;  // the system's vertical scroll bar width: the button is one pixel wider
  bool ShowButton = true;
  bool Simple = false;     // a list always shown below the field: no button
  bool RightToLeft = false;
};

// The button: inset 2 from the top, the bottom and the side it sits on (the right, or the left for
// right-to-left); width 0 (at the same place) without a button.
TRect ComboButtonRect(const TComboLayoutInput& in);
// The field: inset 3 from the frame, ending one pixel before the button (or starting one after it).
TRect ComboFieldRect(const TComboLayoutInput& in);
// Where the glyph of GlyphWidth x GlyphHeight goes: centred in the button across, centred in the height.
TPoint ComboGlyphPos(const TComboLayoutInput& in, int glyphWidth, int glyphHeight);

// The text of item Index; empty for an index outside the items (-1 means none is selected).
std::wstring ComboItemText(const std::vector<std::wstring>& items, int index);

// Keys a read-only box ignores: space, paging, end, home, the arrows, '9', the letters and F4 (so nothing
// selects, opens or changes the list).
bool ReadOnlyIgnoresKey(uint32_t virtualKey);
// The notification that would open the list (a read-only box stays closed).
inline constexpr uint32_t kComboDropDownNotification = 7;

}  // namespace qw
