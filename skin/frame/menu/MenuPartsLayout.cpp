#include "skin/frame/menu/MenuPartsLayout.h"

#include <algorithm>

namespace qw {

namespace {

constexpr char16_t kRightAlignMark = u'\b';
constexpr int32_t kCheckInset = 2;
constexpr int32_t kMaxGlyphInset = 3;
constexpr int32_t kShortCutGap = 8;

int32_t Centred(int32_t room, int32_t size) { return (room - size) / 2; }

}  // namespace

TMenuCaptionText SplitMenuCaption(std::u16string_view caption) {
  TMenuCaptionText t;
  if (!caption.empty() && caption.front() == kRightAlignMark) {
    caption.remove_prefix(1);
    t.RightAligned = true;
  }
  const size_t tab = caption.find(u'\t');
  t.Text = caption.substr(0, tab);
  if (tab != std::u16string_view::npos) t.AfterTab = caption.substr(tab + 1);
  // The right-aligned text keeps a gap to the edge.
  if (t.RightAligned) t.Text += u"      ";
  return t;
}

TRect MenuItemTextRect(TSize item, int32_t glyphWidth, const TMenuMetrics& m) {
  const int32_t left = std::min(item.Width, glyphWidth + 2 * m.Margin + m.Spacing);
  return TRect{left, m.Margin, item.Width, std::max(m.Margin, item.Height - m.Margin)};
}

TPoint MenuCheckMarkPos(TSize item, TSize mark, const TMenuMetrics& m) {
  return TPoint{kCheckInset + m.Margin, Centred(item.Height, mark.Height)};
}

TPoint MenuGlyphPos(TSize item, TSize glyph) {
  const int32_t top = Centred(item.Height, glyph.Height);
  return TPoint{std::clamp(top, 0, kMaxGlyphInset), top};
}

TRect MenuShortCutRect(TSize item, int32_t shortCutWidth) {
  const int32_t left = item.Width - shortCutWidth - kShortCutGap;
  return TRect{left, 0, left + shortCutWidth, item.Height};
}

}  // namespace qw
