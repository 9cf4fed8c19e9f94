#pragma once
// Painting one skinned scroll bar into a bar-sized picture, from the skin's SCROLL* sections: the two
// track halves split at the thumb's middle, the arrow buttons with their glyphs, the thumb with its
// glyph, and the faded look of a bar that cannot be used.
#include <cstdint>

#include "base/Geometry.h"
#include "image/Bitmap32.h"
#include "image/CacheInfo.h"
#include "skin/frame/scroll/ScrollBarLayout.h"

namespace qw {

class TsSkinManager;

struct TScrollBarLook {
  const TsSkinManager* Manager = nullptr;
  bool Vertical = false;
  int32_t Length = 0;       // along the bar
  int32_t Thickness = 0;
  int32_t ArrowLength = 0;
  TThumb Thumb;
  bool ThumbShown = false;
  int PressedPart = spNone;  // painted pressed (state 2)
  int HotPart = spNone;      // painted hot (state 1) when the bar is active
  bool Active = true;        // inactive bars have no thumb and are faded toward what lies behind them
  // What lies behind the bar: the parent's answer to the background request (parent coordinates to
  // Bmp's), and the bar's top-left corner in the parent's coordinates.
  TCacheInfo Parent;
  TPoint Position;
};

// The bar's picture; nothing is painted without a manager or a track section (the bitmap keeps what
// lies behind the bar).
TBitmap32 PaintScrollBar(const TScrollBarLook& look);

// A Width x Height picture of what lies behind a rectangle at Position of the parent: the parent's
// pixels where its answer has them, its colour elsewhere.
TBitmap32 BackgroundPicture(const TCacheInfo& parent, TPoint position, int32_t width, int32_t height);

// True when the skin has what a bar is painted with (its track section).
bool SkinPaintsScrollBars(const TsSkinManager* manager, bool vertical);

}  // namespace qw
