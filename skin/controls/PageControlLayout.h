#pragma once
// Where a skinned page control puts its parts: the page area and the tab strip for each tab position,
// the grown rectangle of the selected tab, the section names by position and style, the tab padding
// sent to the tab strip and the page keyboard and mouse navigation
// picks.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Geometry.h"

namespace qw {

enum TTabPosition : int { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle : int { tsTabs, tsButtons, tsFlatButtons };
// A page's tab is a page tab, or a button or menu button that never becomes the active page.
enum TqxTabType : int { ttButton, ttMenu, ttTab };

// The page area: the whole control with the tab side replaced from the adjusted client rectangle.
TRect PageAreaRect(const TRect& whole, const TRect& adjusted, TTabPosition position, bool hasTabs);
// The rest of the control on the tab side; empty without tabs.
TRect TabStripRect(const TRect& whole, const TRect& adjusted, TTabPosition position, bool hasTabs);
// The selected page tab of the tab style overlaps its neighbours: it grows by 2 on every side.
TRect PaintedTabRect(const TRect& systemRect, TTabStyle style, bool selectedPageTab);

// The section that paints the page area: a control that keeps the default section takes the
// positional one when the tabs are not on top, unless the skin lacks it (SectionExists answers).
std::u16string PageAreaSection(std::u16string_view section, TTabPosition position, bool positionalExists);
// The section a tab is painted with, before checking that the skin has it.
std::u16string TabSectionName(std::u16string_view tabSkin, TqxTabType type, TTabStyle style, TTabPosition position);

struct TTabPadding {
  int Horizontal = 0;
  int Vertical = 3;
  friend bool operator==(const TTabPadding&, const TTabPadding&) = default;
};
TTabPadding TabPaddingFor(int tabPadding, bool hasImages, bool closeButtons, int closeButtonWidth);

// The close button's size from the skin's close glyph (width at least 8), 15 x 15 without one.
struct TSize2 {
  int Width = 15;
  int Height = 15;
  friend bool operator==(const TSize2&, const TSize2&) = default;
};
TSize2 CloseButtonSize(std::optional<TSize2> glyph);

// The first rectangle holding P, or -1.
int TabAtPoint(const std::vector<TRect>& tabs, TPoint p);

// The page the arrow keys or Ctrl+Tab lead to: the next (or previous) page with a visible tab; with Wrap
// the search starts again at the other end. -1 when there is none.
int NeighbourPage(const std::vector<bool>& tabVisible, int current, bool forward, bool wrap);

// A tab index kept (hot tab, hot or pressed close button) after the tab Deleted went: the deleted tab
// becomes -1, later ones move down, and whatever lies past the last page is dropped.
int IndexAfterTabDeleted(int index, int deleted, int pageCountAfter);

// The page shown when the one at Index cannot be: the first page tab from Index on, else the last one
// before it; -1 when no page can be shown.
struct TPageKind {
  TqxTabType Type = ttTab;
  bool TabVisible = true;
};
int ValidActivePage(const std::vector<TPageKind>& pages, int index);

}  // namespace qw
