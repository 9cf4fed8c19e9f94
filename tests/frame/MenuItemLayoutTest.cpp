// Measuring skinned menu items and menus: kinds and the text each is measured by, item sizes with the
// default settings, the glyph counted, the separator's line, a menu of two columns.
#include <gtest/gtest.h>

#include "skin/frame/MenuItemLayout.h"

namespace qw {
namespace {

const TMenuMetrics kDefaults;

TEST(MenuItemLayout, KindsAndTheTextEachIsMeasuredBy) {
  EXPECT_EQ(MenuItemMeasureText(TMenuItemKind::Separator, u"-", u""), u"");
  EXPECT_EQ(MenuItemMeasureText(TMenuItemKind::Caption, u"Skins", u""), u"-Skins-");
  EXPECT_EQ(MenuItemMeasureText(TMenuItemKind::Normal, u"Close", u"Alt+F4"), u"CloseAlt+F4");
}

TEST(MenuItemLayout, ItemSizesGlyphsAndTheSeparatorsLine) {
  const TSize glyph = MenuGlyphSize({}, {}, {});
  // Text width + 46; max(text height, 16) + 6; a separator 2 high; a caption item its text + 6.
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Normal, {100, 13}, glyph, kDefaults, 0), (TSize{146, 22}));
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Normal, {100, 20}, glyph, kDefaults, 0), (TSize{146, 26}));
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Separator, {}, glyph, kDefaults, 0).Height, 2);
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Caption, {60, 13}, glyph, kDefaults, 0), (TSize{106, 19}));
  // Beside the extra line an item is that much wider; a larger glyph counts twice.
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Normal, {100, 13}, glyph, kDefaults, 32), (TSize{178, 22}));
  EXPECT_EQ(MenuItemSize(TMenuItemKind::Normal, {100, 13}, MenuGlyphSize({32, 0}, {24, 24}, {}), kDefaults, 0), (TSize{162, 30}));
  // The separator's line starts 2 pixels right of the 26-pixel icon column.
  EXPECT_EQ(MenuDividerSpan(146, MenuIconColumnWidth(16, kDefaults), 0, kDefaults), (TMenuSpan{28, 134}));
  EXPECT_EQ(MenuDividerSpan(146, 26, 32, kDefaults), (TMenuSpan{60, 102}));
  EXPECT_EQ(MenuDividerSpan(146, 0, 0, kDefaults), (TMenuSpan{10, 134}));
}

TEST(MenuItemLayout, MenuSizeAddsColumnsAndTheFrame) {
  EXPECT_EQ(MenuSize({{{146, 22}}, {{120, 2}}, {{170, 22}}, {{500, 22}, false}}, kDefaults),
            (TSize{170 + 12 + 6, 46 + 6}));
  EXPECT_EQ(MenuSize({{{146, 22}}, {{100, 22}}, {{90, 22}, true, true}, {{80, 22}, false, true}}, kDefaults),
            (TSize{146 + 90 + 4 + 12 + 6, 44 + 6}));
}

}  // namespace
}  // namespace qw
