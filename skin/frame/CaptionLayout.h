#pragma once
// Where the things in a caption bar go: the icon, the caption buttons (placed from the right: Close,
// Max, Min, Help, then the user's title buttons) and the room left for the caption text. A form's frame
// and a system dialog's wrapper lay their captions out alike but for a few numbers; each passes its own
// TCaptionNumbers, so the two never drift apart.
#include <cstdint>
#include <vector>

#include "base/ControlEnums.h"
#include "base/Geometry.h"
#include "skin/frame/FrameHitCodes.h"
#include "skin/frame/FrameLayout.h"

namespace qw {

// What the two kinds of caption differ in.
struct TCaptionNumbers {
  int32_t FrameLeft = 0;           // the frame (and a border window's shadow) left of the caption
  int32_t FrameRight = 0;          // the same at the right
  int32_t HeaderHeight = 0;        // top border and caption: the bottom of the text's room
  int32_t VCenter = 0;             // the caption's centre line
  int32_t BandHeight = 0;          // > 0: items are centred in rows [0, BandHeight) instead of on VCenter
  int32_t AlignedTop = 0;          // the top of buttons that the skin aligns to the top
  bool CloseHeightForAll = false;  // every button is as high as the Close image
  int32_t HelpGap = 0;             // extra room right of the Help button
  bool PlainButtonsWidth = false;  // the buttons' width is their images alone: no margin, no spacing
  int32_t TextTop = 0;
  int32_t TextRightGap = 0;        // between the text and the buttons' width
};

// A form's caption, from its frame: centred on the middle of the caption and the border (2 lower when
// maximised, where the top border lies off the screen); in a border window, on the skin's caption.
TCaptionNumbers FormCaptionNumbers(const TFrameGeometry& g, const TFrameWindow& w);
// A system dialog's caption: items centred in the header band, no gap before Help, the text 2 pixels
// from the top and 6 from buttons counted without their margins.
TCaptionNumbers DialogCaptionNumbers(const TFrameGeometry& g, const TBorderWindowFrame& bw = {});

// The skin's caption-button placement (BISPACE, BIRIGHT, BILEFT, BIVALIGN of its global section).
struct TCaptionSkinParams {
  int32_t Spacing = 0;
  int32_t RightMargin = 0;
  int32_t LeftMargin = 0;
  int32_t VAlign = 0;  // 1: buttons that follow the alignment rule sit at the top
};

enum TCaptionButtonKind : int { cbClose, cbMax, cbMin, cbHelp, cbSystemCount };

// One caption button as the layout takes it.
struct TCaptionButtonSpec {
  bool Shown = false;
  bool Clickable = true;          // a click reaches it; else the caption (or the client) answers
  bool Aligned = false;           // follows the skin's top alignment
  TSize Image{21, 21};            // one state image of its skin image (21 x 21 without one)
  int32_t GlyphWidth = 0;         // a user button's own glyph; the button is at least that + 2 wide
};

// Which system buttons a caption shows and which take clicks.
struct TCaptionButtonStates {
  bool Shown[cbSystemCount] = {};
  bool Clickable[cbSystemCount] = {};
};

struct TCaptionInput {
  int32_t CaptionWidth = 0;       // the frame picture's width
  TCaptionSkinParams Skin;
  bool BigButtons = false;        // single or sizeable border: the skin's big buttons, spaced
  TCaptionButtonSpec System[cbSystemCount];
  std::vector<TCaptionButtonSpec> User;  // every user title button in its order, shown or not
  bool IconShown = false;
  TSize Icon;                     // the icon's size when shown
  bool CaptionPlate = false;      // the skin paints a plate behind the text: it starts 2 pixels later
};

// A placed button: where it is and what a click on it answers.
struct TCaptionButtonBox {
  TRect Rect;                     // empty when not shown
  int32_t HitCode = 0;
  bool Clickable = true;
  friend bool operator==(const TCaptionButtonBox&, const TCaptionButtonBox&) = default;
};

struct TCaptionLayout {
  TRect Icon;                     // Right = Left when the icon is not shown
  TCaptionButtonBox System[cbSystemCount];
  std::vector<TCaptionButtonBox> User;  // one per user button, in their order
  int32_t TitleButtonsWidth = 0;  // what the buttons take from the caption's right end
  TRect Text;                     // the room for the caption text (empty: no text is drawn)
};

// Lays the caption out in window coordinates.
TCaptionLayout LayoutCaption(const TCaptionInput& in, const TCaptionNumbers& n);

// The caption icon's size: the title icon's own width and height where given (not 0), else one that
// fits the caption: 16 above 16 pixels, 8 above 8, else 1.
TSize CaptionIconSize(int32_t captionHeight, TSize titleIcon);

// Where a caption text TextHeight pixels high is drawn in the layout's room.
TRect CaptionTextRect(const TCaptionLayout& layout, const TCaptionNumbers& n, int32_t textHeight);

// The text's rectangle for the caption's alignment (left and right swapped for a form that reads right
// to left): right-aligned when the caption, 4 pixels and the added title fit; centred, but never left of
// the room, and as wide as the caption itself.
TRect AlignCaptionText(TRect room, TAlignment alignment, bool rightToLeft, int32_t captionWidth, int32_t addedWidth);

}  // namespace qw
