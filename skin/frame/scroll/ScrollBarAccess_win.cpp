#include "skin/frame/scroll/ScrollBarAccess_win.h"

#include <string>

#include "skin/frame/scroll/ScrollBars_win.h"

namespace qw {

namespace {

LONG ObjectIdOf(const TqxScrollBar& bar) {
  if (bar.Control) return OBJID_CLIENT;
  return bar.Vertical() ? OBJID_VSCROLL : OBJID_HSCROLL;
}

std::u16string ToText(int value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

TqxScrollBarAccess::TqxScrollBarAccess(TqxScrollBars& bars, TqxScrollBar& bar, HWND window)
    : FBars(bars), FBar(bar), FWindow(window), FHost(*this, ObjectIdOf(bar)) {}

void TqxScrollBarAccess::DescribeAccess(TAccessFacts& self, std::vector<TAccessElement>&) {
  ReadScrollInfo(FWindow, FBar);
  self.Kind = TAccessKind::ScrollBar;
  self.Caption = FBar.Vertical() ? u"Вертикальная прокрутка" : u"Горизонтальная прокрутка";
  self.Value = ToText(FBar.ScrollInfo.nPos);
  self.Enabled = IsWindowEnabled(FWindow) && IsScrollbarActive(FWindow, FBar);
  self.Showing = FBar.fScrollVisible && IsWindowVisible(FWindow);
}

bool TqxScrollBarAccess::AccessBounds(TRect& bounds) {
  if (FBar.Control) return false;
  bounds = ClientRectOfWindowRect(FWindow, FBars.BarRect(FBar));
  return true;
}

}  // namespace qw
