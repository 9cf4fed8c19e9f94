#pragma once
// A small anti-aliased RGBA canvas for flat artwork: shapes are given as signed distance functions and
// painted with one-pixel soft edges.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace qw::art {

struct TRgba {
  float R, G, B, A;
};

// Colour from 0xRRGGBB with an opacity.
TRgba Hex(uint32_t rgb, float alpha = 1.0f);

// Signed distance: negative inside the shape, in pixels.
using TShape = std::function<float(float x, float y)>;

TShape Circle(float cx, float cy, float r);
TShape Box(float x0, float y0, float x1, float y1, float radius);  // rounded rectangle
TShape Segment(float x0, float y0, float x1, float y1, float halfWidth);
TShape Ring(float cx, float cy, float r, float halfWidth);
TShape Union(TShape a, TShape b);
TShape Subtract(TShape a, TShape b);
TShape Intersect(TShape a, TShape b);
TShape HalfPlaneBelow(float y);  // inside where y' > y
// A convex polygon with its corners listed clockwise (on screen, y down).
TShape ConvexPolygon(std::vector<std::pair<float, float>> corners);

class TCanvasRgba {
 public:
  TCanvasRgba(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Paints the shape over what is there (source-over).
  void Fill(const TShape& shape, TRgba colour);
  // Paints with a colour that depends on the position (gradients).
  void FillWith(const TShape& shape, const std::function<TRgba(float x, float y)>& colour);
  TRgba& At(int x, int y) { return FPixels[static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x)]; }
  const TRgba& At(int x, int y) const { return FPixels[static_cast<size_t>(y) * static_cast<size_t>(FWidth) + static_cast<size_t>(x)]; }
  // Pixels as 8-bit straight-alpha BGRA rows, top-down.
  std::vector<uint8_t> Bgra() const;

 private:
  int FWidth, FHeight;
  std::vector<TRgba> FPixels;
};

}  // namespace qw::art
