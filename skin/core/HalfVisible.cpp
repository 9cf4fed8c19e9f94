#include "skin/core/HalfVisible.h"

namespace qw {

namespace {

bool Inside(const TRect& r, int x, int y) { return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom; }

}  // namespace

bool HalfVisibleByBounds(const TRect& bounds, const TRect& parentClient) {
  return bounds.Left < parentClient.Left || bounds.Top < parentClient.Top || bounds.Right > parentClient.Right ||
         bounds.Bottom > parentClient.Bottom;
}

bool HalfVisibleByClipBox(bool clipIsOneRect, const TRect& clip, int width, int height) {
  return !clipIsOneRect || clip.Left > 0 || clip.Top > 0 || clip.Right < width || clip.Bottom < height;
}

bool HalfVisibleByCorners(const TRect& bounds, const TRect& parentClient) {
  return !Inside(parentClient, bounds.Left + 1, bounds.Top + 1) || !Inside(parentClient, bounds.Right - 1, bounds.Bottom - 1);
}

}  // namespace qw
