#pragma once
// Where a check box puts its glyph and caption, which image of a glyph strip it shows, and the size it
// takes by itself: plain values in, rectangles out.
#include <cstdint>
#include <string_view>

#include "base/Geometry.h"
#include "skin/render/TextPaint.h"

namespace qw {

// Which side of the glyph the caption stands on (the framework's Alignment): taRightJustify puts the
// glyph at the left edge and the caption right of it.
enum class TCheckBoxAlignment : uint8_t { taLeftJustify, taRightJustify };
// Where the glyph sits in the box's height.
enum class TCheckBoxVAlign : uint8_t { vaTop, vaMiddle, vaBottom };

// The box's own values the layout depends on.
struct TCheckBoxLayoutInput {
  int32_t Width = 0;
  int32_t Height = 0;
  int32_t Margin = 2;      // glyph and caption from the box's edges
  int32_t TextIndent = 0;  // extra space between glyph and caption
  TCheckBoxAlignment Alignment = TCheckBoxAlignment::taRightJustify;
  bool RightToLeft = false;
  TCheckBoxVAlign VerticalAlign = TCheckBoxVAlign::vaMiddle;
  bool WordWrap = false;
};

// The alignment that decides the glyph's side: right-to-left reading mirrors the stored one.
TCheckBoxAlignment ControlsAlignment(TCheckBoxAlignment alignment, bool rightToLeft);

// A glyph picture read as a horizontal strip of square images. A picture whose width is a whole multiple
// of its height holds width / height of them; any other picture (a narrow or an empty one included) is a
// single image of its own size, so there is always at least one image.
struct TGlyphStrip {
  int32_t ImageWidth = 0;
  int32_t ImageHeight = 0;
  int32_t Images = 1;
  friend bool operator==(const TGlyphStrip&, const TGlyphStrip&) = default;
};
TGlyphStrip GlyphStripOf(int32_t width, int32_t height);
// An image-list picture is drawn as a strip only when it holds at least two images.
bool ListImageIsStrip(int32_t width, int32_t height);

// The look a glyph shows: 2 pressed, 1 active (focused or under the mouse, not read-only), else 0.
int32_t CheckGlyphState(bool pressed, bool active);
// The strip image for that look: the state's own one, or the strip's last when it has fewer.
int32_t StripImageIndex(const TGlyphStrip& strip, int32_t glyphState);
// That image's place in the picture.
TRect StripImageRect(const TGlyphStrip& strip, int32_t index);

// The glyph's rectangle in the box: at the margin on the controls alignment's side, placed vertically by
// VerticalAlign.
TRect CheckGlyphRect(const TCheckBoxLayoutInput& box, int32_t glyphWidth, int32_t glyphHeight);

// The caption's rectangle and the text flags it is drawn with.
struct TCheckCaption {
  TRect R;
  uint32_t Flags = 0;
};
// Measures the caption in the width left beside the glyph (wrapped at it with WordWrap) and places it:
// centred vertically but not above the margin, beside the glyph by the stored alignment, a pixel higher
// (and with WordWrap a pixel further left) than measured.
TCheckCaption CheckCaptionLayout(const TCheckBoxLayoutInput& box, int32_t glyphWidth, TTextRenderer& measurer,
                                 std::u16string_view caption);
// The dotted focus frame around a caption: a pixel outside it, its bottom kept where a single line ends.
TRect CheckFocusRect(const TRect& caption, bool wordWrap);

// The size a box with AutoSize takes: glyph, margins and the caption's one-line extent when skinned;
// without a skin the system box's own rule (caption plus 20, at least 20 high).
struct TCheckBoxSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TCheckBoxSize&, const TCheckBoxSize&) = default;
};
TCheckBoxSize CheckBoxAutoSize(bool skinned, int32_t glyphWidth, int32_t glyphHeight, int32_t margin,
                               int32_t textIndent, TTextRenderer& measurer, std::u16string_view caption);

}  // namespace qw
