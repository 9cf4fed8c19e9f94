#pragma once
// The arithmetic of window and page transitions: how many 12 ms steps a duration gives, the constant
// alpha of each frame of a fade in or out, the rectangle a zooming picture is stretched into at each
// frame, and the weight of the old picture in each frame of a page change. Pure, so the schedules are
// tested exactly.
#include <vector>

#include "base/Geometry.h"

namespace qw {

// The mode of a transition: the alpha alone, or the alpha with a zoom between 75 % and 100 %.
enum class TTransitionMode { Fading = 0, Aero = 1 };

// One step every 12 ms; more than 255 steps are cut to 255 (about three seconds), so no transition can
// hold the window for a minute. Time is a 16-bit value.
int TransitionSteps(int timeMs);

// A picture fading in to EndAlpha over n >= 1 steps: n + 1 frames, the alpha rising by EndAlpha / n and
// rounded half to even, never above EndAlpha (Time 100 and 255: 32, 64, 96, 128, 159, 191, 223, 255, 255).
std::vector<int> FadeInAlphas(int endAlpha, int steps);
// The same with the alpha of the last frames held back: the step is EndAlpha / (n + 1), so EndAlpha is
// reached only at the last frame (dialogs).
std::vector<int> FadeInAlphasLate(int endAlpha, int steps);
// A picture fading out from StartAlpha over n >= 1 steps: n + 1 frames (255 and 8: 223, 191, 159, 128,
// 96, 64, 32, 0, 0).
std::vector<int> FadeOutAlphas(int startAlpha, int steps);

// Where a zooming picture of W x H is stretched in each of the n + 1 frames: growing from 75 % (centred)
// to its full size while it fades in, or shrinking from its full size while it fades out. A frame whose
// rectangle would start left of or above the picture shows the picture whole.
std::vector<TRect> ZoomInRects(int width, int height, int steps);
std::vector<TRect> ZoomOutRects(int width, int height, int steps);

// The share (out of 256) of the old picture in each frame of a page change, 255 down by 255 div n, never
// below 0 (n = 8: 255, 224, 193, 162, 131, 100, 69, 38, 7); the new picture follows on its own.
std::vector<int> PageChangeWeights(int steps);

}  // namespace qw
