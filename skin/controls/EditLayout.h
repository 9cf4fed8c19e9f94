#pragma once
// Where a skinned edit draws: the width of its frame band and the rectangle of its text, and the text
// it shows for a password. Pure, so the numbers are tested natively.
#include <string>
#include <string_view>

#include "base/Geometry.h"

namespace qw {

// The frame an edit is given: a single border, 3D or flat, or none with optional bevels.
struct TEditFrame {
  bool Border = true;       // BorderStyle single
  bool Ctl3D = true;        // the sunken 3D border (two pixels) rather than a flat one (one pixel)
  bool BevelKind = false;   // bevels drawn inside the border
  bool BevelInner = false;  // (a bevel is "not none")
  bool BevelOuter = false;
};

// The band along the window's four sides that is the frame: Ctl3D + 1 with a border, else one pixel
// for each bevel.
int EditFrameWidth(const TEditFrame& frame);

// How far the text keeps from the window's edge: Ctl3D + 1 with a border (plus the bevels when a bevel kind
// is set), 0 without one.
int EditTextInset(const TEditFrame& frame);

// The text rectangle of a Width x Height edit: the frame (and bevels) inset on every side, one pixel
// more inside a border except at the bottom. A bordered 3D edit 21 high: (3, 3, Width - 3, 19).
TRect EditTextRect(int width, int height, const TEditFrame& frame);

// The text an edit shows: with a password character, one copy of it per character of the text (a pair
// of surrogates is one character), "*" shown as U+25CF; without one, the text itself.
std::u16string EditDisplayText(std::u16string_view text, char16_t passwordChar);

}  // namespace qw
