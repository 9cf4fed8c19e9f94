#pragma once
// Colours as the framework stores them: 0x00BBGGRR, or 0xFF0000nn for system colour nn.
#include <windows.h>

#include <cstdint>

namespace qw {

using TColor = int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clNavy = 0x800000;
inline constexpr TColor clBlue = 0xFF0000;
inline constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
inline constexpr TColor clBtnFace = clSystemColor | COLOR_BTNFACE;
inline constexpr TColor clWindow = clSystemColor | COLOR_WINDOW;
inline constexpr TColor clWindowText = clSystemColor | COLOR_WINDOWTEXT;
inline constexpr TColor clHighlight = clSystemColor | COLOR_HIGHLIGHT;
inline constexpr TColor clHighlightText = clSystemColor | COLOR_HIGHLIGHTTEXT;
inline constexpr TColor clBtnText = clSystemColor | COLOR_BTNTEXT;
inline constexpr TColor clGrayText = clSystemColor | COLOR_GRAYTEXT;

// The RGB value to paint with: system colours are looked up now.
inline COLORREF ColorToRGB(TColor color) {
  if ((static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u)
    return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color) & 0x00FFFFFFu;
}

}  // namespace qw
