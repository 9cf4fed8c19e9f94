#pragma once
// The sizes of a skinned popup menu's items and of the menu, from the text extents the caller measured:
// the glyph column, the text and the margins, caption items and separators, the optional extra line
// down the menu's left side.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"
#include "fw/MenuItem.h"

namespace qw {

// The menu skinning's settings.
struct TMenuMetrics {
  int32_t Margin = 2;       // around glyph and text
  int32_t Spacing = 8;      // between the glyph column and the text
  int32_t BorderWidth = 3;  // the menu window's frame
};

// What an item's text is measured as: nothing for a separator, a caption item between dashes, a normal
// item's caption followed by its shortcut text.
std::u16string MenuItemMeasureText(TMenuItemKind kind, std::u16string_view caption, std::u16string_view shortcut);
// The width of the rectangle the text is measured in (word breaks): 800 for normal items, 1 for others.
int32_t MenuItemMeasureWidth(TMenuItemKind kind);

// The glyph an item's size counts: its own bitmap's size, else the size of its submenu's images, else
// of its menu's images (each empty when absent), else 16 x 16.
TSize MenuGlyphSize(TSize bitmap, TSize submenuImages, TSize menuImages);

// An item's size: a separator is 2 high; a caption item as high as its text plus the margins; a normal
// item as high as its text or glyph plus the margins. The width holds two glyphs, the text, three
// margins and the spacing, plus ExtraWidth (the extra line, for items in the first column).
TSize MenuItemSize(TMenuItemKind kind, TSize text, TSize glyph, const TMenuMetrics& m, int32_t extraWidth);

// The icon column painted behind the glyphs: margin, the first item's glyph and spacing wide.
int32_t MenuIconColumnWidth(int32_t glyphWidth, const TMenuMetrics& m);

// The columns a separator's line spans in an item ItemWidth wide: from 2 pixels right of the icon
// column (at least a margin and the spacing in) to the item's right edge less two margins and the
// spacing, both moved right by the extra line's width. Right may not exceed Left for narrow items.
struct TMenuSpan {
  int32_t Left = 0, Right = 0;
  friend bool operator==(const TMenuSpan&, const TMenuSpan&) = default;
};
TMenuSpan MenuDividerSpan(int32_t itemWidth, int32_t iconColumnWidth, int32_t extraWidth, const TMenuMetrics& m);

// One item as the menu's size counts it.
struct TMenuItemBox {
  TSize Size;
  bool Visible = true;
  bool Break = false;  // a new column starts at this item
};
// The size of a menu window whose items are known but not its window: the widest item plus 12, each
// further column 4 pixels apart; the highest column; both plus the frame on each side.
TSize MenuSize(const std::vector<TMenuItemBox>& items, const TMenuMetrics& m);

}  // namespace qw
