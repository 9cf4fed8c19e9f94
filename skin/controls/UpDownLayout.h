#pragma once
// The two arrow buttons of an up-down control: where they lie and how they look under the mouse.
#include <cstdint>

#include "base/Geometry.h"

namespace qw {

struct TUpDownButtons {
  TRect First;   // upper (vertical) or left (horizontal)
  TRect Second;  // lower or right
};
// The halves of a Width x Height control.
TUpDownButtons UpDownButtons(int32_t width, int32_t height, bool vertical);

struct TUpDownStates {
  int First = 0;
  int Second = 0;
};
// The painter states of both buttons with the cursor at P (client coordinates): the half under the
// cursor is hot (pressed while the button is held), the other normal; both normal when the cursor is
// outside the control.
TUpDownStates UpDownStates(int32_t width, int32_t height, bool vertical, TPoint p, bool pressed);

}  // namespace qw
