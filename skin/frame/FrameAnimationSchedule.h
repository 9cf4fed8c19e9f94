#pragma once
// The arithmetic of the frame's two timed animations: a form growing translucent while it is dragged,
// and a form's picture flying to its taskbar button when minimised (and back when restored). Pure, so
// both schedules are tested exactly.
#include <cstdint>

#include "base/Geometry.h"

namespace qw {

// How much the alpha falls at each 12 ms tick of a drag from 255 to BlendValue: all at once for a time
// below 13 ms, else spread over Time / 12 ticks (rounded, at least 1 while there is a way to go).
int32_t MoveBlendStep(int32_t blendValue, int32_t timeMs);
// The alpha after one more tick: Step lower, never below the target.
int32_t NextMoveBlend(int32_t current, int32_t blendValue, int32_t step);

// The minimise animation: one frame every 15 ms, at least one; the alpha falls evenly from From so that
// it reaches To at the last frame.
struct TMinimizeSchedule {
  int32_t StepCount = 1;
  double AlphaStep = 0;
};
TMinimizeSchedule MinimizeSchedule(int32_t timeMs, int32_t alphaFrom, int32_t alphaTo);
// The rectangle of frame K (0 .. StepCount - 1) on the way from From to To: the last one is To.
TRect MinimizeFrameRect(const TRect& from, const TRect& to, int32_t k, int32_t stepCount);
// Where a minimised window goes: the middle of the taskbar's edge that faces the screen (taskbar on the
// left, top, right or bottom of Screen), as a rectangle of Size centred there.
TRect TaskbarTarget(const TRect& screen, const TRect& taskbar, TSize size);

}  // namespace qw
