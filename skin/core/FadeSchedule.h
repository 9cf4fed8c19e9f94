#pragma once
// The arithmetic of a fade between a control's old and new look: how many frames it has, where it
// starts, and how much of the old look each frame keeps. Pure, so the schedule is tested exactly.
namespace qw {

// Which way a fade runs; fdNone stops its timer.
enum class TFadeDirection { fdNone, fdUp, fdDown };

// The share of the old look in frame FadeLevel of Iterations (the BlendTwoBitmaps weight out of 256):
// 255 - FadeLevel * 255 div Iterations. 0 for an empty schedule (the new look at once).
int FadeOldShare(int fadeLevel, int iterations);

// The frame count and first frame of a fade that is (re)started.
struct TFadeStart {
  int Iterations = 0;
  int FadeLevel = 1;
};
// A fade with the section's FadingIterations frames, for a new timer or one already running in the
// given direction; Fast (mouse down and up) halves the frame count. A first frame outside
// 1 .. Iterations - 1 starts again at 1.
TFadeStart PlanFade(int fadingIterations, bool running, TFadeDirection direction, bool fast);

// True when a fade at FadeLevel of Iterations has shown its last frame (the next tick ends it).
bool FadeFinished(int fadeLevel, int iterations);

}  // namespace qw
