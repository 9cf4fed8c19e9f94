#pragma once
// One step of the about page's scrolling credits: a label moves up one pixel and, when it reaches 3
// exactly, jumps back to 321 below the visible part.
namespace qw {

inline int MarqueeStep(int top) {
  --top;
  return top == 3 ? 321 : top;
}

}  // namespace qw
