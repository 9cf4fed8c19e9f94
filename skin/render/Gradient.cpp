#include "skin/render/Gradient.h"

#include <algorithm>
#include <cmath>

#include "image/BitmapClip.h"
#include "image/ColorToRgb.h"
#include "image/PixelKernels.h"
#include "skin/render/RenderScratch.h"

namespace qw {

namespace {

inline uint32_t ColorWord(uint32_t color) { return 0xFF000000u | (SwapRedBlue(color) & 0x00FFFFFFu); }

inline float Channel(uint32_t color, int shift) { return static_cast<float>((color >> shift) & 0xFF); }

// Rounds a single-precision channel value to nearest, ties to even, and limits it to a byte.
inline uint32_t RoundChannel(float v) {
  if (!(v > 0.0f)) return 0;
  if (v >= 255.0f) return 255;
  return static_cast<uint32_t>(std::nearbyint(v));
}

}  // namespace

void GradientLine(const TsGradArray& bands, int layout, const TRect& r, std::vector<uint32_t>& line) {
  const bool vertical = layout == glVertical;
  const int32_t start = vertical ? r.Top : r.Left;
  const int32_t end = vertical ? r.Bottom : r.Right;  // exclusive, already cut to the bitmap
  const int32_t span = std::max(0, end - start);
  line.assign(static_cast<size_t>(span), bands.empty() ? 0xFF000000u : ColorWord(bands[0].Color1));
  if (span == 0 || bands.empty()) return;
  int32_t s = start;
  for (size_t b = 0; b < bands.size(); ++b) {
    const TsGradPie& p = bands[b];
    const int32_t percent = std::clamp<int32_t>(p.Percent, 0, 100);
    int32_t e;
    if (b + 1 == bands.size()) {
      e = end - 1;
    } else if (vertical) {
      e = static_cast<int32_t>(std::min<int64_t>(int64_t{s} + int64_t{span} * percent / 100, end - 1));
    } else {
      const double pos = std::nearbyint(percent * static_cast<double>(span) / 100.0 + s);
      e = static_cast<int32_t>(std::min<double>(pos, end - 1));
    }
    const int32_t n = e - s;
    if (n > 0) {
      if (p.Color1 == p.Color2) {
        std::fill(line.begin() + (s - start), line.begin() + (e - start) + 1, ColorWord(p.Color1));
      } else {
        float cr = Channel(p.Color1, 0), cg = Channel(p.Color1, 8), cb = Channel(p.Color1, 16);
        const float dr = (Channel(p.Color2, 0) - cr) / static_cast<float>(n);
        const float dg = (Channel(p.Color2, 8) - cg) / static_cast<float>(n);
        const float db = (Channel(p.Color2, 16) - cb) / static_cast<float>(n);
        for (int32_t i = s; i <= e; ++i) {
          line[static_cast<size_t>(i - start)] =
              0xFF000000u | (RoundChannel(cr) << 16) | (RoundChannel(cg) << 8) | RoundChannel(cb);
          cr += dr;
          cg += dg;
          cb += db;
        }
      }
    }
    if (e > s) s = e;
  }
}

namespace {

// One corner of the mesh: position and 16-bit channels, as the platform's triangle fill takes them.
struct TMeshVertex {
  double X, Y;
  double R, G, B;
};

TMeshVertex Vertex(double x, double y, uint32_t color) {
  return TMeshVertex{x, y, static_cast<double>((color & 0xFF) << 8), static_cast<double>(((color >> 8) & 0xFF) << 8),
                     static_cast<double>(((color >> 16) & 0xFF) << 8)};
}

// Four triangles meeting in the centre, each shaded by interpolating its corners' colours. A pixel
// (sampled at its centre) belongs to the triangle it lies deepest inside, so the seams are shared
// without gaps; every pixel of R is written with alpha 255.
void PaintMesh(TBitmap32& bmp, const TRect& full, const TRect& c, const TsGradArray& bands) {
  uint32_t colors[5];
  for (size_t i = 0; i < 5; ++i) colors[i] = i < bands.size() ? bands[i].Color1 : colors[i - 1];
  const double l = full.Left, t = full.Top, r = full.Right, b = full.Bottom;
  const double cx = static_cast<double>(full.Left + (int64_t{full.Right} - full.Left) / 2);
  const double cy = static_cast<double>(full.Top + (int64_t{full.Bottom} - full.Top) / 2);
  const TMeshVertex v[5] = {Vertex(l, t, colors[0]), Vertex(cx, cy, colors[1]), Vertex(r, t, colors[2]),
                            Vertex(r, b, colors[3]), Vertex(l, b, colors[4])};
  static constexpr int kTriangles[4][3] = {{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}};
  struct TPrepared {
    const TMeshVertex *A, *B, *C;
    double Det;
  } tri[4];
  int count = 0;
  for (const auto& k : kTriangles) {
    const TMeshVertex &a = v[k[0]], &bb = v[k[1]], &cc = v[k[2]];
    const double det = (bb.Y - cc.Y) * (a.X - cc.X) + (cc.X - bb.X) * (a.Y - cc.Y);
    if (det != 0.0) tri[count++] = TPrepared{&a, &bb, &cc, det};
  }
  if (count == 0) return;
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    uint32_t* row = bmp.Row(y);
    const double py = y + 0.5;
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const double px = x + 0.5;
      double best = -1e300, w0 = 0, w1 = 0, w2 = 0;
      const TPrepared* chosen = &tri[0];
      for (int i = 0; i < count; ++i) {
        const TPrepared& p = tri[i];
        const double a0 = ((p.B->Y - p.C->Y) * (px - p.C->X) + (p.C->X - p.B->X) * (py - p.C->Y)) / p.Det;
        const double a1 = ((p.C->Y - p.A->Y) * (px - p.C->X) + (p.A->X - p.C->X) * (py - p.C->Y)) / p.Det;
        const double a2 = 1.0 - a0 - a1;
        const double depth = std::min({a0, a1, a2});
        if (depth > best) {
          best = depth;
          chosen = &p;
          w0 = a0;
          w1 = a1;
          w2 = a2;
        }
      }
      // Pixels along R's right and bottom edges sample just outside the mesh: clamp to its border.
      w0 = std::max(w0, 0.0);
      w1 = std::max(w1, 0.0);
      w2 = std::max(w2, 0.0);
      const double sum = w0 + w1 + w2;
      auto channel = [&](double TMeshVertex::*m) {
        const double v16 = (w0 * chosen->A->*m + w1 * chosen->B->*m + w2 * chosen->C->*m) / sum;
        return static_cast<uint32_t>(std::clamp(v16 + 0.5, 0.0, 65535.0)) >> 8;
      };
      row[x] = 0xFF000000u | (channel(&TMeshVertex::R) << 16) | (channel(&TMeshVertex::G) << 8) |
               channel(&TMeshVertex::B);
    }
  }
}

}  // namespace

