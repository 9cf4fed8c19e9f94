#include "skin/controls/PageControlLayout.h"

#include <algorithm>

namespace qw {

TRect PageAreaRect(const TRect& whole, const TRect& adjusted, TTabPosition position, bool hasTabs) {
  TRect r = whole;
  if (!hasTabs) return r;
  switch (position) {
    case tpTop: r.Top = adjusted.Top - 4; break;
    case tpBottom: r.Bottom = adjusted.Bottom + 2; break;
    case tpLeft: r.Left = adjusted.Left - 1; break;
    case tpRight: r.Right = adjusted.Right + 1; break;
  }
  return r;
}

TRect TabStripRect(const TRect& whole, const TRect& adjusted, TTabPosition position, bool hasTabs) {
  if (!hasTabs) return TRect{};
  TRect r = whole;
  switch (position) {
    case tpTop: r.Bottom = adjusted.Top - 4; break;
    case tpBottom: r.Top = adjusted.Bottom + 2; break;
    case tpLeft: r.Right = adjusted.Left - 1; break;
    case tpRight: r.Left = adjusted.Right + 1; break;
  }
  return IsRectEmpty(r) ? TRect{} : r;
}

TRect PaintedTabRect(const TRect& systemRect, TTabStyle style, bool selectedPageTab) {
  if (style != tsTabs || !selectedPageTab) return systemRect;
  return TRect{systemRect.Left - 2, systemRect.Top - 2, systemRect.Right + 2, systemRect.Bottom + 2};
}

std::u16string PageAreaSection(std::u16string_view section, TTabPosition position, bool positionalExists) {
  if (position == tpTop || section != u"PAGECONTROL" || !positionalExists) return std::u16string(section);
  static constexpr const char16_t* kByPosition[] = {u"PAGECONTROL", u"PAGECONTROLBOTTOM", u"PAGECONTROLLEFT",
                                                    u"PAGECONTROLRIGHT"};
  return kByPosition[position];
}

std::u16string TabSectionName(std::u16string_view tabSkin, TqxTabType type, TTabStyle style, TTabPosition position) {
  if (!tabSkin.empty()) return std::u16string(tabSkin);
  if (type != ttTab) return u"MENUBTN";
  if (style == tsButtons) return u"BUTTON";
  if (style == tsFlatButtons) return u"TOOLBUTTON";
  static constexpr const char16_t* kByPosition[] = {u"TABTOP", u"TABBOTTOM", u"TABLEFT", u"TABRIGHT"};
  return kByPosition[position];
}

TTabPadding TabPaddingFor(int tabPadding, bool hasImages, bool closeButtons, int closeButtonWidth) {
  TTabPadding p;
  if (closeButtons) p.Horizontal = (hasImages ? 4 : closeButtonWidth / 2 + 7) + tabPadding;
  else p.Horizontal = (hasImages ? 4 : 6) + tabPadding;
  return p;
}

TSize2 CloseButtonSize(std::optional<TSize2> glyph) {
  if (!glyph) return TSize2{};
  return TSize2{std::max(8, glyph->Width), glyph->Height};
}

int TabAtPoint(const std::vector<TRect>& tabs, TPoint p) {
  for (size_t i = 0; i < tabs.size(); ++i) {
    const TRect& r = tabs[i];
    if (p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom) return static_cast<int>(i);
  }
  return -1;
}

int NeighbourPage(const std::vector<bool>& tabVisible, int current, bool forward, bool wrap) {
  const int n = static_cast<int>(tabVisible.size());
  if (n == 0) return -1;
  const int step = forward ? 1 : -1;
  int i = current;
  for (int tried = 0; tried < n; ++tried) {
    i += step;
    if (i < 0 || i >= n) {
      if (!wrap) return -1;
      i = forward ? 0 : n - 1;
    }
    if (i == current) return -1;
    if (tabVisible[static_cast<size_t>(i)]) return i;
  }
  return -1;
}

int IndexAfterTabDeleted(int index, int deleted, int pageCountAfter) {
  if (index < 0 || index == deleted) return -1;
  if (deleted >= 0 && index > deleted) --index;
  return index >= pageCountAfter ? -1 : index;
}

int ValidActivePage(const std::vector<TPageKind>& pages, int index) {
  const int n = static_cast<int>(pages.size());
  const auto shown = [&pages](int i) {
    const TPageKind& p = pages[static_cast<size_t>(i)];
    return p.Type == ttTab && p.TabVisible;
  };
  if (index < 0 || index >= n) index = 0;
  for (int i = index; i < n; ++i)
    if (shown(i)) return i;
  for (int i = index - 1; i >= 0; --i)
    if (shown(i)) return i;
  return -1;
}

}  // namespace qw
