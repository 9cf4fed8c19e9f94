// Where a skinned menu item's parts go, how a caption splits at a tab, and the level picture of both
// shipped skins: the body, the border, and the icon column only where the skin has one.
#include <gtest/gtest.h>

#include "skin/data/SkinManager.h"
#include "skin/frame/menu/MenuLevelPaint.h"
#include "skin/frame/menu/MenuPartsLayout.h"
#include "base/Utf.h"
#include "tools/qxskin/QxSkinLoad.h"

namespace qw {
namespace {

const TMenuMetrics kMenuDefaults;

// A shipped skin's tables, loaded from its source folder, in a manager of their own.
void LoadShippedSkin(TsSkinManager& m, const char* folder) {
  TQxSkin skin;
  OpenQxSkin(Utf8ToUtf16(std::string(QW_SKINS_SOURCE_DIR) + "/" + folder), skin);
  BuildQxSkin(skin);
  m.Tables = std::move(skin.Tables);
  for (TsMaskData& mask : m.Tables.ma) mask.Manager = &m;
}

TEST(MenuPartsLayout, CaptionsSplitAtTheTab) {
  EXPECT_EQ(SplitMenuCaption(u"Copy\tCtrl+C"), (TMenuCaptionText{u"Copy", u"Ctrl+C", false}));
  EXPECT_EQ(SplitMenuCaption(u"Copy"), (TMenuCaptionText{u"Copy", u"", false}));
  EXPECT_EQ(SplitMenuCaption(u"\bRight"), (TMenuCaptionText{u"Right      ", u"", true}));
}

TEST(MenuPartsLayout, PartsOfA146By22Item) {
  const TSize item{146, 22};
  // Text after the glyph column (16 + 2 margins + spacing), a margin above and below.
  EXPECT_EQ(MenuItemTextRect(item, 16, kMenuDefaults), (TRect{28, 2, 146, 20}));
  EXPECT_EQ(MenuItemTextRect(TSize{10, 3}, 16, kMenuDefaults), (TRect{10, 2, 10, 2}));
  EXPECT_EQ(MenuCheckMarkPos(item, TSize{14, 14}, kMenuDefaults), (TPoint{4, 4}));
  EXPECT_EQ(MenuGlyphPos(item, TSize{16, 16}), (TPoint{3, 3}));
  EXPECT_EQ(MenuGlyphPos(item, TSize{16, 20}), (TPoint{1, 1}));
  EXPECT_EQ(MenuGlyphPos(item, TSize{32, 32}), (TPoint{0, -5}));
  EXPECT_EQ(MenuShortCutRect(item, 40), (TRect{98, 0, 138, 22}));
}

TEST(MenuLevelPaint, BodyBorderAndTheIconColumnOnlyWhereTheSkinHasOne) {
  for (const auto& [folder, iconColumn] : {std::pair{"Flatline", false}, {"MetroUI", true}}) {
    TsSkinManager m;
    LoadShippedSkin(m, folder);
    TMenuLevelShape shape;
    shape.Size = TSize{150, 60};
    shape.SkinBorderWidth = SkinMenuBorderWidth(m);
    EXPECT_EQ(shape.SkinBorderWidth, 3) << folder;
    const TMenuLevelPicture level = PaintMenuLevel(m, shape);
    ASSERT_EQ(level.Bmp.Width(), 150) << folder;
    const auto body = ColorToPixel(m.gd[static_cast<size_t>(m.GetSkinIndex(u"MAINMENU"))].Color(), 0) & 0xFFFFFF;
    EXPECT_EQ(level.Bmp.At(100, 30) & 0xFFFFFF, body) << folder;
    EXPECT_EQ((level.Bmp.At(10, 30) & 0xFFFFFF) != body, iconColumn) << folder;
    EXPECT_NE(level.Bmp.At(0, 30) & 0xFFFFFF, body) << folder << ": the border";
  }
  TsSkinManager empty;
  EXPECT_TRUE(PaintMenuLevel(empty, TMenuLevelShape{TSize{100000, 10}}).Bmp.Empty());
}

}  // namespace
}  // namespace qw
