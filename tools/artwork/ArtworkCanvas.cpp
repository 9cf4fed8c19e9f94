#include "tools/artwork/ArtworkCanvas.h"

#include <algorithm>
#include <cmath>

namespace qw::art {

TRgba Hex(uint32_t rgb, float alpha) {
  return TRgba{static_cast<float>((rgb >> 16) & 0xFF) / 255.0f, static_cast<float>((rgb >> 8) & 0xFF) / 255.0f,
               static_cast<float>(rgb & 0xFF) / 255.0f, alpha};
}

TShape Circle(float cx, float cy, float r) {
  return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}

TShape Box(float x0, float y0, float x1, float y1, float radius) {
  const float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
  return [=](float x, float y) {
    const float dx = std::fabs(x - cx) - hx, dy = std::fabs(y - cy) - hy;
    const float outside = std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f));
    return outside + std::min(std::max(dx, dy), 0.0f) - radius;
  };
}

TShape Segment(float x0, float y0, float x1, float y1, float halfWidth) {
  return [=](float x, float y) {
    const float vx = x1 - x0, vy = y1 - y0, wx = x - x0, wy = y - y0;
    const float t = std::clamp((wx * vx + wy * vy) / (vx * vx + vy * vy), 0.0f, 1.0f);
    return std::hypot(wx - t * vx, wy - t * vy) - halfWidth;
  };
}

TShape Ring(float cx, float cy, float r, float halfWidth) {
  return [=](float x, float y) { return std::fabs(std::hypot(x - cx, y - cy) - r) - halfWidth; };
}

TShape Union(TShape a, TShape b) {
  return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}

TShape Subtract(TShape a, TShape b) {
  return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}

TShape Intersect(TShape a, TShape b) {
  return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}

TShape HalfPlaneBelow(float level) {
  return [=](float, float y) { return level - y; };
}

TShape ConvexPolygon(std::vector<std::pair<float, float>> corners) {
  return [corners](float x, float y) {
    float d = -1e9f;
    for (size_t i = 0; i < corners.size(); ++i) {
      const auto [x0, y0] = corners[i];
      const auto [x1, y1] = corners[(i + 1) % corners.size()];
      const float ex = x1 - x0, ey = y1 - y0, len = std::hypot(ex, ey);
      // Outward normal of a clockwise edge on a y-down screen is (ey, -ex) / len... measured from it.
      d = std::max(d, ((x - x0) * -ey + (y - y0) * ex) / len * -1.0f);
    }
    return d;
  };
}

TCanvasRgba::TCanvasRgba(int width, int height)
    : FWidth(width), FHeight(height), FPixels(static_cast<size_t>(width) * static_cast<size_t>(height), TRgba{0, 0, 0, 0}) {}

void TCanvasRgba::Fill(const TShape& shape, TRgba colour) {
  FillWith(shape, [colour](float, float) { return colour; });
}

void TCanvasRgba::FillWith(const TShape& shape, const std::function<TRgba(float, float)>& colour) {
  for (int y = 0; y < FHeight; ++y) {
    for (int x = 0; x < FWidth; ++x) {
      const float px = static_cast<float>(x) + 0.5f, py = static_cast<float>(y) + 0.5f;
      const float coverage = std::clamp(0.5f - shape(px, py), 0.0f, 1.0f);
      if (coverage <= 0) continue;
      const TRgba c = colour(px, py);
      const float a = c.A * coverage;
      TRgba& d = At(x, y);
      const float outA = a + d.A * (1 - a);
      if (outA <= 0) continue;
      d.R = (c.R * a + d.R * d.A * (1 - a)) / outA;
      d.G = (c.G * a + d.G * d.A * (1 - a)) / outA;
      d.B = (c.B * a + d.B * d.A * (1 - a)) / outA;
      d.A = outA;
    }
  }
}

std::vector<uint8_t> TCanvasRgba::Bgra() const {
  std::vector<uint8_t> out;
  out.reserve(FPixels.size() * 4);
  auto byte = [](float v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); };
  for (const TRgba& p : FPixels) {
    out.push_back(byte(p.B));
    out.push_back(byte(p.G));
    out.push_back(byte(p.R));
    out.push_back(byte(p.A));
  }
  return out;
}

}  // namespace qw::art
