#include "skin/frame/menu/MenuLevelPaint.h"

#include <algorithm>

#include "skin/data/SkinManager.h"
#include "skin/render/SectionPaint.h"

namespace qw {

namespace {

constexpr std::u16string_view kMenuSection = u"MAINMENU";
constexpr std::u16string_view kExtraLineSection = u"EXTRALINE";
constexpr std::u16string_view kDefaultIconColumn = u"ICOLINE";
constexpr int32_t kDefaultBorderWidth = 3;
// Menus taller or wider than this are no menus: nothing is allocated for them.
constexpr int32_t kMaxLevelExtent = 16384;

int MenuBorderMask(const TsSkinManager& m) {
  return m.GetMaskIndex(m.GetSkinIndex(kMenuSection), kMenuSection, u"BORDERSMASK");
}

// A section painted over a strip of the picture, against what the picture already holds there.
void PaintStrip(const TsSkinManager& m, std::u16string_view section, TBitmap32& bmp, const TRect& r) {
  const int index = m.GetSkinIndex(section);
  if (index < 0 || r.Right <= r.Left || r.Bottom <= r.Top) return;
  PaintSectionItem(index, section, MakeCacheInfo(&bmp, 0, 0), 0, r, TPoint{r.Left, r.Top}, bmp, &m);
}

}  // namespace

int32_t SkinMenuBorderWidth(const TsSkinManager& m) {
  const int mask = MenuBorderMask(m);
  if (!m.IsValidImgIndex(mask)) return 0;
  const int32_t width = m.ma[static_cast<size_t>(mask)].BorderWidth;
  return width > 0 ? width : kDefaultBorderWidth;
}

TMenuLevelPicture PaintMenuLevel(const TsSkinManager& m, const TMenuLevelShape& shape) {
  TMenuLevelPicture level;
  const TSize size = shape.Size;
  if (size.Width <= 0 || size.Height <= 0 || size.Width > kMaxLevelExtent || size.Height > kMaxLevelExtent)
    return level;
  level.Bmp = TBitmap32(size.Width, size.Height);
  const int index = m.GetSkinIndex(kMenuSection);
  if (index < 0) return level;
  const TRect whole{0, 0, size.Width, size.Height};
  PaintSectionBackground(index, kMenuSection, EmptyCacheInfo(), 0, whole, TPoint{0, 0}, level.Bmp, &m);
  const int32_t border = std::clamp(shape.SkinBorderWidth, 0, size.Width / 2);
  const int32_t inner = std::max(0, size.Height - 2 * border);
  const std::u16string& column = m.MenuSupport.IcoLineSkin;
  const int32_t columnLeft = shape.ExtraWidth + border;
  PaintStrip(m, column.empty() ? kDefaultIconColumn : std::u16string_view(column), level.Bmp,
             TRect{columnLeft, border, columnLeft + std::max(0, shape.IconColumnWidth), border + inner});
  if (const int mask = MenuBorderMask(m); m.IsValidImgIndex(mask))
    level.Corners = DrawBorderMaskRegion(level.Bmp, false, 0, m.ma[static_cast<size_t>(mask)]);
  if (shape.ExtraWidth > 0)
    PaintStrip(m, kExtraLineSection, level.Bmp, TRect{border, border, border + shape.ExtraWidth, border + inner});
  return level;
}

}  // namespace qw
