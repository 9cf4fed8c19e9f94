#include "image/BitmapColor.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>

#include "image/BitmapClip.h"

namespace qw {

namespace {

bool IsGray(uint32_t w) { return (w & 0xFF) == ((w >> 8) & 0xFF) && (w & 0xFF) == ((w >> 16) & 0xFF); }

template <typename F>
void ForEachPixel(TBitmap32& bmp, F f) {
  uint32_t* p = bmp.Pixels();
  const size_t n = bmp.PixelCount();
  for (size_t i = 0; i < n; ++i) p[i] = f(p[i]);
}

uint32_t GrayPixel(uint32_t w) {
  const uint32_t v = ((w & 0xFF) + ((w >> 8) & 0xFF) + ((w >> 16) & 0xFF)) / 3;
  return (w & 0xFF000000u) | (v << 16) | (v << 8) | v;
}

// The results a colour rule gave for the colours met last, per thread and per parameter: skin pictures
// hold few distinct colours, so most pixels find theirs here instead of being computed again. Every
// value kept is the rule's own, so the bytes are those of the rule.
template <uint32_t (*Rule)(uint32_t, int)>
uint32_t Memoised(uint32_t w, int param) {
  struct TMemo {
    int Param = 0;
    std::array<uint32_t, 4096> Key{}, Value{};  // Key: the colour with bit 24 set; 0 is an empty slot
  };
  thread_local TMemo memo;
  if (memo.Param != param) {
    memo.Param = param;
    memo.Key.fill(0);
  }
  const uint32_t rgb = w & 0x00FFFFFFu;
  const size_t slot = (rgb * 0x9E3779B1u) >> 20;
  if (memo.Key[slot] != (rgb | 0x01000000u)) {
    memo.Key[slot] = rgb | 0x01000000u;
    memo.Value[slot] = Rule(rgb, param) & 0x00FFFFFFu;
  }
  return (w & 0xFF000000u) | memo.Value[slot];
}

uint32_t HueRule(uint32_t w, int offset);
uint32_t SaturationRule(uint32_t w, int amount);

}  // namespace

// Real arithmetic on purpose: x is a real share; std::nearbyint rounds to nearest, ties to even. A
// channel's result depends on its own value only, so one table per channel holds the whole rule; the
// tables of the last colour and share are kept.
void TintBitmap(TBitmap32& bmp, TColor color, double x) {
  struct TTables {
    bool Ready = false;
    uint32_t Key = 0;
    uint64_t X = 0;  // the share's bits
    std::array<std::array<uint32_t, 256>, 3> Channel;
  };
  thread_local TTables t;
  const uint32_t k = ColorToPixel(ColorToRGB(color), 0);
  if (!t.Ready || t.Key != k || t.X != std::bit_cast<uint64_t>(x)) {
    for (int ch = 0; ch < 3; ++ch) {
      const double kc = (k >> (8 * ch)) & 0xFF;
      for (uint32_t c = 0; c < 256; ++c) t.Channel[size_t(ch)][c] = RoundToByte(x * (double(c) - kc) + kc) << (8 * ch);
    }
    t.Ready = true;
    t.Key = k;
    t.X = std::bit_cast<uint64_t>(x);
  }
  ForEachPixel(bmp, [&](uint32_t w) {
    if (w == kKeyPixel) return w;
    return (w & 0xFF000000u) | t.Channel[0][w & 0xFF] | t.Channel[1][(w >> 8) & 0xFF] | t.Channel[2][(w >> 16) & 0xFF];
  });
}

void GrayscaleBitmap(TBitmap32& bmp) { ForEachPixel(bmp, GrayPixel); }

void GrayscaleBitmapKeyed(TBitmap32& bmp, uint32_t key) {
  ForEachPixel(bmp, [key](uint32_t w) { return w == key ? w : GrayPixel(w); });
}

uint32_t ChangePixelHue(uint32_t w, int offset) { return Memoised<HueRule>(w, offset); }

uint32_t ChangePixelSaturation(uint32_t w, int amount) { return Memoised<SaturationRule>(w, amount); }

namespace {

// Hexcone hue rotation in doubles, each result rounded with std::nearbyint (ties to even), so the same
// inputs give the same bytes on every build.
uint32_t HueRule(uint32_t w, int offset) {
  const int r = (w >> 16) & 0xFF, g = (w >> 8) & 0xFF, b = w & 0xFF;
  const int mx = std::max({r, g, b}), mn = std::min({r, g, b});
  const int delta = mx - mn;
  if (mx == 0 || delta == 0) return w;  // saturation 0: no hue to turn
  const double s = double(delta) / mx;
  const double e = 60.0 / delta;
  double h;
  if (r == mx)
    h = (g - b) * e;
  else if (g == mx)
    h = 120.0 + (b - r) * e;
  else
    h = 240.0 + (r - g) * e;
  if (h < 0) h += 360.0;
  // Negative offsets are reduced into 0..359 too, so the sector index always lies in 0..5.
  int64_t hn = static_cast<int64_t>(std::nearbyint(h + double(offset))) % 360;
  if (hn < 0) hn += 360;
  const int64_t i = hn / 60;
  const double f = double(hn) / 60.0 - double(i);
  const double v = mx;
  const uint32_t vb = static_cast<uint32_t>(mx);
  const uint32_t p = RoundToByte(std::clamp(v * (1.0 - s), 0.0, 255.0));
  const uint32_t q = RoundToByte(std::clamp(v * (1.0 - f * s), 0.0, 255.0));
  const uint32_t t = RoundToByte(std::clamp(v * (1.0 - (1.0 - f) * s), 0.0, 255.0));
  uint32_t nr, ng, nb;
  switch (i) {
    case 0: nr = vb, ng = t, nb = p; break;
    case 1: nr = q, ng = vb, nb = p; break;
    case 2: nr = p, ng = vb, nb = t; break;
    case 3: nr = p, ng = q, nb = vb; break;
    case 4: nr = t, ng = p, nb = vb; break;
    default: nr = vb, ng = p, nb = q; break;
  }
  return (w & 0xFF000000u) | (nr << 16) | (ng << 8) | nb;
}

// avg = sum/3 and the percentage are exact fractions, so the rule is computed exactly:
// c - (sum/3 - c)*A/100 = (300c - (sum - 3c)*A) / 300, rounded to nearest with ties to even.
uint32_t SaturationRule(uint32_t w, int amount) {
  if (amount == 0) return w;
  const int64_t c0 = w & 0xFF, c1 = (w >> 8) & 0xFF, c2 = (w >> 16) & 0xFF;
  const int64_t sum = c0 + c1 + c2;
  auto one = [&](int64_t c) { return ClampByte(RoundDivEven(300 * c - (sum - 3 * c) * amount, 300)); };
  return (w & 0xFF000000u) | (one(c2) << 16) | (one(c1) << 8) | one(c0);
}

}  // namespace

TColor ChangeColorHue(TColor color, int offset) {
  if (offset == 0) return color;
  return static_cast<TColor>(SwapRedBlue(ChangePixelHue(SwapRedBlue(static_cast<uint32_t>(color)), offset)));
}

void ChangeBitmapHue(TBitmap32& bmp, int offset) {
  if (offset == 0) return;
  ForEachPixel(bmp, [offset](uint32_t w) { return w == kKeyPixel || IsGray(w) ? w : ChangePixelHue(w, offset); });
}

TColor ChangeColorSaturation(TColor color, int amount) {
  return static_cast<TColor>(ChangePixelSaturation(static_cast<uint32_t>(color), amount));
}

void ChangeBitmapSaturation(TBitmap32& bmp, int amount) {
  if (amount == 0) return;
  ForEachPixel(bmp, [amount](uint32_t w) {
    return w == kKeyPixel || IsGray(w) ? w : ChangePixelSaturation(w, amount);
  });
}

}  // namespace qw
