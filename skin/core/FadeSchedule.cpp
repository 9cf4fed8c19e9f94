#include "skin/core/FadeSchedule.h"

namespace qw {

int FadeOldShare(int fadeLevel, int iterations) {
  if (iterations <= 0) return 0;
  const int b = fadeLevel * 255 / iterations;
  return b >= 255 ? 0 : 255 - b;
}

TFadeStart PlanFade(int fadingIterations, bool running, TFadeDirection direction, bool fast) {
  TFadeStart start;
  // A running fade restarts from the section's full count; a new one from its first frame.
  start.FadeLevel = running ? fadingIterations : 1;
  // Binding the owner: the count follows the direction the timer already had (a new timer has none).
  start.Iterations = fadingIterations;
  if (running) {
    if (direction == TFadeDirection::fdUp) start.Iterations = start.FadeLevel;
    else if (direction == TFadeDirection::fdDown) start.Iterations = fadingIterations - start.FadeLevel;
  }
  if (fast) start.Iterations /= 2;
  if (start.FadeLevel >= start.Iterations || start.FadeLevel <= 0) start.FadeLevel = 1;
  return start;
}

bool FadeFinished(int fadeLevel, int iterations) { return fadeLevel < 0 || fadeLevel > iterations; }

}  // namespace qw
