#pragma once
// The arithmetic of wrapped standard push buttons that needs no window: how wide the caption may be
// measured, where it goes, which image of a button's image list a state shows and where that image
// goes. Sizes are the whole button's (W x H); rectangles exclude their right and bottom edges.
#include <cstdint>

#include "base/Alignment.h"
#include "base/Geometry.h"
#include "skin/controls/BitBtnLayout.h"

namespace qw {

// The widest the caption is measured at: 0 without a caption, the width + 1 without a glyph, else what
// the glyph leaves of the width (never below 0).
int32_t WrappedMaxCaptionWidth(bool hasCaption, int32_t width, int32_t glyphWidth);

// The caption centred in a W x H button, one pixel wider on the left and two on the right than the text
// (room for italics and the focus frame); moved by (1, 1) while the button is down.
TRect WrappedCaptionRect(int32_t width, int32_t height, TItemSize text, bool down);

// The image indexes a button publishes; -1 (or any index outside the list) is "none".
struct TButtonImageIndexes {
  int32_t Normal = -1;
  int32_t Hot = -1;
  int32_t Pressed = -1;
  int32_t Selected = -1;  // focused
  int32_t Disabled = -1;
};

// What decides the image a button shows, first match wins in this order.
struct TButtonImageState {
  bool Enabled = true;
  bool Pressed = false;
  bool Focused = false;
  bool Hot = false;
};

// The image of a list of Count pictures a state shows: the state's own index when it lies in the list,
// else Normal; -1 when Normal does not lie in it either (the button shows no image).
int32_t ButtonImageIndex(const TButtonImageIndexes& indexes, int32_t count, const TButtonImageState& state);

// Where a button's image and caption go.
struct TButtonImageLayout {
  TRect Image;    // empty without an image
  TRect Caption;
  friend bool operator==(const TButtonImageLayout&, const TButtonImageLayout&) = default;
};

// Image (Image (0, 0): none) placed by Alignment inside the margins, three pixels from its edge; the
// caption (Text) centred in the room beside it, or in the whole button for a centred image or none.
// Both move by (1, 1) while pressed.
TButtonImageLayout LayoutButtonImage(int32_t width, int32_t height, TItemSize image, TItemSize text,
                                     TImageAlignment alignment, const TImageMargins& margins, bool pressed);

}  // namespace qw
