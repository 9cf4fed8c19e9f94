// The dotted focus frame, pixel by pixel on a 9 x 6 bitmap, and cut at the bitmap's edges.
#include <gtest/gtest.h>

#include <string>

#include "image/BitmapFill.h"
#include "skin/render/FocusFrame.h"

namespace qw {
namespace {

// '#' black, 'f' face, '.' untouched.
std::string Picture(const TBitmap32& b, uint32_t face) {
  std::string s;
  for (int y = 0; y < b.Height(); ++y) {
    for (int x = 0; x < b.Width(); ++x) {
      const uint32_t p = b.At(x, y) & 0xFFFFFF;
      s += p == 0 ? '#' : p == (face & 0xFFFFFF) ? 'f' : '.';
    }
    s += '\n';
  }
  return s;
}

TEST(FocusFrame, NineBySixWholeBitmap) {
  TBitmap32 b(9, 6);
  const TColor face = 0x808080;
  DrawDottedFocusFrame(b, TRect{0, 0, 9, 6}, face);
  EXPECT_EQ(Picture(b, ColorToPixel(face, 0)),
            "#.f#.f#.#\n"
            ".........\n"
            "f.......f\n"
            "#.......#\n"
            ".........\n"
            "f.f#.f#.f\n");
}

TEST(FocusFrame, CutAtTheEdgesAndNothingForAnEmptyRectangle) {
  TBitmap32 b(4, 4);
  FillRect32(b, TRect{0, 0, 4, 4}, 0xFFFFFF, 255);
  DrawDottedFocusFrame(b, TRect{-2, -2, 10, 10}, 0x808080);  // dots beyond the bitmap are dropped
  EXPECT_EQ(b.At(1, 0) & 0xFFFFFF, 0xFFFFFFu);
  TBitmap32 c(4, 4);
  FillRect32(c, TRect{0, 0, 4, 4}, 0xFFFFFF, 255);
  DrawDottedFocusFrame(c, TRect{2, 2, 2, 4}, 0x808080);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(c.At(x, y) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace qw
