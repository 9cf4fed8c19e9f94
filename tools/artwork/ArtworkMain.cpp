// Draws every picture of the window into the folder given on the command line. Flat shapes in one
// palette: indigo for the program's own marks, teal for the link, white on colour.
#include <cmath>
#include <cstdio>
#include <exception>
#include <string>

#include "tools/artwork/ArtworkCanvas.h"
#include "tools/artwork/ArtworkFiles.h"

using namespace qw::art;

namespace {

constexpr uint32_t kIndigo = 0x3949AB;
constexpr uint32_t kDeep = 0x283593;
constexpr uint32_t kTeal = 0x26A69A;
constexpr uint32_t kWhite = 0xFFFFFF;

TRgba Mix(TRgba a, TRgba b, float t) {
  t = std::fmin(std::fmax(t, 0.0f), 1.0f);
  return TRgba{a.R + (b.R - a.R) * t, a.G + (b.G - a.G) * t, a.B + (b.B - a.B) * t, a.A + (b.A - a.A) * t};
}

// A padlock in a square of side s with its top-left corner at (ox, oy).
void Padlock(TCanvasRgba& c, float ox, float oy, float s, TRgba body, TRgba hole) {
  auto X = [&](float f) { return ox + f * s; };
  auto Y = [&](float f) { return oy + f * s; };
  const float level = Y(0.47f);
  TShape shackle = Intersect(Ring(X(0.5f), Y(0.44f), 0.19f * s, 0.055f * s),
                             [level](float, float y) { return y - level; });
  shackle = Union(shackle, Segment(X(0.31f), Y(0.44f), X(0.31f), Y(0.5f), 0.055f * s));
  shackle = Union(shackle, Segment(X(0.69f), Y(0.44f), X(0.69f), Y(0.5f), 0.055f * s));
  c.Fill(shackle, body);
  c.Fill(Box(X(0.2f), Y(0.47f), X(0.8f), Y(0.9f), 0.08f * s), body);
  c.Fill(Union(Circle(X(0.5f), Y(0.63f), 0.07f * s), Segment(X(0.5f), Y(0.63f), X(0.5f), Y(0.77f), 0.03f * s)), hole);
}

void Icon(const std::string& dir) {
  TCanvasRgba c(48, 48);
  c.FillWith(Box(2, 2, 46, 46, 9), [](float, float y) { return Mix(Hex(kIndigo), Hex(kDeep), y / 48); });
  Padlock(c, 6, 4, 36, Hex(kWhite), Hex(kDeep));
  WriteIco(dir + "/qwillet.ico", c);
}

void Banner(const std::string& dir) {
  TCanvasRgba c(449, 57);
  c.FillWith(Box(-1, -1, 450, 58, 0), [](float x, float y) {
    return Mix(Mix(Hex(kDeep), Hex(kIndigo), x / 260), Hex(kTeal), (x - 250) / 199 + y / 400);
  });
  // Faint rings behind the lock and a thin light rule at the bottom edge.
  c.Fill(Ring(58, 28, 34, 1.0f), Hex(kWhite, 0.10f));
  c.Fill(Ring(58, 28, 46, 1.0f), Hex(kWhite, 0.06f));
  c.Fill(Box(-1, 54, 450, 58, 0), Hex(kWhite, 0.18f));
  Padlock(c, 38, 6, 42, Hex(kWhite), Hex(kDeep));
  // The password: eight dots and a caret.
  for (int i = 0; i < 8; ++i) c.Fill(Circle(112.0f + 22.0f * static_cast<float>(i), 29, 6), Hex(kWhite, 0.92f));
  c.Fill(Box(290, 15, 293, 43, 1), Hex(kWhite));
  c.Fill(Box(104, 44, 296, 46, 1), Hex(kWhite, 0.35f));
  WriteJpeg(dir + "/banner.jpg", c, 92);
}

void Globe(TCanvasRgba& c, float cx, float cy, float r, TRgba face, TRgba line) {
  c.Fill(Circle(cx, cy, r), face);
  const float w = r * 0.08f;
  c.Fill(Ring(cx, cy, r - w, w), line);
  c.Fill(Segment(cx - r, cy, cx + r, cy, w), line);
  c.Fill(Segment(cx, cy - r, cx, cy + r, w), line);
  // The meridians: a circle squeezed horizontally, drawn as its outline.
  const float a = r * 0.45f;
  c.Fill([=](float x, float y) {
    const float k = std::hypot((x - cx) / a, (y - cy) / r);
    return std::fabs(k - 1.0f) * a - w;
  }, line);
  c.Fill(Intersect(Ring(cx, cy + r * 1.1f, r * 1.45f, w), Circle(cx, cy, r)), line);
  c.Fill(Intersect(Ring(cx, cy - r * 1.1f, r * 1.45f, w), Circle(cx, cy, r)), line);
}

void Link(const std::string& dir) {
  TCanvasRgba c(32, 32);
  c.Fill(Circle(16, 16.8f, 14.5f), Hex(0x000000, 0.18f));
  Globe(c, 16, 16, 14, Hex(kWhite), Hex(kTeal));
  WriteBmp32(dir + "/link.bmp", c);
}

void About(const std::string& dir) {
  TCanvasRgba c(64, 64);
  c.Fill(Circle(32, 32, 31), Hex(kIndigo));
  Padlock(c, 12, 10, 40, Hex(kWhite), Hex(kTeal));
  WriteBmp32(dir + "/about.bmp", c);
}

// A circular arrow: "make a new one".
void Renew(TCanvasRgba& c, float s, TRgba colour) {
  const float k = s / 16;
  TShape arc = Subtract(Ring(8 * k, 8.5f * k, 5 * k, 1.35f * k), ConvexPolygon({{8 * k, 8.5f * k}, {16 * k, 0}, {16 * k, 9 * k}}));
  c.Fill(arc, colour);
  c.Fill(ConvexPolygon({{10.2f * k, 1.2f * k}, {15.2f * k, 5.6f * k}, {9.6f * k, 7.6f * k}}), colour);
}

// Two sheets: "copy".
void Copy(TCanvasRgba& c, float s, TRgba line, TRgba paper) {
  const float k = s / 24;
  c.Fill(Box(3 * k, 2 * k, 15 * k, 17 * k, 1.8f * k), line);
  c.Fill(Box(4.6f * k, 3.6f * k, 13.4f * k, 15.4f * k, 0.8f * k), paper);
  c.Fill(Box(8.5f * k, 6.5f * k, 21 * k, 22 * k, 1.8f * k), line);
  c.Fill(Box(10.1f * k, 8.1f * k, 19.4f * k, 20.4f * k, 0.8f * k), paper);
  for (int i = 0; i < 3; ++i) {
    const float y = (11.5f + 3.0f * static_cast<float>(i)) * k;
    c.Fill(Segment(12.5f * k, y, 17 * k, y, 0.6f * k), line);
  }
}

void Glyphs(const std::string& dir) {
  {
    TCanvasRgba c(16, 16);
    Renew(c, 16, Hex(kIndigo));
    WriteBmp32(dir + "/glyph_generate.bmp", c);
    WriteBmp32(dir + "/menu_generate.bmp", c);
  }
  {
    TCanvasRgba c(24, 24);
    Copy(c, 24, Hex(kIndigo), Hex(kWhite));
    WriteBmp32(dir + "/glyph_copy.bmp", c);
  }
  {
    TCanvasRgba c(16, 16);
    Copy(c, 16, Hex(kIndigo), Hex(kWhite));
    WriteBmp32(dir + "/menu_copy.bmp", c);
  }
  {
    TCanvasRgba c(16, 16);
    c.Fill(Box(1, 2.5f, 7.5f, 6, 1), Hex(0xF9A825));
    c.Fill(Box(1, 4, 15, 14, 1.5f), Hex(0xFBC02D));
    c.Fill(Box(1, 6, 15, 14, 1.5f), Hex(0xFDD835));
    WriteBmp32(dir + "/glyph_folder.bmp", c);
  }
  {
    TCanvasRgba c(16, 16);
    c.Fill(Box(1.5f, 1.5f, 14.5f, 14.5f, 2.5f), Hex(kIndigo));
    c.Fill(Union(Segment(4.4f, 8.2f, 7, 10.8f, 1.15f), Segment(7, 10.8f, 11.8f, 5.2f, 1.15f)), Hex(kWhite));
    WriteBmp32(dir + "/check_on.bmp", c);
  }
  {
    TCanvasRgba c(16, 16);
    c.Fill(Box(1.5f, 1.5f, 14.5f, 14.5f, 2.5f), Hex(0x9E9E9E));
    c.Fill(Box(2.7f, 2.7f, 13.3f, 13.3f, 1.5f), Hex(kWhite));
    WriteBmp32(dir + "/check_off.bmp", c);
  }
}

// The shadows under the active and the inactive window: a soft dark square that fades out.
void Shadow(const std::string& path, float strength, float sigma) {
  TCanvasRgba c(33, 33);
  for (int y = 0; y < 33; ++y) {
    for (int x = 0; x < 33; ++x) {
      const float fx = static_cast<float>(x) + 0.5f, fy = static_cast<float>(y) + 0.5f;
      const float dx = std::fmax(std::fabs(fx - 16.5f) - 6.0f, 0.0f), dy = std::fmax(std::fabs(fy - 16.5f) - 6.0f, 0.0f);
      const float d = std::hypot(dx, dy);
      c.At(x, y) = TRgba{0, 0, 0, strength * std::exp(-(d * d) / (2 * sigma * sigma))};
    }
  }
  WritePng(path, c);
}

void DragCursor(const std::string& dir) {
  WriteCursor(dir + "/drag.cur",
              {
                  "#",           "##",          "#.#",         "#..#",        "#...#",
                  "#....#",      "#.....#",     "#......#",    "#.......#",   "#........#",
                  "#.....#####", "#..#..#",     "#.# #..#",    "##  #..#",    "#    #..#",
                  "     #..#",   "      ##",    "",            "   # # # # #", "",
                  "   #       #", "",           "   # # # # #",
              },
              0, 0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: qw_artwork <output folder>\n");
    return 2;
  }
  try {
    const std::string dir = argv[1];
    Icon(dir);
    Banner(dir);
    Link(dir);
    About(dir);
    Glyphs(dir);
    Shadow(dir + "/shadow_active.png", 0.42f, 4.0f);
    Shadow(dir + "/shadow_inactive.png", 0.22f, 3.2f);
    DragCursor(dir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "qw_artwork: %s\n", e.what());
    return 1;
  }
  return 0;
}
