#pragma once
// The about page's scrolling credits: one step moves a label up one pixel and, when it reaches 3
// exactly, jumps it back to 321 below the visible part. The credits move with time whether anyone sees
// them or not, but their timer runs only while they can be seen: the clock says how many steps the
// time they were hidden held, and MarqueeAdvance takes a label there at once.
#include <cstdint>

namespace qw {

inline int MarqueeStep(int top) {
  --top;
  return top == 3 ? 321 : top;
}

// Steps many times over: what Steps calls of MarqueeStep give, without making them. A label at or
// below 3 never jumps again and keeps going up.
inline int MarqueeAdvance(int top, uint64_t steps) {
  constexpr int kJumpTo = 321, kCycle = kJumpTo - 3;
  if (top <= 3 || steps < static_cast<uint64_t>(top - 3)) {
    const uint64_t room = static_cast<uint64_t>(static_cast<int64_t>(top) - INT32_MIN);
    return steps >= room ? INT32_MIN : static_cast<int>(top - static_cast<int64_t>(steps));
  }
  steps -= static_cast<uint64_t>(top - 3);  // the first jump lands on 321
  return kJumpTo - static_cast<int>(steps % kCycle);
}

// Counts the ticks a timer would have made while it was stopped. What a pause leaves short of a whole
// tick is carried to the next one, so many short pauses lose no time.
class TMarqueeClock {
 public:
  bool Paused() const { return FPaused; }
  void Pause(uint64_t nowMs) {
    if (FPaused) return;
    FPaused = true;
    FPausedAt = nowMs;
  }
  // The ticks owed since Pause (none when not paused or without an interval).
  uint64_t Resume(uint64_t nowMs, unsigned intervalMs) {
    if (!FPaused) return 0;
    FPaused = false;
    if (intervalMs == 0 || nowMs < FPausedAt) return 0;
    const uint64_t elapsed = nowMs - FPausedAt + FCarry;
    FCarry = elapsed % intervalMs;
    return elapsed / intervalMs;
  }

 private:
  bool FPaused = false;
  uint64_t FPausedAt = 0;
  uint64_t FCarry = 0;
};

}  // namespace qw
