#include "skin/controls/UpDownLayout.h"

namespace qw {

TUpDownButtons UpDownButtons(int32_t width, int32_t height, bool vertical) {
  if (vertical) return TUpDownButtons{TRect{0, 0, width, height / 2}, TRect{0, height / 2, width, height}};
  return TUpDownButtons{TRect{0, 0, width / 2, height}, TRect{width / 2, 0, width, height}};
}

TUpDownStates UpDownStates(int32_t width, int32_t height, bool vertical, TPoint p, bool pressed) {
  TUpDownStates s;
  if (p.X < 0 || p.Y < 0 || p.X >= width || p.Y >= height) return s;
  const int look = pressed ? 2 : 1;
  const TUpDownButtons b = UpDownButtons(width, height, vertical);
  if (vertical ? p.Y < b.First.Bottom : p.X < b.First.Right) s.First = look;
  else s.Second = look;
  return s;
}

}  // namespace qw
