#include "skin/controls/CheckBoxLayout.h"

#include <algorithm>

namespace qw {

TCheckBoxAlignment ControlsAlignment(TCheckBoxAlignment alignment, bool rightToLeft) {
  if (!rightToLeft) return alignment;
  return alignment == TCheckBoxAlignment::taRightJustify ? TCheckBoxAlignment::taLeftJustify
                                                         : TCheckBoxAlignment::taRightJustify;
}

TGlyphStrip GlyphStripOf(int32_t width, int32_t height) {
  width = std::max<int32_t>(0, width);
  height = std::max<int32_t>(0, height);
  if (height > 0 && width >= height && width % height == 0) return TGlyphStrip{height, height, width / height};
  return TGlyphStrip{width, height, 1};
}

bool ListImageIsStrip(int32_t width, int32_t height) {
  return height > 0 && width / 2 >= height && width % height == 0;
}

int32_t CheckGlyphState(bool pressed, bool active) { return pressed ? 2 : active ? 1 : 0; }

int32_t StripImageIndex(const TGlyphStrip& strip, int32_t glyphState) {
  return std::clamp<int32_t>(glyphState, 0, std::max<int32_t>(0, strip.Images - 1));
}

TRect StripImageRect(const TGlyphStrip& strip, int32_t index) {
  const int32_t left = StripImageIndex(strip, index) * strip.ImageWidth;
  return TRect{left, 0, left + strip.ImageWidth, strip.ImageHeight};
}

TRect CheckGlyphRect(const TCheckBoxLayoutInput& box, int32_t glyphWidth, int32_t glyphHeight) {
  int32_t y = 0;
  switch (box.VerticalAlign) {
    case TCheckBoxVAlign::vaTop:
      break;
    case TCheckBoxVAlign::vaMiddle:
      y = (box.Height - glyphHeight) / 2;
      break;
    case TCheckBoxVAlign::vaBottom:
      y = box.Height - glyphHeight;
      break;
  }
  const bool glyphLeft =
      ControlsAlignment(box.Alignment, box.RightToLeft) == TCheckBoxAlignment::taRightJustify;
  const int32_t x = glyphLeft ? box.Margin : box.Width - glyphWidth - box.Margin;
  return TRect{x, y, x + glyphWidth, y + glyphHeight};
}

TCheckCaption CheckCaptionLayout(const TCheckBoxLayoutInput& box, int32_t glyphWidth, TTextRenderer& measurer,
                                 std::u16string_view caption) {
  TCheckCaption out;
  out.Flags = box.WordWrap ? kDtWordBreak : kDtSingleLine;
  const int32_t available = box.Width - glyphWidth - box.TextIndent - 2 * box.Margin - 2;
  const TTextExtent text = measurer.MeasureText(caption, out.Flags, std::max<int32_t>(0, available));
  const int32_t top = std::max((box.Height - text.Height) / 2, box.Margin);
  TRect r;
  if (box.Alignment == TCheckBoxAlignment::taRightJustify && !box.RightToLeft) {
    r.Left = glyphWidth + box.TextIndent + box.Margin + 4;
    r.Right = r.Left + text.Width;
  } else if (box.Alignment == TCheckBoxAlignment::taRightJustify) {
    r.Right = box.Width - box.Margin - glyphWidth - box.TextIndent - 4;
    r.Left = r.Right - text.Width;
    if (!box.WordWrap) out.Flags |= kDtRight;
  } else if (!box.RightToLeft) {
    r.Left = box.Margin;
    r.Right = box.Margin + available;
  } else {
    // Mirrored, the glyph stands at the left edge: the caption takes the width beside it on the right.
    r.Right = box.Width - box.Margin;
    r.Left = r.Right - available;
  }
  r.Top = top;
  r.Bottom = top + text.Height;
  out.R = OffsetRect(r, box.WordWrap ? -1 : 0, -1);
  if (box.RightToLeft) out.Flags |= kDtRtlReading;
  return out;
}

TRect CheckFocusRect(const TRect& caption, bool wordWrap) {
  // Moved down a pixel and grown by one on every side: the top stays, a single line's bottom too.
  return TRect{caption.Left - 1, caption.Top, caption.Right + 1, caption.Bottom + (wordWrap ? 1 : 0)};
}

TCheckBoxSize CheckBoxAutoSize(bool skinned, int32_t glyphWidth, int32_t glyphHeight, int32_t margin,
                               int32_t textIndent, TTextRenderer& measurer, std::u16string_view caption) {
  const TTextExtent text = caption.empty() ? TTextExtent{} : measurer.MeasureText(caption, kDtSingleLine, 0);
  if (!skinned) return TCheckBoxSize{text.Width + 20, std::max(text.Height + 4, 20)};
  const bool hasCaption = !caption.empty();
  return TCheckBoxSize{glyphWidth + 2 * margin + (hasCaption ? text.Width + textIndent + 8 : 0),
                       std::max(glyphHeight, (hasCaption ? text.Height : 0) + 2 * margin) + 2};
}

}  // namespace qw
