#include "image/ColorToRgb.h"

#include <algorithm>

#include "image/BitmapClip.h"

namespace qw {

namespace {

// The classic scheme, so that portable tools draw something sensible before (or without) a real table.
TSystemColorTable DefaultSystemColors() {
  TSystemColorTable t{};
  const uint32_t classic[] = {
      0xC8D0D4, 0x984E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000,
      0x000000, 0xFFFFFF, 0xC8D0D4, 0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4,
      0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040, 0xC8D0D4, 0x000000,
      0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0x6A240A, 0xC8D0D4};
  std::copy(std::begin(classic), std::end(classic), t.begin());
  return t;
}

TSystemColorTable& Table() {
  static TSystemColorTable table = DefaultSystemColors();
  return table;
}

}  // namespace

void SetSystemColorTable(const TSystemColorTable& table) { Table() = table; }

const TSystemColorTable& SystemColorTable() { return Table(); }

TColor ColorToRGB(TColor color) {
  if (color >= 0) return color;
  return static_cast<TColor>(Table()[static_cast<uint32_t>(color) & 0xFFu] & 0x00FFFFFFu);
}

// Real arithmetic on purpose: x is a share given as a real. std::nearbyint rounds in the default mode,
// to nearest with ties to even, the same on every build.
TColor MixColors(TColor c1, TColor c2, double x) {
  const uint32_t a = static_cast<uint32_t>(c1), b = static_cast<uint32_t>(c2);
  uint32_t result = a & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const double v = x * double((a >> shift) & 0xFF) + (1.0 - x) * double((b >> shift) & 0xFF);
    result |= RoundToByte(v) << shift;
  }
  return static_cast<TColor>(result);
}

}  // namespace qw