void PaintGradient(TBitmap32& bmp, const TRect& r, const TsGradArray& bands) {
  if (bands.empty()) return;
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  const int layout = bands[0].Mode1;
  if (layout == glMesh) {
    PaintMesh(bmp, r, c, bands);
    return;
  }
  if (layout != glVertical && layout != glHorizontal) return;
  thread_local std::vector<uint32_t> line;
  GradientLine(bands, layout, c, line);
  if (layout == glVertical) {
    for (int32_t y = c.Top; y < c.Bottom; ++y)
      PixelKernels().Fill(bmp.Row(y) + c.Left, size_t(c.Right - c.Left), line[static_cast<size_t>(y - c.Top)]);
  } else {
    for (int32_t y = c.Top; y < c.Bottom; ++y) std::copy(line.begin(), line.end(), bmp.Row(y) + c.Left);
  }
}

void PaintGradientWithTexture(TBitmap32& bmp, const TRect& r, const TsGradArray& bands, int a, TRect texArea,
                              const TBitmap32& texture) {
  if (bands.empty()) return;
  const int layout = bands[0].Mode1;
  if (layout != glVertical && layout != glHorizontal) return;
  const TRect c = ClipRectToSize(r, bmp.Width(), bmp.Height());
  if (IsRectEmpty(c)) return;
  if (IsRectEmpty(texArea)) texArea = TRect{0, 0, texture.Width(), texture.Height()};
  texArea = ClipRectToSize(texArea, texture.Width(), texture.Height());
  if (IsRectEmpty(texArea)) {
    PaintGradient(bmp, c, bands);
    return;
  }
  const int32_t tw = WidthOfRect(texArea), th = HeightOfRect(texArea);
  const uint32_t ua = static_cast<uint32_t>(std::clamp(a, 0, 256));
  thread_local std::vector<uint32_t> line;
  GradientLine(bands, layout, c, line);
  for (int32_t y = c.Top; y < c.Bottom; ++y) {
    const uint32_t* t = texture.Row(texArea.Top + y % th) + texArea.Left;
    uint32_t* d = bmp.Row(y);
    int32_t tx = c.Left % tw;
    for (int32_t x = c.Left; x < c.Right; ++x) {
      const uint32_t g = layout == glVertical ? line[static_cast<size_t>(y - c.Top)] : line[static_cast<size_t>(x - c.Left)];
      const uint32_t tp = t[tx];
      if (++tx == tw) tx = 0;
      // (A*(t - g) + g*256) >> 8 = (A*t + (256 - A)*g) >> 8, never negative.
      uint32_t out = 0xFF000000u;
      for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t gc = (g >> shift) & 0xFF, tc = (tp >> shift) & 0xFF;
        out |= ((ua * tc + (256 - ua) * gc) >> 8) << shift;
      }
      d[x] = out;
    }
  }
}

}  // namespace qw
