#pragma once
// A small built-in 5 x 7 pixel font for qxskin's labels: the same pixels in every build, so contact
// sheets can be compared bit for bit. Upper-case letters, digits and a few signs; lower case is drawn
// as upper case and anything else as a box.
#include "skin/render/TextPaint.h"

namespace qw {

class TQxPixelFont final : public TTextRenderer {
 public:
  // Every character takes a 6 x 9 cell (5 x 7 glyph, one column and two rows of space).
  static constexpr int kCellWidth = 6;
  static constexpr int kCellHeight = 9;
  TTextExtent MeasureText(std::u16string_view text, uint32_t flags, int32_t maxWidth) override;
  // Draws one line; kDtCenter / kDtRight and kDtVCenter / kDtBottom place it in R, cut to R unless
  // kDtNoClip is given.
  void DrawTextBlack(TBitmap32& target, std::u16string_view text, const TRect& r, uint32_t flags) override;
};

}  // namespace qw
