#include "skin/core/TransitionSchedule.h"

#include <algorithm>
#include <cmath>

namespace qw {

namespace {

constexpr int kStepMs = 12;
constexpr int kMaxSteps = 255;

int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

TRect FrameRect(double l, double t, double r, double b, int width, int height) {
  if (l < 0 || t < 0) return TRect{0, 0, width, height};
  const int x = RoundHalfEven(l), y = RoundHalfEven(t);
  return TRect{x, y, x + RoundHalfEven(r - l), y + RoundHalfEven(b - t)};
}

std::vector<int> Rising(int endAlpha, int steps, double step) {
  std::vector<int> alphas;
  double a = 0;
  for (int k = 0; k <= steps; ++k) {
    a = std::min<double>(endAlpha, a + step);
    alphas.push_back(RoundHalfEven(a));
  }
  return alphas;
}

}  // namespace

int TransitionSteps(int timeMs) { return std::clamp((timeMs & 0xFFFF) / kStepMs, 0, kMaxSteps); }

std::vector<int> FadeInAlphas(int endAlpha, int steps) {
  return steps < 1 ? std::vector<int>{} : Rising(endAlpha, steps, double(endAlpha) / steps);
}

std::vector<int> FadeInAlphasLate(int endAlpha, int steps) {
  return steps < 1 ? std::vector<int>{} : Rising(endAlpha, steps, double(endAlpha) / (steps + 1));
}

std::vector<int> FadeOutAlphas(int startAlpha, int steps) {
  std::vector<int> alphas;
  if (steps < 1) return alphas;
  const double p = double(startAlpha) / steps;
  double trans = startAlpha;
  for (int i = 0; i <= steps; ++i) {
    trans = std::max(0.0, trans - p);
    alphas.push_back(RoundHalfEven(trans));
  }
  return alphas;
}

std::vector<TRect> ZoomInRects(int width, int height, int steps) {
  std::vector<TRect> rects;
  if (steps < 1) return rects;
  double l = width / 8.0, t = height / 8.0, r = width - width / 8.0, b = height - height / 8.0;
  const double dx = width / (8.0 * steps), dy = height / (8.0 * steps);
  for (int k = 0; k <= steps; ++k) {
    rects.push_back(FrameRect(l, t, r, b, width, height));
    l -= dx, t -= dy, r += dx, b += dy;
  }
  return rects;
}

std::vector<TRect> ZoomOutRects(int width, int height, int steps) {
  std::vector<TRect> rects;
  if (steps < 1) return rects;
  double l = 0, t = 0, r = width, b = height;
  const double dx = width / (8.0 * steps), dy = height / (8.0 * steps);
  for (int k = 0; k <= steps; ++k) {
    rects.push_back(FrameRect(l, t, r, b, width, height));
    l += dx, t += dy, r -= dx, b -= dy;
  }
  return rects;
}

std::vector<int> PageChangeWeights(int steps) {
  std::vector<int> weights;
  if (steps < 1) return weights;
  const int step = 255 / steps;
  for (int i = 0, d = 255; i <= steps; ++i, d -= step) weights.push_back(std::max(0, d));
  return weights;
}

}  // namespace qw
