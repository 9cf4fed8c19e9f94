#include "skin/frame/FrameAnimationSchedule.h"

#include <algorithm>
#include <cmath>

namespace qw {

int32_t MoveBlendStep(int32_t blendValue, int32_t timeMs) {
  const int32_t way = 255 - std::clamp(blendValue, 0, 255);
  if (timeMs < 13) return way;
  const double ticks = static_cast<double>(timeMs) / 12.0;
  const auto step = static_cast<int32_t>(std::lround(way / ticks));
  return way > 0 ? std::max(1, step) : 0;
}

int32_t NextMoveBlend(int32_t current, int32_t blendValue, int32_t step) {
  return std::max(std::clamp(blendValue, 0, 255), current - std::max(0, step));
}

TMinimizeSchedule MinimizeSchedule(int32_t timeMs, int32_t alphaFrom, int32_t alphaTo) {
  TMinimizeSchedule s;
  s.StepCount = std::max(1, timeMs / 15);
  s.AlphaStep = static_cast<double>(alphaFrom - alphaTo) / std::max(1, s.StepCount - 1);
  return s;
}

TRect MinimizeFrameRect(const TRect& from, const TRect& to, int32_t k, int32_t stepCount) {
  if (stepCount <= 1) return to;
  const double t = static_cast<double>(std::clamp(k, 0, stepCount - 1)) / (stepCount - 1);
  auto mix = [t](int32_t a, int32_t b) { return static_cast<int32_t>(std::lround(a + (b - a) * t)); };
  return TRect{mix(from.Left, to.Left), mix(from.Top, to.Top), mix(from.Right, to.Right), mix(from.Bottom, to.Bottom)};
}

TRect TaskbarTarget(const TRect& screen, const TRect& taskbar, TSize size) {
  const int32_t midX = (taskbar.Left + taskbar.Right) / 2, midY = (taskbar.Top + taskbar.Bottom) / 2;
  TPoint at{midX, midY};
  if (taskbar.Right - taskbar.Left < taskbar.Bottom - taskbar.Top) {
    // An upright taskbar: on the left or the right of the screen.
    at.X = taskbar.Left <= screen.Left ? taskbar.Right : taskbar.Left;
  } else {
    at.Y = taskbar.Top <= screen.Top ? taskbar.Bottom : taskbar.Top;
  }
  return TRect{at.X - size.Width / 2, at.Y - size.Height / 2, at.X - size.Width / 2 + size.Width,
               at.Y - size.Height / 2 + size.Height};
}

}  // namespace qw
