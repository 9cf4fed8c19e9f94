#include "skin/controls/ComboBoxLayout.h"

namespace qw {

namespace {

int ButtonWidth(const TComboLayoutInput& in) {
  return in.ShowButton && !in.Simple ? in.ScrollBarWidth + 1 : 0;
}

}  // namespace

TRect ComboButtonRect(const TComboLayoutInput& in) {
  const int w = ButtonWidth(in);
  const int left = in.RightToLeft ? 2 : in.Width - w - 2;
  return TRect{left, 2, left + w, in.Height - 2};
}

TRect ComboFieldRect(const TComboLayoutInput& in) {
  const TRect b = ComboButtonRect(in);
  if (in.RightToLeft) return TRect{b.Right + 1, 3, in.Width - 3, in.Height - 3};
  return TRect{3, 3, b.Left - 1, in.Height - 3};
}

TPoint ComboGlyphPos(const TComboLayoutInput& in, int glyphWidth, int glyphHeight) {
  const TRect b = ComboButtonRect(in);
  return TPoint{b.Left + (b.Right - b.Left - glyphWidth) / 2, (in.Height - glyphHeight) / 2};
}

std::wstring ComboItemText(const std::vector<std::wstring>& items, int index) {
  if (index < 0 || index >= static_cast<int>(items.size())) return {};
  return items[static_cast<size_t>(index)];
}

bool ReadOnlyIgnoresKey(uint32_t key) {
  const uint32_t k = key & 0xFFFF;
  return (k >= 0x20 && k <= 0x28) || k == 0x39 || (k >= 0x41 && k <= 0x5A) || k == 0x73;
}

}  // namespace qw
