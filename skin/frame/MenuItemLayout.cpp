#include "skin/frame/MenuItemLayout.h"

#include <algorithm>

namespace qw {

namespace {

constexpr int32_t kDefaultGlyph = 16;
constexpr int32_t kMenuPadding = 12;  // beside the widest item of a menu whose window is not known
constexpr int32_t kColumnGap = 4;

bool HasSize(TSize s) { return s.Width > 0 && s.Height > 0; }

}  // namespace

std::u16string MenuItemMeasureText(TMenuItemKind kind, std::u16string_view caption, std::u16string_view shortcut) {
  switch (kind) {
    case TMenuItemKind::Separator: return {};
    case TMenuItemKind::Caption: return u"-" + std::u16string(caption) + u"-";
    default: return std::u16string(caption) + std::u16string(shortcut);
  }
}

int32_t MenuItemMeasureWidth(TMenuItemKind kind) { return kind == TMenuItemKind::Normal ? 800 : 1; }

TSize MenuGlyphSize(TSize bitmap, TSize submenuImages, TSize menuImages) {
  for (TSize s : {bitmap, submenuImages, menuImages}) {
    if (HasSize(s)) return s;
  }
  return TSize{kDefaultGlyph, kDefaultGlyph};
}

TSize MenuItemSize(TMenuItemKind kind, TSize text, TSize glyph, const TMenuMetrics& m, int32_t extraWidth) {
  const int32_t width = 2 * glyph.Width + text.Width + 3 * m.Margin + m.Spacing + extraWidth;
  const int32_t margins = 2 * m.Margin + 2;
  switch (kind) {
    case TMenuItemKind::Separator: return TSize{width, 2};
    case TMenuItemKind::Caption: return TSize{width, text.Height + margins};
    default: return TSize{width, std::max(text.Height, glyph.Height) + margins};
  }
}

int32_t MenuIconColumnWidth(int32_t glyphWidth, const TMenuMetrics& m) { return m.Margin + glyphWidth + m.Spacing; }

TMenuSpan MenuDividerSpan(int32_t itemWidth, int32_t iconColumnWidth, int32_t extraWidth, const TMenuMetrics& m) {
  const int32_t left = extraWidth + std::max(iconColumnWidth + 2, m.Margin + m.Spacing);
  return TMenuSpan{left, itemWidth - (extraWidth + 2 * m.Margin + m.Spacing)};
}

TSize MenuSize(const std::vector<TMenuItemBox>& items, const TMenuMetrics& m) {
  int64_t width = 0, height = 0, columnWidth = 0, columnHeight = 0;
  int columns = 0;
  const auto endColumn = [&] {
    width += columnWidth;
    height = std::max(height, columnHeight);
    columnWidth = columnHeight = 0;
  };
  for (const TMenuItemBox& item : items) {
    if (!item.Visible) continue;
    if (columns == 0 || item.Break) {
      if (columns > 0) endColumn();
      ++columns;
    }
    columnWidth = std::max<int64_t>(columnWidth, item.Size.Width);
    columnHeight += std::max(0, item.Size.Height);
  }
  endColumn();
  width += kMenuPadding + int64_t{kColumnGap} * std::max(0, columns - 1) + 2 * int64_t{m.BorderWidth};
  height += 2 * int64_t{m.BorderWidth};
  const auto fit = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, 0, INT32_MAX)); };
  return TSize{fit(width), fit(height)};
}

}  // namespace qw
