#pragma once
// Where a skinned group box puts its caption: the caption rectangle from the box's width, the caption
// font's metrics, the layout, the margins and the vertical offset; where the frame starts below it; and
// how the caption text is drawn inside it.
#include <cstdint>

#include "base/Geometry.h"

namespace qw {

// Where the caption sits on the top edge of a group box.
enum TsCaptionLayout : int { clTopLeft, clTopCenter, clTopRight };

// Space kept around the caption text inside the caption rectangle.
struct TsMarginValues {
  int Left = 2;
  int Top = 0;
  int Right = 2;
  int Bottom = 0;
};

struct TGroupBoxCaption {
  int BoxWidth = 0;
  int LetterHeight = 0;  // height of "W" in the caption font
  int TextWidth = 0;     // width of the caption text in that font
  TsCaptionLayout Layout = clTopLeft;
  int YOffset = 0;       // moves the caption band down (positive) or up out of the box (negative)
  TsMarginValues Margin;
  int FixedWidth = 0;    // the caption's width when not 0; otherwise the text decides
  bool RightToLeft = false;
  bool Skinned = true;   // without a skin the vertical offset is not used
  int BevelWidth = 1;
};

// The caption rectangle in the box's coordinates. The caption band is reserved even for an empty
// caption; a rectangle narrower than twice the bevel width is widened by it on both sides.
TRect GroupBoxCaptionRect(const TGroupBoxCaption& c);

// The first row of the frame: the top of the box when the caption is moved up, else half-way down the
// caption band, so the caption interrupts the frame's top line.
int GroupBoxFrameTop(const TRect& captionRect, int yOffset);

// Where the caption text goes: the caption rectangle without its margins.
TRect GroupBoxTextRect(const TRect& captionRect, const TsMarginValues& margin);

// The text flags: one line, centred vertically; centred in its rectangle when the text decides the
// width, else from the left with an ellipsis when it does not fit.
uint32_t GroupBoxCaptionFlags(bool fixedWidth, bool rightToLeft);

}  // namespace qw
