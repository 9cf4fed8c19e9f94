#pragma once
// What a standard BUTTON or STATIC window is, read from the type field of its style. The type is a
// number, not a set of bits: a default command link (0xF) has every bit of a group box (7), a simple
// static (0xB) every bit of an icon (3); testing bits would give such windows a wrapper that paints
// over what they really are.
#include <cstdint>

namespace qw {

enum TStdButtonKind : uint8_t {
  sbkNone = 0,      // keeps the system's (or its owner's) painting: owner-draw, user buttons, unknown types
  sbkPush = 1,      // push, default push, split and command-link buttons
  sbkCheckBox = 2,  // check boxes, three-state boxes and radio buttons
  sbkGroupBox = 3,
};

enum TStdStaticKind : uint8_t {
  sskNone = 0,     // owner-draw, grey and white rectangles, metafiles, obsolete and unknown types
  sskText = 1,     // texts, and the black rectangle and frames, which carry no picture
  sskPicture = 2,  // icons and bitmaps
};

// By the button type, style & 0xF.
TStdButtonKind StdButtonKind(uint32_t style);
// By the static type, style & 0x1F.
TStdStaticKind StdStaticKind(uint32_t style);
// The button type is the default push button (or default split button or command link): a button that
// shows itself as the one Enter presses.
bool IsDefaultButtonStyle(uint32_t style);

}  // namespace qw
