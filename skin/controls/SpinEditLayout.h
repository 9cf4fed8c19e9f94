#pragma once
// Where the parts of a skinned spin edit lie: the arrow pair at the right edge, its two buttons, the
// triangles drawn on them, the text and the edit's formatting rectangle. Pure, so tested natively.
#include <vector>

#include "base/Geometry.h"
#include "skin/controls/EditLayout.h"
#include "skin/controls/UpDownLayout.h"

namespace qw {

// The arrow pair is never narrower than this.
inline constexpr int kSpinButtonMinWidth = 15;
// Its width when made.
inline constexpr int kSpinButtonInitialWidth = 18;

// The arrow pair's bounds in the edit's client area for a Width x Height edit: it fills the client height
// at the right edge of a bordered 3D edit.
TRect SpinButtonBounds(int editWidth, int editHeight, int pairWidth);

// The two arrows of a pair of the given size (the width raised to the minimum): up above, down below.
TUpDownButtons SpinArrowButtons(int pairWidth, int pairHeight);

// The edit's formatting rectangle: the text keeps clear of the arrows.
TRect SpinEditFormatRect(int editWidth, int clientHeight, int pairWidth);

// Where the skinned text is written in the cached picture of the whole window.
TRect SpinEditTextRect(int editWidth, int editHeight, const TEditFrame& frame, int pairWidth);

// The focus rectangle of an arrow button: 3 pixels inside it, one pixel right and down while pressed.
TRect SpinFocusRect(const TRect& button, bool down);
// Where a glyph of GlyphWidth x GlyphHeight goes on an arrow button: centred (halves toward zero).
TPoint SpinGlyphPos(const TRect& button, int glyphWidth, int glyphHeight);

// One row of a filled arrow triangle: pixels Left to Right - 1 of row Y.
struct TSpinArrowRow {
  int Y = 0;
  int Left = 0;
  int Right = 0;
  friend bool operator==(const TSpinArrowRow&, const TSpinArrowRow&) = default;
};
// The filled triangle of an arrow button of the given size, centred: four rows, 1 to 7 pixels wide,
// the point up for the up arrow.
std::vector<TSpinArrowRow> SpinArrowRows(int buttonWidth, int buttonHeight, bool up);

}  // namespace qw
