#pragma once
// The arithmetic of the skinned bit button that needs no window: where glyph and caption go, how wide
// the caption may be, the text flags it is measured and drawn with, which state the button shows and
// which of the section's looks and the glyph's images that state uses.
#include <cstdint>
#include <string_view>

#include "base/Alignment.h"
#include "base/Geometry.h"
#include "skin/render/TextPaint.h"

namespace qw {

struct TItemSize {
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TItemSize&, const TItemSize&) = default;
};

// What LayoutGlyphAndText places.
struct TGlyphTextInput {
  TRect Client;                       // the area to lay out in
  TItemSize Glyph;                    // (0, 0) without a glyph
  TItemSize Text;                     // the measured caption; (0, 0) without one
  bool RightToLeft = false;           // right-to-left alignment: glyph left and glyph right swap
  int32_t Spacing = 4;                // between glyph and caption; -1 spreads the free room evenly
  int32_t Margin = -1;                // from the edge to the block; -1 centres the block
  TAlignment Alignment = taCenter;    // where the block sits across the button
  TButtonLayout Layout = blGlyphLeft;
};

struct TGlyphTextLayout {
  TPoint GlyphPos;    // the glyph's top-left corner
  TRect CaptionRect;  // where the caption is drawn
  friend bool operator==(const TGlyphTextLayout&, const TGlyphTextLayout&) = default;
};

// Places glyph and caption in the client area. All divisions truncate toward zero.
TGlyphTextLayout LayoutGlyphAndText(const TGlyphTextInput& in);

// What the whole content of a button needs for its layout.
struct TBitBtnContent {
  int32_t Width = 0, Height = 0;      // the button's client size
  std::u16string_view Caption;
  bool ShowCaption = true;
  TItemSize Glyph;
  int32_t Margin = -1;
  int32_t Spacing = 4;
  TAlignment Alignment = taCenter;
  TAlignment TextAlignment = taCenter;
  TButtonLayout Layout = blGlyphLeft;
  bool WordWrap = true;
  bool RightToLeft = false;           // right-to-left alignment
};

// The widest the caption may be: 0 without a shown caption; else the width less twice the margin (the
// default margin -1 thus gives two pixels more than the width), less the glyph and spacing when the
// glyph sits beside the caption.
int32_t MaxCaptionWidth(const TBitBtnContent& c);
// The horizontal DrawText alignment flag of an alignment.
uint32_t AlignmentTextFlag(TAlignment a);
// Flags the caption is measured with (DT_CALCRECT ...).
uint32_t CaptionMeasureFlags(TAlignment textAlignment, bool wordWrap);
// Flags the caption is drawn with.
uint32_t CaptionDrawFlags(TAlignment textAlignment, bool wordWrap, bool rightToLeftReading);
// Measures the caption (within MaxCaptionWidth) with Measurer and lays out glyph and caption.
TGlyphTextLayout LayoutBitBtnContent(const TBitBtnContent& c, TTextRenderer& measurer);

// What decides the state a button shows.
struct TBitBtnStateInput {
  bool Down = false;          // the permanent pressed look
  bool Pushed = false;        // the system button reports itself pushed
  bool ForcedPressed = false; // the pressed look forced for one repaint after a quick click
  bool MouseAbove = false;
  bool LeftHeld = false;      // the left mouse button is held on the button
  bool Active = false;        // focused or under the mouse
  bool IsDefault = false;     // the form's default button
};
// Pressed when Down, or when pushed (or forced) while the mouse is above or not held on the button
// (a button held with the mouse dragged off it shows unpressed); else hot when active; else the
// default look for the default button; else normal.
int BitBtnState(const TBitBtnStateInput& in);
// The section look a state uses: the default look falls back to hot in sections with fewer than four
// states; every state is limited to the section's states (a section without states has only 0).
int BitBtnSectionState(int state, int sectionStates);
// The glyph's rectangle: at GlyphPos, moved by (1, 1) when pressed, and up by a sixth of its width when
// it is drawn with its reflection below it.
TRect BitBtnImageRect(TPoint glyphPos, TItemSize glyph, int state, bool reflected);
// The image of a glyph strip that a state shows.
int GlyphImageIndex(int state, int numGlyphs);
// A glyph transparency limited to 0..100 percent.
int ClampBlend(int value);

}  // namespace qw
