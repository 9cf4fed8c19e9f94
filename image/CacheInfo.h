#pragma once
// What a control knows about the painted background of its parent; every painter takes one.
#include <cstdint>

#include "image/Bitmap32.h"
#include "image/ColorToRgb.h"

namespace qw {

struct TCacheInfo {
  TBitmap32* Bmp = nullptr;     // the parent's painted background (not owned); valid when Ready
  int32_t X = 0;                // offset from the parent's coordinates to Bmp's
  int32_t Y = 0;
  TColor FillColor = clNoColor; // the parent's plain colour; clNoColor means nothing is known
  bool Ready = false;           // true: Bmp, X and Y are valid; false: only FillColor means something
};

}  // namespace qw
