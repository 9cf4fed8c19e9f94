#pragma once
// How a control places its content: where a button's glyph sits beside its caption, and the reading and
// alignment direction of a control's text (the horizontal alignment itself is in ControlEnums.h).
#include <cstdint>

#include "base/ControlEnums.h"

namespace qw {

enum TButtonLayout : uint8_t { blGlyphLeft = 0, blGlyphRight = 1, blGlyphTop = 2, blGlyphBottom = 3 };

enum TBiDiMode : uint8_t {
  bdLeftToRight = 0,
  bdRightToLeft = 1,              // read and aligned from the right
  bdRightToLeftNoAlign = 2,       // read from the right, aligned as usual
  bdRightToLeftReadingOnly = 3,   // the same
};

// Text is read from the right.
inline bool UsesRightToLeftReading(TBiDiMode mode) { return mode != bdLeftToRight; }
// Content is mirrored: what sits on the left goes to the right.
inline bool UsesRightToLeftAlignment(TBiDiMode mode) { return mode == bdRightToLeft; }

}  // namespace qw

namespace qw {

// Where a push button's image sits (the caption takes the room beside it).
enum TImageAlignment : uint8_t { iaLeft = 0, iaRight = 1, iaTop = 2, iaBottom = 3, iaCenter = 4 };

// Free pixels between a button's edges and its image.
struct TImageMargins {
  int32_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  friend bool operator==(const TImageMargins&, const TImageMargins&) = default;
};

}  // namespace qw
