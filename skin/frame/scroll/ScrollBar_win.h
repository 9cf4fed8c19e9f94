#pragma once
// One skinned scroll bar of a window: the record the scroll wrapper keeps per bar, its metrics and the
// test whether it can be used.
#include <windows.h>

#include <cstdint>

#include "skin/frame/scroll/ScrollBarLayout.h"

namespace qw {

class TsSkinManager;

// fScrollFlags bits.
enum : uint16_t {
  sfFirstArrowDisabled = 1,
  sfSecondArrowDisabled = 2,
  sfThumbAlways = 4,
  sfWanted = 8,  // the window has the bar's scroll style
};

struct TqxScrollBar {
  uint16_t fScrollFlags = 0;
  bool fScrollVisible = false;   // the bar has room and is shown
  SCROLLINFO ScrollInfo{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  int32_t nArrowLength = -1;     // negative n: n times the system value
  int32_t nArrowWidth = -1;      // the bar's thickness, same rule
  uint16_t nBarType = 0;         // 0 horizontal, 1 vertical
  uint16_t fFlatScrollbar = 0;
  int32_t nMinThumbSize = 10;
  bool Control = false;          // a scroll-bar control (SB_CTL) rather than a window's own bar

  bool Vertical() const { return nBarType == 1; }
  // The bar's number for the system's scroll calls.
  int SystemBar() const { return Control ? SB_CTL : (Vertical() ? SB_VERT : SB_HORZ); }
  TScrollState State() const {
    return TScrollState{ScrollInfo.nMin, ScrollInfo.nMax, ScrollInfo.nPage, ScrollInfo.nPos};
  }
};

// Re-reads the bar's scroll state from the system; false when the window has none.
bool ReadScrollInfo(HWND wnd, TqxScrollBar& bar);
// Thickness: nArrowWidth, or its multiple of the system's bar thickness.
int32_t BarThickness(const TqxScrollBar& bar);
// Arrow length: nArrowLength, or its multiple of the skin's arrow image when the skin asks for long
// arrows ("SCROLLBTNLEFT" with ReservedBoolean and an arrow glyph), else of the system's arrow length.
// Painting, hit tests and the thumb all use it, so what is shown is what reacts.
int32_t BarArrowLength(const TqxScrollBar& bar, const TsSkinManager* manager);
// The bar can be used: the system reports it available, its arrows are not both disabled, and with the
// thumb-always flag its range is valid. Without the system's bar information: the window has the style.
bool IsScrollbarActive(HWND wnd, const TqxScrollBar& bar);

}  // namespace qw
