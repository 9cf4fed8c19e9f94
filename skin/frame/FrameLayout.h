#pragma once
// The measures of a skinned window's frame: how wide its borders are, how high its caption and everything
// above the client area, where the client area starts in the frame's picture. The frame keeps the sizes
// the system gives its border style and paints over exactly that area, so everything here follows from
// the window's styles, its sizes and the system metrics; the window code reads those and asks here.
#include <cstdint>

#include "base/Geometry.h"
#include "skin/frame/scroll/ScrollBarLayout.h"

namespace qw {

// Window style bits the frame looks at (the system's values).
inline constexpr uint32_t kWsMaximizeBox = 0x00010000, kWsMinimizeBox = 0x00020000, kWsThickFrame = 0x00040000,
                          kWsSysMenu = 0x00080000, kWsDlgFrame = 0x00400000, kWsBorder = 0x00800000,
                          kWsCaption = 0x00C00000, kWsMaximize = 0x01000000, kWsMinimize = 0x20000000,
                          kWsChild = 0x40000000, kWsPopup = 0x80000000, kDsModalFrame = 0x00000080;
inline constexpr uint32_t kWsExToolWindow = 0x00000080, kWsExContextHelp = 0x00000400;

// The kinds of frame a skinned window can have (the numbers are the dialog wrapper's classification).
enum TqxBorderStyle : int {
  qxbsDialog = 0,
  qxbsSingle = 1,
  qxbsNone = 2,
  qxbsSizeable = 3,
  qxbsToolWindow = 4,
  qxbsSizeToolWin = 5,
};

// What the system answers for the frame parts (GetSystemMetrics).
struct TFrameMetrics {
  int32_t FrameWidth = 0;          // SM_CXFRAME: a sizing border
  int32_t DlgFrameWidth = 0;       // SM_CXDLGFRAME: a fixed border
  int32_t CaptionHeight = 0;       // SM_CYCAPTION
  int32_t SmallCaptionHeight = 0;  // SM_CYSMCAPTION: tool windows
  int32_t SmallIconWidth = 0;      // SM_CXSMICON
  int32_t SmallIconHeight = 0;     // SM_CYSMICON
};

// The layered window that draws a larger frame and a shadow around the form, when the form has one.
struct TBorderWindowFrame {
  bool Present = false;
  int32_t BorderWidth = 4;   // the skin's frame width (BORDERWIDTH)
  int32_t TitleHeight = 30;  // the skin's caption height (TITLEHEIGHT)
  int32_t MaxHeight = 30;    // the same for a maximised form (MAXHEIGHT)
  int32_t CenterOffset = 0;  // the caption's contents moved down (CENTEROFFSET)
  int32_t TopMargin = 0;     // top of top-aligned caption buttons (BITOP)
  TRect Shadow;              // the shadow's width on each side (Left, Top, Right, Bottom)
};

// The facts of one window that its frame depends on.
struct TFrameWindow {
  uint32_t Style = 0;
  uint32_t ExStyle = 0;
  TqxBorderStyle BorderStyle = qxbsSizeable;
  bool Child = false;            // a child window or an MDI child: it has a frame whatever its style
  int32_t Width = 0, Height = 0; // the window rectangle
  int32_t ClientWidth = 0, ClientHeight = 0;
  int32_t FormBorderWidth = 0;   // the form's own border inside the system's
  int32_t VScrollWidth = 0;      // a shown vertical bar of the form's own scroll wrapper, else 0
  int32_t HScrollHeight = 0;     // a shown horizontal bar, else 0
  TBorderWindowFrame BorderWindow;

  bool Iconic() const { return (Style & kWsMinimize) != 0; }
  bool Maximized() const { return (Style & kWsMaximize) != 0; }
};

// The measures of a frame, in pixels, in window coordinates (those of the frame's picture when there is
// a border window).
struct TFrameGeometry {
  int32_t SystemFrameWidth = 0; // the system's border of this style, also with a border window
  int32_t SysBorderWidth = 0;   // the border the frame paints at the sides
  int32_t SysBorderHeight = 0;  // the same at top and bottom; 0 with a border window
  int32_t BorderWidth = 0;      // SysBorderWidth + the form's own border
  int32_t BorderHeight = 0;
  int32_t SysCaptionHeight = 0; // the system's caption height for this style
  int32_t CaptionHeight = 0;    // 0 for a window without caption
  int32_t CaptionWidth = 0;     // the width of the frame's picture
  int32_t HeaderHeight = 0;     // everything above the client area
  int32_t OffsetX = 0;          // where the client area starts in the picture
  int32_t OffsetY = 0;
  friend bool operator==(const TFrameGeometry&, const TFrameGeometry&) = default;
};

// The frame's measures of a window. Sizes that do not fit together (a client larger than its window)
// give 0, never a negative header or offset.
TFrameGeometry MeasureFrame(const TFrameWindow& w, const TFrameMetrics& m);

// The parts of the frame a window shows from the frame's picture, in window coordinates: the band above
// the client area, the side strips below it and the bottom strip between them. The form's own scroll
// bars lie in the right and bottom strips, so they are shown with the border in one copy; the client
// area is never touched. Strips of a window too small for its frame are empty.
struct TFrameStrips {
  TRect Top, Left, Bottom, Right;
  friend bool operator==(const TFrameStrips&, const TFrameStrips&) = default;
};
TFrameStrips FrameStrips(const TFrameGeometry& g, const TFrameWindow& w);

// Where the form's own scroll bars lie: between the client area and the border, right and below.
TBarPlacement FrameScrollBars(const TFrameGeometry& g, const TFrameWindow& w);

// The window size that a client area of the window's size gets with the system's frame for its style
// (without a border window): a border on every side, the caption, and the form's own scroll bars.
TSize FrameWindowSize(const TFrameWindow& w, const TFrameMetrics& m);

// Whether the window has a frame at all: a border style other than none, or it is a child window.
bool HaveBorder(const TFrameWindow& w);

// The border style a system dialog's styles stand for: none for a popup without a full caption, else
// sizeable with a thick frame, dialog with a modal frame, and sizeable for the rest.
TqxBorderStyle DialogBorderStyle(uint32_t style);

}  // namespace qw
